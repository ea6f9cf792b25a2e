#ifndef MAYAHOST_SCENEFILETEXT_H
#define MAYAHOST_SCENEFILETEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace mayahost {

// The bytes of a scene file, read into memory of the process's own (never mapped from the file,
// so that a file another program shortens while it is read is a read error, not a crash). The
// reader hands back what it is done with as it goes, so a large scene never holds its whole text
// and its data in memory at once.
class SceneFileText {
public:
    // False with a message naming the file when it cannot be read whole.
    bool read(const std::string& path, std::string& error);
    ~SceneFileText();
    SceneFileText() = default;
    SceneFileText(const SceneFileText&) = delete;
    SceneFileText& operator=(const SceneFileText&) = delete;

    std::string_view text() const { return std::string_view(data_ ? data_ : "", size_); }
    // The reader will not look at the first `consumed` bytes again.
    void release(std::size_t consumed);

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t released_ = 0;
};

}  // namespace mayahost

#endif
