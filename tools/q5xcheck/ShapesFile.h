#ifndef Q5XCHECK_SHAPESFILE_H
#define Q5XCHECK_SHAPESFILE_H

#include "Report.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// What a companion shapes file holds, as far as the document's checks need it.
struct ShapesFileContent {
    std::vector<std::uint32_t> shapeIds;  // of the records that carry one, in file order
    std::map<std::uint32_t, std::uint32_t> blendIndexSpans;  // shapeId to one more than its highest blend index
    std::string dump;                     // the records as the exporter's XML, for --dump
};

// Reads and checks a companion shapes file: the container (format word 10, record count, records
// of kind, byte count and payload) and each record by its layout. False when the file cannot be
// read at all.
bool checkShapesFile(const std::vector<std::uint8_t>& bytes, const std::string& file, bool dump, Report& report,
                     ShapesFileContent& content);

#endif
