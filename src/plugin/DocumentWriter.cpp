#include "DocumentSections.h"

#include "saveutil/FileSystem.h"
#include "saveutil/LittleEndianBytes.h"
#include "saveutil/PathUtils.h"
#include "saveutil/StagedFile.h"
#include "saveutil/XmlWriter.h"

#include <maya/MGlobal.h>

#include <memory>

using Q5XSaveUtil::StagedFile;

namespace {

constexpr std::uint32_t kCompanionFormatWord = 10;
constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* kSchemaLocation = "http://www.q5x-format.org/schema/q5x-1.6.xsd";
// Animation buffers of this size or less hold no clip.
constexpr std::size_t kEmptyAnimationBufferSize = 4;

// Companions are opened through the file system: an absolute path as it is, otherwise by file
// name below the run's loader, which is rooted at the output folder.
bool stageCompanion(StagedFile& file, const std::string& outputPath, const char* extension) {
    std::string name = outputPath;
    if (!Q5XSaveUtil::isAbsolutePath(outputPath)) Q5XSaveUtil::getFileName(outputPath, name, true);
    name += extension;
    return file.open(Q5XSaveUtil::FileSystem::instance(), name);
}

bool writeShapeRecords(StagedFile& file, CompanionRecordList& records) {
    std::vector<std::uint8_t> header;
    Q5XSaveUtil::LittleEndianBytes headerBytes(header);
    headerBytes.u32(kCompanionFormatWord);
    headerBytes.u32(static_cast<std::uint32_t>(records.size()));
    bool written = file.write(header.data(), header.size());
    for (CompanionRecord& record : records) {
        std::vector<std::uint8_t> recordHeader;
        Q5XSaveUtil::LittleEndianBytes recordHeaderBytes(recordHeader);
        recordHeaderBytes.u32(record.kind);
        recordHeaderBytes.u32(static_cast<std::uint32_t>(record.bytes.size()));
        written = written && file.write(recordHeader.data(), recordHeader.size()) &&
                  file.write(record.bytes.data(), record.bytes.size());
        std::vector<std::uint8_t>().swap(record.bytes);
    }
    return written;
}

bool writeAnimationFile(StagedFile& file, const std::vector<std::uint8_t>& buffer) {
    std::vector<std::uint8_t> header;
    Q5XSaveUtil::LittleEndianBytes(header).u32(kCompanionFormatWord);
    return file.write(header.data(), header.size()) && file.write(buffer.data(), buffer.size());
}

// A section's text and the empty line after it, without copying the text.
void writeSection(StagedFile& document, const std::string& text) {
    document.write(text);
    document.write("\n");
}

// The start of the element that names a companion file, without its end.
std::string companionReference(const char* start, const char* attribute, const std::string& fileName) {
    std::string text = start;
    Q5XSaveUtil::XmlWriter(text).attribute(attribute, fileName);
    return text;
}

// The declaration and the root element's start tag.
std::string documentStart(const std::string& documentName, bool& replacedControlCharacters) {
    std::string text = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n";
    Q5XSaveUtil::XmlWriter xml(text);
    xml.startTag(0, "q5X");
    xml.attribute("name", documentName);
    xml.attribute("version", "1.6");
    xml.attribute("xmlns:xsi", kSchemaInstanceNamespace);
    xml.attribute("xsi:noNamespaceSchemaLocation", kSchemaLocation);
    xml.endStartTag();
    replacedControlCharacters = xml.replacedControlCharacters() > 0;
    return text;
}

// Says which file cannot be written and why; the run then fails.
bool cannotWrite(const StagedFile& file, const std::string& path) {
    MGlobal::displayError(MString(("q5xExport: Cannot write " + path + ": " + file.failureReason()).c_str()));
    return false;
}

}  // namespace

bool writeDocument(const ExportOptions& options, const std::string& outputPath, const std::string& documentName,
                   DocumentSections& sections, bool& replacedControlCharacters) {
    const bool shapesFile = options.shapes && options.binaryFiles && !sections.shapeRecords.empty();
    const bool animationFile =
        options.animation && options.binaryFiles && sections.animationBuffer.size() > kEmptyAnimationBufferSize;

    StagedFile shapes;
    StagedFile animation;
    StagedFile document;
    if (shapesFile && !(stageCompanion(shapes, outputPath, ".shapes") && writeShapeRecords(shapes, sections.shapeRecords))) {
        return cannotWrite(shapes, outputPath + ".shapes");
    }
    if (animationFile &&
        !(stageCompanion(animation, outputPath, ".anim") && writeAnimationFile(animation, sections.animationBuffer))) {
        return cannotWrite(animation, outputPath + ".anim");
    }
    if (!document.openNative(outputPath)) return cannotWrite(document, outputPath);

    std::string outputFileName;
    Q5XSaveUtil::getFileName(outputPath, outputFileName, true);
    document.write(documentStart(documentName, replacedControlCharacters));
    writeSection(document, sections.filesAndMaterials);
    if (options.shapes && !options.binaryFiles) writeSection(document, sections.shapes);
    if (shapesFile) {
        document.write(companionReference("  <Shapes", "externalShapesFile", outputFileName + ".shapes") +
                       ">\n  </Shapes>\n\n");
    }
    if (options.particleSystems) writeSection(document, sections.dynamics);
    writeSection(document, sections.scene);
    if (options.animation && !options.binaryFiles) writeSection(document, sections.animation);
    if (animationFile) {
        document.write("\n" + companionReference("  <Animation", "externalAnimFile", outputFileName + ".anim") +
                       " />\n");
    }
    if (options.userAttributes) writeSection(document, sections.userAttributes);
    if (!document.write("</q5X>\n")) return cannotWrite(document, outputPath);

    // Nothing is replaced unless every file can be; then companions first, so that a document in
    // place never names a missing or stale companion.
    if (shapesFile && !shapes.readyToCommit()) return cannotWrite(shapes, outputPath + ".shapes");
    if (animationFile && !animation.readyToCommit()) return cannotWrite(animation, outputPath + ".anim");
    if (!document.readyToCommit()) return cannotWrite(document, outputPath);
    if (shapesFile && !shapes.commit()) return cannotWrite(shapes, outputPath + ".shapes");
    if (animationFile && !animation.commit()) return cannotWrite(animation, outputPath + ".anim");
    return document.commit() || cannotWrite(document, outputPath);
}
