#ifndef Q5X_MATERIALS_MATERIALSSECTION_H
#define Q5X_MATERIALS_MATERIALSSECTION_H

#include "model/ExportOptions.h"
#include "model/NameTable.h"
#include "saveutil/XmlWriter.h"

// The Materials section: one Material element for each lambert, phong or blinn node (blinn
// approximated as phong) and each GLSL shader node that an exported shape uses, with its colours
// or texture elements, planar reflection and refraction (classic shaders only), and its custom
// shader with the parameters and textures that the material, its parameter templates or its
// reference material give. Every texture and custom shader file met is registered in
// `files`, whose ids the elements carry. Lambert-derived nodes of other types get a warning whether
// or not a shape uses them; a used material of a type no element is written for gets one too.
bool writeMaterialsSection(const ExportContext& context, const MaterialTable& materials, FileTable& files,
                           Q5XSaveUtil::XmlWriter& out);

#endif
