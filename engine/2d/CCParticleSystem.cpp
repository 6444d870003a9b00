// Particle emitter: parameters, life cycle, emission and the per-frame simulation.
#include "2d/CCParticleSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "2d/CCParticleSystemStep.h"
#include "base/ccMacros.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

namespace {

// The emitter's own random stream: a 32-bit LCG reseeded from rand() at the
// start of every emission, giving 32768 evenly spaced values in [-1, 1).
inline float randomMinus1To1(uint32_t* seed) {
    *seed = *seed * 134775813u + 1u;
    uint32_t bits = ((*seed & 0x7fffu) << 8) | 0x40000000u;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f - 3.0f;
}

inline float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

std::string& lastInitError() {
    static std::string text;
    return text;
}

} // namespace

const std::string& ParticleSystem::getLastInitError() {
    return lastInitError();
}

void ParticleSystem::setLastInitError(const std::string& why) {
    lastInitError() = why;
}

ParticleSystem::ParticleSystem() = default;

ParticleSystem::~ParticleSystem() {
    _particleData.release();
    CC_SAFE_RELEASE(_texture);
}

ParticleSystem* ParticleSystem::create(const std::string& plistFile) {
    ParticleSystem* ret = new (std::nothrow) ParticleSystem();
    if (ret && ret->initWithFile(plistFile)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ParticleSystem* ParticleSystem::createWithTotalParticles(int numberOfParticles) {
    ParticleSystem* ret = new (std::nothrow) ParticleSystem();
    if (ret && ret->initWithTotalParticles(numberOfParticles)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool ParticleSystem::init() {
    return initWithTotalParticles(150);
}

bool ParticleSystem::initWithTotalParticles(int numberOfParticles) {
    // Failure leaves the object to its creator (the engine released itself
    // here, which made its factories destroy the object twice).
    if (numberOfParticles < 0 || numberOfParticles > MAX_TOTAL_PARTICLES) {
        setLastInitError("particle total " + std::to_string(numberOfParticles) + " is outside 0.." +
                         std::to_string(MAX_TOTAL_PARTICLES));
        return false;
    }
    if (!_particleData.init(numberOfParticles)) {
        setLastInitError("not enough memory for " + std::to_string(numberOfParticles) + " particles");
        return false;
    }
    _totalParticles = numberOfParticles;
    _allocatedParticles = numberOfParticles;
    _particleCount = std::min(_particleCount, _allocatedParticles);
    _isActive = true;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    _positionType = PositionType::FREE;
    _emitterMode = Mode::GRAVITY;
    _isAutoRemoveOnFinish = false;
    setLastInitError("");
    return true;
}

// ---- life cycle ----

void ParticleSystem::onEnter() {
    Node::onEnter();
    scheduleUpdateWithPriority(1);
}

void ParticleSystem::onExit() {
    unscheduleUpdate();
    Node::onExit();
}

void ParticleSystem::stopSystem() {
    _isActive = false;
    _elapsed = _duration;
    _emitCounter = 0;
}

void ParticleSystem::resetSystem() {
    _isActive = true;
    _elapsed = 0;
    for (int i = 0; i < _particleCount; ++i) _particleData.timeToLive[i] = 0.0f;
}

bool ParticleSystem::isFull() {
    return _particleCount == _totalParticles;
}

void ParticleSystem::start() {
    resetSystem();
}

void ParticleSystem::stop() {
    stopSystem();
}

void ParticleSystem::pauseEmissions() {
    _paused = true;
}

void ParticleSystem::resumeEmissions() {
    _paused = false;
}

bool ParticleSystem::isPaused() const {
    return _paused;
}

bool ParticleSystem::isActive() const {
    return _isActive;
}

bool ParticleSystem::isAutoRemoveOnFinish() const {
    return _isAutoRemoveOnFinish;
}

void ParticleSystem::setAutoRemoveOnFinish(bool var) {
    _isAutoRemoveOnFinish = var;
}

int ParticleSystem::getTotalParticles() const {
    return _totalParticles;
}

void ParticleSystem::setTotalParticles(int tp) {
    // The base class never reallocates: the total stays within the allocation.
    _totalParticles = std::max(0, std::min(tp, _allocatedParticles));
}

// ---- emission ----

void ParticleSystem::addParticles(int count) {
    if (_paused || count <= 0) return;
    count = std::min(count, _allocatedParticles - _particleCount);
    if (count <= 0) return;
    uint32_t seed = static_cast<uint32_t>(std::rand());
    auto r = [&seed]() { return randomMinus1To1(&seed); };

    ParticleData& d = _particleData;
    const int start = _particleCount;
    const int end = _particleCount + count;
    _particleCount = end;

    for (int i = start; i < end; ++i) {
        float life = _life + _lifeVar * r();
        // A NaN life counts as dead at birth instead of living forever.
        d.timeToLive[i] = life > 0.0f ? life : 0.0f;
    }
    for (int i = start; i < end; ++i) d.posx[i] = _sourcePosition.x + _posVar.x * r();
    for (int i = start; i < end; ++i) d.posy[i] = _sourcePosition.y + _posVar.y * r();

    auto setColor = [&](float* c, float base, float var) {
        for (int i = start; i < end; ++i) c[i] = clamp01(base + var * r());
    };
    setColor(d.colorR, _startColor.r, _startColorVar.r);
    setColor(d.colorG, _startColor.g, _startColorVar.g);
    setColor(d.colorB, _startColor.b, _startColorVar.b);
    setColor(d.colorA, _startColor.a, _startColorVar.a);
    setColor(d.deltaColorR, _endColor.r, _endColorVar.r);
    setColor(d.deltaColorG, _endColor.g, _endColorVar.g);
    setColor(d.deltaColorB, _endColor.b, _endColorVar.b);
    setColor(d.deltaColorA, _endColor.a, _endColorVar.a);
    auto toDelta = [&](const float* c, float* dc) {
        for (int i = start; i < end; ++i) dc[i] = (dc[i] - c[i]) / d.timeToLive[i];
    };
    toDelta(d.colorR, d.deltaColorR);
    toDelta(d.colorG, d.deltaColorG);
    toDelta(d.colorB, d.deltaColorB);
    toDelta(d.colorA, d.deltaColorA);

    for (int i = start; i < end; ++i) d.size[i] = std::max(0.0f, _startSize + _startSizeVar * r());
    if (_endSize != START_SIZE_EQUAL_TO_END_SIZE) {
        for (int i = start; i < end; ++i) {
            float endSize = std::max(0.0f, _endSize + _endSizeVar * r());
            d.deltaSize[i] = (endSize - d.size[i]) / d.timeToLive[i];
        }
    } else {
        for (int i = start; i < end; ++i) d.deltaSize[i] = 0.0f;
    }

    for (int i = start; i < end; ++i) d.rotation[i] = _startSpin + _startSpinVar * r();
    for (int i = start; i < end; ++i) {
        float endAngle = _endSpin + _endSpinVar * r();
        d.deltaRotation[i] = (endAngle - d.rotation[i]) / d.timeToLive[i];
    }

    if (_positionType != PositionType::GROUPED) {
        Vec2 origin = _positionType == PositionType::FREE ? convertToWorldSpace(Vec2::ZERO) : _position;
        for (int i = start; i < end; ++i) {
            d.startPosX[i] = origin.x;
            d.startPosY[i] = origin.y;
        }
    }

    if (_emitterMode == Mode::GRAVITY) {
        for (int i = start; i < end; ++i) d.modeA.radialAccel[i] = modeA.radialAccel + modeA.radialAccelVar * r();
        for (int i = start; i < end; ++i)
            d.modeA.tangentialAccel[i] = modeA.tangentialAccel + modeA.tangentialAccelVar * r();
        for (int i = start; i < end; ++i) {
            float a = CC_DEGREES_TO_RADIANS(_angle + _angleVar * r());
            float s = modeA.speed + modeA.speedVar * r();
            float dx = std::cos(a) * s;
            float dy = std::sin(a) * s;
            d.modeA.dirX[i] = dx;
            d.modeA.dirY[i] = dy;
            if (modeA.rotationIsDir) d.rotation[i] = -CC_RADIANS_TO_DEGREES(std::atan2(dy, dx));
        }
    } else {
        for (int i = start; i < end; ++i) d.modeB.radius[i] = modeB.startRadius + modeB.startRadiusVar * r();
        for (int i = start; i < end; ++i) d.modeB.angle[i] = CC_DEGREES_TO_RADIANS(_angle + _angleVar * r());
        for (int i = start; i < end; ++i)
            d.modeB.degreesPerSecond[i] = CC_DEGREES_TO_RADIANS(modeB.rotatePerSecond + modeB.rotatePerSecondVar * r());
        if (modeB.endRadius == START_RADIUS_EQUAL_TO_END_RADIUS) {
            for (int i = start; i < end; ++i) d.modeB.deltaRadius[i] = 0.0f;
        } else {
            for (int i = start; i < end; ++i) {
                float endRadius = modeB.endRadius + modeB.endRadiusVar * r();
                d.modeB.deltaRadius[i] = (endRadius - d.modeB.radius[i]) / d.timeToLive[i];
            }
        }
    }
}

void ParticleSystem::emitStep(float dt) {
    if (!_isActive || _emissionRate == 0.0f) return;
    const int cap = _totalParticles;
    if (_particleCount < cap) {
        _emitCounter += dt;
        if (!(_emitCounter >= 0.0f)) _emitCounter = 0.0f;
    }
    // Same float arithmetic as the engine (count = counter / (1 / rate)), with
    // the hazards defused: negative or NaN rates emit nothing, and an
    // infinite rate (life 0) fills up to the total.
    const int room = std::max(0, cap - _particleCount);
    const float rate = 1.0f / _emissionRate;
    const float wanted = _emitCounter / rate;
    int emitCount = 0;
    if (std::isnan(wanted))
        emitCount = rate == 0.0f ? room : 0;
    else if (wanted >= static_cast<float>(room))
        emitCount = room;
    else if (wanted > 0.0f)
        emitCount = static_cast<int>(wanted);
    addParticles(emitCount);
    _emitCounter -= rate * static_cast<float>(emitCount);
    _elapsed += dt;
    if (_elapsed < 0.0f) _elapsed = 0.0f;
    if (_duration != DURATION_INFINITY && _duration < _elapsed) stopSystem();
}

bool ParticleSystem::removeDeadParticles() {
    float* ttl = _particleData.timeToLive;
    for (int i = 0; i < _particleCount; ++i) {
        if (ttl[i] > 0.0f) continue;
        // The game trims the dead tail down past i when i is part of it and
        // then copies the last live particle into i, outside the live range:
        // that particle is lost one frame early. Kept so the preview loses it too.
        int last = _particleCount - 1;
        while (last > 0 && ttl[last] <= 0.0f) {
            --_particleCount;
            --last;
        }
        _particleData.copyParticle(i, _particleCount - 1);
        --_particleCount;
        if (_particleCount == 0 && _isAutoRemoveOnFinish) {
            unscheduleUpdate();
            if (_parent) _parent->removeChild(this, true);
            return true;
        }
    }
    return false;
}

void ParticleSystem::fillStepFrame(ParticleStepFrame* frame, float dt, bool advance) const {
    frame->dt = dt;
    frame->advance = advance;
    frame->radiusMode = _emitterMode == Mode::RADIUS;
    frame->gravityX = modeA.gravity.x;
    frame->gravityY = modeA.gravity.y;
    // The game scales the motion by "yCoordFlipped" as read, so 0 freezes it.
    frame->flip = static_cast<float>(_yCoordFlipped);
    frame->opacityModifyRGB = _opacityModifyRGB;
}

void ParticleSystem::advanceParticles(float dt) {
    ParticleStepFrame frame;
    fillStepFrame(&frame, dt, true);
    stepParticles(_particleData, _particleCount, frame, nullptr);
    updateParticleQuads();
}

void ParticleSystem::update(float dt) {
    emitStep(dt);

    float* ttl = _particleData.timeToLive;
    for (int i = 0; i < _particleCount; ++i) ttl[i] -= dt;

    // Removal from the parent may have destroyed this object: touch nothing.
    if (removeDeadParticles()) return;

    advanceParticles(dt);
    postStep();
}

void ParticleSystem::updateWithNoTime() {
    update(0.0f);
}

void ParticleSystem::updateParticleQuads() {}

void ParticleSystem::postStep() {}

// ---- gravity mode ----

const Vec2& ParticleSystem::getGravity() {
    return modeA.gravity;
}
void ParticleSystem::setGravity(const Vec2& g) {
    modeA.gravity = g;
}
float ParticleSystem::getSpeed() const {
    return modeA.speed;
}
void ParticleSystem::setSpeed(float speed) {
    modeA.speed = speed;
}
float ParticleSystem::getSpeedVar() const {
    return modeA.speedVar;
}
void ParticleSystem::setSpeedVar(float speedVar) {
    modeA.speedVar = speedVar;
}
float ParticleSystem::getTangentialAccel() const {
    return modeA.tangentialAccel;
}
void ParticleSystem::setTangentialAccel(float t) {
    modeA.tangentialAccel = t;
}
float ParticleSystem::getTangentialAccelVar() const {
    return modeA.tangentialAccelVar;
}
void ParticleSystem::setTangentialAccelVar(float t) {
    modeA.tangentialAccelVar = t;
}
float ParticleSystem::getRadialAccel() const {
    return modeA.radialAccel;
}
void ParticleSystem::setRadialAccel(float t) {
    modeA.radialAccel = t;
}
float ParticleSystem::getRadialAccelVar() const {
    return modeA.radialAccelVar;
}
void ParticleSystem::setRadialAccelVar(float t) {
    modeA.radialAccelVar = t;
}
bool ParticleSystem::getRotationIsDir() const {
    return modeA.rotationIsDir;
}
void ParticleSystem::setRotationIsDir(bool t) {
    modeA.rotationIsDir = t;
}

// ---- radius mode ----

float ParticleSystem::getStartRadius() const {
    return modeB.startRadius;
}
void ParticleSystem::setStartRadius(float v) {
    modeB.startRadius = v;
}
float ParticleSystem::getStartRadiusVar() const {
    return modeB.startRadiusVar;
}
void ParticleSystem::setStartRadiusVar(float v) {
    modeB.startRadiusVar = v;
}
float ParticleSystem::getEndRadius() const {
    return modeB.endRadius;
}
void ParticleSystem::setEndRadius(float v) {
    modeB.endRadius = v;
}
float ParticleSystem::getEndRadiusVar() const {
    return modeB.endRadiusVar;
}
void ParticleSystem::setEndRadiusVar(float v) {
    modeB.endRadiusVar = v;
}
float ParticleSystem::getRotatePerSecond() const {
    return modeB.rotatePerSecond;
}
void ParticleSystem::setRotatePerSecond(float v) {
    modeB.rotatePerSecond = v;
}
float ParticleSystem::getRotatePerSecondVar() const {
    return modeB.rotatePerSecondVar;
}
void ParticleSystem::setRotatePerSecondVar(float v) {
    modeB.rotatePerSecondVar = v;
}

// ---- texture and blending ----

Texture2D* ParticleSystem::getTexture() const {
    return _texture;
}

void ParticleSystem::setTexture(Texture2D* texture) {
    if (_texture != texture) {
        CC_SAFE_RETAIN(texture);
        CC_SAFE_RELEASE(_texture);
        _texture = texture;
        updateBlendFunc();
    }
}

void ParticleSystem::updateBlendFunc() {
    if (!_texture) return;
    bool premultiplied = _texture->hasPremultipliedAlpha();
    _opacityModifyRGB = false;
    if (_blendFunc.src == CC_BLEND_SRC && _blendFunc.dst == CC_BLEND_DST) {
        if (premultiplied)
            _opacityModifyRGB = true;
        else
            _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
    }
}

void ParticleSystem::setBlendFunc(const BlendFunc& blendFunc) {
    if (_blendFunc.src != blendFunc.src || _blendFunc.dst != blendFunc.dst) {
        _blendFunc = blendFunc;
        updateBlendFunc();
    }
}

const BlendFunc& ParticleSystem::getBlendFunc() const {
    return _blendFunc;
}

bool ParticleSystem::isBlendAdditive() const {
    return _blendFunc.src == GL_SRC_ALPHA && _blendFunc.dst == GL_ONE;
}

void ParticleSystem::setBlendAdditive(bool additive) {
    if (additive) {
        _blendFunc = BlendFunc::ADDITIVE;
    } else if (_texture && !_texture->hasPremultipliedAlpha()) {
        _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
    } else {
        _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    }
}

NS_CC_END
