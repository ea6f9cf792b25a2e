#include "FilesSection.h"

#include "saveutil/PathUtils.h"

#include <maya/MGlobal.h>

#include <cctype>

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool query(const char* command, std::string& result) {
    MString text;
    if (!MGlobal::executeCommand(command, text, false, false)) return false;
    result = text.asChar();
    return true;
}

// The project's source-images folder: the project root joined with its rule, where a rule that is
// itself absolute (Maya allows "D:/tex") stands alone. Empty when Maya cannot say.
std::string sourceImagesDirectory() {
    std::string root, rule;
    if (!query("workspace -expandName \"\"", root) || !query("workspace -fileRuleEntry \"sourceImages\"", rule)) return {};
    std::string folder;
    Q5XSaveUtil::joinPath(root, rule, folder);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

bool writeFileElement(const ExportContext& context, const std::string& fileName, std::uint32_t id,
                      const std::string& sourceImagesDirectory, Q5XSaveUtil::XmlWriter& out) {
    const ExportOptions& options = context.options;
    if (fileName.empty()) return true;  // registers nothing: no element names a folder
    std::string name = fileName;
    // A bare name (no drive, not below "/", not game-relative) lies in the source-images folder.
    if (name.find(':') == std::string::npos && name[0] != '$' && !Q5XSaveUtil::isAbsolutePath(name)) {
        name = sourceImagesDirectory + name;
    }
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
    const std::string lower = lowerCase(name);
    bool gameRelative = false;
    if (!options.gameRelativePaths && name[0] == '$') {
        MGlobal::displayInfo("Warning gamepath not set but game relative paths are used");
    } else if (options.gameRelativePaths && !context.gamePath.empty() && lower.compare(0, context.gamePath.size(), lowerCase(context.gamePath)) == 0) {
        name = "$" + name.substr(context.gamePath.size());
        gameRelative = true;
    }
    if (!gameRelative && options.relativePaths) {
        const std::string outputFolder = lowerCase(context.outputDirectory);
        std::string relative;
        if (!outputFolder.empty() && lower.compare(0, outputFolder.size(), outputFolder) == 0) {
            name = name.substr(outputFolder.size());
        } else if (Q5XSaveUtil::makeRelativePath(outputFolder, lower, name, relative)) {
            name = relative;
        }
    }
    out.startTag(2, "File");
    out.attribute("fileId", id);
    out.attribute("filename", name);
    out.raw(" />\n");
    return true;
}

bool writeFilesSection(const ExportContext& context, const FileTable& files, Q5XSaveUtil::XmlWriter& out) {
    const std::string sourceImages = sourceImagesDirectory();
    out.raw("\n  <Files>\n");
    for (const auto& entry : files.entries()) {
        if (!writeFileElement(context, entry.first, entry.second, sourceImages, out)) return false;
    }
    out.raw("  </Files>\n\n");
    return true;
}
