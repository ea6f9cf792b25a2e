#ifndef Q5X_GEOMETRY_CRC64_H
#define Q5X_GEOMETRY_CRC64_H

#include <cstddef>
#include <cstdint>

// Reflected, table-driven 64-bit CRC (ECMA-182 polynomial) fed byte by byte, low byte first.
class Crc64 {
public:
    void add(const void* data, std::size_t size);
    void addWord(std::uint32_t word) { add(&word, sizeof word); }
    std::uint64_t value() const { return ~crc_; }

private:
    std::uint64_t crc_ = ~std::uint64_t(0);
};

#endif
