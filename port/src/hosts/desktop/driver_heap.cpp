#include "driver_heap.h"

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Freed memory the heap keeps before it shrinks: above what llvmpipe's scenes free at a time at
// tens of thousands of draws a frame. Setting it also fixes the size from which blocks are mapped
// on their own (128 KiB), so large blocks, textures' levels among them, still go back at once.
const int KEPT_BYTES = 64 * 1024 * 1024;

} // namespace

void KeepDriverHeap() {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, KEPT_BYTES);
#endif
}
