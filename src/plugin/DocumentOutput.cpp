#include "DocumentOutput.h"

#include "saveutil/FileSystem.h"
#include "saveutil/LittleEndianBytes.h"
#include "saveutil/PathUtils.h"

#include <maya/MGlobal.h>

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

// The start of the element that names a companion file, without its end.
std::string companionReference(const char* start, const char* attribute, const std::string& fileName) {
    std::string text = start;
    Q5XSaveUtil::XmlWriter(text).attribute(attribute, fileName);
    return text;
}

// Says which file cannot be written and why; the run then fails.
bool cannotWrite(const StagedFile& file, const std::string& path) {
    MGlobal::displayError(MString(("q5xExport: Cannot write " + path + ": " + file.failureReason()).c_str()));
    return false;
}

}  // namespace

DocumentOutput::DocumentOutput(const ExportOptions& options, std::string outputPath)
    : options_(options), outputPath_(std::move(outputPath)) {
    Q5XSaveUtil::getFileName(outputPath_, outputFileName_, true);
}

bool DocumentOutput::begin(const std::string& documentName, bool& replacedControlCharacters) {
    if (!document_.openNative(outputPath_)) return cannotWrite(document_, outputPath_);
    text_ = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n";
    Q5XSaveUtil::XmlWriter xml(text_);
    xml.startTag(0, "q5X");
    xml.attribute("name", documentName);
    xml.attribute("version", "1.6");
    xml.attribute("xmlns:xsi", kSchemaInstanceNamespace);
    xml.attribute("xsi:noNamespaceSchemaLocation", kSchemaLocation);
    xml.endStartTag();
    replacedControlCharacters = xml.replacedControlCharacters() > 0;
    return true;
}

void DocumentOutput::take(std::string& text) {
    document_.write(text);
    text.clear();
}

void DocumentOutput::endSection() {
    text_ += '\n';
    take(text_);
}

bool DocumentOutput::shapesFile() const {
    return options_.shapes && options_.binaryFiles && !shapeRecords.empty();
}

bool DocumentOutput::animationFile() const {
    return options_.animation && options_.binaryFiles && animationBuffer.size() > kEmptyAnimationBufferSize;
}

void DocumentOutput::referenceShapesFile() {
    if (!shapesFile()) return;
    text_ += companionReference("  <Shapes", "externalShapesFile", outputFileName_ + ".shapes") + ">\n  </Shapes>\n\n";
}

void DocumentOutput::referenceAnimationFile() {
    if (!animationFile()) return;
    text_ += "\n" + companionReference("  <Animation", "externalAnimFile", outputFileName_ + ".anim") + " />\n";
}

bool DocumentOutput::finish() {
    if (finishFiles()) return true;
    document_.discard();
    return false;
}

bool DocumentOutput::finishFiles() {
    text_ += "</q5X>\n";
    take(text_);
    StagedFile shapes;
    StagedFile animation;
    const std::string shapesPath = outputPath_ + ".shapes";
    const std::string animationPath = outputPath_ + ".anim";
    if (shapesFile() && !(stageCompanion(shapes, outputPath_, ".shapes") && writeShapeRecords(shapes, shapeRecords))) {
        return cannotWrite(shapes, shapesPath);
    }
    if (animationFile() &&
        !(stageCompanion(animation, outputPath_, ".anim") && writeAnimationFile(animation, animationBuffer))) {
        return cannotWrite(animation, animationPath);
    }

    // Nothing is replaced unless every file can be; then companions first, so that a document in
    // place never names a missing or stale companion.
    if (shapesFile() && !shapes.readyToCommit()) return cannotWrite(shapes, shapesPath);
    if (animationFile() && !animation.readyToCommit()) return cannotWrite(animation, animationPath);
    if (!document_.readyToCommit()) return cannotWrite(document_, outputPath_);
    if (shapesFile() && !shapes.commit()) return cannotWrite(shapes, shapesPath);
    if (animationFile() && !animation.commit()) return cannotWrite(animation, animationPath);
    return document_.commit() || cannotWrite(document_, outputPath_);
}
