// Numbers from a scene file made safe to hand to nodes: no NaN, no infinity, no absurd magnitudes.
#ifndef __CSBVALUES_H__
#define __CSBVALUES_H__

#include <cmath>

#include "base/ccTypes.h"
#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

namespace csb {

const float kMaxCoordinate = 1.0e6f;
const float kMaxScale = 1.0e4f;
const float kMaxExtent = 1.0e5f;

inline float finite(float v, float fallback, float limit) {
    return (std::isfinite(v) && std::fabs(v) <= limit) ? v : fallback;
}

inline float extent(float v) {
    const float f = finite(v, 0.0f, kMaxExtent);
    return f < 0.0f ? 0.0f : f;
}

inline Size size(const flatbuffers::FlatSize* s) {
    return s ? Size(extent(s->width()), extent(s->height())) : Size::ZERO;
}

inline Rect capInsets(const flatbuffers::CapInsets* c) {
    return c ? Rect(extent(c->x()), extent(c->y()), extent(c->width()), extent(c->height())) : Rect::ZERO;
}

inline Color3B rgb(const flatbuffers::Color* c) {
    return c ? Color3B(c->r(), c->g(), c->b()) : Color3B::WHITE;
}

inline Color4B rgba(const flatbuffers::Color* c) {
    return c ? Color4B(c->r(), c->g(), c->b(), c->a()) : Color4B::WHITE;
}

inline const char* str(const flatbuffers::String* s) {
    return s ? s->c_str() : "";
}

// Only the blend factors GL knows; anything else leaves the node's own blend.
bool isBlendFactor(int value);
inline bool blendFunc(const flatbuffers::BlendFunc* b, BlendFunc& out) {
    if (!b || !isBlendFactor(b->src()) || !isBlendFactor(b->dst())) return false;
    out.src = static_cast<GLenum>(b->src());
    out.dst = static_cast<GLenum>(b->dst());
    return true;
}

} // namespace csb

NS_CC_END

#endif // __CSBVALUES_H__
