#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps its own count; GCC installs no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

// Bytes the process holds from the heap right now, whichever allocator the build uses: a test that a
// store stays bounded reads it before and after filling the store.
inline std::size_t liveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}
