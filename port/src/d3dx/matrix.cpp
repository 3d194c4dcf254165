// D3DX matrix functions in single precision, row-vector convention.
#include <d3dx9.h>

#include <cmath>

namespace {

D3DXVECTOR3 Subtract(const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
    return D3DXVECTOR3(a.x - b.x, a.y - b.y, a.z - b.z);
}

D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
    return D3DXVECTOR3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

float Dot(const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

D3DXVECTOR3 Normalize(const D3DXVECTOR3& v) {
    const float length = std::sqrt(Dot(v, v));
    if (length == 0.0f) {
        return v;
    }
    return D3DXVECTOR3(v.x / length, v.y / length, v.z / length);
}

void SetIdentity(D3DXMATRIX* out) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            out->m[row][column] = row == column ? 1.0f : 0.0f;
        }
    }
}

} // namespace

D3DXMATRIX* WINAPI D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye,
                                      const D3DXVECTOR3* at, const D3DXVECTOR3* up) {
    const D3DXVECTOR3 zAxis = Normalize(Subtract(*at, *eye));
    const D3DXVECTOR3 xAxis = Normalize(Cross(*up, zAxis));
    const D3DXVECTOR3 yAxis = Cross(zAxis, xAxis);
    const D3DXVECTOR3 axes[3] = {xAxis, yAxis, zAxis};
    SetIdentity(out);
    for (int column = 0; column < 3; ++column) {
        out->m[0][column] = axes[column].x;
        out->m[1][column] = axes[column].y;
        out->m[2][column] = axes[column].z;
        out->m[3][column] = -Dot(axes[column], *eye);
    }
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, FLOAT fovy, FLOAT aspect, FLOAT zn,
                                              FLOAT zf) {
    const float yScale = 1.0f / std::tan(fovy / 2.0f);
    SetIdentity(out);
    out->_11 = yScale / aspect;
    out->_22 = yScale;
    out->_33 = zf / (zf - zn);
    out->_34 = 1.0f;
    out->_43 = -zn * zf / (zf - zn);
    out->_44 = 0.0f;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationX(D3DXMATRIX* out, FLOAT angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    SetIdentity(out);
    out->_22 = c;
    out->_23 = s;
    out->_32 = -s;
    out->_33 = c;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationY(D3DXMATRIX* out, FLOAT angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    SetIdentity(out);
    out->_11 = c;
    out->_13 = -s;
    out->_31 = s;
    out->_33 = c;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixTranslation(D3DXMATRIX* out, FLOAT x, FLOAT y, FLOAT z) {
    SetIdentity(out);
    out->_41 = x;
    out->_42 = y;
    out->_43 = z;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* m1, const D3DXMATRIX* m2) {
    D3DXMATRIX product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += m1->m[row][k] * m2->m[k][column];
            }
            product.m[row][column] = sum;
        }
    }
    *out = product;
    return out;
}
