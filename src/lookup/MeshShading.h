#ifndef Q5X_LOOKUP_MESHSHADING_H
#define Q5X_LOOKUP_MESHSHADING_H

#include "model/ExportModel.h"

#include <maya/MObject.h>

#include <cstdint>
#include <string>
#include <vector>

// The shading of a mesh's instance 0, looked up once per mesh while the model is built and kept on
// its shape record: what its material ids, tangent request and material slot names come from.
MeshShading lookUpShading(const MObject& mesh);

// Whether a material of the mesh has something plugged into its normal input (a normal map): its
// vertices then carry tangents.
bool requestsTangents(const MeshShading& shading);

// Per material index the "slotName" of its material ("" where none), for the groups the polygons
// use; `remap` (when given) moves index k to remap[k].
std::vector<std::string> materialSlotNames(const MeshShading& shading, const std::vector<std::uint32_t>* remap);

#endif
