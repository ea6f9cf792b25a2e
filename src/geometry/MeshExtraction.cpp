#include "MeshExtraction.h"

#include "CreateIndexedTriangleSet.h"
#include "Tangents.h"
#include "VertexClasses.h"
#include "Weld.h"

#include <maya/MColorArray.h>
#include <maya/MDagPath.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MGlobal.h>
#include <maya/MDoubleArray.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MItGeometry.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MPointArray.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

MString meshName(const MFnMesh& mesh) {
    MDagPath path;
    return mesh.getPath(path) ? path.partialPathName() : mesh.name();
}

void transformPosition(const MFloatMatrix& m, float (&p)[3]) {
    const float x = p[0], y = p[1], z = p[2];
    for (int c = 0; c < 3; ++c) p[c] = x * m[0][c] + y * m[1][c] + z * m[2][c] + m[3][c];
}

void transformNormal(const MFloatMatrix& m, float (&n)[3]) {
    const float x = n[0], y = n[1], z = n[2];
    for (int c = 0; c < 3; ++c) n[c] = x * m[0][c] + y * m[1][c] + z * m[2][c];
    const float squared = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
    if (squared > 1e-6f) {
        const float scale = 1.0f / std::sqrt(squared);
        for (float& component : n) component *= scale;
    }
}

// The four largest influences of one vertex (largest first, equal weights by smaller index).
struct VertexSkin {
    float weights[4] = {0, 0, 0, 0};
    std::uint8_t indices[4] = {0, 0, 0, 0};
};

// The position of a mesh vertex in its polygon's vertex list (normals, UVs and colours are
// addressed by it): a search for the few corners of most polygons, a table for big ones, so that a
// polygon of 100,000 corners costs no more than its corners.
class FaceRelativeIndex {
public:
    explicit FaceRelativeIndex(const MIntArray& vertices) : vertices_(vertices) {
        if (vertices.length() <= kSearchLimit) return;
        for (unsigned i = vertices.length(); i-- > 0;) positions_[vertices[i]] = int(i);
    }
    int operator()(int vertex) const {
        if (vertices_.length() <= kSearchLimit) {
            int local = 0;
            while (local < int(vertices_.length()) && vertices_[unsigned(local)] != vertex) ++local;
            return local;
        }
        const auto found = positions_.find(vertex);
        return found == positions_.end() ? int(vertices_.length()) : found->second;
    }

private:
    static constexpr unsigned kSearchLimit = 16;
    const MIntArray& vertices_;
    std::unordered_map<int, int> positions_;
};

// A point beyond single precision (1e39 in a file) or a NaN would make every later step (welding,
// bounding sphere, the document) meaningless: such values become 0. True when any did.
bool replaceNonFinite(BuildVertex& vertex) {
    bool replaced = false;
    auto sanitize = [&](float* values, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (std::isfinite(values[i])) continue;
            values[i] = 0.0f;
            replaced = true;
        }
    };
    sanitize(vertex.position, 3);
    sanitize(vertex.normal, 3);
    for (auto& uv : vertex.uv) sanitize(uv, 2);
    sanitize(vertex.color, 4);
    return replaced;
}

// Where each influence (in the order its weights come) stands in the bind list, which holds every
// "matrix" element, connected or not: a cluster whose element 2 lost its joint weighs elements 0, 3
// and 4 as influences 0, 1 and 2, and they are blend indices 0, 2 and 3.
std::vector<unsigned> bindListPositions(const MFnSkinCluster& skin) {
    std::vector<unsigned> positions;
    MStatus status;
    const MPlug matrices = skin.findPlug("matrix", true, &status);
    if (!status) return positions;
    for (unsigned i = 0; i < matrices.numElements(); ++i) {
        MPlugArray sources;
        if (matrices.elementByPhysicalIndex(i).connectedTo(sources, true, false) && sources.length() > 0) positions.push_back(i);
    }
    return positions;
}

// A weight list longer than the mesh has vertices comes from a mesh that lost vertices after binding.
void warnAboutExtraWeights(const MFnSkinCluster& skin, const MFnMesh& mesh) {
    MStatus status;
    const MPlug weightList = skin.findPlug("weightList", true, &status);
    if (!status || weightList.numElements() <= unsigned(std::max(0, mesh.numVertices()))) return;
    MGlobal::displayWarning("q5xExport: Skin cluster " + skin.name() + " has weights for " +
                            MString(std::to_string(weightList.numElements()).c_str()) + " vertices, but " + meshName(mesh) +
                            " has " + MString(std::to_string(mesh.numVertices()).c_str()) + "; the rest are ignored");
}

// Per mesh vertex, its blend weights. Empty when the cluster does not feed this mesh (then it is
// exported without skin data); false when an influence index does not fit a blend index.
bool readSkinWeights(const MFnSkinCluster& skin, const MFnMesh& mesh, std::vector<VertexSkin>& skinning) {
    MStatus status;
    const unsigned output = skin.indexForOutputShape(mesh.object(), &status);
    if (!status) return true;
    MDagPath path;
    if (!skin.getPathAtIndex(output, path)) return true;
    warnAboutExtraWeights(skin, mesh);
    const std::vector<unsigned> positions = bindListPositions(skin);
    skinning.assign(std::size_t(std::max(0, mesh.numVertices())), VertexSkin());
    std::vector<std::pair<double, unsigned>> pairs;
    MDoubleArray weights;
    for (MItGeometry vertices(path); !vertices.isDone(); vertices.next()) {
        const int vertex = vertices.index();
        unsigned influences = 0;
        skin.getWeights(path, vertices.currentItem(), weights, influences);
        pairs.clear();
        for (unsigned i = 0; i < weights.length(); ++i) {
            if (weights[i] != 0.0) pairs.emplace_back(weights[i], i < positions.size() ? positions[i] : i);
        }
        if (pairs.empty()) {
            MGlobal::displayWarning("Found vertex with no skin weights. Assigning to first bone");
            pairs.emplace_back(1.0, 0u);
        }
        std::sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        if (vertex < 0 || std::size_t(vertex) >= skinning.size()) continue;
        for (std::size_t s = 0; s < pairs.size() && s < 4; ++s) {
            if (pairs[s].second > 0xFF) {
                MGlobal::displayError("q5xExport: Mesh " + meshName(mesh) + " has more skin influences than a blend index can name");
                return false;
            }
            skinning[std::size_t(vertex)].weights[s] = float(pairs[s].first);
            skinning[std::size_t(vertex)].indices[s] = std::uint8_t(pairs[s].second);
        }
    }
    return true;
}

}  // namespace

bool extractMeshTriangles(const MFnMesh& mesh, const MFnSkinCluster* skin, const MFloatMatrix* transform,
                          const std::vector<std::uint32_t>* materialRemap, const ExtractionFlags& flags,
                          MeshBuildBuffer& buffer) {
    std::uint32_t format = buffer.vertexFormat;
    MItMeshPolygon polygons(mesh.object());
    int triangleCount = 0;
    for (; !polygons.isDone(); polygons.next()) {
        int count = 0;
        polygons.numTriangles(count);
        triangleCount += count;
    }
    buffer.triangles.reserve(buffer.triangles.size() + std::size_t(triangleCount));

    MPointArray points;
    mesh.getPoints(points, MSpace::kObject);
    MFloatVectorArray normals;
    if (flags.normals && mesh.getNormals(normals, MSpace::kObject)) format |= kVertexNormal;
    MStringArray uvSetNames;
    const unsigned uvSets = flags.textureCoords && mesh.getUVSetNames(uvSetNames)
                                ? std::min(unsigned(mesh.numUVSets()), kMaxUvSets)
                                : 0;
    for (unsigned k = 0; k < uvSets; ++k) format |= uvSetBit(k);
    MObjectArray shadingGroups;
    MIntArray shaderIndices;
    mesh.getConnectedShaders(0, shadingGroups, shaderIndices);
    if (flags.normals && flags.tangents) format |= kVertexTangent;
    MColorArray colors;
    bool useColors = false;
    if (flags.colors && mesh.numColors() > 0) {
        useColors = mesh.getColors(colors) && colors.length() > 0;
        if (useColors) {
            format |= kVertexColor;
        } else {
            MGlobal::displayWarning("q5xExport: Vertex colors are not assigned. Vertex colors not exported (" + meshName(mesh) + ")");
        }
    }

    std::vector<VertexSkin> skinning;
    if (flags.skinWeights && skin) {
        if (!readSkinWeights(*skin, mesh, skinning)) return false;
        if (!skinning.empty()) format |= kVertexBlendWeights;
    }

    bool incompleteColors = false;
    bool nonFinite = false;
    // Tangents are computed per corner later; without them a corner that repeats another's record
    // is kept once (a grid's inner vertex is six corners).
    std::optional<IdenticalRecords> identical;
    if (!(format & kVertexTangent)) identical.emplace(buffer.vertices);
    buffer.distinctRecords = identical && buffer.vertices.empty();
    // One record per corner with tangents; without them about one per Maya vertex (seams and hard
    // edges add some; the buffer grows for them).
    const std::size_t mayaVertices = std::size_t(std::max(0, mesh.numVertices()));
    const std::size_t expectedRecords = identical ? mayaVertices + mayaVertices / 8 : 3 * std::size_t(triangleCount);
    buffer.vertices.reserve(buffer.vertices.size() + expectedRecords);
    MIntArray polygonVertices;
    MPointArray trianglePoints;
    MIntArray triangleVertices;
    for (polygons.reset(); !polygons.isDone(); polygons.next()) {
        const unsigned polygon = polygons.index();
        int shader = polygon < shaderIndices.length() ? shaderIndices[polygon] : -1;
        std::uint32_t material = shader < 0 ? 0u : std::uint32_t(shader);
        if (materialRemap && material < materialRemap->size()) material = (*materialRemap)[material];
        polygons.getVertices(polygonVertices);
        const FaceRelativeIndex faceRelative(polygonVertices);
        int count = 0;
        polygons.numTriangles(count);
        for (int t = 0; t < count; ++t) {
            if (!polygons.getTriangle(t, trianglePoints, triangleVertices, MSpace::kObject)) continue;
            BuildTriangle triangle{{0, 0, 0}, material, 1};
            for (int k = 0; k < 3; ++k) {
                const int local = faceRelative(triangleVertices[unsigned(k)]);
                BuildVertex vertex{};
                const MPoint& p = points[unsigned(triangleVertices[unsigned(k)])];
                vertex.position[0] = float(p.x * flags.unitScale);
                vertex.position[1] = float(p.y * flags.unitScale);
                vertex.position[2] = float(p.z * flags.unitScale);
                if (transform) transformPosition(*transform, vertex.position);
                const int normal = (format & kVertexNormal) ? polygons.normalIndex(local) : -1;
                if (normal >= 0 && unsigned(normal) < normals.length()) {
                    const MFloatVector& n = normals[unsigned(normal)];
                    vertex.normal[0] = n.x, vertex.normal[1] = n.y, vertex.normal[2] = n.z;
                    if (transform) transformNormal(*transform, vertex.normal);
                }
                for (unsigned s = 0; s < uvSets; ++s) {
                    float2 uv = {0.0f, 0.0f};
                    if (polygons.getUV(local, uv, &uvSetNames[s])) vertex.uv[s][0] = uv[0], vertex.uv[s][1] = uv[1];
                }
                if (format & kVertexBlendWeights) {
                    const VertexSkin& weights = skinning[std::size_t(triangleVertices[unsigned(k)])];
                    for (int s = 0; s < 4; ++s) vertex.blendWeights[s] = weights.weights[s], vertex.blendIndices[s] = weights.indices[s];
                    if (vertex.blendWeights[0] + vertex.blendWeights[1] + vertex.blendWeights[2] + vertex.blendWeights[3] == 0.0f) {
                        MGlobal::displayWarning("Found vertex with no skin weights. Assigning to first bone");
                        vertex.blendWeights[0] = 1.0f;
                        vertex.blendIndices[0] = 0;
                    }
                }
                if (useColors) {
                    int colorIndex = -1;
                    if (polygons.getColorIndex(local, colorIndex) && colorIndex >= 0 && unsigned(colorIndex) < colors.length()) {
                        const MColor& c = colors[unsigned(colorIndex)];
                        vertex.color[0] = c.r, vertex.color[1] = c.g, vertex.color[2] = c.b, vertex.color[3] = c.a;
                    } else {
                        vertex.color[3] = 1.0f;
                        incompleteColors = true;
                    }
                }
                if (replaceNonFinite(vertex)) nonFinite = true;
                auto index = std::uint32_t(buffer.vertices.size());
                buffer.vertices.push_back(vertex);
                if (identical) {
                    const std::uint32_t first = identical->find(index);
                    if (first != index) buffer.vertices.pop_back(), index = first;
                }
                triangle.indices[k] = index;
            }
            buffer.triangles.push_back(triangle);
        }
    }
    if (nonFinite) {
        MGlobal::displayWarning("q5xExport: Mesh " + meshName(mesh) +
                                " has values that are not finite numbers (or beyond single precision); 0 was written for them");
    }
    if (incompleteColors) {
        MGlobal::displayWarning("q5xExport: Vertex colors are incompletely assigned. Defaulting to 0,0,0 (" + meshName(mesh) + ")");
    }
    buffer.vertexFormat = format;
    return true;
}

std::unique_ptr<IndexedTriangleSet> buildTriangleSet(const MFnMesh& mesh, const MFnSkinCluster* skin,
                                                     const MFloatMatrix* transform, const ExtractionFlags& flags) {
    MeshBuildBuffer buffer;
    if (!extractMeshTriangles(mesh, skin, transform, nullptr, flags, buffer)) return nullptr;
    if (buffer.vertexFormat & kVertexTangent) computeTangents(buffer);
    weldVertices(buffer);
    return createIndexedTriangleSet(buffer);
}
