#ifndef MAYAHOST_MAREADER_H
#define MAYAHOST_MAREADER_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace mayahost {

class Scene;

// Loads a Maya ASCII scene into `scene`, which is reset first. The file is data: scripts,
// expressions and MEL statements in it are kept as text or skipped, never run.
// Broken syntax fails with "file:line: message" in `error`. Content Maya tolerates (a node or
// attribute that does not exist, an unknown node type or command, a value of the wrong type)
// gives one warning naming the file and line, and the load goes on.
bool loadMayaAsciiFile(const std::string& path, Scene& scene, std::string& error);
bool loadMayaAsciiText(std::string_view text, const std::string& fileName, Scene& scene, std::string& error,
                       const std::function<void(std::size_t)>& consumed = {});

}  // namespace mayahost

#endif
