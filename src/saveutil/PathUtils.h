#ifndef Q5XSAVEUTIL_PATHUTILS_H
#define Q5XSAVEUTIL_PATHUTILS_H

#include <string>

namespace Q5XSaveUtil {

// Paths are UTF-8 byte strings with '/' or '\\' as separators.

// A drive path ("C:..."), a network share ("\\\\...") or a POSIX root path ("/...").
bool isAbsolutePath(const std::string& path);
// '\\' becomes '/', except a leading "\\\\" of a share; "C:foo" becomes "C:/foo".
std::string normalizeSlashes(const std::string& path);
// normalizeSlashes, then "dir/../" pairs removed where "dir" follows a '/' and does not begin with '.'.
std::string normalizePath(const std::string& path);
// Removes every "dir/../" pair, also at the start; false when a "../" cannot be removed.
bool collapseParentRefs(std::string& path);
// out = path up to and including its last '/'; unchanged when there is none or it is the first character.
void getDirectory(const std::string& path, std::string& out);
// out = text after the last '/'; without keepExtension, cut at its last '.'.
void getFileName(const std::string& path, std::string& out, bool keepExtension);
// Joins a relative path onto a base folder, climbing for each leading "../".
void joinPath(const std::string& base, const std::string& relative, std::string& out);
// Expresses comparePath relative to baseDir, taking the text from textPath; false when they share no folder.
bool makeRelativePath(const std::string& baseDir, const std::string& comparePath, const std::string& textPath,
                      std::string& out);

}  // namespace Q5XSaveUtil

#endif
