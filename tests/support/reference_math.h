// The scene's matrices written out from their definitions in double precision, independently of
// the code under test: row vectors, so a point p goes to p * M and A * B applies A first.
#pragma once

#include <d3d9.h>
#include <gtest/gtest.h>

#include <cmath>

struct Matrix {
    double m[4][4];
};

inline Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            for (int k = 0; k < 4; ++k) {
                product.m[row][column] += a.m[row][k] * b.m[k][column];
            }
        }
    }
    return product;
}

inline Matrix Translation(double x, double y, double z) {
    return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1}}};
}

// Left-handed: +Y turns towards +Z.
inline Matrix RotationX(double a) {
    return {{{1, 0, 0, 0}, {0, cos(a), sin(a), 0}, {0, -sin(a), cos(a), 0}, {0, 0, 0, 1}}};
}

// Left-handed: +X turns towards -Z.
inline Matrix RotationY(double a) {
    return {{{cos(a), 0, -sin(a), 0}, {0, 1, 0, 0}, {sin(a), 0, cos(a), 0}, {0, 0, 0, 1}}};
}

// The spin after the given number of frames: RotationX(angle / 11) * RotationY(angle), the angle
// summed in single precision as the program sums it.
inline Matrix SpinAfter(int frames) {
    float angle = 0.0f;
    for (int i = 0; i < frames; ++i) {
        angle += 0.015f;
    }
    return Multiply(RotationX(angle / 11.0f), RotationY(angle));
}

// The camera: eye (0, 2, 11) looking at (0, -0.2, 0) with Y up, as a left-handed look-at matrix
// whose columns are the camera's axes.
inline Matrix CameraView() {
    const double eye[3] = {0, 2, 11};
    // z = normalize(at - eye); x = normalize(up x z) with up (0, 1, 0); y = z x x.
    const double dy = (double)-0.2f - eye[1];
    const double dz = -eye[2];
    const double length = std::sqrt(dy * dy + dz * dz);
    const double z[3] = {0, dy / length, dz / length};
    const double x[3] = {-1, 0, 0}; // z points down -Z, so up x z is -X
    const double y[3] = {0, -z[2], z[1]};
    const auto dot = [&](const double* v) { return v[0] * eye[0] + v[1] * eye[1] + v[2] * eye[2]; };
    return {{{x[0], y[0], z[0], 0},
             {x[1], y[1], z[1], 0},
             {x[2], y[2], z[2], 0},
             {-dot(x), -dot(y), -dot(z), 1}}};
}

// The projection: vertical field of view pi/4 and aspect 4/3 (both single-precision values),
// planes at 1 and 100, depth 0 at the near plane and 1 at the far.
inline Matrix CameraProjection() {
    const double fov = (float)(M_PI / 4.0);
    const double aspect = 4.0f / 3.0f;
    const double nearZ = 1.0;
    const double farZ = 100.0;
    const double yScale = 1.0 / std::tan(fov / 2.0);
    const double q = farZ / (farZ - nearZ);
    return {{{yScale / aspect, 0, 0, 0}, {0, yScale, 0, 0}, {0, 0, q, 1}, {0, 0, -nearZ * q, 0}}};
}

// Every element within tolerance, relative to the element's size where that exceeds 1.
inline testing::AssertionResult MatrixNear(const D3DMATRIX& actual, const Matrix& expected,
                                           double tolerance) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double e = expected.m[row][column];
            if (std::abs(actual.m[row][column] - e) > tolerance * std::fmax(1.0, std::abs(e))) {
                return testing::AssertionFailure()
                       << "element [" << row << "][" << column << "] is " << actual.m[row][column]
                       << ", expected " << e;
            }
        }
    }
    return testing::AssertionSuccess();
}
