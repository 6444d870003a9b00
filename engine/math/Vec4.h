// Four-dimensional vector.
#ifndef MATH_VEC4_H
#define MATH_VEC4_H

#include <cmath>

#include "math/CCMathBase.h"

NS_CC_MATH_BEGIN

class CC_DLL Vec4 {
public:
    float x;
    float y;
    float z;
    float w;

    Vec4() : x(0.0f), y(0.0f), z(0.0f), w(0.0f) {}
    Vec4(float xx, float yy, float zz, float ww) : x(xx), y(yy), z(zz), w(ww) {}
    Vec4(const float* src) { set(src); }
    Vec4(const Vec4& copy) = default;
    Vec4& operator=(const Vec4& copy) = default;

    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f && w == 0.0f; }
    bool isOne() const { return x == 1.0f && y == 1.0f && z == 1.0f && w == 1.0f; }
    void add(const Vec4& v) { x += v.x; y += v.y; z += v.z; w += v.w; }
    float dot(const Vec4& v) const { return x * v.x + y * v.y + z * v.z + w * v.w; }
    float length() const { return std::sqrt(lengthSquared()); }
    float lengthSquared() const { return x * x + y * y + z * z + w * w; }
    void negate() { x = -x; y = -y; z = -z; w = -w; }
    void normalize() {
        float n = lengthSquared();
        if (n == 1.0f) return;
        n = std::sqrt(n);
        if (n < MATH_TOLERANCE) return;
        n = 1.0f / n;
        x *= n; y *= n; z *= n; w *= n;
    }
    void scale(float s) { x *= s; y *= s; z *= s; w *= s; }
    void set(float xx, float yy, float zz, float ww) { x = xx; y = yy; z = zz; w = ww; }
    void set(const float* array) {
        if (array) { x = array[0]; y = array[1]; z = array[2]; w = array[3]; }
    }
    void set(const Vec4& v) { *this = v; }
    void subtract(const Vec4& v) { x -= v.x; y -= v.y; z -= v.z; w -= v.w; }

    Vec4 operator+(const Vec4& v) const { return Vec4(x + v.x, y + v.y, z + v.z, w + v.w); }
    Vec4& operator+=(const Vec4& v) { add(v); return *this; }
    Vec4 operator-(const Vec4& v) const { return Vec4(x - v.x, y - v.y, z - v.z, w - v.w); }
    Vec4& operator-=(const Vec4& v) { subtract(v); return *this; }
    Vec4 operator-() const { return Vec4(-x, -y, -z, -w); }
    Vec4 operator*(float s) const { return Vec4(x * s, y * s, z * s, w * s); }
    Vec4& operator*=(float s) { scale(s); return *this; }
    Vec4 operator/(float s) const { return Vec4(x / s, y / s, z / s, w / s); }
    bool operator==(const Vec4& v) const { return x == v.x && y == v.y && z == v.z && w == v.w; }
    bool operator!=(const Vec4& v) const { return !(*this == v); }

    static const Vec4 ZERO;
    static const Vec4 ONE;
    static const Vec4 UNIT_X;
    static const Vec4 UNIT_Y;
    static const Vec4 UNIT_Z;
    static const Vec4 UNIT_W;
};

inline Vec4 operator*(float x, const Vec4& v) {
    return Vec4(v.x * x, v.y * x, v.z * x, v.w * x);
}

NS_CC_MATH_END

#endif  // MATH_VEC4_H
