#ifndef Q5XSAVEUTIL_WORKINGFOLDER_H
#define Q5XSAVEUTIL_WORKINGFOLDER_H

#include <string>

namespace Q5XSaveUtil {

// The process's current working folder as the system reports it; false when it cannot be read.
bool getWorkingFolder(std::string& folder);
// A relative path joined onto the working folder ('/' separators); absolute paths, and every path
// when the folder cannot be read, come back unchanged.
std::string absoluteFromWorkingFolder(const std::string& path);

}  // namespace Q5XSaveUtil

#endif
