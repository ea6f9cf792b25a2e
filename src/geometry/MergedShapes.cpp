#include "MergedShapes.h"

#include "CreateIndexedTriangleSet.h"
#include "MeshExtraction.h"
#include "Tangents.h"
#include "TriangleSetShapes.h"
#include "Weld.h"

#include "lookup/MeshShading.h"

#include <maya/MFnMesh.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Slot names of all members in the group's material numbering: a later member fills what an
// earlier one left empty.
void addSlotNames(const std::vector<std::string>& member, std::vector<std::string>& slots) {
    if (slots.size() < member.size()) slots.resize(member.size());
    for (std::size_t s = 0; s < member.size(); ++s) {
        if (slots[s].empty()) slots[s] = member[s];
    }
}

// Marks the vertices member k added: a merge group binds them to blend index k, merged children
// carry k's value in the generic stream.
void markMember(const MergeRecord& record, std::size_t k, std::vector<BuildVertex>& vertices, std::size_t from) {
    for (std::size_t v = from; v < vertices.size(); ++v) {
        BuildVertex& vertex = vertices[v];
        if (record.mergedChildren) {
            vertex.generic = std::clamp(float(record.memberValues[k]) / 32767.0f, -1.0f, 1.0f);
        } else {
            std::fill(std::begin(vertex.blendWeights), std::end(vertex.blendWeights), 0.0f);
            std::fill(std::begin(vertex.blendIndices), std::end(vertex.blendIndices), std::uint8_t(0));
            vertex.blendIndices[0] = std::uint8_t(k);
            vertex.blendWeights[0] = 1.0f;
        }
    }
}

// The sphere around the box of the merged children in their root's space, as Maya's bounding box
// of the root gives it (not the smallest sphere around the vertices).
BoundingSphere boxSphere(const IndexedTriangleSet& set) {
    float low[3], high[3];
    std::fill(low, low + 3, std::numeric_limits<float>::max());
    std::fill(high, high + 3, std::numeric_limits<float>::lowest());
    for (std::uint32_t v = 0; v < set.numVertices; ++v) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], set.positions[3 * std::size_t(v) + std::size_t(c)]);
            high[c] = std::max(high[c], set.positions[3 * std::size_t(v) + std::size_t(c)]);
        }
    }
    if (set.numVertices == 0) return BoundingSphere();
    const float center[3] = {0.5f * (low[0] + high[0]), 0.5f * (low[1] + high[1]), 0.5f * (low[2] + high[2])};
    const float dx = high[0] - low[0], dy = high[1] - low[1], dz = high[2] - low[2];
    return BoundingSphere(center, 0.5f * std::sqrt(dx * dx + dy * dy + dz * dz));
}

}  // namespace

bool writeMergedShape(const ShapeExportOptions& options, const ExportModel& model, const MergeRecord& record,
                      Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    MeshBuildBuffer buffer;
    std::uint32_t format = record.mergedChildren ? kVertexGeneric : kVertexBlendWeights | kVertexSingleBlendWeight;
    std::vector<std::string> slots;
    for (std::size_t k = 0; k < record.memberMeshes.size(); ++k) {
        const std::size_t vertices = buffer.vertices.size(), triangles = buffer.triangles.size();
        const std::vector<std::uint32_t>& remap = record.materialRemaps[k];
        const MFloatMatrix* toRoot = record.mergedChildren ? &record.memberToRoot[k] : nullptr;
        const ExtractionFlags flags = extractionFlagsFor(options, requestsTangents(record.memberShadings[k]));
        if (!extractMeshTriangles(MFnMesh(record.memberMeshes[k]), nullptr, toRoot, &remap, flags, buffer)) {
            // The member's message names it; the shape keeps the other members.
            buffer.vertices.resize(vertices);
            buffer.triangles.resize(triangles);
            continue;
        }
        format |= buffer.vertexFormat;
        markMember(record, k, buffer.vertices, vertices);
        addSlotNames(materialSlotNames(record.memberShadings[k], &remap), slots);
    }
    buffer.vertexFormat = format;
    buffer.distinctRecords = false;
    if (format & kVertexTangent) computeTangents(buffer);
    weldVertices(buffer);
    const std::unique_ptr<IndexedTriangleSet> set = createIndexedTriangleSet(buffer);
    if (!set) return false;
    if (record.cpuMesh) set->meshUsage |= IndexedTriangleSet::kUsageCpuMesh;
    if (record.occluder) set->meshUsage |= IndexedTriangleSet::kUsageSecondary;
    if (record.mergedChildren) {
        const BoundingSphere sphere = boxSphere(*set);
        const ShapeNames names{"MergedChildren" + std::to_string(record.shapeId), record.root.partialPathName().asChar()};
        return writeTriangleSetShape(options, model, *set, names, record.shapeId, &sphere, slots, CollisionRequest::None, xml, records);
    }
    set->noBindPose = true;
    const std::string name = "MergedMesh" + std::to_string(record.groupNumber);
    return writeTriangleSetShape(options, model, *set, {name, "*merged*" + name}, record.shapeId, nullptr, slots, CollisionRequest::None,
                                 xml, records);
}
