// Particle system initialisation from a particle plist (file or dictionary).
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "2d/CCParticleSystem.h"
#include "2d/CCParticleTiffDecoder.h"
#include "base/CCDirector.h"
#include "base/ZipUtils.h"
#include "base/ccSaturatingCast.h"
#include "base/base64.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

namespace {

// Reads without inserting: the engine's operator[] added every missing key
// to the caller's dictionary.
const Value& valueOf(const ValueMap& dict, const char* key) {
    static const Value none;
    auto it = dict.find(key);
    return it == dict.end() ? none : it->second;
}

float floatOf(const ValueMap& dict, const char* key) {
    return valueOf(dict, key).asFloat();
}

int intOf(const ValueMap& dict, const char* key) {
    return valueOf(dict, key).asInt();
}

// A total that is no number, or one outside the engine's range, is named as
// the file gives it; converted to int first it would read as some unrelated
// count such as -2147483648.
// Empty when the total is usable, otherwise what is wrong with it.
std::string particleTotalProblem(const Value& total) {
    const double v = total.asDouble();
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    if (!std::isfinite(v)) return std::string("\"maxParticles\" is not a usable number: ") + text;
    // Compared before truncation toward zero, as the conversion to int does.
    if (v <= -1.0 || v >= ParticleSystem::MAX_TOTAL_PARTICLES + 1.0)
        return std::string("\"maxParticles\" ") + text + " is outside 0.." +
               std::to_string(ParticleSystem::MAX_TOTAL_PARTICLES);
    return std::string();
}

// Frees a malloc'ed buffer at scope exit.
struct MallocBuffer {
    unsigned char* data = nullptr;
    ~MallocBuffer() { std::free(data); }
};

} // namespace

bool ParticleSystem::initWithFile(const std::string& plistFile) {
    FileUtils* files = FileUtils::getInstance();
    _plistFile = files->fullPathForFilename(plistFile);
    if (_plistFile.empty()) {
        setLastInitError("file not found: " + plistFile);
        return false;
    }
    ValueMap dict = files->getValueMapFromFile(_plistFile);
    // An unreadable or non-particle plist would otherwise give an empty
    // system that silently stops; refuse it.
    if (dict.empty()) {
        setLastInitError("not a readable plist dictionary: " + plistFile);
        return false;
    }
    if (dict.find("maxParticles") == dict.end()) {
        setLastInitError("not a particle plist (no \"maxParticles\"): " + plistFile);
        return false;
    }
    // The texture directory comes from the argument as given, as in the engine.
    std::string dirname;
    size_t slash = plistFile.rfind('/');
    if (slash != std::string::npos) dirname = plistFile.substr(0, slash + 1);
    return initWithDictionary(dict, dirname);
}

bool ParticleSystem::initWithDictionary(ValueMap& dictionary) {
    return initWithDictionary(dictionary, "");
}

bool ParticleSystem::initWithDictionary(ValueMap& dictionary, const std::string& dirname) {
    const ValueMap& d = dictionary;
    const std::string totalProblem = particleTotalProblem(valueOf(d, "maxParticles"));
    if (!totalProblem.empty()) {
        setLastInitError(totalProblem);
        return false;
    }
    if (!initWithTotalParticles(intOf(d, "maxParticles"))) return false;

    _configName = valueOf(d, "configName").asString();
    const bool designer2 = !_configName.empty();

    _angle = floatOf(d, "angle");
    _angleVar = floatOf(d, "angleVariance");
    _duration = floatOf(d, "duration");
    if (designer2)
        _blendFunc.src = static_cast<GLenum>(saturatingCast<int>(floatOf(d, "blendFuncSource")));
    else
        _blendFunc.src = static_cast<GLenum>(intOf(d, "blendFuncSource"));
    _blendFunc.dst = static_cast<GLenum>(intOf(d, "blendFuncDestination"));

    _startColor = Color4F(floatOf(d, "startColorRed"), floatOf(d, "startColorGreen"), floatOf(d, "startColorBlue"),
                          floatOf(d, "startColorAlpha"));
    _startColorVar = Color4F(floatOf(d, "startColorVarianceRed"), floatOf(d, "startColorVarianceGreen"),
                             floatOf(d, "startColorVarianceBlue"), floatOf(d, "startColorVarianceAlpha"));
    _endColor = Color4F(floatOf(d, "finishColorRed"), floatOf(d, "finishColorGreen"), floatOf(d, "finishColorBlue"),
                        floatOf(d, "finishColorAlpha"));
    _endColorVar = Color4F(floatOf(d, "finishColorVarianceRed"), floatOf(d, "finishColorVarianceGreen"),
                           floatOf(d, "finishColorVarianceBlue"), floatOf(d, "finishColorVarianceAlpha"));

    _startSize = floatOf(d, "startParticleSize");
    _startSizeVar = floatOf(d, "startParticleSizeVariance");
    _endSize = floatOf(d, "finishParticleSize");
    _endSizeVar = floatOf(d, "finishParticleSizeVariance");

    Vec2 source(floatOf(d, "sourcePositionx"), floatOf(d, "sourcePositiony"));
    if (_sourcePositionCompatible)
        setPosition(source);
    else
        setSourcePosition(source);
    _posVar = Vec2(floatOf(d, "sourcePositionVariancex"), floatOf(d, "sourcePositionVariancey"));

    _startSpin = floatOf(d, "rotationStart");
    _startSpinVar = floatOf(d, "rotationStartVariance");
    _endSpin = floatOf(d, "rotationEnd");
    _endSpinVar = floatOf(d, "rotationEndVariance");

    int mode = intOf(d, "emitterType");
    if (mode == 0) {
        _emitterMode = Mode::GRAVITY;
        modeA.gravity = Vec2(floatOf(d, "gravityx"), floatOf(d, "gravityy"));
        modeA.speed = floatOf(d, "speed");
        modeA.speedVar = floatOf(d, "speedVariance");
        modeA.radialAccel = floatOf(d, "radialAcceleration");
        modeA.radialAccelVar = floatOf(d, "radialAccelVariance");
        modeA.tangentialAccel = floatOf(d, "tangentialAcceleration");
        modeA.tangentialAccelVar = floatOf(d, "tangentialAccelVariance");
        modeA.rotationIsDir = valueOf(d, "rotationIsDir").asBool();
    } else if (mode == 1) {
        _emitterMode = Mode::RADIUS;
        // Particle Designer 2 files carry whole numbers for these three.
        auto radiusValue = [&](const char* key) {
            float v = floatOf(d, key);
            return designer2 ? static_cast<float>(saturatingCast<int>(v)) : v;
        };
        modeB.startRadius = radiusValue("maxRadius");
        modeB.startRadiusVar = floatOf(d, "maxRadiusVariance");
        modeB.endRadius = radiusValue("minRadius");
        modeB.endRadiusVar = d.find("minRadiusVariance") != d.end() ? floatOf(d, "minRadiusVariance") : 0.0f;
        modeB.rotatePerSecond = radiusValue("rotatePerSecond");
        modeB.rotatePerSecondVar = floatOf(d, "rotatePerSecondVariance");
    } else {
        setLastInitError("invalid \"emitterType\" " + std::to_string(mode));
        return false;
    }

    _life = floatOf(d, "particleLifespan");
    _lifeVar = floatOf(d, "particleLifespanVariance");
    _emissionRate = static_cast<float>(_totalParticles) / _life;

    if (!loadTextureFromDictionary(dictionary, dirname)) return false;

    // Kept as the game reads it: the motion is scaled by any value, and 0
    // freezes it (the checker warns about values other than 1 and -1).
    auto flipped = d.find("yCoordFlipped");
    _yCoordFlipped = flipped != d.end() ? flipped->second.asInt() : 1;
    setLastInitError("");
    return true;
}

bool ParticleSystem::loadTextureFromDictionary(ValueMap& dictionary, const std::string& dirname) {
    const ValueMap& d = dictionary;
    _opacityModifyRGB = false;

    std::string textureName = valueOf(d, "textureFileName").asString();
    size_t slash = textureName.rfind('/');
    if (slash != std::string::npos) {
        std::string textureDir = textureName.substr(0, slash + 1);
        if (!dirname.empty() && textureDir != dirname) textureName = dirname + textureName.substr(slash + 1);
    } else if (!dirname.empty() && !textureName.empty()) {
        textureName = dirname + textureName;
    }

    TextureCache* cache = Director::getInstance()->getTextureCache();
    Texture2D* tex = nullptr;
    if (!textureName.empty()) {
        FileUtils* files = FileUtils::getInstance();
        bool notify = files->isPopupNotify();
        files->setPopupNotify(false);
        tex = cache->addImage(textureName);
        files->setPopupNotify(notify);
    }
    if (tex) {
        setTexture(tex);
        return true;
    }

    auto embedded = d.find("textureImageData");
    if (embedded == d.end()) return true;
    std::string encoded = embedded->second.asString();
    if (encoded.empty()) return true;

    MallocBuffer decoded;
    int decodedLen = base64Decode(reinterpret_cast<const unsigned char*>(encoded.data()),
                                  static_cast<unsigned int>(encoded.size()), &decoded.data);
    if (!decoded.data || decodedLen <= 0) {
        setLastInitError("\"textureImageData\" is not valid base64");
        return false;
    }
    MallocBuffer inflated;
    ssize_t inflatedLen = 0;
    const int inflateStatus = ZipUtils::inflateMemoryWithStatus(decoded.data, decodedLen, &inflated.data, &inflatedLen);
    if (inflateStatus == Z_MEM_ERROR) {
        setLastInitError("\"textureImageData\" unpacks to more than " +
                         std::to_string(ZipUtils::kMaxInflatedSize / (1024 * 1024)) + " MiB, the size limit");
        return false;
    }
    if (inflateStatus != Z_OK || !inflated.data || inflatedLen <= 0) {
        setLastInitError("\"textureImageData\" is not a zlib or gzip stream");
        return false;
    }
    Image* image = new (std::nothrow) Image();
    if (!image) return false;
    if (!image->initWithImageData(inflated.data, inflatedLen)) {
        // The image loader reads PNG and JPEG; the TIFF that most particle
        // editors embed is decoded here.
        std::vector<unsigned char> rgba;
        int w = 0, h = 0;
        if (!ParticleTiffDecoder::decode(inflated.data, inflatedLen, &rgba, &w, &h) ||
            !image->initWithRawData(rgba.data(), static_cast<ssize_t>(rgba.size()), w, h, 8, true)) {
            image->release();
            setLastInitError("\"textureImageData\" holds no decodable image");
            return false;
        }
    }
    Texture2D* embeddedTexture = cache->addImage(image, _plistFile + textureName);
    image->release();
    if (embeddedTexture) setTexture(embeddedTexture);
    return true;
}

NS_CC_END
