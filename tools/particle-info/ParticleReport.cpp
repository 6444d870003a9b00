// Writes every loader key, the node and source positions and the texture of a system.
#include "ParticleReport.h"

#include "2d/CCParticleSystem.h"
#include "JsonWriter.h"
#include "renderer/CCTexture2D.h"

using cocos2d::Color4F;
using cocos2d::ParticleSystem;

namespace {

void addColor(JsonWriter& json, const std::string& prefix, const Color4F& c) {
    json.addNumber(prefix + "Red", c.r);
    json.addNumber(prefix + "Green", c.g);
    json.addNumber(prefix + "Blue", c.b);
    json.addNumber(prefix + "Alpha", c.a);
}

std::string textureJson(const cocos2d::Texture2D* texture) {
    if (!texture)
        return "null";
    JsonWriter t;
    t.addInt("width", texture->getPixelsWide());
    t.addInt("height", texture->getPixelsHigh());
    t.addBool("premultiplied", texture->hasPremultipliedAlpha());
    std::string text = t.finish();
    // Nest the object: indent its members one level further, drop the newline.
    std::string nested;
    for (char c : text.substr(0, text.size() - 1)) {
        nested += c;
        if (c == '\n')
            nested += "  ";
    }
    return nested;
}

}  // namespace

std::string ParticleReport::toJson(ParticleSystem& s, const std::string& textureFileName) {
    JsonWriter json;
    // Loader keys, in the order the loader reads them.
    json.addInt("maxParticles", s.getTotalParticles());
    json.addString("configName", s.getConfigName());
    json.addNumber("angle", s.getAngle());
    json.addNumber("angleVariance", s.getAngleVar());
    json.addNumber("duration", s.getDuration());
    json.addInt("blendFuncSource", s.getBlendFunc().src);
    json.addInt("blendFuncDestination", s.getBlendFunc().dst);
    addColor(json, "startColor", s.getStartColor());
    addColor(json, "startColorVariance", s.getStartColorVar());
    addColor(json, "finishColor", s.getEndColor());
    addColor(json, "finishColorVariance", s.getEndColorVar());
    json.addNumber("startParticleSize", s.getStartSize());
    json.addNumber("startParticleSizeVariance", s.getStartSizeVar());
    json.addNumber("finishParticleSize", s.getEndSize());
    json.addNumber("finishParticleSizeVariance", s.getEndSizeVar());
    json.addNumber("sourcePositionx", s.getSourcePosition().x);
    json.addNumber("sourcePositiony", s.getSourcePosition().y);
    json.addNumber("sourcePositionVariancex", s.getPosVar().x);
    json.addNumber("sourcePositionVariancey", s.getPosVar().y);
    json.addNumber("rotationStart", s.getStartSpin());
    json.addNumber("rotationStartVariance", s.getStartSpinVar());
    json.addNumber("rotationEnd", s.getEndSpin());
    json.addNumber("rotationEndVariance", s.getEndSpinVar());
    json.addInt("emitterType", static_cast<int>(s.getEmitterMode()));
    json.addNumber("gravityx", s.getGravity().x);
    json.addNumber("gravityy", s.getGravity().y);
    json.addNumber("speed", s.getSpeed());
    json.addNumber("speedVariance", s.getSpeedVar());
    json.addNumber("radialAcceleration", s.getRadialAccel());
    json.addNumber("radialAccelVariance", s.getRadialAccelVar());
    json.addNumber("tangentialAcceleration", s.getTangentialAccel());
    json.addNumber("tangentialAccelVariance", s.getTangentialAccelVar());
    json.addBool("rotationIsDir", s.getRotationIsDir());
    json.addNumber("maxRadius", s.getStartRadius());
    json.addNumber("maxRadiusVariance", s.getStartRadiusVar());
    json.addNumber("minRadius", s.getEndRadius());
    json.addNumber("minRadiusVariance", s.getEndRadiusVar());
    json.addNumber("rotatePerSecond", s.getRotatePerSecond());
    json.addNumber("rotatePerSecondVariance", s.getRotatePerSecondVar());
    json.addNumber("particleLifespan", s.getLife());
    json.addNumber("particleLifespanVariance", s.getLifeVar());
    json.addString("textureFileName", textureFileName);
    json.addInt("yCoordFlipped", s.getYCoordFlipped());
    // Node and derived state.
    json.addNumber("positionx", s.getPosition().x);
    json.addNumber("positiony", s.getPosition().y);
    json.addNumber("emissionRate", s.getEmissionRate());
    json.addInt("positionType", static_cast<int>(s.getPositionType()));
    json.addRaw("texture", textureJson(s.getTexture()));
    return json.finish();
}
