#include "ShapesFile.h"

#include "ByteReader.h"
#include "TriangleSetRecord.h"

namespace {

constexpr std::uint32_t kFormatWord = 10;
constexpr std::uint32_t kTriangleSet = 1;

const char* laterKindName(std::uint32_t kind) {
    switch (kind) {
        case 2: return "NURBS curve";
        case 4: return "split shape";
        case 5: return "attachments";
        default: return nullptr;
    }
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
            report.error(file, place, "the file ends inside the record (" + std::to_string(records) +
                                          " records announced)");
            return true;
        }
        report.count("records");
        if (kind != kTriangleSet) {
            if (const char* name = laterKindName(kind)) {
                report.warning(file, place, std::string("a ") + name + " record, which this version does not read");
            } else {
                report.error(file, place, "unknown record kind " + std::to_string(kind));
            }
            continue;
        }
        ByteReader recordIn(payload, size, in.offset() - size);
        TriangleSetRecord record;
        if (!readTriangleSetRecord(recordIn, file, report, record)) continue;
        if (!recordIn.atEnd()) {
            report.error(file, place, std::to_string(recordIn.remaining()) + " bytes follow the record's content");
        }
        checkTriangleSet(record, file, place + " (" + record.name + ")", report);
        content.shapeIds.push_back(record.shapeId);
        report.count("shapes");
        report.count("vertices", record.numVertices);
        report.count("triangles", record.numIndices / 3);
        if (dump) content.dump += triangleSetXml(record);
    }
    if (!in.atEnd()) report.error(file, "byte " + std::to_string(in.offset()), "bytes follow the last record");
    return true;
}
