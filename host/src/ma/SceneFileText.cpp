#include "SceneFileText.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mayahost {

namespace {

// Memory is handed back in steps this large, so that the calls stay rare.
constexpr std::size_t kReleaseStep = std::size_t(8) << 20;

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace

bool SceneFileText::read(const std::string& path, std::string& error) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + ": cannot be opened";
        return false;
    }
    size_ = static_cast<std::size_t>(info.st_size);
    if (size_ == 0) return true;
    // Anonymous pages: they can be given back to the system once read.
    void* memory = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        size_ = 0;
        error = path + ": not enough memory to read the file";
        return false;
    }
    data_ = static_cast<char*>(memory);
    std::size_t done = 0;
    while (done < size_) {
        const ssize_t count = ::read(file.get(), data_ + done, size_ - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            error = path + (count < 0 ? ": cannot be read (" + std::string(std::strerror(errno)) + ")"
                                      : ": the file became shorter while it was read");
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

SceneFileText::~SceneFileText() {
    if (data_) munmap(data_, size_);
}

void SceneFileText::release(std::size_t consumed) {
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t end = consumed / page * page;
    if (!data_ || end < released_ + kReleaseStep) return;
    madvise(data_ + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

}  // namespace mayahost
