// The engine's particle emitter: parameters, plist loading and the per-frame simulation.
#ifndef __CCPARTICLE_SYSTEM_H__
#define __CCPARTICLE_SYSTEM_H__

#include <string>

#include "2d/CCNode.h"
#include "2d/CCParticleData.h"
#include "base/CCValue.h"
#include "base/ccTypes.h"

NS_CC_BEGIN

class Texture2D;
struct ParticleStepFrame;

// Emitter parameters are read and written through the getters and setters;
// the simulation state lives in _particleData (one array per attribute).
class CC_DLL ParticleSystem : public Node {
public:
    enum class Mode { GRAVITY, RADIUS };

    enum class PositionType { FREE, RELATIVE, GROUPED };

    enum {
        DURATION_INFINITY = -1,
        START_SIZE_EQUAL_TO_END_SIZE = -1,
        START_RADIUS_EQUAL_TO_END_RADIUS = -1,
    };

    // Largest particle total a system accepts. Bigger requests fail at
    // initialisation and are clamped by setTotalParticles, so a hostile file
    // cannot make the process allocate gigabytes.
    static constexpr int MAX_TOTAL_PARTICLES = 500000;

    static ParticleSystem* create(const std::string& plistFile);
    static ParticleSystem* createWithTotalParticles(int numberOfParticles);

    // Why the last initialisation in this process failed ("" after success).
    static const std::string& getLastInitError();

    void addParticles(int count);
    void stopSystem();
    void resetSystem();
    bool isFull();
    virtual void updateParticleQuads();
    virtual void postStep();
    virtual void updateWithNoTime();

    virtual bool isAutoRemoveOnFinish() const;
    virtual void setAutoRemoveOnFinish(bool var);

    // ---- gravity mode ----
    virtual const Vec2& getGravity();
    virtual void setGravity(const Vec2& g);
    virtual float getSpeed() const;
    virtual void setSpeed(float speed);
    virtual float getSpeedVar() const;
    virtual void setSpeedVar(float speed);
    virtual float getTangentialAccel() const;
    virtual void setTangentialAccel(float t);
    virtual float getTangentialAccelVar() const;
    virtual void setTangentialAccelVar(float t);
    virtual float getRadialAccel() const;
    virtual void setRadialAccel(float t);
    virtual float getRadialAccelVar() const;
    virtual void setRadialAccelVar(float t);
    virtual bool getRotationIsDir() const;
    virtual void setRotationIsDir(bool t);

    // ---- radius mode ----
    virtual float getStartRadius() const;
    virtual void setStartRadius(float startRadius);
    virtual float getStartRadiusVar() const;
    virtual void setStartRadiusVar(float startRadiusVar);
    virtual float getEndRadius() const;
    virtual void setEndRadius(float endRadius);
    virtual float getEndRadiusVar() const;
    virtual void setEndRadiusVar(float endRadiusVar);
    virtual float getRotatePerSecond() const;
    virtual void setRotatePerSecond(float degrees);
    virtual float getRotatePerSecondVar() const;
    virtual void setRotatePerSecondVar(float degrees);

    // ---- common parameters ----
    virtual bool isActive() const;
    virtual bool isBlendAdditive() const;
    virtual void setBlendAdditive(bool value);
    int getParticleCount() const { return _particleCount; }
    float getDuration() const { return _duration; }
    void setDuration(float duration) { _duration = duration; }
    const Vec2& getSourcePosition() const { return _sourcePosition; }
    void setSourcePosition(const Vec2& pos) { _sourcePosition = pos; }
    const Vec2& getPosVar() const { return _posVar; }
    void setPosVar(const Vec2& pos) { _posVar = pos; }
    float getLife() const { return _life; }
    void setLife(float life) { _life = life; }
    float getLifeVar() const { return _lifeVar; }
    void setLifeVar(float lifeVar) { _lifeVar = lifeVar; }
    float getAngle() const { return _angle; }
    void setAngle(float angle) { _angle = angle; }
    float getAngleVar() const { return _angleVar; }
    void setAngleVar(float angleVar) { _angleVar = angleVar; }
    Mode getEmitterMode() const { return _emitterMode; }
    void setEmitterMode(Mode mode) { _emitterMode = mode; }
    float getStartSize() const { return _startSize; }
    void setStartSize(float startSize) { _startSize = startSize; }
    float getStartSizeVar() const { return _startSizeVar; }
    void setStartSizeVar(float sizeVar) { _startSizeVar = sizeVar; }
    float getEndSize() const { return _endSize; }
    void setEndSize(float endSize) { _endSize = endSize; }
    float getEndSizeVar() const { return _endSizeVar; }
    void setEndSizeVar(float sizeVar) { _endSizeVar = sizeVar; }
    const Color4F& getStartColor() const { return _startColor; }
    void setStartColor(const Color4F& color) { _startColor = color; }
    const Color4F& getStartColorVar() const { return _startColorVar; }
    void setStartColorVar(const Color4F& color) { _startColorVar = color; }
    const Color4F& getEndColor() const { return _endColor; }
    void setEndColor(const Color4F& color) { _endColor = color; }
    const Color4F& getEndColorVar() const { return _endColorVar; }
    void setEndColorVar(const Color4F& color) { _endColorVar = color; }
    float getStartSpin() const { return _startSpin; }
    void setStartSpin(float spin) { _startSpin = spin; }
    float getStartSpinVar() const { return _startSpinVar; }
    void setStartSpinVar(float pinVar) { _startSpinVar = pinVar; }
    float getEndSpin() const { return _endSpin; }
    void setEndSpin(float endSpin) { _endSpin = endSpin; }
    float getEndSpinVar() const { return _endSpinVar; }
    void setEndSpinVar(float endSpinVar) { _endSpinVar = endSpinVar; }
    float getEmissionRate() const { return _emissionRate; }
    void setEmissionRate(float rate) { _emissionRate = rate; }
    virtual int getTotalParticles() const;
    virtual void setTotalParticles(int totalParticles);
    void setOpacityModifyRGB(bool opacityModifyRGB) override { _opacityModifyRGB = opacityModifyRGB; }
    bool isOpacityModifyRGB() const override { return _opacityModifyRGB; }
    PositionType getPositionType() const { return _positionType; }
    void setPositionType(PositionType type) { _positionType = type; }
    // Multiplier of the motion as read from "yCoordFlipped" (1 when absent);
    // the game scales by any value, not only 1 and -1.
    int getYCoordFlipped() const { return _yCoordFlipped; }
    const std::string& getConfigName() const { return _configName; }

    void onEnter() override;
    void onExit() override;
    void update(float dt) override;

    virtual Texture2D* getTexture() const;
    virtual void setTexture(Texture2D* texture);
    virtual void setBlendFunc(const BlendFunc& blendFunc);
    virtual const BlendFunc& getBlendFunc() const;

    const std::string& getResourceFile() const { return _plistFile; }

    virtual void start();
    virtual void stop();

    void setSourcePositionCompatible(bool sourcePositionCompatible) {
        _sourcePositionCompatible = sourcePositionCompatible;
    }
    bool isSourcePositionCompatible() const { return _sourcePositionCompatible; }

    virtual void pauseEmissions();
    virtual void resumeEmissions();
    virtual bool isPaused() const;

    ParticleSystem();
    ~ParticleSystem() override;

    bool init() override;
    virtual bool initWithFile(const std::string& plistFile);
    virtual bool initWithDictionary(ValueMap& dictionary);
    virtual bool initWithDictionary(ValueMap& dictionary, const std::string& dirname);
    virtual bool initWithTotalParticles(int numberOfParticles);

protected:
    virtual void updateBlendFunc();
    // Hands the texture read for a plist to the system; false on decode failures.
    bool loadTextureFromDictionary(ValueMap& dictionary, const std::string& dirname);
    static void setLastInitError(const std::string& why);

    void emitStep(float dt);
    // True when the system removed itself from its parent (auto-remove).
    bool removeDeadParticles();
    // Motion, colour, size and rotation of the live particles for one frame;
    // the quad system builds its quads in the same sweep.
    virtual void advanceParticles(float dt);
    // The frame's constants for the particle sweep.
    void fillStepFrame(ParticleStepFrame* frame, float dt, bool advance) const;

    std::string _plistFile;
    float _elapsed = 0.0f;

    struct {
        Vec2 gravity;
        float speed = 0.0f;
        float speedVar = 0.0f;
        float tangentialAccel = 0.0f;
        float tangentialAccelVar = 0.0f;
        float radialAccel = 0.0f;
        float radialAccelVar = 0.0f;
        bool rotationIsDir = false;
    } modeA;

    struct {
        float startRadius = 0.0f;
        float startRadiusVar = 0.0f;
        float endRadius = 0.0f;
        float endRadiusVar = 0.0f;
        float rotatePerSecond = 0.0f;
        float rotatePerSecondVar = 0.0f;
    } modeB;

    ParticleData _particleData;
    std::string _configName;
    float _emitCounter = 0.0f;
    int _allocatedParticles = 0;
    bool _isActive = true;
    int _particleCount = 0;
    float _duration = 0.0f;
    float _life = 0.0f;
    float _lifeVar = 0.0f;
    float _angle = 0.0f;
    float _angleVar = 0.0f;
    Mode _emitterMode = Mode::GRAVITY;
    float _startSize = 0.0f;
    float _startSizeVar = 0.0f;
    float _endSize = 0.0f;
    float _endSizeVar = 0.0f;
    Color4F _startColor{0, 0, 0, 0};
    Color4F _startColorVar{0, 0, 0, 0};
    Color4F _endColor{0, 0, 0, 0};
    Color4F _endColorVar{0, 0, 0, 0};
    float _startSpin = 0.0f;
    float _startSpinVar = 0.0f;
    float _endSpin = 0.0f;
    float _endSpinVar = 0.0f;
    float _emissionRate = 0.0f;
    int _totalParticles = 0;
    Texture2D* _texture = nullptr;
    BlendFunc _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    bool _opacityModifyRGB = false;
    int _yCoordFlipped = 1;
    PositionType _positionType = PositionType::FREE;
    bool _paused = false;
    bool _sourcePositionCompatible = true;
    bool _isAutoRemoveOnFinish = false;
    Vec2 _sourcePosition;
    Vec2 _posVar;

private:
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;
};

NS_CC_END

#endif // __CCPARTICLE_SYSTEM_H__
