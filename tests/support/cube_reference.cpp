#include "cube_reference.h"

#include <cstring>
#include <vector>

namespace {

// x, y, z, nx, ny, nz, u, v; four vertices per face: +Z, -Z, +Y, -Y, +X, -X.
const float VERTICES[24][8] = {
    {-1, -1, 1, 0, 0, 1, 0, 0},   {1, -1, 1, 0, 0, 1, 1, 0},    {-1, 1, 1, 0, 0, 1, 0, 1},
    {1, 1, 1, 0, 0, 1, 1, 1},     {-1, -1, -1, 0, 0, -1, 0, 0}, {-1, 1, -1, 0, 0, -1, 0, 1},
    {1, -1, -1, 0, 0, -1, 1, 0},  {1, 1, -1, 0, 0, -1, 1, 1},   {-1, 1, -1, 0, 1, 0, 0, 0},
    {-1, 1, 1, 0, 1, 0, 0, 1},    {1, 1, -1, 0, 1, 0, 1, 0},    {1, 1, 1, 0, 1, 0, 1, 1},
    {-1, -1, -1, 0, -1, 0, 0, 0}, {1, -1, -1, 0, -1, 0, 1, 0},  {-1, -1, 1, 0, -1, 0, 0, 1},
    {1, -1, 1, 0, -1, 0, 1, 1},   {1, -1, -1, 1, 0, 0, 0, 0},   {1, 1, -1, 1, 0, 0, 0, 1},
    {1, -1, 1, 1, 0, 0, 1, 0},    {1, 1, 1, 1, 0, 0, 1, 1},     {-1, -1, -1, -1, 0, 0, 0, 0},
    {-1, -1, 1, -1, 0, 0, 1, 0},  {-1, 1, -1, -1, 0, 0, 0, 1},  {-1, 1, 1, -1, 0, 0, 1, 1},
};

const WORD INDICES[36] = {0,  1,  2,  2,  1,  3,  4,  5,  6,  6,  5,  7,  8,  9,  10, 10, 9,  11,
                          12, 13, 14, 14, 13, 15, 16, 17, 18, 18, 17, 19, 20, 21, 22, 22, 21, 23};

template <class Buffer>
testing::AssertionResult Holds(const Buffer* buffer, const char* name, const void* expected,
                               size_t size) {
    if (buffer == nullptr) {
        return testing::AssertionFailure() << "no " << name << " buffer was created";
    }
    if (buffer->bytes.size() != size) {
        return testing::AssertionFailure() << "the " << name << " buffer has "
                                           << buffer->bytes.size() << " bytes, not " << size;
    }
    for (size_t i = 0; i < size; ++i) {
        if (buffer->bytes[i] != static_cast<const unsigned char*>(expected)[i]) {
            return testing::AssertionFailure() << "the " << name << " buffer differs at byte " << i;
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

testing::AssertionResult BuffersHoldTheCube(const RecordingDevice& device, UINT stride) {
    const size_t columns = stride / sizeof(float);
    std::vector<float> vertices;
    for (const auto& vertex : VERTICES) {
        vertices.insert(vertices.end(), vertex, vertex + columns);
    }
    const testing::AssertionResult vertexResult =
        Holds(device.vertexBuffer, "vertex", vertices.data(), vertices.size() * sizeof(float));
    return vertexResult ? Holds(device.indexBuffer, "index", INDICES, sizeof(INDICES))
                        : vertexResult;
}
