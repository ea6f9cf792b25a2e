#include "WorkingFolder.h"

#include "PathUtils.h"

#include <platform/FileServices.h>

#include <algorithm>

namespace Q5XSaveUtil {

bool getWorkingFolder(std::string& folder) {
    return platform::getCurrentDirectory(folder);
}

std::string absoluteFromWorkingFolder(const std::string& path) {
    std::string folder;
    if (isAbsolutePath(path) || !getWorkingFolder(folder)) return path;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + path;
}

}  // namespace Q5XSaveUtil
