// Three-dimensional vector.
#ifndef MATH_VEC3_H
#define MATH_VEC3_H

#include <cmath>

#include "math/CCMathBase.h"

NS_CC_MATH_BEGIN

class CC_DLL Vec3 {
public:
    float x;
    float y;
    float z;

    Vec3() : x(0.0f), y(0.0f), z(0.0f) {}
    Vec3(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}
    Vec3(const float* array) { set(array); }
    Vec3(const Vec3& p1, const Vec3& p2) { set(p1, p2); }
    Vec3(const Vec3& copy) = default;
    Vec3& operator=(const Vec3& copy) = default;

    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
    bool isOne() const { return x == 1.0f && y == 1.0f && z == 1.0f; }
    void add(const Vec3& v) { x += v.x; y += v.y; z += v.z; }
    void add(float xx, float yy, float zz) { x += xx; y += yy; z += zz; }
    void cross(const Vec3& v) { cross(*this, v, this); }
    static void cross(const Vec3& v1, const Vec3& v2, Vec3* dst) {
        float cx = v1.y * v2.z - v1.z * v2.y;
        float cy = v1.z * v2.x - v1.x * v2.z;
        float cz = v1.x * v2.y - v1.y * v2.x;
        dst->x = cx; dst->y = cy; dst->z = cz;
    }
    float distance(const Vec3& v) const { return std::sqrt(distanceSquared(v)); }
    float distanceSquared(const Vec3& v) const {
        float dx = v.x - x, dy = v.y - y, dz = v.z - z;
        return dx * dx + dy * dy + dz * dz;
    }
    float dot(const Vec3& v) const { return x * v.x + y * v.y + z * v.z; }
    static float dot(const Vec3& v1, const Vec3& v2) { return v1.x * v2.x + v1.y * v2.y + v1.z * v2.z; }
    float length() const { return std::sqrt(x * x + y * y + z * z); }
    float lengthSquared() const { return x * x + y * y + z * z; }
    void negate() { x = -x; y = -y; z = -z; }
    void normalize() {
        float n = x * x + y * y + z * z;
        if (n == 1.0f) return;
        n = std::sqrt(n);
        if (n < MATH_TOLERANCE) return;
        n = 1.0f / n;
        x *= n; y *= n; z *= n;
    }
    Vec3 getNormalized() const {
        Vec3 v(*this);
        v.normalize();
        return v;
    }
    void scale(float s) { x *= s; y *= s; z *= s; }
    void set(float xx, float yy, float zz) { x = xx; y = yy; z = zz; }
    void set(const float* array) {
        if (array) { x = array[0]; y = array[1]; z = array[2]; }
    }
    void set(const Vec3& v) { x = v.x; y = v.y; z = v.z; }
    void set(const Vec3& p1, const Vec3& p2) { x = p2.x - p1.x; y = p2.y - p1.y; z = p2.z - p1.z; }
    void setZero() { x = y = z = 0.0f; }
    void subtract(const Vec3& v) { x -= v.x; y -= v.y; z -= v.z; }
    Vec3 lerp(const Vec3& target, float alpha) const { return *this * (1.f - alpha) + target * alpha; }

    Vec3 operator+(const Vec3& v) const { return Vec3(x + v.x, y + v.y, z + v.z); }
    Vec3& operator+=(const Vec3& v) { add(v); return *this; }
    Vec3 operator-(const Vec3& v) const { return Vec3(x - v.x, y - v.y, z - v.z); }
    Vec3& operator-=(const Vec3& v) { subtract(v); return *this; }
    Vec3 operator-() const { return Vec3(-x, -y, -z); }
    Vec3 operator*(float s) const { return Vec3(x * s, y * s, z * s); }
    Vec3& operator*=(float s) { scale(s); return *this; }
    Vec3 operator/(float s) const { return Vec3(x / s, y / s, z / s); }
    bool operator<(const Vec3& rhs) const {
        return (x < rhs.x && y < rhs.y && z < rhs.z);
    }
    bool operator>(const Vec3& rhs) const {
        return (x > rhs.x && y > rhs.y && z > rhs.z);
    }
    bool operator==(const Vec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const Vec3& v) const { return !(*this == v); }

    static const Vec3 ZERO;
    static const Vec3 ONE;
    static const Vec3 UNIT_X;
    static const Vec3 UNIT_Y;
    static const Vec3 UNIT_Z;
};

inline Vec3 operator*(float x, const Vec3& v) {
    return Vec3(v.x * x, v.y * x, v.z * x);
}

NS_CC_MATH_END

#endif  // MATH_VEC3_H
