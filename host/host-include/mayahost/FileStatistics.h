#ifndef MAYAHOST_FILESTATISTICS_H
#define MAYAHOST_FILESTATISTICS_H

#include <cstdint>

namespace platform {

// Number of files moved into place so far in this process (the host reports it).
std::uint64_t filesPutInPlace();

}  // namespace platform

#endif
