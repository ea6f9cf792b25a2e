#ifndef Q5X_PLUGIN_DOCUMENTOUTPUT_H
#define Q5X_PLUGIN_DOCUMENTOUTPUT_H

#include "geometry/CompanionRecords.h"
#include "model/ExportOptions.h"

#include "saveutil/StagedFile.h"
#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The files of one run. The document's text goes to its staged file while the sections are
// written, so a big level never sits in memory whole; the companions' binary parts (".shapes",
// ".anim" appended to the output path) are kept until the document is finished. Nothing is renamed
// into place unless every file was written completely, companions first: on failure no file of
// those names changes, and an error names the file and the system's reason.
class DocumentOutput : private Q5XSaveUtil::TextSink {
public:
    DocumentOutput(const ExportOptions& options, std::string outputPath);

    // Stages the document and writes the declaration and the root's start tag; false, reported,
    // when the document cannot be created. `replacedControlCharacters` tells whether the name held
    // characters XML cannot carry.
    bool begin(const std::string& documentName, bool& replacedControlCharacters);
    // A writer for the next section: its text reaches the file as it grows.
    Q5XSaveUtil::XmlWriter sectionWriter() { return Q5XSaveUtil::XmlWriter(text_, *this); }
    // The rest of the section's text and the empty line after it.
    void endSection();
    // The element that names the ".shapes" companion, when there are shape records.
    void referenceShapesFile();
    // The element that names the ".anim" companion, when the animation buffer holds a clip.
    void referenceAnimationFile();
    // The root's end tag, the companions, and every file into place.
    bool finish();

    CompanionRecordList shapeRecords;
    std::vector<std::uint8_t> animationBuffer;

private:
    void take(std::string& text) override;
    bool finishFiles();
    bool shapesFile() const;
    bool animationFile() const;

    const ExportOptions& options_;
    std::string outputPath_;
    std::string outputFileName_;
    Q5XSaveUtil::StagedFile document_;
    std::string text_;
};

#endif
