#include "XmlShapes.h"

#include "Numbers.h"
#include "TriangleSetRecord.h"

#include <cmath>
#include <cstdlib>

using tinyxml2::XMLElement;

namespace {

// The floats of a list attribute, exactly `count` of them.
bool floatsOf(const XMLElement* element, const char* attribute, unsigned count, std::vector<float>& out) {
    const char* text = element->Attribute(attribute);
    if (!text) return false;
    for (unsigned i = 0; i < count; ++i) {
        char* end = nullptr;
        out.push_back(std::strtof(text, &end));
        if (end == text) return false;
        text = end;
    }
    return true;
}

std::string lineOf(const XMLElement* element) {
    return "IndexedTriangleSet line " + std::to_string(element->GetLineNum());
}

void readFormat(const XMLElement* vertices, TriangleSetRecord& record) {
    static const std::pair<const char*, std::uint32_t> kBits[] = {
        {"normal", 0x1}, {"uv0", 0x2},  {"uv1", 0x4},      {"uv2", 0x8},     {"uv3", 0x10},
        {"color", 0x20}, {"blendweights", 0x40}, {"singleblendweights", 0x140}, {"tangent", 0x80}, {"generic", 0x200},
    };
    for (const auto& bit : kBits) {
        if (vertices->BoolAttribute(bit.first)) record.vertexFormat |= bit.second;
    }
}

// An attribute that must hold an unsigned integer; false when it is missing or holds anything else.
bool unsignedOf(const XMLElement* element, const char* attribute, std::uint32_t& value) {
    const char* text = element->Attribute(attribute);
    return text && parseUnsigned(text, value);
}

bool readBlendIndices(const XMLElement* v, TriangleSetRecord& record) {
    std::vector<std::uint32_t> indices;
    const char* text = v->Attribute("bi");
    const unsigned count = record.has(0x100) ? 1 : 4;
    if (!text || !parseUnsignedList(text, indices) || indices.size() != count) return false;
    for (const std::uint32_t index : indices) {
        if (index > 0xFF) return false;
        record.blendIndices.push_back(std::uint8_t(index));
    }
    return true;
}

bool readVertex(const XMLElement* v, TriangleSetRecord& record) {
    static const char* const kUv[] = {"t0", "t1", "t2", "t3"};
    bool ok = floatsOf(v, "p", 3, record.positions);
    if (record.has(0x1)) ok = floatsOf(v, "n", 3, record.normals) && ok;
    for (unsigned k = 0; k < record.uvSets(); ++k) ok = floatsOf(v, kUv[k], 2, record.uv[k]) && ok;
    if (record.has(0x20)) ok = floatsOf(v, "c", 4, record.colors) && ok;
    if (record.has(0x40) && !record.has(0x100)) ok = floatsOf(v, "bw", 4, record.blendWeights) && ok;
    if (record.has(0x40)) ok = readBlendIndices(v, record) && ok;
    if (record.has(0x200)) ok = floatsOf(v, "g", 1, record.generic) && ok;
    return ok;
}

}  // namespace

bool checkXmlTriangleSet(const XMLElement* set, const std::string& file, Report& report, std::uint32_t& shapeId,
                         std::uint32_t& blendIndexSpan) {
    const std::string place = lineOf(set) + (set->Attribute("name") ? " (" + std::string(set->Attribute("name")) + ")" : "");
    TriangleSetRecord record;
    if (!unsignedOf(set, "shapeId", record.shapeId)) {
        report.error(file, place, "a shape without a shapeId that is an unsigned number");
        return false;
    }
    shapeId = record.shapeId;
    std::vector<float> center;
    if (floatsOf(set, "bvCenter", 3, center)) {
        for (int i = 0; i < 3; ++i) record.center[i] = center[std::size_t(i)];
        record.radius = set->FloatAttribute("bvRadius");
    }
    record.vertexCompressionRange = set->FloatAttribute("vertexCompressionRange");
    const XMLElement* vertices = set->FirstChildElement("Vertices");
    const XMLElement* triangles = set->FirstChildElement("Triangles");
    const XMLElement* subsets = set->FirstChildElement("Subsets");
    if (!vertices || !triangles || !subsets) {
        report.error(file, place, "Vertices, Triangles or Subsets is missing");
        return true;
    }
    readFormat(vertices, record);
    for (const XMLElement* v = vertices->FirstChildElement("v"); v; v = v->NextSiblingElement("v")) {
        if (!readVertex(v, record)) report.error(file, "v line " + std::to_string(v->GetLineNum()), "a vertex lacks an announced value");
        ++record.numVertices;
    }
    std::uint32_t count = 0;
    if (!unsignedOf(vertices, "count", count) || record.numVertices != count) report.error(file, place, "Vertices count differs from its v elements");
    std::vector<std::uint32_t> corners;
    for (const XMLElement* t = triangles->FirstChildElement("t"); t; t = t->NextSiblingElement("t")) {
        const char* text = t->Attribute("vi");
        if (!text || !parseUnsignedList(text, corners) || corners.size() != 3) {
            report.error(file, "t line " + std::to_string(t->GetLineNum()), "a triangle without three indices (unsigned decimal numbers)");
            corners.assign(3, 0xFFFFFFFFu);
        }
        record.indices.insert(record.indices.end(), corners.begin(), corners.end());
    }
    record.numIndices = std::uint32_t(record.indices.size());
    if (!unsignedOf(triangles, "count", count) || record.numIndices / 3 != count) report.error(file, place, "Triangles count differs from its t elements");
    static const char* const kDensities[] = {"uvDensity0", "uvDensity1", "uvDensity2", "uvDensity3"};
    for (const XMLElement* s = subsets->FirstChildElement("Subset"); s; s = s->NextSiblingElement("Subset")) {
        TriangleSetRecord::Subset subset{0, 0, 0, 0, {0, 0, 0, 0}};
        if (!unsignedOf(s, "firstVertex", subset.firstVertex) || !unsignedOf(s, "numVertices", subset.numVertices) ||
            !unsignedOf(s, "firstIndex", subset.firstIndex) || !unsignedOf(s, "numIndices", subset.numIndices)) {
            report.error(file, "Subset line " + std::to_string(s->GetLineNum()), "a subset's ranges are not unsigned numbers");
        }
        for (unsigned k = 0; k < record.uvSets(); ++k) subset.uvDensity[k] = s->FloatAttribute(kDensities[k]);
        record.subsets.push_back(subset);
    }
    if (!unsignedOf(subsets, "count", count) || record.subsets.size() != count) {
        report.error(file, place, "Subsets count differs from its Subset elements");
    }
    checkTriangleSet(record, file, place, report);
    blendIndexSpan = record.blendIndexSpan();
    report.count("shapes");
    report.count("vertices", record.numVertices);
    report.count("triangles", record.numIndices / 3);
    return true;
}

bool checkXmlCurve(const XMLElement* curve, const std::string& file, Report& report, std::uint32_t& shapeId) {
    const std::string place = "NurbsCurve line " + std::to_string(curve->GetLineNum()) +
                              (curve->Attribute("name") ? " (" + std::string(curve->Attribute("name")) + ")" : "");
    if (!unsignedOf(curve, "shapeId", shapeId)) {
        report.error(file, place, "a shape without a shapeId that is an unsigned number");
        return false;
    }
    std::uint32_t degree = 0;
    if (!unsignedOf(curve, "degree", degree) || degree < 1) report.error(file, place, "a degree that is not a number of 1 or more");
    const char* form = curve->Attribute("form");
    if (!form || (std::string(form) != "open" && std::string(form) != "closed")) report.error(file, place, "a form other than open or closed");
    std::uint32_t cvs = 0;
    for (const XMLElement* cv = curve->FirstChildElement("cv"); cv; cv = cv->NextSiblingElement("cv"), ++cvs) {
        std::vector<float> point;
        bool finite = floatsOf(cv, "c", 3, point);
        for (const float value : point) finite = finite && std::isfinite(value);
        if (!finite) report.error(file, "cv line " + std::to_string(cv->GetLineNum()), "a control vertex without three finite numbers");
    }
    report.count("shapes");
    report.count("curves");
    report.count("control vertices", cvs);
    return true;
}
