#ifndef MAYAHOST_NAMEHASH_H
#define MAYAHOST_NAMEHASH_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace mayahost {

// The hash the stand-in's name tables (NameMap, NodeNameIndex) file a name under. The names are
// short ("tx", "q5X_collision", "fc[0]"), and an export looks each node's up dozens of times, so
// the hash takes eight bytes per step and mixes once at the end.
inline std::uint32_t keyHash(std::string_view name) noexcept {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    const char* bytes = name.data();
    const std::size_t size = name.size();
    auto load = [bytes](std::size_t at, std::size_t width) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + at, width);  // a fixed width: one load, no call
        return word;
    };
    std::uint64_t hash = size * kMultiplier;
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        hash = (hash ^ load(at, 8)) * kMultiplier;
        hash ^= hash >> 29;
    }
    // The last 1 to 7 bytes as two overlapping loads.
    const std::size_t left = size - at;
    std::uint64_t tail = 0;
    if (left >= 4) {
        tail = load(at, 4) | load(size - 4, 4) << 32;
    } else if (left > 0) {
        tail = std::uint64_t(std::uint8_t(bytes[at])) | std::uint64_t(std::uint8_t(bytes[at + left / 2])) << 8 |
               std::uint64_t(std::uint8_t(bytes[size - 1])) << 16;
    }
    hash = (hash ^ tail) * 0xBF58476D1CE4E5B9ull;
    hash ^= hash >> 31;
    hash *= 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// A name and its keyHash, for names the stand-in itself asks every node for.
struct HashedName {
    explicit HashedName(std::string_view text) : name(text), hash(keyHash(text)) {}
    std::string_view name;
    std::uint32_t hash;
};

}  // namespace mayahost

#endif
