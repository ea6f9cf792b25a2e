#include "DocumentSections.h"

#include "saveutil/FileSystem.h"
#include "saveutil/PathUtils.h"
#include "saveutil/StagedFile.h"

#include <locale>
#include <memory>

using Q5XSaveUtil::StagedFile;

namespace {

constexpr std::uint32_t kCompanionFormatWord = 10;
constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* kSchemaLocation = "http://www.q5x-format.org/schema/q5x-1.6.xsd";
// Animation buffers of this size or less hold no clip.
constexpr std::size_t kEmptyAnimationBufferSize = 4;

void appendWord(std::vector<std::uint8_t>& bytes, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(word >> shift));
}

std::string fileNameOf(const std::string& path) {
    std::string name;
    Q5XSaveUtil::getFileName(path, name, true);
    return name;
}

// Companions are opened through the file system: an absolute path as it is, otherwise by file
// name below the run's loader, which is rooted at the output folder.
bool stageCompanion(StagedFile& file, const std::string& outputPath, const char* extension) {
    const std::string name = Q5XSaveUtil::isAbsolutePath(outputPath) ? outputPath + extension
                                                                      : fileNameOf(outputPath) + extension;
    return file.open(Q5XSaveUtil::FileSystem::instance(), name);
}

bool writeShapeRecords(StagedFile& file, CompanionRecordList& records) {
    std::vector<std::uint8_t> header;
    appendWord(header, kCompanionFormatWord);
    appendWord(header, static_cast<std::uint32_t>(records.size()));
    bool written = file.write(header.data(), header.size());
    for (CompanionRecord& record : records) {
        std::vector<std::uint8_t> recordHeader;
        appendWord(recordHeader, record.kind);
        appendWord(recordHeader, static_cast<std::uint32_t>(record.bytes.size()));
        written = written && file.write(recordHeader.data(), recordHeader.size()) &&
                  file.write(record.bytes.data(), record.bytes.size());
        std::vector<std::uint8_t>().swap(record.bytes);
    }
    return written;
}

bool writeAnimationFile(StagedFile& file, const std::vector<std::uint8_t>& buffer) {
    std::vector<std::uint8_t> header;
    appendWord(header, kCompanionFormatWord);
    return file.write(header.data(), header.size()) && file.write(buffer.data(), buffer.size());
}

}  // namespace

DocumentSections::DocumentSections() {
    for (std::ostringstream* stream : {&filesAndMaterials, &shapes, &dynamics, &scene, &animation, &userAttributes}) {
        stream->imbue(std::locale::classic());
    }
}

bool writeDocument(const std::string& outputPath, const std::string& documentName, const DocumentLayout& layout,
                   DocumentSections& sections) {
    const bool shapesFile = layout.shapes && layout.binaryFiles && !sections.shapeRecords.empty();
    const bool animationFile =
        layout.animation && layout.binaryFiles && sections.animationBuffer.size() > kEmptyAnimationBufferSize;

    StagedFile shapes;
    StagedFile animation;
    StagedFile document;
    if (shapesFile && !(stageCompanion(shapes, outputPath, ".shapes") && writeShapeRecords(shapes, sections.shapeRecords))) {
        return false;
    }
    if (animationFile &&
        !(stageCompanion(animation, outputPath, ".anim") && writeAnimationFile(animation, sections.animationBuffer))) {
        return false;
    }
    if (!document.openNative(outputPath)) return false;

    document.write("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n");
    document.write("<q5X name=\"" + documentName + "\" version=\"1.6\" xmlns:xsi=\"" + kSchemaInstanceNamespace +
                   "\" xsi:noNamespaceSchemaLocation=\"" + kSchemaLocation + "\">\n");
    document.write(sections.filesAndMaterials.str() + "\n");
    if (layout.shapes && !layout.binaryFiles) document.write(sections.shapes.str() + "\n");
    if (shapesFile) {
        document.write("  <Shapes externalShapesFile=\"" + fileNameOf(outputPath) + ".shapes\">\n  </Shapes>\n\n");
    }
    if (layout.particleSystems) document.write(sections.dynamics.str() + "\n");
    document.write(sections.scene.str() + "\n");
    if (layout.animation && !layout.binaryFiles) document.write(sections.animation.str() + "\n");
    if (animationFile) {
        document.write("\n  <Animation externalAnimFile=\"" + fileNameOf(outputPath) + ".anim\" />\n");
    }
    if (layout.userAttributes) document.write(sections.userAttributes.str() + "\n");
    if (!document.write("</q5X>\n")) return false;

    // Nothing is replaced unless every file can be; then companions first, so that a document in
    // place never names a missing or stale companion.
    if ((shapesFile && !shapes.readyToCommit()) || (animationFile && !animation.readyToCommit()) ||
        !document.readyToCommit()) {
        return false;
    }
    if (shapesFile && !shapes.commit()) return false;
    if (animationFile && !animation.commit()) return false;
    return document.commit();
}
