// Direct3D's clip space on OpenGL: where a point lands in the back buffer after the projection
// and its adjustment, against where Direct3D 9 puts it.
#include "../../port/src/d3d9/pipeline/fixed_function_uniforms.h"

#include <gtest/gtest.h>

namespace {

D3DMATRIX Identity() {
    D3DMATRIX identity{};
    identity._11 = identity._22 = identity._33 = identity._44 = 1;
    return identity;
}

// Left-handed perspective: vertical field of view 90 degrees (y scale 1), aspect 4/3 (x scale
// 0.75), near 1, far 11: z' = 1.1 z - 1.1, w = z.
D3DMATRIX Perspective() {
    D3DMATRIX perspective{};
    perspective._11 = 0.75f;
    perspective._22 = 1;
    perspective._33 = 1.1f;
    perspective._34 = 1;
    perspective._43 = -1.1f;
    return perspective;
}

struct Case {
    const char* name;
    D3DMATRIX projection;
    float point[3];
    UINT width;
    UINT height;
    // Where Direct3D 9 puts the point: X, Y from the target's top-left corner, where pixel
    // (i, j) is sampled at (i, j); depth in [0, 1].
    double x;
    double y;
    double depth;
};

} // namespace

// OpenGL samples pixel (i, j) at (i + 0.5, j + 0.5) from the bottom-left corner, so the point at
// Direct3D's (x, y) must land at (x + 0.5, height - y - 0.5): half a pixel further right and
// down, to within the 1/64 pixel that keeps the top-left fill rule; depth the same as
// Direct3D's.
TEST(Projection, PointsLandWhereDirect3DPutsThem) {
    const Case cases[] = {
        {"top-left corner", Identity(), {-1, 1, 0}, 640, 480, 0, 0, 0},
        {"flat, far", Identity(), {0.5f, -0.25f, 1}, 640, 480, 480, 300, 1},
        // Clip (1.5, -1, 4.4, 5): (0.3, -0.2) on 800 x 600 and depth 0.88.
        {"perspective", Perspective(), {2, -1, 5}, 800, 600, 520, 360, 0.88},
        {"on the near plane", Perspective(), {-1, 0.5f, 1}, 800, 600, 100, 150, 0},
        {"on the far plane", Perspective(), {11, 11, 11}, 800, 600, 700, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const D3DMATRIX m = AdjustProjection(c.projection, c.width, c.height);
        double clip[4];
        for (int column = 0; column < 4; ++column) {
            clip[column] = c.point[0] * m.m[0][column] + c.point[1] * m.m[1][column] +
                           c.point[2] * m.m[2][column] + m.m[3][column];
        }
        // OpenGL's viewport over the whole target and depth range [0, 1].
        const double windowX = (clip[0] / clip[3] + 1.0) * c.width / 2.0;
        const double windowY = (clip[1] / clip[3] + 1.0) * c.height / 2.0;
        const double depth = (clip[2] / clip[3] + 1.0) / 2.0;
        EXPECT_NEAR(c.x + 0.5, windowX, 1.0 / 64.0);
        EXPECT_NEAR(c.height - c.y - 0.5, windowY, 1.0 / 64.0);
        EXPECT_NEAR(c.depth, depth, 1e-5);
    }
}
