// LayerGradient: per-corner colours from the start and end colours and the direction.
#include "2d/CCLayerGradient.h"

#include <cmath>

NS_CC_BEGIN

LayerGradient* LayerGradient::create() {
    return create(Color4B(0, 0, 0, 255), Color4B(0, 0, 0, 255), Vec2(0, -1));
}

LayerGradient* LayerGradient::create(const Color4B& start, const Color4B& end) {
    return create(start, end, Vec2(0, -1));
}

LayerGradient* LayerGradient::create(const Color4B& start, const Color4B& end, const Vec2& v) {
    LayerGradient* layer = new (std::nothrow) LayerGradient();
    if (layer && layer->initWithColor(start, end, v)) {
        layer->autorelease();
        return layer;
    }
    CC_SAFE_DELETE(layer);
    return nullptr;
}

bool LayerGradient::initWithColor(const Color4B& start, const Color4B& end, const Vec2& v) {
    _endColor = Color3B(end.r, end.g, end.b);
    _startOpacity = start.a;
    _endOpacity = end.a;
    _alongVector = v;
    return LayerColor::initWithColor(Color4B(start.r, start.g, start.b, 255));
}

void LayerGradient::setEndColor(const Color3B& color) {
    _endColor = color;
    updateColor();
}

void LayerGradient::setStartOpacity(GLubyte opacity) {
    _startOpacity = opacity;
    updateColor();
}

void LayerGradient::setEndOpacity(GLubyte opacity) {
    _endOpacity = opacity;
    updateColor();
}

void LayerGradient::setVector(const Vec2& alongVector) {
    _alongVector = alongVector;
    updateColor();
}

void LayerGradient::setCompressedInterpolation(bool compressed) {
    _compressedInterpolation = compressed;
    updateColor();
}

void LayerGradient::updateColor() {
    LayerColor::updateColor();
    const float h = _alongVector.getLength();
    if (h == 0 || !std::isfinite(h)) return;
    const float c = std::sqrt(2.0f);
    Vec2 u(_alongVector.x / h, _alongVector.y / h);
    // Compressed: the direction is stretched so that a corner reaches the end colour exactly.
    if (_compressedInterpolation) u = u * (c / (std::fabs(u.x) + std::fabs(u.y)));
    const float opacity = _displayedOpacity / 255.0f;
    const Color4F s(_displayedColor.r / 255.0f, _displayedColor.g / 255.0f, _displayedColor.b / 255.0f,
                    _startOpacity * opacity / 255.0f);
    const Color4F e(_endColor.r / 255.0f, _endColor.g / 255.0f, _endColor.b / 255.0f, _endOpacity * opacity / 255.0f);
    const float corners[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (int i = 0; i < 4; ++i) {
        const float t = (c - corners[i][0] * u.x - corners[i][1] * u.y) / (2.0f * c);
        _squareColors[i].r = e.r + (s.r - e.r) * t;
        _squareColors[i].g = e.g + (s.g - e.g) * t;
        _squareColors[i].b = e.b + (s.b - e.b) * t;
        _squareColors[i].a = e.a + (s.a - e.a) * t;
    }
}

NS_CC_END
