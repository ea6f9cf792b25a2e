#ifndef Q5X_MATERIALS_CUSTOMSHADERS_H
#define Q5X_MATERIALS_CUSTOMSHADERS_H

#include "model/ExportOptions.h"
#include "saveutil/DomXMLFile.h"

#include <maya/MObject.h>
#include <maya/MPlug.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

// What a custom shader file declares: tunable parameters (array parameters as one entry per
// element, "offsets0", "offsets1", ...), extra texture slots, and the parameter template files
// their defaults may come from, each list in name order.
struct CustomShaderDefinition {
    struct Parameter {
        std::uint32_t floatCount = 0;  // 1 to 4 for "float" to "float4", 0 for any other type
        bool hasTemplate = false;
        std::string templateId;
    };
    struct Texture {
        bool hasTemplate = false;
        std::string templateId;
    };
    std::map<std::string, Parameter> parameters;
    std::map<std::string, Texture> textures;
    std::map<std::string, std::string> templates;  // template id to the template file's path
};

// Which rules a material's custom values follow: classic shaders keep them as text attributes,
// GLSL nodes as typed values switched on by an "enable" attribute.
enum class CustomValueRules { Lambert, Glsl };

// A template chain has no business being deeper than a handful of files; beyond this many it is
// taken for a mistake (or a loop through spellings of one file) and the lookup ends.
constexpr std::size_t kMaxTemplateChainDepth = 32;

// Custom shaders and parameter templates for one export. Template files are read once each.
class CustomShaders {
public:
    explicit CustomShaders(const ExportContext& context) : context_(context) {}

    // Fills `definition` from the custom shader file at `path` (cleared first; empty for an empty
    // path, a missing or unreadable file).
    void loadCustomShader(CustomShaderDefinition& definition, const std::string& path);

    // The value of parameter entry `entry` for the material: its own attribute, its template
    // variant, then the same on the reference material (null when none). Nothing when no source
    // has one: the parameter is then left to the shader's default.
    std::optional<std::string> resolveCustomParameter(const CustomShaderDefinition& definition, const std::string& entry,
                                                      const MObject& material, const MObject* reference,
                                                      CustomValueRules rules);
    // The file name of texture slot `texture`, by the same sources.
    std::optional<std::string> resolveCustomTexture(const CustomShaderDefinition& definition, const std::string& texture,
                                                    const MObject& material, const MObject* reference,
                                                    CustomValueRules rules);

private:
    std::optional<std::string> ownParameter(const std::string& entry, std::uint32_t floatCount, const MObject& node,
                                            CustomValueRules rules);
    std::optional<std::string> ownTexture(const std::string& texture, const MObject& node, CustomValueRules rules);
    std::optional<std::string> templateValue(const CustomShaderDefinition& definition, bool hasTemplate,
                                             const std::string& templateId, const std::string& key, const MObject& node);
    // The value of `key` in the variant the node chooses in `templateFile` (or `defaultVariant`),
    // following the files' parents.
    std::optional<std::string> lookupParameterTemplate(const std::string& key, const std::string& templateId,
                                                       std::string templateFile, std::string defaultVariant,
                                                       const MObject& node);
    Q5XSaveUtil::DomXMLFile* templateFile(const std::string& path);
    std::string gameFile(std::string name) const;

    const ExportContext& context_;
    std::map<std::string, std::unique_ptr<Q5XSaveUtil::DomXMLFile>> templateFiles_;  // null: could not be loaded
};

// The values of a numeric attribute of 1 to 4 floats, each with four significant digits,
// separated by single blanks (a 4-float attribute is a colour with alpha).
std::optional<std::string> readFloatParameter(const std::string& attributeName, const MObject& node, std::uint32_t floatCount);
// The file of a file texture connected into the attribute, else the attribute's text.
std::optional<std::string> readTextureAttribute(const std::string& attributeName, const MObject& node);
// A colour with alpha as GLSL nodes keep it: a compound of two children, the first a compound of
// three numbers (red, green, blue), the second a number (alpha).
bool readColourWithAlpha(const MPlug& plug, float (&rgba)[4]);

#endif
