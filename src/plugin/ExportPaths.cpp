#include "ExportPaths.h"

#include "saveutil/PathUtils.h"
#include "saveutil/WorkingFolder.h"

#include <maya/MGlobal.h>

#include <algorithm>

namespace {

std::string dollarsAsSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '$', '/');
    return path;
}

}  // namespace

std::string normalizeOutputPath(const std::string& fileFlag) {
    std::string path = dollarsAsSlashes(fileFlag);
    std::string workingFolder;
    if (Q5XSaveUtil::absoluteFromWorkingFolder(path, workingFolder)) {
        MGlobal::displayInfo(MString(("CWD: " + workingFolder + "\n").c_str()));
    }
    return path;
}

std::string normalizeGamePath(bool hasGamePath, const std::string& gamePathFlag) {
    // An empty value is no game path: "/" would make every absolute path game-relative.
    if (!hasGamePath || gamePathFlag.empty()) return std::string();
    std::string path = dollarsAsSlashes(gamePathFlag);
    if (path.back() != '/') path += '/';
    return path;
}

std::string folderPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

std::string loaderRoot(const std::string& outputPath) {
    std::string root;
    Q5XSaveUtil::getDirectory(outputPath, root);
    return root;
}

std::string documentName(const std::string& sceneFileName) {
    if (sceneFileName.empty()) return "untitled";
    std::string name;
    Q5XSaveUtil::getFileName(sceneFileName, name, false);
    return name;
}
