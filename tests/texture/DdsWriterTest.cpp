#include "texture/DdsWriter.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"
#include "support/TempFolder.h"
#include "texture/DdsReader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace {

DdsFile writeAndRead(const TempFolder& folder, std::uint32_t width, std::uint32_t height, std::uint32_t channels,
                     std::int32_t arraySize, const char* type) {
    const std::vector<std::uint8_t> pixels(std::size_t(width) * height * channels * 4 * (arraySize > 1 ? arraySize : 1), 0xAB);
    writeDDS(folder.file("t.dds").c_str(), width, height, channels, arraySize, type, pixels.data());
    return DdsFile(readFile(folder.file("t.dds")));
}

}  // namespace

TEST(DdsWriter, LegacyRgbaUnormHeader) {
    TempFolder folder;
    const DdsFile dds = writeAndRead(folder, 256, 256, 4, 1, "unorm");
    ASSERT_EQ(dds.bytes.size(), 128u + 262144u);
    EXPECT_EQ(dds.bytes.substr(0, 4), "DDS ");
    EXPECT_EQ(dds.header(0), 124u);
    EXPECT_EQ(dds.header(4), 0x00021007u);
    EXPECT_EQ(dds.header(8), 256u);
    EXPECT_EQ(dds.header(12), 256u);
    EXPECT_EQ(dds.header(24), 1u);
    for (std::size_t offset = 28; offset < 72; offset += 4) EXPECT_EQ(dds.header(offset), 0u) << offset;
    EXPECT_EQ(dds.header(72), 32u);
    EXPECT_EQ(dds.header(76), 0x41u);
    EXPECT_EQ(dds.header(80), 0u);
    EXPECT_EQ(dds.header(84), 32u);
    EXPECT_EQ(dds.header(88), 0x000000FFu);
    EXPECT_EQ(dds.header(92), 0x0000FF00u);
    EXPECT_EQ(dds.header(96), 0x00FF0000u);
    EXPECT_EQ(dds.header(100), 0xFF000000u);
    EXPECT_EQ(dds.header(104), 0x1000u);
    EXPECT_FALSE(dds.hasExtendedHeader());
}

TEST(DdsWriter, ExtendedHeaderAndTheSmallTextureMarker) {
    TempFolder folder;
    DdsFile dds = writeAndRead(folder, 64, 64, 1, 1, "unorm");
    ASSERT_TRUE(dds.hasExtendedHeader());
    EXPECT_EQ(dds.header(76), 0x4u);
    EXPECT_EQ(dds.header(84), 0u);
    EXPECT_EQ(dds.extended(0), 61u);
    EXPECT_EQ(dds.extended(4), 3u);
    EXPECT_EQ(dds.extended(12), 1u);
    EXPECT_EQ(dds.header(28), 0x288AE8D9u);
    EXPECT_EQ(dds.header(36), 2u);
    EXPECT_EQ(dds.bytes.size(), 148u + 4096u);

    EXPECT_EQ(writeAndRead(folder, 128, 128, 2, 1, "unorm").header(28), 0x288AE8D9u);
    EXPECT_EQ(writeAndRead(folder, 128, 129, 2, 1, "unorm").header(28), 0u);
    EXPECT_EQ(writeAndRead(folder, 128, 129, 2, 1, "unorm").extended(0), 49u);

    dds = writeAndRead(folder, 16, 8, 2, 6, "half");
    EXPECT_EQ(dds.extended(0), 34u);
    EXPECT_EQ(dds.extended(12), 6u);
    EXPECT_EQ(dds.data().size(), 2u * 8 * 16 * 6 * 2);
}

TEST(DdsWriter, LegacyFloatFormatsAndClampedArraySizes) {
    TempFolder folder;
    for (std::int32_t arraySize : {0, -5, 1}) {
        const DdsFile dds = writeAndRead(folder, 4, 4, 4, arraySize, "float");
        EXPECT_FALSE(dds.hasExtendedHeader());
        EXPECT_EQ(dds.header(80), 116u);
        EXPECT_EQ(dds.data().size(), 4u * 4 * 4 * 4);
    }
    EXPECT_EQ(writeAndRead(folder, 4, 4, 1, 1, "float").header(80), 114u);
    EXPECT_EQ(writeAndRead(folder, 4, 4, 2, 1, "float").header(80), 115u);
    EXPECT_EQ(writeAndRead(folder, 4, 4, 1, 1, "half").header(80), 111u);
    EXPECT_EQ(writeAndRead(folder, 4, 4, 4, 1, "half").header(80), 113u);
    EXPECT_EQ(writeAndRead(folder, 4, 4, 4, 3, "float").extended(0), 2u);
}

TEST(DdsWriter, InvalidArgumentsCreateNoFile) {
    TempFolder folder;
    const std::vector<std::uint8_t> pixels(1024);
    const std::string path = folder.file("t.dds");
    writeDDS(path.c_str(), 4, 4, 3, 1, "unorm", pixels.data());
    writeDDS(path.c_str(), 4, 4, 0, 1, "unorm", pixels.data());
    writeDDS(path.c_str(), 4, 4, 5, 1, "unorm", pixels.data());
    writeDDS(path.c_str(), 4, 4, 4, 1, "Float", pixels.data());
    writeDDS(path.c_str(), 4, 4, 4, 2, "rgba", pixels.data());
    writeDDS(path.c_str(), 4, 4, 4, 1, nullptr, pixels.data());
    writeDDS(path.c_str(), 4, 4, 4, 1, "unorm", nullptr);
    writeDDS(nullptr, 4, 4, 4, 1, "unorm", pixels.data());
    EXPECT_TRUE(folder.entries().empty());

    const DdsDescription huge{65536, 65536, 4, 1, DdsStorage::Unorm};
    EXPECT_EQ(writeDdsFile(path, huge, pixels.data()), DdsWriteResult::TooLarge);
    const DdsDescription wrapping{0xFFFFFFFFu, 0xFFFFFFFFu, 4, 0xFFFFFFFFu, DdsStorage::Float};
    EXPECT_EQ(writeDdsFile(path, wrapping, pixels.data()), DdsWriteResult::TooLarge);
    const DdsDescription fits{4, 4, 4, 1, DdsStorage::Unorm};
    EXPECT_EQ(writeDdsFile(folder.file("missing/t.dds"), fits, pixels.data()), DdsWriteResult::WriteFailed);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(DdsWriter, RelativeNamesLandInTheWorkingFolderAndLoadersDoNotPileUp) {
    TempFolder work;
    TempFolder exportFolder;
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(work.root().c_str()), 0);
    std::filesystem::create_directory(work.file("tex"));

    // An export run's loader in the list must not capture the texture's relative name.
    Q5XSaveUtil::FileSystem& fileSystem = Q5XSaveUtil::FileSystem::instance();
    const std::size_t loadersBefore = fileSystem.loaderCount();
    {
        Q5XSaveUtil::ScopedLoader exportLoader(fileSystem,
                                               std::make_unique<Q5XSaveUtil::NativeFileLoader>(exportFolder.root()));
        const std::vector<std::uint8_t> pixels(64);
        for (int i = 0; i < 1000; ++i) writeDDS("tex/a.dds", 2, 2, 4, 1, "unorm", pixels.data());
        EXPECT_EQ(fileSystem.loaderCount(), loadersBefore + 1);
    }
    EXPECT_EQ(fileSystem.loaderCount(), loadersBefore);
    EXPECT_TRUE(std::filesystem::exists(work.file("tex/a.dds")));
    EXPECT_TRUE(exportFolder.entries().empty());
    EXPECT_EQ(work.entries(), (std::vector<std::string>{"tex"}));
    ASSERT_EQ(chdir(previous), 0);
}

// Pillow honours the channel masks of uncompressed files (ImageMagick 6 assumes BGRA order).
TEST(DdsWriter, AnIndependentDecoderReadsTheUnormPixels) {
    const char* python = "/usr/bin/python3";
    TempFolder folder;
    const std::string script = folder.file("decode.py");
    writeFile(script,
              "import sys\n"
              "from PIL import Image\n"
              "image = Image.open(sys.argv[1])\n"
              "print(image.mode, image.size, list(image.getdata()))\n");
    if (!std::filesystem::exists(python) || std::system((std::string(python) + " -c 'import PIL' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "Pillow is not installed";
    }
    const std::vector<std::uint8_t> pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 255, 10, 20, 30, 40};
    writeDDS(folder.file("rgba.dds").c_str(), 2, 2, 4, 1, "unorm", pixels.data());
    const std::string command = std::string(python) + " " + script + " " + folder.file("rgba.dds") + " > " +
                                folder.file("pixels.txt") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(folder.file("pixels.txt"));
    EXPECT_EQ(readFile(folder.file("pixels.txt")),
              "RGBA (2, 2) [(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 255), (10, 20, 30, 40)]\n");
}
