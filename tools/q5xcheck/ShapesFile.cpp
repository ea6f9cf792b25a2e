#include "ShapesFile.h"

#include "ByteReader.h"
#include "CollisionBlob.h"
#include "TriangleSetRecord.h"

#include "saveutil/XmlWriter.h"

#include <cmath>

namespace {

constexpr std::uint32_t kFormatWord = 10;
enum RecordKind : std::uint32_t { kTriangleSet = 1, kNurbsCurve = 2, kSplitShape = 4, kAttachments = 5 };

struct RecordContext {
    const std::string& file;
    const std::string& place;
    bool dump;
    Report& report;
    ShapesFileContent& content;
};

void countShape(const TriangleSetRecord& record, RecordContext& context) {
    context.content.shapeIds.push_back(record.shapeId);
    if (const std::uint32_t span = record.blendIndexSpan()) context.content.blendIndexSpans[record.shapeId] = span;
    context.report.count("shapes");
    context.report.count("vertices", record.numVertices);
    context.report.count("triangles", record.numIndices / 3);
}

// Readable lines for what has no XML form.
void dumpNote(RecordContext& context, const std::string& text) {
    if (context.dump) context.content.dump += "    <!-- " + text + " -->\n";
}

void checkCollisions(const TriangleSetRecord& record, RecordContext& context) {
    for (const TriangleSetRecord::Collision& collision : record.collisions) {
        const std::string text = checkCollisionBlob(collision.bytes, collision.size, collision.offset, context.file,
                                                    context.place + " collision kind " + std::to_string(collision.kind),
                                                    context.report);
        if (!text.empty()) dumpNote(context, "collision " + text);
    }
}

bool readTriangleSet(ByteReader& in, RecordContext& context) {
    TriangleSetRecord record;
    if (!readTriangleSetRecord(in, context.file, context.report, record)) return false;
    checkTriangleSet(record, context.file, context.place + " (" + record.name + ")", context.report);
    countShape(record, context);
    if (context.dump) context.content.dump += triangleSetXml(record);
    checkCollisions(record, context);
    return true;
}

bool readCurve(ByteReader& in, RecordContext& context) {
    std::string name;
    std::uint32_t shapeId = 0, closed = 0, points = 0, channels = 0;
    if (!readPaddedName(in, name) || !in.u32(shapeId) || !in.u32(closed) || !in.u32(points) || !in.canHold(points, 12)) {
        context.report.error(context.file, context.place, "the curve record ends inside its header or points");
        return false;
    }
    std::string text;
    Q5XSaveUtil::XmlWriter out(text);
    out.startTag(2, "NurbsCurve");
    out.attribute("name", name);
    out.attribute("shapeId", shapeId);
    out.endStartTag();
    bool finite = true;
    for (std::uint32_t p = 0; p < points; ++p) {
        out.startTag(5, "cv");
        out.beginValue("c");
        for (int k = 0; k < 3; ++k) {
            float value = 0;
            in.f32(value);
            finite = finite && std::isfinite(value);
            out.streamValue(value);
        }
        out.endValue();
        out.endEmptyTag();
    }
    out.endTag(2, "NurbsCurve");
    if (!finite) context.report.error(context.file, context.place, "a control point is not finite");
    if (!in.u32(channels)) return false;
    for (std::uint32_t c = 0; c < channels; ++c) {
        std::string channel;
        if (!readPaddedName(in, channel) || !in.canHold(points, 4) || !in.skip(std::size_t(points) * 4)) {
            context.report.error(context.file, context.place, "the curve record ends inside its value channels");
            return false;
        }
    }
    context.content.shapeIds.push_back(shapeId);
    context.report.count("shapes");
    context.report.count("curves");
    if (context.dump) context.content.dump += text;
    if (context.dump && closed) dumpNote(context, "closed curve");
    return true;
}

// A boundary representation: three table counts, then the tables, padded to 4 bytes.
bool readBrep(ByteReader& in, std::string& description) {
    std::uint16_t vertices = 0, second = 0;
    std::uint32_t faces = 0;
    if (!in.u16(vertices) || !in.u16(second) || !in.u32(faces)) return false;
    const std::uint64_t body = 12ull * vertices + 20ull * second + 18ull * faces;
    const std::uint64_t padded = (body + 3) / 4 * 4;
    if (!in.canHold(padded, 1) || !in.skip(std::size_t(padded))) return false;
    description = std::to_string(vertices) + " vertices, " + std::to_string(second) + " edges, " + std::to_string(faces) + " faces";
    return true;
}

// The kind-1 layout, then the splittable mesh's tables and its physics hulls.
bool readSplitShape(ByteReader& in, RecordContext& context) {
    if (!readTriangleSet(in, context)) return false;
    std::string brep;
    std::uint32_t hulls = 0;
    if (!readBrep(in, brep) || !in.u32(hulls)) {
        context.report.error(context.file, context.place, "the split shape's boundary representation is cut short");
        return false;
    }
    dumpNote(context, "split shape: " + brep);
    for (std::uint32_t h = 0; h < hulls; ++h) {
        std::string hull;
        if (!readBrep(in, hull)) {
            context.report.error(context.file, context.place, "physics hull " + std::to_string(h) + " is cut short");
            return false;
        }
        dumpNote(context, "physics hull " + std::to_string(h) + ": " + hull);
    }
    context.report.count("physics_hulls", hulls);
    return true;
}

bool readAttachments(ByteReader& in, RecordContext& context) {
    TriangleSetRecord record;
    if (!readPaddedName(in, record.name) || !in.u32(record.shapeId) ||
        !readTriangleSetBody(in, context.file, context.report, record)) {
        return false;
    }
    checkTriangleSet(record, context.file, context.place + " (" + record.name + ")", context.report);
    countShape(record, context);
    if (context.dump) context.content.dump += triangleSetXml(record, true);
    std::uint16_t count = 0;
    if (!in.u16(count) || !in.canHold(count, 2) || !in.skip(std::size_t(count) * 2) || (count % 2 == 0 && !in.skip(2)) ||
        !in.canHold(count, 52)) {
        context.report.error(context.file, context.place, "the attachment entries are cut short");
        return false;
    }
    bool finite = true;
    for (std::uint32_t i = 0; i < 13u * count; ++i) {
        float value = 0;
        in.f32(value);
        finite = finite && std::isfinite(value);
    }
    if (!finite) context.report.error(context.file, context.place, "an attachment's placement is not finite");
    context.report.count("attachments", count);
    dumpNote(context, std::to_string(count) + " attachments");
    return true;
}

}  // namespace

bool checkShapesFile(const std::vector<std::uint8_t>& bytes, const std::string& file, bool dump, Report& report,
                     ShapesFileContent& content) {
    ByteReader in(bytes.data(), bytes.size(), 0);
    std::uint32_t format = 0, records = 0;
    if (!in.u32(format) || !in.u32(records)) {
        report.error(file, "byte 0", "the file is too short for its format word and record count");
        return true;
    }
    if (format != kFormatWord) report.error(file, "byte 0", "format word " + std::to_string(format) + ", not 10");
    report.count("bytes_shapes_file", bytes.size());
    for (std::uint32_t r = 0; r < records; ++r) {
        const std::string place = "record " + std::to_string(r) + " at byte " + std::to_string(in.offset());
        std::uint32_t kind = 0, size = 0;
        const std::uint8_t* payload = nullptr;
        if (!in.u32(kind) || !in.u32(size) || !in.bytes(size, payload)) {
            report.error(file, place, "the file ends inside the record (" + std::to_string(records) + " records announced)");
            return true;
        }
        report.count("records");
        ByteReader recordIn(payload, size, in.offset() - size);
        RecordContext context{file, place, dump, report, content};
        bool read = false;
        switch (kind) {
            case kTriangleSet: read = readTriangleSet(recordIn, context); break;
            case kNurbsCurve: read = readCurve(recordIn, context); break;
            case kSplitShape: read = readSplitShape(recordIn, context); break;
            case kAttachments: read = readAttachments(recordIn, context); break;
            default: report.error(file, place, "unknown record kind " + std::to_string(kind)); continue;
        }
        if (read && !recordIn.atEnd()) {
            report.error(file, place, std::to_string(recordIn.remaining()) + " bytes follow the record's content");
        }
    }
    if (!in.atEnd()) report.error(file, "byte " + std::to_string(in.offset()), "bytes follow the last record");
    return true;
}
