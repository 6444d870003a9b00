// The eleven ready-made effects carry the engine's numbers, texture and blend state.
#include <gtest/gtest.h>

#include <functional>

#include "2d/CCParticleDefaultTexture.h"
#include "2d/CCParticleExamples.h"
#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

using namespace cocos2d;

namespace {

struct Expected {
    const char* name;
    std::function<ParticleSystemQuad*()> create;
    std::function<ParticleSystemQuad*(int)> createWith;
    int total;
    float duration;
    Vec2 gravity;
    float speed, speedVar, radial, radialVar, tangential, tangentialVar, angle, angleVar;
    // Node position = winSize × frac + offset; posVar.x = winW × frac + offset.
    float fx, fy, ox, oy, posVarFx, posVarX, posVarY;
    float life, lifeVar, startSize, startSizeVar;
    float rate;  // for the default total
    Color4F start, startVar, end, endVar;
    BlendFunc blend;
    bool opacityModifyRGB;
};

template <typename T>
Expected row(const char* name, int total, float duration, Vec2 g, std::initializer_list<float> motion,
             std::initializer_list<float> place, std::initializer_list<float> lifeSize, float rate, Color4F s,
             Color4F sv, Color4F e, Color4F ev, BlendFunc blend, bool premul) {
    Expected x{};
    x.name = name;
    x.create = [] { return static_cast<ParticleSystemQuad*>(T::create()); };
    x.createWith = [](int n) { return static_cast<ParticleSystemQuad*>(T::createWithTotalParticles(n)); };
    x.total = total;
    x.duration = duration;
    x.gravity = g;
    const float* m = motion.begin();
    x.speed = m[0], x.speedVar = m[1], x.radial = m[2], x.radialVar = m[3];
    x.tangential = m[4], x.tangentialVar = m[5], x.angle = m[6], x.angleVar = m[7];
    const float* p = place.begin();
    x.fx = p[0], x.fy = p[1], x.ox = p[2], x.oy = p[3], x.posVarFx = p[4], x.posVarX = p[5], x.posVarY = p[6];
    const float* l = lifeSize.begin();
    x.life = l[0], x.lifeVar = l[1], x.startSize = l[2], x.startSizeVar = l[3];
    x.rate = rate;
    x.start = s, x.startVar = sv, x.end = e, x.endVar = ev;
    x.blend = blend;
    x.opacityModifyRGB = premul;
    return x;
}

const BlendFunc kAdd = {770, 1};
const BlendFunc kPre = {1, 771};
const Color4F kZero(0, 0, 0, 0);
const Color4F kBlack(0, 0, 0, 1);

std::vector<Expected> effects() {
    return {
        row<ParticleFlower>("Flower", 250, -1, {0, 0}, {80, 10, -60, 0, 15, 0, 90, 360}, {.5f, .5f, 0, 0, 0, 0, 0},
                            {4, 1, 30, 10}, 62.5f, {.5f, .5f, .5f, 1}, {.5f, .5f, .5f, .5f}, kBlack, kZero, kAdd,
                            true),
        row<ParticleFire>("Fire", 250, -1, {0, 0}, {60, 20, 0, 0, 0, 0, 90, 10}, {.5f, 0, 0, 60, 0, 40, 20},
                          {3, .25f, 54, 10}, 250.0f / 3, {.76f, .25f, .12f, 1}, kZero, kBlack, kZero, kAdd, true),
        row<ParticleFireworks>("Fireworks", 1500, -1, {0, -90}, {180, 50, 0, 0, 0, 0, 90, 20},
                               {.5f, .5f, 0, 0, 0, 0, 0}, {3.5f, 1, 8, 2}, 1500 / 3.5f, {.5f, .5f, .5f, 1},
                               {.5f, .5f, .5f, .1f}, {.1f, .1f, .1f, .2f}, {.1f, .1f, .1f, .2f}, kPre, true),
        row<ParticleExplosion>("Explosion", 700, 0.1f, {0, 0}, {70, 40, 0, 0, 0, 0, 90, 360},
                               {.5f, .5f, 0, 0, 0, 0, 0}, {5, 2, 15, 10}, 7000, {.7f, .1f, .2f, 1},
                               {.5f, .5f, .5f, 0}, {.5f, .5f, .5f, 0}, {.5f, .5f, .5f, 0}, kPre, true),
        row<ParticleGalaxy>("Galaxy", 200, -1, {0, 0}, {60, 10, -80, 0, 80, 0, 90, 360}, {.5f, .5f, 0, 0, 0, 0, 0},
                            {4, 1, 37, 10}, 50, {.12f, .25f, .76f, 1}, kZero, kBlack, kZero, kAdd, true),
        row<ParticleMeteor>("Meteor", 150, -1, {-200, 200}, {15, 5, 0, 0, 0, 0, 90, 360},
                            {.5f, .5f, 0, 0, 0, 0, 0}, {2, 1, 60, 10}, 75, {.2f, .4f, .7f, 1}, {0, 0, .2f, .1f},
                            kBlack, kZero, kAdd, true),
        row<ParticleRain>("Rain", 1000, -1, {10, -10}, {130, 30, 0, 1, 0, 1, -90, 5}, {.5f, 1, 0, 0, .5f, 0, 0},
                          {4.5f, 0, 4, 2}, 20, {.7f, .8f, 1, 1}, kZero, {.7f, .8f, 1, .5f}, kZero, kPre, true),
        row<ParticleSmoke>("Smoke", 200, -1, {0, 0}, {25, 10, 0, 0, 0, 0, 90, 5}, {.5f, 0, 0, 0, 0, 20, 0},
                           {4, 1, 60, 10}, 50, {.8f, .8f, .8f, 1}, {.02f, .02f, .02f, 0}, kBlack, kZero, kPre,
                           true),
        row<ParticleSnow>("Snow", 700, -1, {0, -1}, {5, 1, 0, 1, 0, 1, -90, 5}, {.5f, 1, 0, 10, .5f, 0, 0},
                          {45, 15, 10, 5}, 10, {1, 1, 1, 1}, kZero, {1, 1, 1, 0}, kZero, kPre, true),
        row<ParticleSpiral>("Spiral", 500, -1, {0, 0}, {150, 0, -380, 0, 45, 0, 90, 0}, {.5f, .5f, 0, 0, 0, 0, 0},
                            {12, 0, 20, 0}, 500 / 12.0f, {.5f, .5f, .5f, 1}, {.5f, .5f, .5f, 0},
                            {.5f, .5f, .5f, 1}, {.5f, .5f, .5f, 0}, kPre, true),
        // The Sun sets its additive blend before the texture, so the texture
        // does not switch on premultiplied vertex colours.
        row<ParticleSun>("Sun", 350, -1, {0, 0}, {20, 5, 0, 0, 0, 0, 90, 360}, {.5f, .5f, 0, 0, 0, 0, 0},
                         {1, .5f, 30, 10}, 350, {.76f, .25f, .12f, 1}, kZero, kBlack, kZero, kAdd, false),
    };
}

void expectColor(const Color4F& got, const Color4F& want, const char* what, const char* name) {
    EXPECT_FLOAT_EQ(got.r, want.r) << name << " " << what;
    EXPECT_FLOAT_EQ(got.g, want.g) << name << " " << what;
    EXPECT_FLOAT_EQ(got.b, want.b) << name << " " << what;
    EXPECT_FLOAT_EQ(got.a, want.a) << name << " " << what;
}

}  // namespace

TEST(ParticleExamples, EveryEffectCarriesItsParameters) {
    const Size win = Director::getInstance()->getWinSize();
    for (const Expected& x : effects()) {
        ParticleSystemQuad* s = x.create();
        ASSERT_NE(s, nullptr) << x.name;
        const char* n = x.name;
        EXPECT_EQ(s->getTotalParticles(), x.total) << n;
        EXPECT_FLOAT_EQ(s->getDuration(), x.duration) << n;
        EXPECT_EQ(s->getEmitterMode(), ParticleSystem::Mode::GRAVITY) << n;
        EXPECT_EQ(s->getPositionType(), ParticleSystem::PositionType::FREE) << n;
        EXPECT_FLOAT_EQ(s->getGravity().x, x.gravity.x) << n;
        EXPECT_FLOAT_EQ(s->getGravity().y, x.gravity.y) << n;
        EXPECT_FLOAT_EQ(s->getSpeed(), x.speed) << n;
        EXPECT_FLOAT_EQ(s->getSpeedVar(), x.speedVar) << n;
        EXPECT_FLOAT_EQ(s->getRadialAccel(), x.radial) << n;
        EXPECT_FLOAT_EQ(s->getRadialAccelVar(), x.radialVar) << n;
        EXPECT_FLOAT_EQ(s->getTangentialAccel(), x.tangential) << n;
        EXPECT_FLOAT_EQ(s->getTangentialAccelVar(), x.tangentialVar) << n;
        EXPECT_FLOAT_EQ(s->getAngle(), x.angle) << n;
        EXPECT_FLOAT_EQ(s->getAngleVar(), x.angleVar) << n;
        EXPECT_FLOAT_EQ(s->getPosition().x, win.width * x.fx + x.ox) << n;
        EXPECT_FLOAT_EQ(s->getPosition().y, win.height * x.fy + x.oy) << n;
        EXPECT_FLOAT_EQ(s->getPosVar().x, win.width * x.posVarFx + x.posVarX) << n;
        EXPECT_FLOAT_EQ(s->getPosVar().y, x.posVarY) << n;
        EXPECT_FLOAT_EQ(s->getSourcePosition().x, 0.0f) << n;
        EXPECT_FLOAT_EQ(s->getSourcePosition().y, 0.0f) << n;
        EXPECT_FLOAT_EQ(s->getLife(), x.life) << n;
        EXPECT_FLOAT_EQ(s->getLifeVar(), x.lifeVar) << n;
        EXPECT_FLOAT_EQ(s->getStartSize(), x.startSize) << n;
        EXPECT_FLOAT_EQ(s->getStartSizeVar(), x.startSizeVar) << n;
        EXPECT_FLOAT_EQ(s->getEndSize(), -1.0f) << n;
        EXPECT_FLOAT_EQ(s->getEndSizeVar(), 0.0f) << n;
        EXPECT_FLOAT_EQ(s->getStartSpin(), 0.0f) << n;
        EXPECT_FLOAT_EQ(s->getEndSpinVar(), 0.0f) << n;
        EXPECT_FALSE(s->getRotationIsDir()) << n;
        EXPECT_FALSE(s->isAutoRemoveOnFinish()) << n;
        EXPECT_NEAR(s->getEmissionRate(), x.rate, 1e-3) << n;
        expectColor(s->getStartColor(), x.start, "start", n);
        expectColor(s->getStartColorVar(), x.startVar, "startVar", n);
        expectColor(s->getEndColor(), x.end, "end", n);
        expectColor(s->getEndColorVar(), x.endVar, "endVar", n);
        EXPECT_EQ(s->getBlendFunc().src, x.blend.src) << n;
        EXPECT_EQ(s->getBlendFunc().dst, x.blend.dst) << n;
        EXPECT_EQ(s->isOpacityModifyRGB(), x.opacityModifyRGB) << n;
        ASSERT_NE(s->getTexture(), nullptr) << n;
        EXPECT_EQ(s->getTexture()->getPixelsWide(), 32) << n;
        EXPECT_TRUE(s->getTexture()->hasPremultipliedAlpha()) << n;
    }
}

TEST(ParticleExamples, TotalGivenAtCreationDrivesTheDerivedRate) {
    for (const Expected& x : effects()) {
        ParticleSystemQuad* s = x.createWith(100);
        ASSERT_NE(s, nullptr) << x.name;
        EXPECT_EQ(s->getTotalParticles(), 100) << x.name;
        const std::string name = x.name;
        float want = name == "Rain" ? 20.0f : name == "Snow" ? 10.0f
                     : name == "Explosion"                    ? 100 / 0.1f
                                                              : 100 / x.life;
        EXPECT_NEAR(s->getEmissionRate(), want, 1e-3) << x.name;
    }
}

TEST(ParticleExamples, EffectsShareOneCachedSoftWhiteDot) {
    ParticleSystemQuad* a = ParticleSun::create();
    ParticleSystemQuad* b = ParticleFire::create();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->getTexture(), b->getTexture());
    EXPECT_EQ(a->getTexture(), Director::getInstance()->getTextureCache()->getTextureForKey("/__firePngData"));
    std::vector<unsigned char> px = ParticleDefaultTexture::pixels();
    auto alpha = [&](int x, int y) { return px[(y * 32 + x) * 4 + 3]; };
    EXPECT_EQ(alpha(15, 15), 255);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(alpha(0, i), 0);
        EXPECT_EQ(alpha(i, 0), 0);
        EXPECT_EQ(alpha(30, i), 0);
        EXPECT_EQ(alpha(i, 31), 0);
    }
    // Falls off with the distance from the centre, about 18 per pixel.
    EXPECT_GT(alpha(15, 10), alpha(15, 5));
    EXPECT_NEAR(alpha(15, 15) - alpha(20, 15), 88, 10);
    double mean = 0;
    for (size_t i = 3; i < px.size(); i += 4)
        mean += px[i] / 255.0;
    EXPECT_NEAR(mean / 1024, 0.22, 0.02);
    // Premultiplied white: colour equals alpha (within the rounding).
    EXPECT_NEAR(px[(15 * 32 + 20) * 4], alpha(20, 15), 1);
}

TEST(ParticleExamples, SunBurnsAtItsSteadyRate) {
    ParticleSystemQuad* s = ParticleSun::create();
    ASSERT_NE(s, nullptr);
    for (int i = 0; i < 120; ++i)
        s->update(1.0f / 60.0f);
    // 350/s for a mean life of 1 s, capped at 350.
    EXPECT_GT(s->getParticleCount(), 250);
    EXPECT_LE(s->getParticleCount(), 350);
    EXPECT_TRUE(s->isActive());
    ParticleSystemQuad* e = ParticleExplosion::create();
    for (int i = 0; i < 12; ++i)
        e->update(1.0f / 60.0f);
    // The whole budget in about 0.1 s, then the emitter stops.
    EXPECT_FALSE(e->isActive());
    EXPECT_GT(e->getParticleCount(), 690);
}
