// The D3DX matrix functions, checked by what they do to points and against reference values
// measured on the real library.
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Point {
    float x, y, z, w;
};

Point Transform(const D3DXMATRIX& m, float x, float y, float z) {
    Point p;
    p.x = x * m._11 + y * m._21 + z * m._31 + m._41;
    p.y = x * m._12 + y * m._22 + z * m._32 + m._42;
    p.z = x * m._13 + y * m._23 + z * m._33 + m._43;
    p.w = x * m._14 + y * m._24 + z * m._34 + m._44;
    return p;
}

void ExpectMatrixNear(const D3DXMATRIX& actual, const float (&expected)[16], float tolerance) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual.m[i / 4][i % 4], expected[i], tolerance) << "element " << i;
    }
}

TEST(Matrix, RotationsTurnAxesTheLeftHandedWay) {
    D3DXMATRIX rotation;
    const float quarter = (float)M_PI / 2.0f;

    D3DXMatrixRotationY(&rotation, quarter);
    Point p = Transform(rotation, 1.0f, 0.0f, 0.0f); // +X swings to -Z
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, -1.0f, 1e-6f);
    p = Transform(rotation, 0.0f, 5.0f, 0.0f); // the axis stays put
    EXPECT_FLOAT_EQ(p.y, 5.0f);

    D3DXMatrixRotationX(&rotation, quarter);
    p = Transform(rotation, 0.0f, 1.0f, 0.0f); // +Y tips to +Z
    EXPECT_NEAR(p.y, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, 1.0f, 1e-6f);
    EXPECT_NEAR(p.w, 1.0f, 0.0f);
}

TEST(Matrix, MultiplyAppliesTheFirstMatrixFirst) {
    D3DXMATRIX translation;
    D3DXMATRIX rotation;
    D3DXMATRIX product;
    D3DXMatrixTranslation(&translation, 1.0f, 0.0f, 0.0f);
    D3DXMatrixRotationY(&rotation, (float)M_PI / 2.0f);

    EXPECT_EQ(D3DXMatrixMultiply(&product, &translation, &rotation), &product);
    Point p = Transform(product, 0.0f, 0.0f, 0.0f); // moved out, then swung round
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, -1.0f, 1e-6f);

    D3DXMatrixMultiply(&product, &rotation, &translation);
    p = Transform(product, 0.0f, 0.0f, 0.0f); // turned in place, then moved out
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.z, 0.0f, 1e-6f);
}

TEST(Matrix, ProjectionMapsNearAndFarPlanesToDepthZeroAndOne) {
    D3DXMATRIX projection;
    const float fovy = (float)M_PI / 4.0f;
    const float aspect = 4.0f / 3.0f;
    D3DXMatrixPerspectiveFovLH(&projection, fovy, aspect, 1.0f, 100.0f);

    Point nearPoint = Transform(projection, 0.3f, -0.2f, 1.0f);
    Point farPoint = Transform(projection, -20.0f, 10.0f, 100.0f);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, 0.0f, 1e-6f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-6f);

    // A point on the frustum's top-right edge lands on the corner of the viewport: the horizontal
    // extent is 4/3 of the vertical one.
    const float depth = 10.0f;
    const float halfHeight = depth * std::tan(fovy / 2.0f);
    Point corner = Transform(projection, halfHeight * aspect, halfHeight, depth);
    EXPECT_NEAR(corner.x / corner.w, 1.0f, 1e-5f);
    EXPECT_NEAR(corner.y / corner.w, 1.0f, 1e-5f);
}

TEST(Matrix, LookAtPutsTheEyeAtTheOriginLookingDownPlusZ) {
    const D3DXVECTOR3 eye(0.0f, 2.0f, 11.0f);
    const D3DXVECTOR3 at(0.0f, -0.2f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    EXPECT_EQ(D3DXMatrixLookAtLH(&view, &eye, &at, &up), &view);

    Point p = Transform(view, eye.x, eye.y, eye.z);
    EXPECT_NEAR(p.x, 0.0f, 1e-5f);
    EXPECT_NEAR(p.y, 0.0f, 1e-5f);
    EXPECT_NEAR(p.z, 0.0f, 1e-5f);

    p = Transform(view, at.x, at.y, at.z);
    EXPECT_NEAR(p.x, 0.0f, 1e-5f);
    EXPECT_NEAR(p.y, 0.0f, 1e-5f);
    EXPECT_NEAR(p.z, std::sqrt(2.2f * 2.2f + 11.0f * 11.0f), 1e-4f);

    p = Transform(view, 0.0f, 5.0f, 0.0f); // above the look-at point stays above
    EXPECT_GT(p.y, 0.0f);
}

TEST(Matrix, AgreesWithReferenceValues) {
    D3DXMATRIX a;
    D3DXMATRIX b;
    const float aValues[16] = {10, 5, 7, 8, 11, 20, 16, 33, 19, -21, 30, 43, 2, 3, -4, -40};
    const float bValues[16] = {1, 5, -8, -4, 2, 6, -7, -3, 3, 7, -6, -2, 4, 8, -5, -1};
    for (int i = 0; i < 16; ++i) {
        a.m[i / 4][i % 4] = aValues[i];
        b.m[i / 4][i % 4] = bValues[i];
    }
    D3DXMATRIX out;
    D3DXMatrixMultiply(&out, &a, &b);
    ExpectMatrixNear(
        out, {73, 193, -197, -77, 231, 551, -489, -169, 239, 523, -400, -116, -164, -320, 187, 31},
        0.0f);

    const D3DXVECTOR3 eye(8.0f, -5.0f, 5.75f);
    const D3DXVECTOR3 at(-2.0f, 13.0f, -9.0f);
    const D3DXVECTOR3 up(1.0f, -3.0f, 7.0f);
    D3DXMatrixLookAtLH(&out, &eye, &at, &up);
    ExpectMatrixNear(out,
                     {-0.82246518f, -0.40948939f, -0.39480308f, 0, -0.55585691f, 0.43128574f,
                      0.71064550f, 0, -0.12072885f, 0.80393475f, -0.58233452f, 0, 4.4946337f,
                      0.80971903f, 10.060076f, 1},
                     1e-5f);

    D3DXMatrixPerspectiveFovLH(&out, 0.2f, 0.75f, -2.4f, 8.7f);
    ExpectMatrixNear(
        out, {13.288858f, 0, 0, 0, 0, 9.9666444f, 0, 0, 0, 0, 0.78378378f, 1, 0, 0, 1.8810811f, 0},
        1e-5f);

    D3DXMatrixRotationX(&out, (float)M_PI / 3.0f);
    const float half = 0.5f;
    const float root = std::sqrt(3.0f) / 2.0f;
    ExpectMatrixNear(out, {1, 0, 0, 0, 0, half, root, 0, 0, -root, half, 0, 0, 0, 0, 1}, 1e-6f);

    D3DXMatrixTranslation(&out, 0.69f, 0.53f, 4.11f);
    ExpectMatrixNear(out, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0.69f, 0.53f, 4.11f, 1}, 0.0f);
}

} // namespace
