// Size and Rect constants and operations.
#include "math/CCGeometry.h"

#include <algorithm>

NS_CC_BEGIN

const Size Size::ZERO = Size(0, 0);
const Rect Rect::ZERO = Rect(0, 0, 0, 0);

bool Rect::intersectsCircle(const Vec2& center, float radius) const {
    Vec2 rectangleCenter((origin.x + size.width / 2), (origin.y + size.height / 2));
    float w = size.width / 2;
    float h = size.height / 2;
    float dx = std::fabs(center.x - rectangleCenter.x);
    float dy = std::fabs(center.y - rectangleCenter.y);
    if (dx > (radius + w) || dy > (radius + h)) return false;
    Vec2 circleDistance(std::fabs(center.x - origin.x - w), std::fabs(center.y - origin.y - h));
    if (circleDistance.x <= w) return true;
    if (circleDistance.y <= h) return true;
    float cornerDistanceSq = std::pow(circleDistance.x - w, 2) + std::pow(circleDistance.y - h, 2);
    return (cornerDistanceSq <= (std::pow(radius, 2)));
}

Rect Rect::unionWithRect(const Rect& rect) const {
    float thisLeftX = origin.x;
    float thisRightX = origin.x + size.width;
    float thisTopY = origin.y + size.height;
    float thisBottomY = origin.y;
    if (thisRightX < thisLeftX) std::swap(thisRightX, thisLeftX);
    if (thisTopY < thisBottomY) std::swap(thisTopY, thisBottomY);

    float otherLeftX = rect.origin.x;
    float otherRightX = rect.origin.x + rect.size.width;
    float otherTopY = rect.origin.y + rect.size.height;
    float otherBottomY = rect.origin.y;
    if (otherRightX < otherLeftX) std::swap(otherRightX, otherLeftX);
    if (otherTopY < otherBottomY) std::swap(otherTopY, otherBottomY);

    float combinedLeftX = std::min(thisLeftX, otherLeftX);
    float combinedRightX = std::max(thisRightX, otherRightX);
    float combinedTopY = std::max(thisTopY, otherTopY);
    float combinedBottomY = std::min(thisBottomY, otherBottomY);
    return Rect(combinedLeftX, combinedBottomY, combinedRightX - combinedLeftX, combinedTopY - combinedBottomY);
}

void Rect::merge(const Rect& rect) {
    float minX = std::min(getMinX(), rect.getMinX());
    float minY = std::min(getMinY(), rect.getMinY());
    float maxX = std::max(getMaxX(), rect.getMaxX());
    float maxY = std::max(getMaxY(), rect.getMaxY());
    setRect(minX, minY, maxX - minX, maxY - minY);
}

NS_CC_END
