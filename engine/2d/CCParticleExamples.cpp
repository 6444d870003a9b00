// Parameter tables of the eleven ready-made effects and their shared setup.
#include "2d/CCParticleExamples.h"

#include "2d/CCParticleDefaultTexture.h"
#include "base/CCDirector.h"

NS_CC_BEGIN

namespace {

enum class Rate { PER_LIFE, PER_DURATION, FIXED };

// Every number an effect sets. Positions are winSize × fraction + offset.
struct EffectValues {
    float duration;
    Vec2 gravity;
    float speed, speedVar;
    float radialAccel, radialAccelVar;
    float tangentialAccel, tangentialAccelVar;
    float angle, angleVar;
    float posFracX, posFracY, posOffX, posOffY;
    float posVarFracX, posVarX, posVarY;
    float life, lifeVar;
    float startSize, startSizeVar;
    Rate rate;
    float fixedRate;
    Color4F startColor, startColorVar, endColor, endColorVar;
    bool additive;
    bool additiveBeforeTexture;
};

const float INF = ParticleSystem::DURATION_INFINITY;

// clang-format off
const EffectValues kFire = {INF, {0, 0}, 60, 20, 0, 0, 0, 0, 90, 10, 0.5f, 0, 0, 60, 0, 40, 20,
    3, 0.25f, 54, 10, Rate::PER_LIFE, 0,
    {0.76f, 0.25f, 0.12f, 1.0f}, {0, 0, 0, 0}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, true, false};
const EffectValues kFireworks = {INF, {0, -90}, 180, 50, 0, 0, 0, 0, 90, 20, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    3.5f, 1, 8, 2, Rate::PER_LIFE, 0,
    {0.5f, 0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.5f, 0.1f}, {0.1f, 0.1f, 0.1f, 0.2f}, {0.1f, 0.1f, 0.1f, 0.2f},
    false, false};
const EffectValues kSun = {INF, {0, 0}, 20, 5, 0, 0, 0, 0, 90, 360, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    1, 0.5f, 30, 10, Rate::PER_LIFE, 0,
    {0.76f, 0.25f, 0.12f, 1.0f}, {0, 0, 0, 0}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, true, true};
const EffectValues kGalaxy = {INF, {0, 0}, 60, 10, -80, 0, 80, 0, 90, 360, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    4, 1, 37, 10, Rate::PER_LIFE, 0,
    {0.12f, 0.25f, 0.76f, 1.0f}, {0, 0, 0, 0}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, true, false};
const EffectValues kFlower = {INF, {0, 0}, 80, 10, -60, 0, 15, 0, 90, 360, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    4, 1, 30, 10, Rate::PER_LIFE, 0,
    {0.5f, 0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.5f, 0.5f}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, true, false};
const EffectValues kMeteor = {INF, {-200, 200}, 15, 5, 0, 0, 0, 0, 90, 360, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    2, 1, 60, 10, Rate::PER_LIFE, 0,
    {0.2f, 0.4f, 0.7f, 1.0f}, {0, 0, 0.2f, 0.1f}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, true, false};
const EffectValues kSpiral = {INF, {0, 0}, 150, 0, -380, 0, 45, 0, 90, 0, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    12, 0, 20, 0, Rate::PER_LIFE, 0,
    {0.5f, 0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.5f, 0}, {0.5f, 0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.5f, 0},
    false, false};
const EffectValues kExplosion = {0.1f, {0, 0}, 70, 40, 0, 0, 0, 0, 90, 360, 0.5f, 0.5f, 0, 0, 0, 0, 0,
    5, 2, 15, 10, Rate::PER_DURATION, 0,
    {0.7f, 0.1f, 0.2f, 1.0f}, {0.5f, 0.5f, 0.5f, 0}, {0.5f, 0.5f, 0.5f, 0}, {0.5f, 0.5f, 0.5f, 0},
    false, false};
const EffectValues kSmoke = {INF, {0, 0}, 25, 10, 0, 0, 0, 0, 90, 5, 0.5f, 0, 0, 0, 0, 20, 0,
    4, 1, 60, 10, Rate::PER_LIFE, 0,
    {0.8f, 0.8f, 0.8f, 1.0f}, {0.02f, 0.02f, 0.02f, 0}, {0, 0, 0, 1.0f}, {0, 0, 0, 0}, false, false};
const EffectValues kSnow = {INF, {0, -1}, 5, 1, 0, 1, 0, 1, -90, 5, 0.5f, 1, 0, 10, 0.5f, 0, 0,
    45, 15, 10, 5, Rate::FIXED, 10,
    {1, 1, 1, 1}, {0, 0, 0, 0}, {1, 1, 1, 0}, {0, 0, 0, 0}, false, false};
const EffectValues kRain = {INF, {10, -10}, 130, 30, 0, 1, 0, 1, -90, 5, 0.5f, 1, 0, 0, 0.5f, 0, 0,
    4.5f, 0, 4, 2, Rate::FIXED, 20,
    {0.7f, 0.8f, 1.0f, 1.0f}, {0, 0, 0, 0}, {0.7f, 0.8f, 1.0f, 0.5f}, {0, 0, 0, 0}, false, false};
// clang-format on

}  // namespace

// Applies an effect table in the engine's order: parameters, texture, blend.
static void applyEffect(ParticleSystemQuad* system, const EffectValues& v) {
    system->setDuration(v.duration);
    system->setEmitterMode(ParticleSystem::Mode::GRAVITY);
    system->setGravity(v.gravity);
    system->setSpeed(v.speed);
    system->setSpeedVar(v.speedVar);
    system->setRadialAccel(v.radialAccel);
    system->setRadialAccelVar(v.radialAccelVar);
    system->setTangentialAccel(v.tangentialAccel);
    system->setTangentialAccelVar(v.tangentialAccelVar);
    system->setAngle(v.angle);
    system->setAngleVar(v.angleVar);
    Size winSize = Director::getInstance()->getWinSize();
    system->setPosition(Vec2(winSize.width * v.posFracX + v.posOffX, winSize.height * v.posFracY + v.posOffY));
    system->setPosVar(Vec2(winSize.width * v.posVarFracX + v.posVarX, v.posVarY));
    system->setLife(v.life);
    system->setLifeVar(v.lifeVar);
    system->setStartSize(v.startSize);
    system->setStartSizeVar(v.startSizeVar);
    system->setEndSize(ParticleSystem::START_SIZE_EQUAL_TO_END_SIZE);
    float total = static_cast<float>(system->getTotalParticles());
    switch (v.rate) {
        case Rate::PER_LIFE: system->setEmissionRate(total / v.life); break;
        case Rate::PER_DURATION: system->setEmissionRate(total / v.duration); break;
        case Rate::FIXED: system->setEmissionRate(v.fixedRate); break;
    }
    system->setStartColor(v.startColor);
    system->setStartColorVar(v.startColorVar);
    system->setEndColor(v.endColor);
    system->setEndColorVar(v.endColorVar);
    // The order matters: setTexture turns on premultiplied vertex colours only
    // while the blend is still the default pair.
    if (v.additiveBeforeTexture)
        system->setBlendAdditive(v.additive);
    if (Texture2D* texture = ParticleDefaultTexture::get())
        system->setTexture(texture);
    if (!v.additiveBeforeTexture)
        system->setBlendAdditive(v.additive);
}

#define CC_PARTICLE_EXAMPLE_IMPL(Name, Values)                                \
    Name* Name::create() {                                                    \
        Name* ret = new (std::nothrow) Name();                                \
        if (ret && ret->init()) {                                             \
            ret->autorelease();                                               \
            return ret;                                                       \
        }                                                                     \
        delete ret;                                                           \
        return nullptr;                                                       \
    }                                                                         \
    Name* Name::createWithTotalParticles(int numberOfParticles) {             \
        Name* ret = new (std::nothrow) Name();                                \
        if (ret && ret->initWithTotalParticles(numberOfParticles)) {          \
            ret->autorelease();                                               \
            return ret;                                                       \
        }                                                                     \
        delete ret;                                                           \
        return nullptr;                                                       \
    }                                                                         \
    bool Name::initWithTotalParticles(int numberOfParticles) {                \
        if (!ParticleSystemQuad::initWithTotalParticles(numberOfParticles))   \
            return false;                                                     \
        applyEffect(this, Values);                                            \
        return true;                                                          \
    }

CC_PARTICLE_EXAMPLE_IMPL(ParticleFire, kFire)
CC_PARTICLE_EXAMPLE_IMPL(ParticleFireworks, kFireworks)
CC_PARTICLE_EXAMPLE_IMPL(ParticleSun, kSun)
CC_PARTICLE_EXAMPLE_IMPL(ParticleGalaxy, kGalaxy)
CC_PARTICLE_EXAMPLE_IMPL(ParticleFlower, kFlower)
CC_PARTICLE_EXAMPLE_IMPL(ParticleMeteor, kMeteor)
CC_PARTICLE_EXAMPLE_IMPL(ParticleSpiral, kSpiral)
CC_PARTICLE_EXAMPLE_IMPL(ParticleExplosion, kExplosion)
CC_PARTICLE_EXAMPLE_IMPL(ParticleSmoke, kSmoke)
CC_PARTICLE_EXAMPLE_IMPL(ParticleSnow, kSnow)
CC_PARTICLE_EXAMPLE_IMPL(ParticleRain, kRain)

#undef CC_PARTICLE_EXAMPLE_IMPL

NS_CC_END
