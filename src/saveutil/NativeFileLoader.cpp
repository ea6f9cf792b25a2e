#include "NativeFileLoader.h"

#include "NativeFile.h"

#include <memory>

namespace Q5XSaveUtil {

NativeFileLoader::NativeFileLoader(std::string root) : IFileLoader(kPriority), root_(std::move(root)) {}

std::string NativeFileLoader::pathOf(const std::string& name, bool isAbsolute) const {
    return isAbsolute ? name : root_ + name;
}

File* NativeFileLoader::open(const std::string& name, std::uint32_t mode, bool isAbsolute, bool) {
    auto file = std::make_unique<NativeFile>();
    if (!file->open(pathOf(name, isAbsolute), mode)) return nullptr;
    return file.release();
}

// Directory listings are never needed by the exporter.
bool NativeFileLoader::listDirectory(const std::string&, std::vector<std::string>& entries) {
    entries.clear();
    return false;
}

void NativeFileLoader::update() {}

PathKind NativeFileLoader::exists(const std::string& name, bool isAbsolute) {
    return pathKind(pathOf(name, isAbsolute));
}

void NativeFileLoader::setRoot(const std::string& root) {
    root_ = root;
}

bool NativeFileLoader::isArchive() const {
    return false;
}

bool NativeFileLoader::isReadOnly() const {
    return false;
}

}  // namespace Q5XSaveUtil
