// Vector constants and the less trivial vector operations.
#include "math/Vec2.h"

#include "math/Vec3.h"
#include "math/Vec4.h"

NS_CC_MATH_BEGIN

float Vec2::angle(const Vec2& v1, const Vec2& v2) {
    float dz = v1.x * v2.y - v1.y * v2.x;
    return std::atan2(std::fabs(dz) + MATH_FLOAT_SMALL, dot(v1, v2));
}

void Vec2::clamp(const Vec2& min, const Vec2& max) {
    if (x < min.x) x = min.x;
    if (x > max.x) x = max.x;
    if (y < min.y) y = min.y;
    if (y > max.y) y = max.y;
}

void Vec2::clamp(const Vec2& v, const Vec2& min, const Vec2& max, Vec2* dst) {
    *dst = v;
    dst->clamp(min, max);
}

void Vec2::normalize() {
    float n = x * x + y * y;
    if (n == 1.0f) return;
    n = std::sqrt(n);
    if (n < MATH_TOLERANCE) return;
    n = 1.0f / n;
    x *= n;
    y *= n;
}

void Vec2::rotate(const Vec2& point, float angle) {
    float sinAngle = std::sin(angle);
    float cosAngle = std::cos(angle);
    if (point.isZero()) {
        float tempX = x * cosAngle - y * sinAngle;
        y = y * cosAngle + x * sinAngle;
        x = tempX;
    } else {
        float tempX = x - point.x;
        float tempY = y - point.y;
        x = tempX * cosAngle - tempY * sinAngle + point.x;
        y = tempY * cosAngle + tempX * sinAngle + point.y;
    }
}

float Vec2::getAngle(const Vec2& other) const {
    Vec2 a2 = getNormalized();
    Vec2 b2 = other.getNormalized();
    float angle = std::atan2(a2.cross(b2), a2.dot(b2));
    if (std::fabs(angle) < FLT_EPSILON) return 0.f;
    return angle;
}

const Vec2 Vec2::ZERO(0.0f, 0.0f);
const Vec2 Vec2::ONE(1.0f, 1.0f);
const Vec2 Vec2::UNIT_X(1.0f, 0.0f);
const Vec2 Vec2::UNIT_Y(0.0f, 1.0f);
const Vec2 Vec2::ANCHOR_MIDDLE(0.5f, 0.5f);
const Vec2 Vec2::ANCHOR_BOTTOM_LEFT(0.0f, 0.0f);
const Vec2 Vec2::ANCHOR_TOP_LEFT(0.0f, 1.0f);
const Vec2 Vec2::ANCHOR_BOTTOM_RIGHT(1.0f, 0.0f);
const Vec2 Vec2::ANCHOR_TOP_RIGHT(1.0f, 1.0f);
const Vec2 Vec2::ANCHOR_MIDDLE_RIGHT(1.0f, 0.5f);
const Vec2 Vec2::ANCHOR_MIDDLE_LEFT(0.0f, 0.5f);
const Vec2 Vec2::ANCHOR_MIDDLE_TOP(0.5f, 1.0f);
const Vec2 Vec2::ANCHOR_MIDDLE_BOTTOM(0.5f, 0.0f);

const Vec3 Vec3::ZERO(0.0f, 0.0f, 0.0f);
const Vec3 Vec3::ONE(1.0f, 1.0f, 1.0f);
const Vec3 Vec3::UNIT_X(1.0f, 0.0f, 0.0f);
const Vec3 Vec3::UNIT_Y(0.0f, 1.0f, 0.0f);
const Vec3 Vec3::UNIT_Z(0.0f, 0.0f, 1.0f);

const Vec4 Vec4::ZERO(0.0f, 0.0f, 0.0f, 0.0f);
const Vec4 Vec4::ONE(1.0f, 1.0f, 1.0f, 1.0f);
const Vec4 Vec4::UNIT_X(1.0f, 0.0f, 0.0f, 0.0f);
const Vec4 Vec4::UNIT_Y(0.0f, 1.0f, 0.0f, 0.0f);
const Vec4 Vec4::UNIT_Z(0.0f, 0.0f, 1.0f, 0.0f);
const Vec4 Vec4::UNIT_W(0.0f, 0.0f, 0.0f, 1.0f);

NS_CC_MATH_END
