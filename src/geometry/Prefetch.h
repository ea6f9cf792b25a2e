#ifndef Q5X_GEOMETRY_PREFETCH_H
#define Q5X_GEOMETRY_PREFETCH_H

#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#endif

// Asks for the cache line holding `address` ahead of its use; a hint only, so a compiler without
// one gets nothing.
inline void prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
    _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#else
    (void)address;
#endif
}

#endif
