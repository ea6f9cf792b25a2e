// Every node type whose outputs the stand-in computes, one row per output: a new computed type is
// a compute function beside its domain and a row here.
#include "ComputeTable.h"

#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace mayahost {

namespace {

const ComputeRow kRows[] = {
    // Animation: curves at the scene's current time (or at their connected input), and the unit
    // conversions Maya puts between plugs of different units.
    {"animCurve", "output", computeAnimCurve, nullptr},
    {"unitConversion", "output", computeUnitConversion, nullptr},
    // A curve's degree, spans and form, as its curve data gives them.
    {"nurbsCurve", "degree", computeCurveShape, nullptr},
    {"nurbsCurve", "spans", computeCurveShape, nullptr},
    {"nurbsCurve", "form", computeCurveShape, nullptr},
    // Mesh history: primitives, the deformers and filters the stand-in evaluates, and the nodes that
    // pass their input through unchanged.
    {"polyPrimitive", "output", nullptr, computePolyPrimitive},
    {"groupParts", "outputGeometry", nullptr, computePassThrough},
    {"tweak", "outputGeometry", nullptr, computeTweak},
    {"transformGeometry", "outputGeometry", nullptr, computeTransformGeometry},
    {"polyTriangulate", "output", nullptr, computeTriangulate},
    {"skinCluster", "outputGeometry", nullptr, computeSkinCluster},
};

// The rows that apply to a node type (its own, then its ancestors'), found once per type: most
// plugs read belong to types without any, and every plug read asks.
const std::vector<const ComputeRow*>& rowsOf(const NodeType& nodeType) {
    static std::unordered_map<const NodeType*, std::vector<const ComputeRow*>> byType;
    // Reads come in runs on nodes of one type: the last answer is kept at hand.
    static const NodeType* lastType = nullptr;
    static const std::vector<const ComputeRow*>* lastRows = nullptr;
    if (&nodeType == lastType) return *lastRows;
    lastType = &nodeType;
    const auto found = byType.find(&nodeType);
    if (found != byType.end()) return *(lastRows = &found->second);
    std::vector<const ComputeRow*>& rows = byType[&nodeType];
    lastRows = &rows;
    for (const NodeType* type = &nodeType; type; type = type->parent()) {
        for (const ComputeRow& row : kRows) {
            if (type->name() == row.nodeType) rows.push_back(&row);
        }
    }
    return rows;
}

const ComputeRow* rowFor(const Node& node, bool geometry, const char* output) {
    for (const ComputeRow* row : rowsOf(node.type())) {
        if ((geometry ? row->geometry != nullptr : row->number != nullptr) && (!output || std::strcmp(output, row->output) == 0)) {
            return row;
        }
    }
    return nullptr;
}

}  // namespace

const std::uint64_t kComputedOutputHashBits = [] {
    std::uint64_t bits = 0;
    for (const ComputeRow& row : kRows) bits |= std::uint64_t(1) << (keyHash(row.output) & 63);
    return bits;
}();

const ComputeRow* rowComputing(const Node& node, const AttributeSpec& output) {
    return rowFor(node, false, output.longName.c_str());
}

const ComputeRow* geometryRowFor(const Node& node) {
    return rowFor(node, true, nullptr);
}

}  // namespace mayahost
