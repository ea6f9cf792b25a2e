#include "SplitShapeRecord.h"

#include "ShapeWriter.h"

#include "saveutil/LittleEndianBytes.h"

namespace {

// Three table counts, then the vertices (positions), the corner attributes (UV first, then the
// normal) and the faces (hull mask, tag, and per corner its vertex and attribute), padded to 4.
bool appendBrep(Q5XSaveUtil::LittleEndianBytes& out, const Brep& brep, std::string& error) {
    if (brep.vertices().size() > 0xFFFF || brep.cornerAttributes().size() > 0xFFFF) {
        error = "a boundary representation has more vertices or corner attributes than 65535";
        return false;
    }
    out.u16(std::uint16_t(brep.vertices().size()));
    out.u16(std::uint16_t(brep.cornerAttributes().size()));
    out.u32(std::uint32_t(brep.faces().size()));
    const std::size_t body = out.size();
    for (const Brep::Vertex& vertex : brep.vertices()) {
        for (const float c : vertex.position) out.f32(c);
    }
    for (const Brep::CornerAttribute& attribute : brep.cornerAttributes()) {
        for (const int k : {3, 4, 0, 1, 2}) out.f32(attribute.values[k]);
    }
    for (const Brep::Face& face : brep.faces()) {
        out.u32(face.hullMask);
        out.u16(face.tag);
        for (const Brep::Corner& corner : face.corners) {
            out.u16(corner.start);
            out.u16(corner.attribute);
        }
    }
    out.pad(body, 4);
    return true;
}

}  // namespace

bool serializeSplitShapeRecord(const std::string& xmlName, std::uint32_t shapeId, const BoundingSphere& sphere,
                               const IndexedTriangleSet& set, const Brep& brep, const std::vector<std::unique_ptr<Brep>>& hulls,
                               CompanionRecord& record, std::string& error) {
    if (!serializeShapeRecord(xmlName, shapeId, sphere, set, {}, {}, record, error)) return false;
    record.kind = kCompanionRecordSplitShape;
    Q5XSaveUtil::LittleEndianBytes out(record.bytes);
    if (!appendBrep(out, brep, error)) return false;
    out.u32(std::uint32_t(hulls.size()));
    for (const auto& hull : hulls) {
        if (!appendBrep(out, *hull, error)) return false;
    }
    return true;
}
