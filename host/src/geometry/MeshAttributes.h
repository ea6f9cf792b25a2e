#ifndef MAYAHOST_MESHATTRIBUTES_H
#define MAYAHOST_MESHATTRIBUTES_H

#include "MeshData.h"

#include "scene/Node.h"

#include <memory>
#include <string>
#include <vector>

namespace mayahost {

// The geometry a mesh node stores itself (no history, no tweaks). Faces that name an edge, a
// vertex, a UV or a colour that does not exist are left out; `problems` says which.
std::unique_ptr<MeshData> meshFromAttributes(const Node& node, std::vector<std::string>& problems);

}  // namespace mayahost

#endif
