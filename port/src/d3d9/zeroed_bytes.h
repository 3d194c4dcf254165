// Zeroed memory from calloc, which takes a large block as fresh pages from the system: a page is
// held, and costs its first touch, only once written, where filling a block with zeros touches
// every page at once.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

struct FreeBytes {
    void operator()(uint8_t* bytes) const { std::free(bytes); }
};
using ZeroedBytes = std::unique_ptr<uint8_t, FreeBytes>;

// count elements of size bytes, zeroed; throws std::bad_alloc when the memory is not there.
inline ZeroedBytes AllocateZeroed(size_t count, size_t size) {
    ZeroedBytes bytes((uint8_t*)std::calloc(count, size));
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
    return bytes;
}
