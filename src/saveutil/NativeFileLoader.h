#ifndef Q5XSAVEUTIL_NATIVEFILELOADER_H
#define Q5XSAVEUTIL_NATIVEFILELOADER_H

#include "IFileLoader.h"

namespace Q5XSaveUtil {

// Opens files of the operating system; relative names are taken below the root.
class NativeFileLoader : public IFileLoader {
public:
    static constexpr std::uint32_t kPriority = 10;

    explicit NativeFileLoader(std::string root);

    File* open(const std::string& name, std::uint32_t mode, bool isAbsolute, bool asynchronous) override;
    bool listDirectory(const std::string& directory, std::vector<std::string>& entries) override;
    void update() override;
    PathKind exists(const std::string& name, bool isAbsolute) override;
    void setRoot(const std::string& root) override;
    bool isArchive() const override;
    bool isReadOnly() const override;

    const std::string& root() const { return root_; }

private:
    std::string pathOf(const std::string& name, bool isAbsolute) const;

    std::string root_;
};

}  // namespace Q5XSaveUtil

#endif
