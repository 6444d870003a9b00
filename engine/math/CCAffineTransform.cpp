// 2D affine transform helpers.
#include "math/CCAffineTransform.h"

#include <algorithm>
#include <cmath>

NS_CC_BEGIN

AffineTransform __CCAffineTransformMake(float a, float b, float c, float d, float tx, float ty) {
    AffineTransform t;
    t.a = a;
    t.b = b;
    t.c = c;
    t.d = d;
    t.tx = tx;
    t.ty = ty;
    return t;
}

Vec2 __CCPointApplyAffineTransform(const Vec2& point, const AffineTransform& t) {
    Vec2 p;
    p.x = (float)((double)t.a * point.x + (double)t.c * point.y + t.tx);
    p.y = (float)((double)t.b * point.x + (double)t.d * point.y + t.ty);
    return p;
}

Vec2 PointApplyTransform(const Vec2& point, const Mat4& transform) {
    Vec3 vec(point.x, point.y, 0);
    transform.transformPoint(&vec);
    return Vec2(vec.x, vec.y);
}

Size __CCSizeApplyAffineTransform(const Size& size, const AffineTransform& t) {
    Size s;
    s.width = (float)((double)t.a * size.width + (double)t.c * size.height);
    s.height = (float)((double)t.b * size.width + (double)t.d * size.height);
    return s;
}

AffineTransform AffineTransformMakeIdentity() {
    return __CCAffineTransformMake(1.0, 0.0, 0.0, 1.0, 0.0, 0.0);
}

const AffineTransform AffineTransform::IDENTITY = AffineTransformMakeIdentity();

Rect RectApplyAffineTransform(const Rect& rect, const AffineTransform& anAffineTransform) {
    float top = rect.getMinY();
    float left = rect.getMinX();
    float right = rect.getMaxX();
    float bottom = rect.getMaxY();

    Vec2 topLeft = PointApplyAffineTransform(Vec2(left, top), anAffineTransform);
    Vec2 topRight = PointApplyAffineTransform(Vec2(right, top), anAffineTransform);
    Vec2 bottomLeft = PointApplyAffineTransform(Vec2(left, bottom), anAffineTransform);
    Vec2 bottomRight = PointApplyAffineTransform(Vec2(right, bottom), anAffineTransform);

    float minX = std::min(std::min(topLeft.x, topRight.x), std::min(bottomLeft.x, bottomRight.x));
    float maxX = std::max(std::max(topLeft.x, topRight.x), std::max(bottomLeft.x, bottomRight.x));
    float minY = std::min(std::min(topLeft.y, topRight.y), std::min(bottomLeft.y, bottomRight.y));
    float maxY = std::max(std::max(topLeft.y, topRight.y), std::max(bottomLeft.y, bottomRight.y));
    return Rect(minX, minY, (maxX - minX), (maxY - minY));
}

Rect RectApplyTransform(const Rect& rect, const Mat4& transform) {
    float top = rect.getMinY();
    float left = rect.getMinX();
    float right = rect.getMaxX();
    float bottom = rect.getMaxY();

    Vec3 topLeft(left, top, 0);
    Vec3 topRight(right, top, 0);
    Vec3 bottomLeft(left, bottom, 0);
    Vec3 bottomRight(right, bottom, 0);
    transform.transformPoint(&topLeft);
    transform.transformPoint(&topRight);
    transform.transformPoint(&bottomLeft);
    transform.transformPoint(&bottomRight);

    float minX = std::min(std::min(topLeft.x, topRight.x), std::min(bottomLeft.x, bottomRight.x));
    float maxX = std::max(std::max(topLeft.x, topRight.x), std::max(bottomLeft.x, bottomRight.x));
    float minY = std::min(std::min(topLeft.y, topRight.y), std::min(bottomLeft.y, bottomRight.y));
    float maxY = std::max(std::max(topLeft.y, topRight.y), std::max(bottomLeft.y, bottomRight.y));
    return Rect(minX, minY, (maxX - minX), (maxY - minY));
}

AffineTransform AffineTransformTranslate(const AffineTransform& t, float tx, float ty) {
    return __CCAffineTransformMake(t.a, t.b, t.c, t.d, t.tx + t.a * tx + t.c * ty, t.ty + t.b * tx + t.d * ty);
}

AffineTransform AffineTransformScale(const AffineTransform& t, float sx, float sy) {
    return __CCAffineTransformMake(t.a * sx, t.b * sx, t.c * sy, t.d * sy, t.tx, t.ty);
}

AffineTransform AffineTransformRotate(const AffineTransform& t, float anAngle) {
    float sine = std::sin(anAngle);
    float cosine = std::cos(anAngle);
    return __CCAffineTransformMake(t.a * cosine + t.c * sine, t.b * cosine + t.d * sine, t.c * cosine - t.a * sine,
                                   t.d * cosine - t.b * sine, t.tx, t.ty);
}

AffineTransform AffineTransformConcat(const AffineTransform& t1, const AffineTransform& t2) {
    return __CCAffineTransformMake(t1.a * t2.a + t1.b * t2.c, t1.a * t2.b + t1.b * t2.d,
                                   t1.c * t2.a + t1.d * t2.c, t1.c * t2.b + t1.d * t2.d,
                                   t1.tx * t2.a + t1.ty * t2.c + t2.tx, t1.tx * t2.b + t1.ty * t2.d + t2.ty);
}

Mat4 TransformConcat(const Mat4& t1, const Mat4& t2) {
    return t1 * t2;
}

bool AffineTransformEqualToTransform(const AffineTransform& t1, const AffineTransform& t2) {
    return (t1.a == t2.a && t1.b == t2.b && t1.c == t2.c && t1.d == t2.d && t1.tx == t2.tx && t1.ty == t2.ty);
}

AffineTransform AffineTransformInvert(const AffineTransform& t) {
    float determinant = 1 / (t.a * t.d - t.b * t.c);
    return __CCAffineTransformMake(determinant * t.d, -determinant * t.b, -determinant * t.c, determinant * t.a,
                                   determinant * (t.c * t.ty - t.d * t.tx), determinant * (t.b * t.tx - t.a * t.ty));
}

void CGAffineToGL(const AffineTransform& t, float* m) {
    m[2] = m[3] = m[6] = m[7] = m[8] = m[9] = m[11] = m[14] = 0.0f;
    m[10] = m[15] = 1.0f;
    m[0] = t.a;
    m[4] = t.c;
    m[12] = t.tx;
    m[1] = t.b;
    m[5] = t.d;
    m[13] = t.ty;
}

void GLToCGAffine(const float* m, AffineTransform* t) {
    t->a = m[0];
    t->c = m[4];
    t->tx = m[12];
    t->b = m[1];
    t->d = m[5];
    t->ty = m[13];
}

NS_CC_END
