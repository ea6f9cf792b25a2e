#include "AttachmentsShapes.h"

#include "BoundingSphere.h"
#include "CreateIndexedTriangleSet.h"
#include "MeshExtraction.h"
#include "ShapeWriter.h"
#include "SplitShapes.h"
#include "Tangents.h"
#include "VertexCache.h"
#include "VertexCompressionRange.h"
#include "Weld.h"

#include "lookup/MeshShading.h"
#include "saveutil/LittleEndianBytes.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>

#include <algorithm>
#include <cmath>

namespace {

struct AttachmentEntry {
    MFloatMatrix matrix;
    BoundingSphere sphere;
    std::uint16_t faceIndex = 0;
};

// An attachment's own transform (below the split shape), its translation in the document's unit.
MFloatMatrix placementOf(const MDagPath& transform, double unitScale) {
    MMatrix local = MFnDagNode(transform).transformationMatrix();
    for (int c = 0; c < 3; ++c) local[3][c] *= unitScale;
    for (int r = 0; r < 3; ++r) local[r][3] = 0.0;
    local[3][3] = 1.0;
    double values[4][4];
    local.get(values);
    return MFloatMatrix(values);
}

float dot(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The face nearest the attachment's origin; the earlier one on a tie, 0 without faces.
std::uint16_t nearestFace(const Brep& brep, const float (&point)[3]) {
    std::uint16_t nearest = 0;
    float best = 0.0f;
    for (std::size_t f = 0; f < brep.faces().size() && f <= 0xFFFF; ++f) {
        float corners[3][3];
        for (int k = 0; k < 3; ++k) std::copy_n(brep.vertices()[brep.faces()[f].corners[k].start].position, 3, corners[k]);
        const float distance = pointTriangleDistanceSquared(point, corners[0], corners[1], corners[2]);
        if (f == 0 || distance < best) best = distance, nearest = std::uint16_t(f);
    }
    return nearest;
}

// Scale, rotation (XYZ, radians) and translation of a row-vector matrix without shear.
struct Decomposed {
    double scale[3], rotation[3], translation[3];
};

Decomposed decompose(const MFloatMatrix& m) {
    Decomposed d{};
    for (int r = 0; r < 3; ++r) {
        const double length = std::sqrt(double(m[r][0]) * m[r][0] + double(m[r][1]) * m[r][1] + double(m[r][2]) * m[r][2]);
        d.scale[r] = length > 0.99999 && length < 1.00001 ? 1.0 : length;
        d.translation[r] = m[3][r];
    }
    const double sx = d.scale[0] != 0.0 ? d.scale[0] : 1.0, sy = d.scale[1] != 0.0 ? d.scale[1] : 1.0,
                 sz = d.scale[2] != 0.0 ? d.scale[2] : 1.0;
    const double a = -m[0][2] / sx;
    const double c2 = 1.0 - a * a;
    double c = 0.0;
    if (c2 > 0.00001) {
        c = std::sqrt(c2);
        d.rotation[0] = std::atan2(m[1][2] / (sy * c), m[2][2] / (sz * c));
        d.rotation[2] = std::atan2(m[0][1] / (sx * c), m[0][0] / (sx * c));
    } else {
        d.rotation[0] = std::atan2(-m[2][1] / sz, m[1][1] / sy);
        d.rotation[2] = 0.0;
    }
    d.rotation[1] = std::atan2(a, c);
    return d;
}

void writeTriple(Q5XSaveUtil::XmlWriter& out, const char* name, const double (&values)[3], double neutral, double factor) {
    if (values[0] == neutral && values[1] == neutral && values[2] == neutral) return;
    out.beginValue(name);
    for (const double value : values) out.streamValue(value * factor);
    out.endValue();
}

void writeAttachmentsXml(const IndexedTriangleSet& set, const std::string& name, std::uint32_t shapeId,
                         const std::vector<AttachmentEntry>& entries, Q5XSaveUtil::XmlWriter& out) {
    writeIndexedTriangleSetXml(set, name, shapeId, BoundingSphere(), true, {}, out);
    out.startTag(3, "Attachments");
    out.attribute("count", std::uint32_t(entries.size()));
    out.endStartTag();
    for (const AttachmentEntry& entry : entries) {
        out.startTag(4, "Attachment");
        out.attribute("faceIndex", std::uint32_t(entry.faceIndex));
        out.beginValue("bvCenter");
        for (const float c : entry.sphere.center) out.streamValue(c);
        out.endValue();
        out.attribute("bvRadius", entry.sphere.radius);
        const Decomposed placement = decompose(entry.matrix);
        writeTriple(out, "translation", placement.translation, 0.0, 1.0);
        writeTriple(out, "rotation", placement.rotation, 0.0, 180.0 * 0.31830987);
        writeTriple(out, "scale", placement.scale, 1.0, 1.0);
        out.endEmptyTag();
    }
    out.endTag(3, "Attachments");
    out.endTag(2, "IndexedTriangleSet");
}

bool serializeAttachmentsRecord(const std::string& name, std::uint32_t shapeId, const IndexedTriangleSet& set,
                                const std::vector<AttachmentEntry>& entries, CompanionRecord& record) {
    if (name.size() > 0xFFFFFFF0u || entries.size() > 0xFFFF) return false;
    record.kind = kCompanionRecordAttachments;
    record.bytes.clear();
    Q5XSaveUtil::LittleEndianBytes out(record.bytes);
    out.u32(std::uint32_t(name.size()));
    out.text(name);
    out.pad(0, 4);
    out.u32(shapeId);
    appendTriangleSetBody(set, {}, out);
    out.u16(std::uint16_t(entries.size()));
    for (const AttachmentEntry& entry : entries) out.u16(entry.faceIndex);
    if (entries.size() % 2 == 0) out.u16(0);
    for (const AttachmentEntry& entry : entries) {
        const Decomposed placement = decompose(entry.matrix);
        for (const double r : placement.rotation) out.f32(float(r));
        for (const double s : placement.scale) out.f32(float(s));
        for (const double t : placement.translation) out.f32(float(t));
        for (const float c : entry.sphere.center) out.f32(c);
        out.f32(entry.sphere.radius);
    }
    return true;
}

}  // namespace

float pointTriangleDistanceSquared(const float (&p)[3], const float (&a)[3], const float (&b)[3], const float (&c)[3]) {
    // The region of the triangle (a corner, an edge or the inside) the point projects into.
    float ab[3], ac[3], ap[3], closest[3];
    for (int i = 0; i < 3; ++i) ab[i] = b[i] - a[i], ac[i] = c[i] - a[i], ap[i] = p[i] - a[i];
    const auto at = [&](float v, float w) {
        for (int i = 0; i < 3; ++i) closest[i] = a[i] + v * ab[i] + w * ac[i];
    };
    const float d1 = dot(ab, ap), d2 = dot(ac, ap);
    float bp[3], cp[3];
    for (int i = 0; i < 3; ++i) bp[i] = p[i] - b[i], cp[i] = p[i] - c[i];
    const float d3 = dot(ab, bp), d4 = dot(ac, bp), d5 = dot(ab, cp), d6 = dot(ac, cp);
    const float va = d3 * d6 - d5 * d4, vb = d5 * d2 - d1 * d6, vc = d1 * d4 - d3 * d2;
    if (d1 <= 0 && d2 <= 0) {
        at(0, 0);
    } else if (d3 >= 0 && d4 <= d3) {
        at(1, 0);
    } else if (vc <= 0 && d1 >= 0 && d3 <= 0) {
        at(d1 / (d1 - d3), 0);
    } else if (d6 >= 0 && d5 <= d6) {
        at(0, 1);
    } else if (vb <= 0 && d2 >= 0 && d6 <= 0) {
        at(0, d2 / (d2 - d6));
    } else if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0) {
        const float w = (d4 - d3) / ((d4 - d3) + (d5 - d6));
        at(1 - w, w);
    } else {
        const float denominator = 1.0f / (va + vb + vc);
        at(vb * denominator, vc * denominator);
    }
    float d[3];
    for (int i = 0; i < 3; ++i) d[i] = p[i] - closest[i];
    return dot(d, d);
}

bool writeAttachmentsShape(const ShapeExportOptions& options, const AttachmentsRecord& record, Q5XSaveUtil::XmlWriter& xml,
                           CompanionRecordList& records) {
    if (!options.splitShapes) return true;
    const auto owner = options.splitShapes->byMesh.find(MFnDependencyNode(record.ownerMesh).name().asChar());
    if (owner == options.splitShapes->byMesh.end()) return true;  // the owner was not written as a split shape
    const Brep& brep = *owner->second;
    MeshBuildBuffer buffer;
    std::uint32_t format = kVertexGeneric;
    std::vector<AttachmentEntry> entries(record.meshes.size());
    for (std::size_t k = 0; k < record.meshes.size(); ++k) {
        entries[k].matrix = placementOf(record.transforms[k], options.unitScale);
        const std::vector<std::uint32_t> remap = {std::uint32_t(k)};
        ExtractionFlags flags = extractionFlagsFor(options, requestsTangents(lookUpShading(record.meshes[k])));
        flags.skinWeights = false;
        if (!extractMeshTriangles(MFnMesh(record.meshes[k]), nullptr, &entries[k].matrix, &remap, flags, buffer)) return false;
        format |= buffer.vertexFormat;
        const float origin[3] = {entries[k].matrix[3][0], entries[k].matrix[3][1], entries[k].matrix[3][2]};
        entries[k].faceIndex = nearestFace(brep, origin);
    }
    buffer.vertexFormat = format;
    buffer.distinctRecords = false;
    if (format & kVertexTangent) computeTangents(buffer);
    weldVertices(buffer);
    const std::unique_ptr<IndexedTriangleSet> set = createIndexedTriangleSet(buffer);
    const std::string name = std::string(MFnDagNode(record.ownerTransform).name().asChar()) + "AttachmentsShape";
    if (!checkVertexCompressionRange(*set, record.vertexCompressionRange)) {
        MGlobal::displayWarning(MString("Mesh ") + name.c_str() + " has a vertex compression range set which is smaller than its extent.");
    }
    if (set->subsets.size() != entries.size()) return true;  // an attachment without triangles
    optimizeVertexCache(*set);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const IndexedTriangleSubset& subset = set->subsets[k];
        entries[k].sphere = *computeBoundingSphere(set->positions.data() + 3 * std::size_t(subset.firstVertex), subset.numVertices);
        const MFloatMatrix inverse = entries[k].matrix.inverse();
        for (std::uint32_t v = subset.firstVertex; v < subset.firstVertex + subset.numVertices; ++v) {
            const float* p = set->positions.data() + 3 * std::size_t(v);
            const float height = p[0] * inverse[0][2] + p[1] * inverse[1][2] + p[2] * inverse[2][2] + inverse[3][2];
            set->generic[v] = std::clamp(0.01f * height, -1.0f, 1.0f);
        }
    }
    if (!options.binaryFiles) {
        writeAttachmentsXml(*set, name, record.shapeId, entries, xml);
        return true;
    }
    CompanionRecord binary;
    if (!serializeAttachmentsRecord(name, record.shapeId, *set, entries, binary)) {
        MGlobal::displayError(MString("q5xExport: Attachments shape ") + name.c_str() + " cannot be written: too many attachments");
        return false;
    }
    checkConsoleShapeSize(name, binary.bytes.size());
    records.push_back(std::move(binary));
    return true;
}
