// The D3DX matrix functions against reference values measured on the real library. The scene's
// own matrices are checked against their definitions where the device receives them.
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectMatrixNear(const D3DXMATRIX& actual, const float (&expected)[16], float tolerance) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual.m[i / 4][i % 4], expected[i], tolerance) << "element " << i;
    }
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
