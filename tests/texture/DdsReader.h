#ifndef Q5X_TESTS_DDSREADER_H
#define Q5X_TESTS_DDSREADER_H

#include <cstdint>
#include <cstring>
#include <string>

// Reads back the fields of a DDS file by their documented offsets, independent of the writer.
struct DdsFile {
    explicit DdsFile(std::string bytes) : bytes(std::move(bytes)) {}

    std::uint32_t word(std::size_t offset) const {
        std::uint32_t value = 0;
        if (offset + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    }
    // Offsets inside the 124-byte header, which follows the 4-byte magic.
    std::uint32_t header(std::size_t offset) const { return word(4 + offset); }
    std::uint32_t extended(std::size_t offset) const { return word(128 + offset); }
    bool hasExtendedHeader() const { return header(80) == 0x30315844; }
    std::size_t dataOffset() const { return hasExtendedHeader() ? 148 : 128; }
    std::string data() const { return bytes.substr(dataOffset()); }

    std::string bytes;
};

#endif
