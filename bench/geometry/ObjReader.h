#ifndef Q5X_BENCH_OBJREADER_H
#define Q5X_BENCH_OBJREADER_H

#include <string>
#include <vector>

// Positions and triangle corners of a Wavefront OBJ file; polygons become fans.
struct ObjMesh {
    std::vector<float> positions;           // x, y, z per vertex
    std::vector<unsigned int> corners;      // three vertex numbers per triangle
};

bool readObj(const std::string& path, ObjMesh& mesh);

#endif
