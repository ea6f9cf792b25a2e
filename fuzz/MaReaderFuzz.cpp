// libFuzzer target: any bytes as a Maya ASCII file must load or fail cleanly, and every mesh it
// loads must evaluate (history, faces, triangles, normals) without faults.
#include "geometry/MeshData.h"
#include "ma/MaReader.h"
#include "scene/Scene.h"

#include <mayahost/Host.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    mayahost::Scene& scene = mayahost::Scene::current();
    if (mayahost::loadMayaAsciiText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ma", scene, error)) {
        for (const auto& node : scene.nodes()) {
            if (!node->hasFn(MFn::kMesh)) continue;
            const mayahost::MeshData* mesh = mayahost::meshDataOf(*node);
            if (!mesh) continue;
            mesh->normals();
            for (std::size_t p = 0; p < mesh->polygonCount(); ++p) {
                for (std::size_t t = 0; t < mesh->triangleCount(p); ++t) mesh->triangleCorner(p, t, 2);
            }
        }
    }
    mayahost::clearMessages();
    return 0;
}
