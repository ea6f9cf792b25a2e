#include "PathUtils.h"

namespace Q5XSaveUtil {

bool isAbsolutePath(const std::string& path) {
    if (path.empty()) return false;
    if (path[0] == '/') return true;
    if (path.size() >= 2 && path[1] == ':') return true;
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

std::string normalizeSlashes(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '\\') c = '/';
    }
    if (result.size() >= 2 && result[0] == '/' && result[1] == '/') {
        result[0] = '\\';
        result[1] = '\\';
    }
    if (result.size() >= 3 && result[1] == ':' && result[2] != '/') result.insert(2, "/");
    return result;
}

std::string normalizePath(const std::string& path) {
    std::string result = normalizeSlashes(path);
    std::size_t from = 0;
    while (true) {
        const std::size_t p = result.find("/../", from);
        if (p == std::string::npos) return result;
        const std::size_t q = p == 0 ? std::string::npos : result.rfind('/', p - 1);
        if (q != std::string::npos && result[q + 1] != '.') {
            result.erase(q + 1, p + 4 - (q + 1));
            from = q;
        } else {
            from = p + 3;
        }
    }
}

bool collapseParentRefs(std::string& path) {
    while (true) {
        const std::size_t p = path.find("../");
        if (p == std::string::npos) return true;
        if (p <= 1 || path[p - 1] != '/') return false;
        const std::size_t q = path.rfind('/', p - 2);
        if (q != std::string::npos) {
            path.erase(q + 1, p + 3 - (q + 1));
        } else {
            path.erase(0, p + 3);
        }
    }
}

void getDirectory(const std::string& path, std::string& out) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return;
    out = path.substr(0, slash + 1);
}

void getFileName(const std::string& path, std::string& out, bool keepExtension) {
    const std::size_t slash = path.rfind('/');
    out = slash == std::string::npos ? path : path.substr(slash + 1);
    if (keepExtension) return;
    const std::size_t dot = out.rfind('.');
    if (dot != std::string::npos) out.erase(dot);
}

namespace {

std::size_t countParentGroups(const std::string& relative) {
    std::size_t count = 0;
    while (relative.compare(count * 3, 3, "../") == 0) ++count;
    return count;
}

std::string dropParentGroups(const std::string& relative, std::size_t count) {
    const std::size_t available = countParentGroups(relative);
    return relative.substr(3 * (count < available ? count : available));
}

}  // namespace

void joinPath(const std::string& base, const std::string& relative, std::string& out) {
    if (isAbsolutePath(relative) || base.empty()) {
        out = relative;
        return;
    }
    if (relative == ".") {
        out = base;
        return;
    }
    const std::size_t levels = countParentGroups(relative);
    const std::size_t length = !base.empty() && base.back() == '/' ? base.size() - 1 : base.size();
    if (levels == 0) {
        out = base.substr(0, length) + "/" + relative;
        return;
    }
    std::size_t end = length;
    std::size_t climbed = 0;
    while (climbed < levels) {
        const std::size_t slash = end == 0 ? std::string::npos : base.rfind('/', end - 1);
        if (slash == std::string::npos || slash == 0) break;
        end = slash;
        ++climbed;
    }
    if (climbed == levels) {
        out = base.substr(0, end) + "/" + dropParentGroups(relative, levels);
    } else if (isAbsolutePath(base)) {
        out = base.substr(0, length) + "/" + relative;
    } else {
        out = dropParentGroups(relative, climbed + 1);
    }
}

bool makeRelativePath(const std::string& baseDir, const std::string& comparePath, const std::string& textPath,
                      std::string& out) {
    if (comparePath.compare(0, baseDir.size(), baseDir) == 0) {
        out = textPath.size() >= baseDir.size() ? textPath.substr(baseDir.size()) : std::string();
        return true;
    }
    std::size_t common = 0;
    while (common < comparePath.size() && common < baseDir.size() && comparePath[common] == baseDir[common]) {
        ++common;
    }
    if (common == 0) return false;
    const std::size_t q = comparePath.rfind('/', common - 1);
    if (q == std::string::npos || q == 0) return false;
    std::size_t climbs = 0;
    for (std::size_t i = q + 1; i < baseDir.size(); ++i) {
        if (baseDir[i] == '/') ++climbs;
    }
    out.clear();
    for (std::size_t i = 0; i < climbs; ++i) out += "../";
    out += textPath.size() > q + 1 ? textPath.substr(q + 1) : std::string();
    return true;
}

}  // namespace Q5XSaveUtil
