#include "FilePaths.h"

#include "saveutil/PathUtils.h"

#include <cctype>
#include <vector>

namespace {

// The length of an absolute path's root: "C:/", "/", or "\\\\server\\share\\" / "//server/share/".
std::size_t rootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && (path[2] == '/' || path[2] == '\\') ? 3 : 2;
    const bool share = path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
    if (share) {
        std::size_t at = 2;
        for (int component = 0; component < 2 && at < path.size(); ++component) {
            const std::size_t next = path.find_first_of("/\\", at);
            at = next == std::string::npos ? path.size() : next + 1;
        }
        return at;
    }
    return !path.empty() && path[0] == '/' ? 1 : 0;
}

bool endsWithDds(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".dds";
}

}  // namespace

std::string collapseWithinRoot(const std::string& path) {
    const std::size_t root = Q5XSaveUtil::isAbsolutePath(path) ? rootLength(path) : 0;
    std::vector<std::string> kept;
    std::size_t unresolved = 0;  // leading "../" of a relative path
    std::size_t start = root;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string component = path.substr(start, end - start);
        const bool last = end == path.size();
        if (component == ".." && !last) {
            if (!kept.empty()) {
                kept.pop_back();
            } else if (root == 0) {
                ++unresolved;  // a relative path keeps what it cannot collapse
            }                  // an absolute one drops what would climb past its root
        } else {
            kept.push_back(last ? component : component + "/");
        }
        start = end + 1;
    }
    std::string result = path.substr(0, root);
    for (std::size_t i = 0; i < unresolved; ++i) result += "../";
    for (const std::string& component : kept) result += component;
    return result;
}

std::string resolveFilePath(const std::string& name, bool gameRelativePaths, const std::string& gamePath,
                            const std::string& sceneDirectory) {
    if (name.empty()) return name;
    std::string path = name;
    if (!Q5XSaveUtil::isAbsolutePath(path)) {
        if (path[0] != '$') {
            path = sceneDirectory + (path.compare(0, 2, "./") == 0 ? path.substr(2) : path);
        } else if (gameRelativePaths && gamePath.size() >= 2) {
            path = gamePath + path.substr(1);
        }
    }
    path = collapseWithinRoot(path);
    if (endsWithDds(path)) path.replace(path.size() - 4, 4, ".png");
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}
