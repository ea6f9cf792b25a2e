#ifndef Q5X_MATERIALS_MATERIALEXTRAATTRIBUTES_H
#define Q5X_MATERIALS_MATERIALEXTRAATTRIBUTES_H

#include "model/ExportOptions.h"

#include <maya/MObject.h>

#include <cstdint>
#include <string>

// Engine options a technical artist adds to a material node as extra attributes.
struct MaterialExtraAttributes {
    float reflectionMapBumpScale = 0.1f;
    float refractionMapBumpScale = 0.1f;
    bool refractionMapWithSSRData = false;
    std::int32_t reflectionMapResolution = 512;
    std::uint32_t reflectionMapShapesObjectMask = 0xFFFFFFFFu;
    std::uint32_t reflectionMapLightsObjectMask = 0xFFFFFFFFu;
    bool hasCustomShader = false;
    std::string customShader;  // already resolved like every file name of the scene
    std::string customShaderVariation;
    std::string shadingRate;  // empty for the engine's "1x1"
    std::string referenceMaterial;
};

// Reads the material's own dynamic attributes (by short name) over the defaults. A number out of
// its field's range (or not finite) keeps the default, with a warning naming the material.
void readMaterialExtraAttributes(const ExportContext& context, const MObject& material, MaterialExtraAttributes& record);

#endif
