#ifndef Q5XCHECK_COLLISIONBLOB_H
#define Q5XCHECK_COLLISIONBLOB_H

#include "Report.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Checks one cooked collision blob by its magic word: the triangle mesh (vertices, 16-bit
// indices, quantized BVH, edge map) or the convex hull (mass properties and hull points). Returns
// a line that describes it, for --dump.
std::string checkCollisionBlob(const std::uint8_t* bytes, std::uint32_t size, std::size_t fileOffset,
                               const std::string& file, const std::string& place, Report& report);

#endif
