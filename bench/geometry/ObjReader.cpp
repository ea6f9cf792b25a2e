#include "ObjReader.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

bool readObj(const std::string& path, ObjMesh& mesh) {
    std::ifstream file(path);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "v") {
            float x = 0, y = 0, z = 0;
            words >> x >> y >> z;
            mesh.positions.insert(mesh.positions.end(), {x, y, z});
        } else if (kind == "f") {
            std::vector<unsigned int> face;
            std::string corner;
            while (words >> corner) {
                const long index = std::strtol(corner.c_str(), nullptr, 10);
                const long vertexCount = long(mesh.positions.size() / 3);
                face.push_back(static_cast<unsigned int>(index < 0 ? vertexCount + index : index - 1));
            }
            for (std::size_t i = 2; i < face.size(); ++i) mesh.corners.insert(mesh.corners.end(), {face[0], face[i - 1], face[i]});
        }
    }
    return !mesh.corners.empty();
}
