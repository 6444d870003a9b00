// Two-dimensional vector (also the engine's Point).
#ifndef MATH_VEC2_H
#define MATH_VEC2_H

#include <algorithm>
#include <cmath>
#include <functional>

#include "math/CCMathBase.h"

NS_CC_MATH_BEGIN

class Mat4;

class CC_DLL Vec2 {
public:
    float x;
    float y;

    Vec2() : x(0.0f), y(0.0f) {}
    Vec2(float xx, float yy) : x(xx), y(yy) {}
    Vec2(const float* array) { set(array); }
    Vec2(const Vec2& p1, const Vec2& p2) { set(p1, p2); }
    Vec2(const Vec2& copy) = default;
    Vec2& operator=(const Vec2& copy) = default;

    bool isZero() const { return x == 0.0f && y == 0.0f; }
    bool isOne() const { return x == 1.0f && y == 1.0f; }

    static float angle(const Vec2& v1, const Vec2& v2);
    void add(const Vec2& v) { x += v.x; y += v.y; }
    static void add(const Vec2& v1, const Vec2& v2, Vec2* dst) {
        dst->x = v1.x + v2.x;
        dst->y = v1.y + v2.y;
    }
    void clamp(const Vec2& min, const Vec2& max);
    static void clamp(const Vec2& v, const Vec2& min, const Vec2& max, Vec2* dst);
    float distance(const Vec2& v) const {
        float dx = v.x - x, dy = v.y - y;
        return std::sqrt(dx * dx + dy * dy);
    }
    float distanceSquared(const Vec2& v) const {
        float dx = v.x - x, dy = v.y - y;
        return dx * dx + dy * dy;
    }
    float dot(const Vec2& v) const { return x * v.x + y * v.y; }
    static float dot(const Vec2& v1, const Vec2& v2) { return v1.x * v2.x + v1.y * v2.y; }
    float length() const { return std::sqrt(x * x + y * y); }
    float lengthSquared() const { return x * x + y * y; }
    void negate() { x = -x; y = -y; }
    void normalize();
    Vec2 getNormalized() const {
        Vec2 v(*this);
        v.normalize();
        return v;
    }
    void scale(float scalar) { x *= scalar; y *= scalar; }
    void scale(const Vec2& s) { x *= s.x; y *= s.y; }
    void rotate(const Vec2& point, float angle);
    void set(float xx, float yy) { x = xx; y = yy; }
    void set(const float* array) {
        if (array) { x = array[0]; y = array[1]; }
    }
    void set(const Vec2& v) { x = v.x; y = v.y; }
    void set(const Vec2& p1, const Vec2& p2) { x = p2.x - p1.x; y = p2.y - p1.y; }
    void setZero() { x = y = 0.0f; }
    void subtract(const Vec2& v) { x -= v.x; y -= v.y; }
    static void subtract(const Vec2& v1, const Vec2& v2, Vec2* dst) {
        dst->x = v1.x - v2.x;
        dst->y = v1.y - v2.y;
    }
    void smooth(const Vec2& target, float elapsedTime, float responseTime) {
        if (elapsedTime > 0) *this += (target - *this) * (elapsedTime / (elapsedTime + responseTime));
    }

    Vec2 operator+(const Vec2& v) const { return Vec2(x + v.x, y + v.y); }
    Vec2& operator+=(const Vec2& v) { add(v); return *this; }
    Vec2 operator-(const Vec2& v) const { return Vec2(x - v.x, y - v.y); }
    Vec2& operator-=(const Vec2& v) { subtract(v); return *this; }
    Vec2 operator-() const { return Vec2(-x, -y); }
    Vec2 operator*(float s) const { return Vec2(x * s, y * s); }
    Vec2& operator*=(float s) { scale(s); return *this; }
    Vec2 operator/(float s) const { return Vec2(x / s, y / s); }
    Vec2& operator/=(float s) { x /= s; y /= s; return *this; }
    bool operator<(const Vec2& v) const {
        if (x == v.x) return y < v.y;
        return x < v.x;
    }
    bool operator>(const Vec2& v) const {
        if (x == v.x) return y > v.y;
        return x > v.x;
    }
    bool operator==(const Vec2& v) const { return x == v.x && y == v.y; }
    bool operator!=(const Vec2& v) const { return x != v.x || y != v.y; }

    void setPoint(float xx, float yy) { x = xx; y = yy; }
    bool equals(const Vec2& target) const {
        return (std::fabs(this->x - target.x) < FLT_EPSILON) && (std::fabs(this->y - target.y) < FLT_EPSILON);
    }
    bool fuzzyEquals(const Vec2& target, float variance) const {
        return x - variance <= target.x && target.x <= x + variance && y - variance <= target.y &&
               target.y <= y + variance;
    }
    float getLength() const { return length(); }
    float getLengthSq() const { return dot(*this); }
    float getDistanceSq(const Vec2& other) const { return (*this - other).getLengthSq(); }
    float getDistance(const Vec2& other) const { return (*this - other).getLength(); }
    float getAngle() const { return std::atan2(y, x); }
    float getAngle(const Vec2& other) const;
    float cross(const Vec2& other) const { return x * other.y - y * other.x; }
    Vec2 getPerp() const { return Vec2(-y, x); }
    Vec2 getMidpoint(const Vec2& other) const { return Vec2((x + other.x) / 2.0f, (y + other.y) / 2.0f); }
    Vec2 getClampPoint(const Vec2& minInclusive, const Vec2& maxInclusive) const {
        return Vec2(std::max(minInclusive.x, std::min(x, maxInclusive.x)),
                    std::max(minInclusive.y, std::min(y, maxInclusive.y)));
    }
    Vec2 compOp(std::function<float(float)> function) const { return Vec2(function(x), function(y)); }
    Vec2 getRPerp() const { return Vec2(y, -x); }
    Vec2 project(const Vec2& other) const { return other * (dot(other) / other.dot(other)); }
    Vec2 rotate(const Vec2& other) const { return Vec2(x * other.x - y * other.y, x * other.y + y * other.x); }
    Vec2 unrotate(const Vec2& other) const { return Vec2(x * other.x + y * other.y, y * other.x - x * other.y); }
    Vec2 lerp(const Vec2& other, float alpha) const { return *this * (1.f - alpha) + other * alpha; }
    Vec2 rotateByAngle(const Vec2& pivot, float angle) const {
        return pivot + (*this - pivot).rotate(Vec2::forAngle(angle));
    }
    static Vec2 forAngle(const float a) { return Vec2(std::cos(a), std::sin(a)); }

    static const Vec2 ZERO;
    static const Vec2 ONE;
    static const Vec2 UNIT_X;
    static const Vec2 UNIT_Y;
    static const Vec2 ANCHOR_MIDDLE;
    static const Vec2 ANCHOR_BOTTOM_LEFT;
    static const Vec2 ANCHOR_TOP_LEFT;
    static const Vec2 ANCHOR_BOTTOM_RIGHT;
    static const Vec2 ANCHOR_TOP_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_LEFT;
    static const Vec2 ANCHOR_MIDDLE_TOP;
    static const Vec2 ANCHOR_MIDDLE_BOTTOM;
};

inline Vec2 operator*(float x, const Vec2& v) {
    return Vec2(v.x * x, v.y * x);
}

typedef Vec2 Point;

NS_CC_MATH_END

#endif  // MATH_VEC2_H
