#ifndef Q5XSAVEUTIL_WORKINGFOLDER_H
#define Q5XSAVEUTIL_WORKINGFOLDER_H

#include <string>

namespace Q5XSaveUtil {

// The process's current working folder as the system reports it; false when it cannot be read.
bool getWorkingFolder(std::string& folder);
// Joins a relative `path` onto the working folder ('/' separators) and returns true, with the
// folder as the system reported it in `workingFolder`. Absolute paths, and every path when the
// folder cannot be read, stay unchanged (false).
bool absoluteFromWorkingFolder(std::string& path, std::string& workingFolder);

}  // namespace Q5XSaveUtil

#endif
