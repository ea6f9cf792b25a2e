#include "Crc64.h"

#include <array>

namespace {

constexpr std::uint64_t kReflectedPolynomial = 0xC96C5795D7870F42ull;

const std::array<std::uint64_t, 256>& crcTable() {
    static const std::array<std::uint64_t, 256> table = [] {
        std::array<std::uint64_t, 256> entries{};
        for (std::uint64_t byte = 0; byte < 256; ++byte) {
            std::uint64_t crc = byte;
            for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? kReflectedPolynomial : 0);
            entries[byte] = crc;
        }
        return entries;
    }();
    return table;
}

}  // namespace

void Crc64::add(const void* data, std::size_t size) {
    const auto& table = crcTable();
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) crc_ = table[(crc_ ^ bytes[i]) & 0xFF] ^ (crc_ >> 8);
}
