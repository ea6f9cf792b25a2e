#ifndef Q5X_SCENE_SHAPEATTRIBUTES_H
#define Q5X_SCENE_SHAPEATTRIBUTES_H

#include "ExtraAttributes.h"

#include "saveutil/XmlWriter.h"

#include <maya/MFnDependencyNode.h>

#include <cstdint>
#include <vector>

// A shadow switch of a shape: "yes" or "no" (any case) in the transform's steering attribute,
// else the shape's own Maya flag, else unset.
ExtraAttributeValue shadowValue(const MFnDependencyNode& transform, const MFnDependencyNode& shape, const char* steering,
                                const char* mayaFlag);
// castsShadows and receiveShadows of a shape element, always written.
void writeShadows(const MFnDependencyNode& transform, const MFnDependencyNode& shape, Q5XSaveUtil::XmlWriter& out);
// materialIds="..." with the identifiers separated by `separator`.
void writeMaterialIdList(const std::vector<std::uint32_t>& ids, char separator, Q5XSaveUtil::XmlWriter& out);

#endif
