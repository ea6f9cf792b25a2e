#include "WorkingFolder.h"

#include "PathUtils.h"

#include <platform/FileServices.h>

#include <algorithm>

namespace Q5XSaveUtil {

bool getWorkingFolder(std::string& folder) {
    return platform::getCurrentDirectory(folder);
}

bool absoluteFromWorkingFolder(std::string& path, std::string& workingFolder) {
    if (isAbsolutePath(path) || !getWorkingFolder(workingFolder)) return false;
    std::string folder = workingFolder;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (folder.empty() || folder.back() != '/') folder += '/';
    path = folder + path;
    return true;
}

}  // namespace Q5XSaveUtil
