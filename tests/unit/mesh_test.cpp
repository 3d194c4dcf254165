// The cube mesh and its two vertex images.
#include "mesh.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(Mesh, EveryTriangleWindsAroundItsFacesOutwardNormal) {
    for (UINT t = 0; t < CUBE_TRIANGLE_COUNT; ++t) {
        const TexturedVertex& a = g_cubeVertices[g_cubeIndices[3 * t]];
        const TexturedVertex& b = g_cubeVertices[g_cubeIndices[3 * t + 1]];
        const TexturedVertex& c = g_cubeVertices[g_cubeIndices[3 * t + 2]];
        const float ab[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
        const float ac[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
        const float cross[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2],
                                ab[0] * ac[1] - ab[1] * ac[0]};
        // The normal is shared by the triangle's vertices, points along one axis away from the
        // centre, and the winding agrees with it.
        EXPECT_EQ(a.nx, b.nx);
        EXPECT_EQ(a.nx, c.nx);
        EXPECT_EQ(a.ny, c.ny);
        EXPECT_EQ(a.nz, c.nz);
        EXPECT_EQ(std::abs(a.nx) + std::abs(a.ny) + std::abs(a.nz), 1.0f) << "triangle " << t;
        EXPECT_EQ(a.x * a.nx + a.y * a.ny + a.z * a.nz, 1.0f) << "triangle " << t;
        EXPECT_GT(cross[0] * a.nx + cross[1] * a.ny + cross[2] * a.nz, 0.0f) << "triangle " << t;
    }
}

TEST(Mesh, EachFaceHasItsOwnFourVerticesAndTheWholeImage) {
    for (UINT face = 0; face < 6; ++face) {
        float uSum = 0.0f;
        float vSum = 0.0f;
        for (UINT i = 0; i < 6; ++i) {
            const WORD index = g_cubeIndices[6 * face + i];
            EXPECT_GE(index, 4 * face);
            EXPECT_LT(index, 4 * face + 4);
        }
        for (UINT k = 0; k < 4; ++k) {
            uSum += g_cubeVertices[4 * face + k].u;
            vSum += g_cubeVertices[4 * face + k].v;
        }
        EXPECT_EQ(uSum, 2.0f); // corners (0,0), (1,0), (0,1), (1,1) in some order
        EXPECT_EQ(vSum, 2.0f);
    }
}

TEST(Mesh, LitAndTexturedImagesHoldTheSameVerticesInOrder) {
    EXPECT_EQ(sizeof(g_cubeIndices), 72u);
    std::vector<LitVertex> lit(CUBE_VERTEX_COUNT);
    std::vector<TexturedVertex> textured(CUBE_VERTEX_COUNT);
    WriteCubeVertices(lit.data(), sizeof(LitVertex));
    WriteCubeVertices(textured.data(), sizeof(TexturedVertex));
    EXPECT_EQ(lit.size() * sizeof(LitVertex), 576u);
    EXPECT_EQ(textured.size() * sizeof(TexturedVertex), 768u);

    for (UINT i = 0; i < CUBE_VERTEX_COUNT; ++i) {
        EXPECT_EQ(0, std::memcmp(&lit[i], &textured[i], sizeof(LitVertex))) << "vertex " << i;
        EXPECT_EQ(0, std::memcmp(&textured[i], &g_cubeVertices[i], sizeof(TexturedVertex)));
    }
}

TEST(Mesh, LitImageIsPackedWithoutGaps) {
    std::vector<float> floats(CUBE_VERTEX_COUNT * 6 + 1, -7.0f);
    WriteCubeVertices(floats.data(), sizeof(LitVertex));
    EXPECT_EQ(floats[6], g_cubeVertices[1].x); // vertex 1 starts right after vertex 0's normal
    EXPECT_EQ(floats[CUBE_VERTEX_COUNT * 6 - 1], g_cubeVertices[23].nz);
    EXPECT_EQ(floats[CUBE_VERTEX_COUNT * 6], -7.0f); // nothing written past 576 bytes
}

} // namespace
