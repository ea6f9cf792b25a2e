#ifndef Q5XCHECK_BYTEREADER_H
#define Q5XCHECK_BYTEREADER_H

#include <cstddef>
#include <cstdint>
#include <cstring>

// Little-endian fields from untrusted bytes: every read checks what is left first, so no count or
// offset in a file can make the reader look past its end.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size, std::size_t fileOffset)
        : data_(data), size_(size), fileOffset_(fileOffset) {}

    std::size_t remaining() const { return size_ - position_; }
    // Offset in the whole file, for messages.
    std::size_t offset() const { return fileOffset_ + position_; }
    bool atEnd() const { return position_ == size_; }

    bool u8(std::uint8_t& value) { return read(&value, 1); }
    bool u16(std::uint16_t& value) {
        std::uint8_t bytes[2];
        if (!read(bytes, 2)) return false;
        value = std::uint16_t(bytes[0] | bytes[1] << 8);
        return true;
    }
    bool u32(std::uint32_t& value) {
        std::uint8_t bytes[4];
        if (!read(bytes, 4)) return false;
        value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
                std::uint32_t(bytes[3]) << 24;
        return true;
    }
    bool f32(float& value) {
        std::uint32_t bits = 0;
        if (!u32(bits)) return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }
    // `count` bytes in place; the reader moves past them.
    bool bytes(std::size_t count, const std::uint8_t*& start) {
        if (count > remaining()) return false;
        start = data_ + position_;
        position_ += count;
        return true;
    }
    bool skip(std::size_t count) {
        const std::uint8_t* ignored = nullptr;
        return bytes(count, ignored);
    }
    // Whether `count` items of `itemSize` bytes can still follow; guards every allocation.
    bool canHold(std::uint64_t count, std::uint64_t itemSize) const {
        return itemSize == 0 || count <= remaining() / itemSize;
    }

private:
    bool read(void* out, std::size_t count) {
        if (count > remaining()) return false;
        std::memcpy(out, data_ + position_, count);
        position_ += count;
        return true;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t fileOffset_;
    std::size_t position_ = 0;
};

#endif
