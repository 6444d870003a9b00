// Size and Rect of the engine (in points unless said otherwise).
#ifndef __MATH_CCGEOMETRY_H__
#define __MATH_CCGEOMETRY_H__

#include <cmath>

#include "base/ccMacros.h"
#include "math/CCMath.h"

NS_CC_BEGIN

class CC_DLL Size {
public:
    float width;
    float height;

    operator Vec2() const { return Vec2(width, height); }

    Size() : width(0), height(0) {}
    Size(float w, float h) : width(w), height(h) {}
    Size(const Size& other) = default;
    explicit Size(const Vec2& point) : width(point.x), height(point.y) {}
    Size& operator=(const Size& other) = default;
    Size& operator=(const Vec2& point) {
        setSize(point.x, point.y);
        return *this;
    }
    Size operator+(const Size& right) const { return Size(width + right.width, height + right.height); }
    Size operator-(const Size& right) const { return Size(width - right.width, height - right.height); }
    Size operator*(float a) const { return Size(width * a, height * a); }
    Size operator/(float a) const {
        CCASSERT(a != 0, "CCSize division by 0.");
        return Size(width / a, height / a);
    }
    bool operator==(const Size& o) const { return width == o.width && height == o.height; }
    bool operator!=(const Size& o) const { return !(*this == o); }
    void setSize(float w, float h) {
        width = w;
        height = h;
    }
    bool equals(const Size& target) const {
        return (std::fabs(this->width - target.width) < FLT_EPSILON) &&
               (std::fabs(this->height - target.height) < FLT_EPSILON);
    }

    static const Size ZERO;
};

class CC_DLL Rect {
public:
    Vec2 origin;
    Size size;

    Rect() : origin(0, 0), size(0, 0) {}
    Rect(float x, float y, float width, float height) : origin(x, y), size(width, height) {}
    Rect(const Vec2& pos, const Size& dimension) : origin(pos), size(dimension) {}
    Rect(const Rect& other) = default;
    Rect& operator=(const Rect& other) = default;

    void setRect(float x, float y, float width, float height) {
        origin.x = x;
        origin.y = y;
        size.width = width;
        size.height = height;
    }
    float getMinX() const { return origin.x; }
    float getMidX() const { return origin.x + size.width / 2.0f; }
    float getMaxX() const { return origin.x + size.width; }
    float getMinY() const { return origin.y; }
    float getMidY() const { return origin.y + size.height / 2.0f; }
    float getMaxY() const { return origin.y + size.height; }
    bool equals(const Rect& rect) const { return origin.equals(rect.origin) && size.equals(rect.size); }
    bool operator==(const Rect& r) const { return origin == r.origin && size == r.size; }
    bool operator!=(const Rect& r) const { return !(*this == r); }
    // Edges included.
    bool containsPoint(const Vec2& point) const {
        return point.x >= getMinX() && point.x <= getMaxX() && point.y >= getMinY() && point.y <= getMaxY();
    }
    bool intersectsRect(const Rect& rect) const {
        return !(getMaxX() < rect.getMinX() || rect.getMaxX() < getMinX() || getMaxY() < rect.getMinY() ||
                 rect.getMaxY() < getMinY());
    }
    bool intersectsCircle(const Vec2& center, float radius) const;
    Rect unionWithRect(const Rect& rect) const;
    void merge(const Rect& rect);

    static const Rect ZERO;
};

NS_CC_END

#endif  // __MATH_CCGEOMETRY_H__
