#ifndef Q5XSAVEUTIL_LITTLEENDIANBYTES_H
#define Q5XSAVEUTIL_LITTLEENDIANBYTES_H

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace Q5XSaveUtil {

// Appends numbers to a byte buffer in little-endian order, whatever the machine's own order:
// the companion files and textures are read on other platforms.
class LittleEndianBytes {
public:
    explicit LittleEndianBytes(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(std::uint8_t(value >> shift));
    }
    void u16(std::uint16_t value) {
        bytes_.push_back(std::uint8_t(value));
        bytes_.push_back(std::uint8_t(value >> 8));
    }
    // NaN and infinities never reach a file: they are written as 0 (writers check their values
    // first and name what held them; this is the last guard).
    void f32(float value) {
        if (!std::isfinite(value)) value = 0.0f;
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        u32(bits);
    }
    // Streams go out in one piece: the buffer grows once, not per byte.
    void floats(const std::vector<float>& values) {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + 4 * values.size());
        std::uint8_t* out = bytes_.data() + at;
        for (float value : values) {
            if (!std::isfinite(value)) value = 0.0f;
            std::uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            for (int shift = 0; shift < 32; shift += 8) *out++ = std::uint8_t(bits >> shift);
        }
    }
    void text(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    // Bytes laid out already (records of another library, copied as they are).
    void raw(const void* data, std::size_t count) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), bytes, bytes + count);
    }
    // Zero bytes until the length counted from `from` is a multiple of `multiple`.
    void pad(std::size_t from, std::size_t multiple) {
        while ((bytes_.size() - from) % multiple != 0) bytes_.push_back(0);
    }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace Q5XSaveUtil

#endif
