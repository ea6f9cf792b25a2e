// What a mesh node shows: its construction history evaluated through the connections Maya saves,
// then its own tweaks.
#include "MeshAttributes.h"
#include "NodeValues.h"
#include "PolyCreators.h"
#include "SkinWeights.h"

#include "eval/ComputeTable.h"

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include "ScriptEditor.h"
#include "scene/Scene.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>

namespace mayahost {

namespace {

// History longer than this is taken for a loop in a corrupt file.
constexpr int kMaxHistoryDepth = 1000;

// Tweaks are sparse: only the moved points are stored.
void addOffsets(const Node& node, const std::string& key, MeshData& mesh) {
    forEachElement(node, key, 3, [&](std::size_t v, const double* offset) {
        if (v >= mesh.points.size()) return;
        for (std::size_t k = 0; k < 3; ++k) mesh.points[v][k] += offset[k];
    });
}

// Each polygon becomes its triangles; the new inner edges are smooth, so a planar face keeps
// one normal.
std::unique_ptr<MeshData> triangulated(const MeshData& input) {
    auto mesh = std::make_unique<MeshData>();
    mesh->points = input.points;
    mesh->vertexNormalMethod = input.vertexNormalMethod;
    for (const MeshData::UvSet& set : input.uvSets) mesh->uvSets.push_back({set.name, set.u, set.v, {}});
    for (const MeshData::ColorSet& set : input.colorSets) mesh->colorSets.push_back({set.name, set.colors, {}});
    mesh->currentColorSet = input.currentColorSet;
    for (std::size_t p = 0; p < input.polygonCount(); ++p) {
        const std::uint32_t first = input.firstCorner(p);
        const std::uint32_t count = input.cornerCount(p);
        for (std::size_t t = 0; t < input.triangleCount(p); ++t) {
            std::vector<int> face;
            for (unsigned k = 0; k < 3; ++k) face.push_back(input.cornerVertex[first + input.triangleCorner(p, t, k)]);
            mesh->addPolygon(face);
            for (unsigned k = 0; k < 3; ++k) {
                const std::uint32_t corner = first + input.triangleCorner(p, t, k);
                const std::uint32_t next = first + input.triangleCorner(p, t, (k + 1) % 3);
                const bool outer = next == (corner + 1 - first) % count + first;
                mesh->cornerSmoothEdge[mesh->cornerVertex.size() - 3 + std::size_t(k)] = outer ? input.cornerSmoothEdge[corner] : 1;
                for (std::size_t s = 0; s < input.uvSets.size(); ++s) mesh->uvSets[s].cornerUv.push_back(input.uvSets[s].cornerUv[corner]);
                for (std::size_t s = 0; s < input.colorSets.size(); ++s) {
                    mesh->colorSets[s].cornerColor.push_back(input.colorSets[s].cornerColor[corner]);
                }
            }
        }
    }
    return mesh;
}

// Sixteen numbers as Maya saves a matrix: row after row.
MMatrix matrixFrom(const double* values) {
    MMatrix m;
    for (unsigned i = 0; i < 16; ++i) m[i / 4][i % 4] = values[i];
    return m;
}

// The matrices of a multi by element index (read once: a cluster may have thousands).
std::unordered_map<std::int64_t, MMatrix> matrixElements(const Node& node, const std::string& key) {
    std::unordered_map<std::int64_t, MMatrix> matrices;
    forEachElement(node, key, 16, [&](std::size_t element, const double* values) { matrices[std::int64_t(element)] = matrixFrom(values); });
    return matrices;
}

std::array<double, 3> transformed(const std::array<double, 3>& p, const MMatrix& m) {
    const MPoint moved = MPoint(p[0], p[1], p[2]) * m;
    return {moved.x, moved.y, moved.z};
}

// Linear blend skinning: each point moves with its influences' world matrices from their bind
// (the inverse "bindPreMatrix"), weighted, and the envelope blends between bind and skinned.
void deform(const Node& cluster, MeshData& mesh) {
    const double envelope = numberValue(cluster, "envelope", 1.0);
    if (envelope == 0.0) return;
    std::vector<MMatrix> skinning;
    const std::vector<std::int64_t> influences = influenceIndices(cluster);
    const std::unordered_map<std::int64_t, MMatrix> bindPreMatrices = matrixElements(cluster, "bindPreMatrix");
    for (const std::int64_t index : influences) {
        const Connection* joint = Scene::current().incoming(cluster, "matrix[" + std::to_string(index) + "]");
        MDagPath path;
        MMatrix world;
        if (joint && MDagPath::getAPathTo(ObjectData::wrap(joint->source), path)) world = path.inclusiveMatrix();
        const auto bindPreMatrix = bindPreMatrices.find(index);
        skinning.push_back((bindPreMatrix == bindPreMatrices.end() ? MMatrix() : bindPreMatrix->second) * world);
    }
    std::vector<double> weights;
    for (std::size_t v = 0; v < mesh.points.size(); ++v) {
        const auto p = mesh.points[v];
        vertexWeights(cluster, int(v), influences, weights);
        std::array<double, 3> moved{0, 0, 0};
        for (std::size_t i = 0; i < influences.size(); ++i) {
            if (weights[i] == 0.0) continue;
            const std::array<double, 3> q = transformed(p, skinning[i]);
            for (std::size_t c = 0; c < 3; ++c) moved[c] += weights[i] * q[c];
        }
        for (std::size_t c = 0; c < 3; ++c) mesh.points[v][c] = p[c] + envelope * (moved[c] - p[c]);
    }
}

// Evaluates a shape's construction history through the compute table: each node's geometry row
// asks for its inputs, which are the outputs of the nodes upstream.
class HistoryEvaluator : public GeometryInputs {
public:
    std::unique_ptr<MeshData> shapeOutput(Node& mesh);
    std::unique_ptr<MeshData> input(Node& node, const char* attribute) override;
    void problem(const std::string& text) override { problems_.insert(text); }

    std::set<std::string> problems_;

private:
    std::unique_ptr<MeshData> output(Node& node);
    std::unique_ptr<MeshData> passThrough(Node& node);

    int depth_ = 0;
};

std::unique_ptr<MeshData> HistoryEvaluator::shapeOutput(Node& mesh) {
    std::unique_ptr<MeshData> data;
    if (Scene::current().incoming(mesh, "inMesh")) {
        data = input(mesh, "inMesh");
    } else {
        std::vector<std::string> faults;
        data = meshFromAttributes(mesh, faults);
        for (const std::string& fault : faults) problem(fault + "; the face is left out");
    }
    if (data) addOffsets(mesh, "pnts", *data);
    return data;
}

std::unique_ptr<MeshData> HistoryEvaluator::input(Node& node, const char* attribute) {
    const Connection* connection = Scene::current().incoming(node, attribute);
    if (!connection) return nullptr;
    if (depth_ >= kMaxHistoryDepth) {
        problem("its construction history is deeper than " + std::to_string(kMaxHistoryDepth) + " nodes (a loop?)");
        return nullptr;
    }
    ++depth_;
    std::unique_ptr<MeshData> data = output(*connection->source);
    --depth_;
    return data;
}

std::unique_ptr<MeshData> HistoryEvaluator::output(Node& node) {
    if (node.hasFn(MFn::kMesh)) return shapeOutput(node);
    if (const ComputeRow* row = geometryRowFor(node)) return row->geometry(node, *this);
    return passThrough(node);
}

// A history node the stand-in does not evaluate: its geometry input flows on unchanged.
std::unique_ptr<MeshData> HistoryEvaluator::passThrough(Node& node) {
    const char* inputAttribute = nullptr;
    for (const char* candidate : {"inputPolymesh", "inputGeometry", "input[0].inputGeometry", "inMesh"}) {
        if (Scene::current().incoming(node, candidate)) {
            inputAttribute = candidate;
            break;
        }
    }
    static std::set<std::string> warnedTypes;
    if (warnedTypes.insert(node.typeName()).second) {
        ScriptEditor::instance().warning("history node " + node.name + " of type " + node.typeName() + " is not evaluated; " +
                                         (inputAttribute ? "its input passes through" : "it has no input the stand-in can follow"));
    }
    return inputAttribute ? input(node, inputAttribute) : nullptr;
}

}  // namespace

std::unique_ptr<MeshData> computePolyPrimitive(Node& creator, GeometryInputs& inputs) {
    std::string refusal;
    std::unique_ptr<MeshData> mesh = createPolyPrimitive(creator, refusal);
    if (!refusal.empty()) inputs.problem(refusal);
    return mesh;
}

std::unique_ptr<MeshData> computePassThrough(Node& node, GeometryInputs& inputs) {
    return inputs.input(node, "inputGeometry");
}

std::unique_ptr<MeshData> computeTweak(Node& tweak, GeometryInputs& inputs) {
    std::unique_ptr<MeshData> data = inputs.input(tweak, "input[0].inputGeometry");
    if (data) {
        for (const char* key : {"plist[0].controlPoints", "vlist[0].vertex"}) addOffsets(tweak, key, *data);
    }
    return data;
}

std::unique_ptr<MeshData> computeTransformGeometry(Node& node, GeometryInputs& inputs) {
    std::unique_ptr<MeshData> data = inputs.input(node, "inputGeometry");
    const std::vector<double> values = numbersValue(node, "transform");
    if (data && values.size() == 16) {
        const MMatrix m = matrixFrom(values.data());
        for (auto& p : data->points) p = transformed(p, m);
    }
    return data;
}

std::unique_ptr<MeshData> computeTriangulate(Node& node, GeometryInputs& inputs) {
    std::unique_ptr<MeshData> data = inputs.input(node, "inputPolymesh");
    return data ? triangulated(*data) : nullptr;
}

std::unique_ptr<MeshData> computeSkinCluster(Node& cluster, GeometryInputs& inputs) {
    std::unique_ptr<MeshData> data = inputs.input(cluster, "input[0].inputGeometry");
    if (data) deform(cluster, *data);
    return data;
}

const MeshData* meshDataOf(Node& mesh) {
    const std::uint64_t generation = Scene::current().valueGeneration();
    NodeCaches& caches = mesh.caches();
    if (caches.meshStamp == generation) return caches.mesh.get();
    HistoryEvaluator evaluator;
    std::unique_ptr<MeshData> data = evaluator.shapeOutput(mesh);
    if (!data) {
        evaluator.problems_.insert("its geometry cannot be had; it is exported without polygons");
        Scene::current().noteShapeWithoutGeometry(mesh);
    }
    for (const std::string& text : evaluator.problems_) ScriptEditor::instance().warning("mesh " + mesh.name + ": " + text);
    caches.mesh = std::shared_ptr<const MeshData>(std::move(data));
    caches.meshStamp = generation;
    return caches.mesh.get();
}

}  // namespace mayahost
