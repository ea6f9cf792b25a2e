#ifndef MAYAHOST_COMPUTETABLE_H
#define MAYAHOST_COMPUTETABLE_H

#include "scene/Scene.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace mayahost {

struct MeshData;

// Builds the geometry of a history node's output from its inputs; problems (what could not be
// evaluated) go to the evaluation of the shape that asked.
class GeometryInputs {
public:
    virtual ~GeometryInputs() = default;
    // The geometry flowing into `node` through the plug `attribute` (as its source computes it).
    virtual std::unique_ptr<MeshData> input(Node& node, const char* attribute) = 0;
    virtual void problem(const std::string& text) = 0;
};

using NumberCompute = bool (*)(const Node& node, const std::vector<PlugStep>& output, double& value);
using GeometryCompute = std::unique_ptr<MeshData> (*)(Node& node, GeometryInputs& inputs);

// One computed output of a node type: a number (animation curves, unit conversions) or geometry
// (mesh history). A node type's rows apply to the types derived from it.
struct ComputeRow {
    const char* nodeType;
    const char* output;  // the output attribute's long name
    NumberCompute number;
    GeometryCompute geometry;
};

// One bit per row output's hash, 64 in all: most plugs read are no row's output, and are turned
// away by it without a look at the rows.
extern const std::uint64_t kComputedOutputHashBits;
inline bool mayBeComputed(const AttributeSpec& output) {
    return kComputedOutputHashBits >> (output.longNameHash() & 63) & 1;
}
const ComputeRow* rowComputing(const Node& node, const AttributeSpec& output);

// The row computing `output` for the node's type (or a type it derives from); null for a plug
// that holds what is stored in it.
inline const ComputeRow* computeRowFor(const Node& node, const AttributeSpec& output) {
    return mayBeComputed(output) ? rowComputing(node, output) : nullptr;
}
// The row computing the geometry a history node gives (whatever output plug is connected).
const ComputeRow* geometryRowFor(const Node& node);

// The rows, by domain; each lives beside what it computes.
bool computeAnimCurve(const Node& curve, const std::vector<PlugStep>& output, double& value);
bool computeUnitConversion(const Node& conversion, const std::vector<PlugStep>& output, double& value);
bool computeCurveShape(const Node& curve, const std::vector<PlugStep>& output, double& value);
std::unique_ptr<MeshData> computePolyPrimitive(Node& creator, GeometryInputs& inputs);
std::unique_ptr<MeshData> computePassThrough(Node& node, GeometryInputs& inputs);
std::unique_ptr<MeshData> computeTweak(Node& tweak, GeometryInputs& inputs);
std::unique_ptr<MeshData> computeTransformGeometry(Node& node, GeometryInputs& inputs);
std::unique_ptr<MeshData> computeTriangulate(Node& node, GeometryInputs& inputs);
std::unique_ptr<MeshData> computeSkinCluster(Node& cluster, GeometryInputs& inputs);

}  // namespace mayahost

#endif
