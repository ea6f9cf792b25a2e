#ifndef MAYAHOST_POLYCREATORS_H
#define MAYAHOST_POLYCREATORS_H

#include "MeshData.h"

#include "scene/Node.h"

#include <cstdint>
#include <memory>
#include <string>

namespace mayahost {

// More faces than this are not built from a creator's options: 12 million quads are 24 million
// triangles, as much as one game shape can use, and already some gigabytes on their way through the
// exporter, while a few bytes of options (4096 subdivisions each way of a cube) can ask for 100
// million.
constexpr std::uint64_t kMaxCreatorFaces = 12'000'000;

// The mesh a creator node makes from its options, in Maya's vertex, face and UV order; null for
// node types that are no creator this stand-in knows, and for a creator that asks for more than
// kMaxCreatorFaces faces (`refusal` then says so).
std::unique_ptr<MeshData> createPolyPrimitive(const Node& creator, std::string& refusal);

}  // namespace mayahost

#endif
