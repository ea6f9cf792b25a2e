#ifndef PLATFORM_FILESTATISTICS_H
#define PLATFORM_FILESTATISTICS_H

#include <cstdint>

namespace platform {

// Number of files moved into place so far in this process (q5xhost reports it in its summary).
std::uint64_t filesPutInPlace();

}  // namespace platform

#endif
