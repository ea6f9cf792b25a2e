#ifndef Q5X_MATERIALS_TEXTUREELEMENTS_H
#define Q5X_MATERIALS_TEXTUREELEMENTS_H

#include "model/ExportOptions.h"
#include "model/NameTable.h"
#include "saveutil/XmlWriter.h"

#include <maya/MObject.h>

#include <string>
#include <vector>

// What a texture source becomes in a Material element.
enum class TextureSlot { Texture, Normalmap, Emissivemap, Glossmap, Reflectionmap };

// Layered textures may feed each other; no chain in a real scene comes near this depth, and a
// deeper one is taken for a loop.
constexpr std::size_t kMaxLayeredTextureDepth = 64;

// The texture elements of one material: each file texture found behind a shader input becomes an
// element carrying its file's id in the Files table.
class TextureElements {
public:
    TextureElements(const ExportContext& context, FileTable& files, std::string materialName,
                    Q5XSaveUtil::XmlWriter& out);

    // The first node connected into the material's `attributeName` handed to writeTextureSource;
    // 0 when nothing is connected.
    unsigned writeTextureSlot(const MObject& material, const char* attributeName, TextureSlot kind, float refractiveIndex);
    // A file texture, the files behind a bump node's value (normal maps only), behind an image
    // input (reflection maps only) or on a layered texture's layers (colour textures only).
    unsigned writeTextureSource(const MObject& source, TextureSlot kind, float refractiveIndex);
    // One element for a file texture node; 0 for any other node or an empty file name.
    unsigned writeTextureElement(const MObject& fileTexture, TextureSlot kind, bool writeBumpDepth, float bumpDepth,
                                 float refractiveIndex);

private:
    unsigned writeLayers(const MObject& layeredTexture, float refractiveIndex);
    unsigned writeEachSource(const MObject& node, const char* attributeName, TextureSlot kind, bool writeBumpDepth,
                             float bumpDepth, float refractiveIndex);

    const ExportContext& context_;
    FileTable& files_;
    std::string materialName_;
    Q5XSaveUtil::XmlWriter& out_;
    std::vector<MObject> layeredPath_;  // the layered textures being written, outermost first
};

// The nodes connected into a plug, in connection order.
std::vector<MObject> incomingNodes(const MObject& node, const char* attributeName);

#endif
