#ifndef MAYAHOST_POLYCREATORS_H
#define MAYAHOST_POLYCREATORS_H

#include "MeshData.h"

#include "scene/Node.h"

#include <memory>

namespace mayahost {

// The mesh a creator node makes from its options, in Maya's vertex, face and UV order; null for
// node types that are no creator this stand-in knows.
std::unique_ptr<MeshData> createPolyPrimitive(const Node& creator);

}  // namespace mayahost

#endif
