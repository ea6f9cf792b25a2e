#ifndef Q5X_PLUGIN_DOCUMENTSECTIONS_H
#define Q5X_PLUGIN_DOCUMENTSECTIONS_H

#include "geometry/CompanionRecords.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

// Everything one run produces before anything goes to disk: one text stream per section, in
// the classic locale so that numbers never depend on the user's settings, and the binary parts.
struct DocumentSections {
    DocumentSections();

    std::ostringstream filesAndMaterials;
    std::ostringstream shapes;
    std::ostringstream dynamics;
    std::ostringstream scene;
    std::ostringstream animation;
    std::ostringstream userAttributes;

    CompanionRecordList shapeRecords;
    std::vector<std::uint8_t> animationBuffer;
};

// Which optional sections the document carries.
struct DocumentLayout {
    bool shapes;
    bool particleSystems;
    bool animation;
    bool userAttributes;
    bool binaryFiles;
};

// Writes the document and its companion files (".shapes", ".anim" appended to outputPath).
// Every file is staged beside its target and renamed into place only when all of them were
// written completely, companions first; on failure no file of those names changes.
bool writeDocument(const std::string& outputPath, const std::string& documentName, const DocumentLayout& layout,
                   DocumentSections& sections);

#endif
