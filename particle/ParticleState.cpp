// Comparing particle snapshots and holding their textures.
#include "particle/ParticleState.h"

#include "renderer/CCTexture2D.h"

ParticleState::~ParticleState() {
    setTexture(nullptr);
}

void ParticleState::setTexture(cocos2d::Texture2D* held) {
    if (held) held->retain();
    if (texture) texture->release();
    texture = held;
}

bool SameParticleValue(const ParticleValue& a, const ParticleValue& b) {
    return SameNumber(a.number, b.number) && SameNumber(a.point.x, b.point.x) && SameNumber(a.point.y, b.point.y) &&
           SameNumber(a.colour.r, b.colour.r) && SameNumber(a.colour.g, b.colour.g) &&
           SameNumber(a.colour.b, b.colour.b) && SameNumber(a.colour.a, b.colour.a);
}

bool ParticleState::sameAs(const ObjectState& other) const {
    const auto* o = dynamic_cast<const ParticleState*>(&other);
    if (!o || !NodeState::sameAs(other)) return false;
    if (o->texture != texture || o->textureName != textureName || o->embeddedTexture != embeddedTexture ||
        o->blend.src != blend.src || o->blend.dst != blend.dst || o->opacityModifyRGB != opacityModifyRGB ||
        o->values.size() != values.size())
        return false;
    for (size_t i = 0; i < values.size(); ++i)
        if (o->values[i].first != values[i].first || !SameParticleValue(o->values[i].second, values[i].second))
            return false;
    return true;
}
