// Frame 1's spin matrix, written out independently of the code under test:
// RotationX(0.015 / 11) * RotationY(0.015), its 3 x 3 rotation part.
#pragma once

#include <cmath>

struct Rotation {
    double m[3][3];
};

inline Rotation FirstFrameSpin() {
    const double pitch = 0.015f / 11.0f;
    const double yaw = 0.015f;
    return Rotation{{
        {std::cos(yaw), 0, -std::sin(yaw)},
        {std::sin(pitch) * std::sin(yaw), std::cos(pitch), std::sin(pitch) * std::cos(yaw)},
        {std::cos(pitch) * std::sin(yaw), -std::sin(pitch), std::cos(pitch) * std::cos(yaw)},
    }};
}
