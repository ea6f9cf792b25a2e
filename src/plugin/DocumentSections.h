#ifndef Q5X_PLUGIN_DOCUMENTSECTIONS_H
#define Q5X_PLUGIN_DOCUMENTSECTIONS_H

#include "geometry/CompanionRecords.h"
#include "model/ExportOptions.h"

#include <cstdint>
#include <string>
#include <vector>

// Everything one run produces before anything goes to disk: the text of each section and the
// binary parts.
struct DocumentSections {
    std::string filesAndMaterials;
    std::string shapes;
    std::string dynamics;
    std::string scene;
    std::string animation;
    std::string userAttributes;

    CompanionRecordList shapeRecords;
    std::vector<std::uint8_t> animationBuffer;
};

// Writes the document and its companion files (".shapes", ".anim" appended to outputPath), with
// the optional sections the options ask for. Every file is staged beside its target and renamed
// into place only when all of them were written completely, companions first; on failure no
// file of those names changes. `replacedControlCharacters` tells whether the document name held
// characters XML cannot carry.
bool writeDocument(const ExportOptions& options, const std::string& outputPath, const std::string& documentName,
                   DocumentSections& sections, bool& replacedControlCharacters);

#endif
