// The loader's key table: every key it reads, the conversion it applies and the mode that reads it.
#include "ParticlePlistKeys.h"

namespace {

using Kind = ParticlePlistKeys::Kind;
using Mode = ParticlePlistKeys::Mode;

// "emissionRate" and "positionType" are absent on purpose: the game never
// reads them, and the checker says so with findings of their own.
const ParticlePlistKeys::Key kKeys[] = {
    {"maxParticles", Kind::Int, Mode::Both},
    {"configName", Kind::String, Mode::Both},
    {"angle", Kind::Float, Mode::Both},
    {"angleVariance", Kind::Float, Mode::Both},
    {"duration", Kind::Float, Mode::Both},
    {"blendFuncSource", Kind::Int, Mode::Both},
    {"blendFuncDestination", Kind::Int, Mode::Both},
    {"startColorRed", Kind::Float, Mode::Both},
    {"startColorGreen", Kind::Float, Mode::Both},
    {"startColorBlue", Kind::Float, Mode::Both},
    {"startColorAlpha", Kind::Float, Mode::Both},
    {"startColorVarianceRed", Kind::Float, Mode::Both},
    {"startColorVarianceGreen", Kind::Float, Mode::Both},
    {"startColorVarianceBlue", Kind::Float, Mode::Both},
    {"startColorVarianceAlpha", Kind::Float, Mode::Both},
    {"finishColorRed", Kind::Float, Mode::Both},
    {"finishColorGreen", Kind::Float, Mode::Both},
    {"finishColorBlue", Kind::Float, Mode::Both},
    {"finishColorAlpha", Kind::Float, Mode::Both},
    {"finishColorVarianceRed", Kind::Float, Mode::Both},
    {"finishColorVarianceGreen", Kind::Float, Mode::Both},
    {"finishColorVarianceBlue", Kind::Float, Mode::Both},
    {"finishColorVarianceAlpha", Kind::Float, Mode::Both},
    {"startParticleSize", Kind::Float, Mode::Both},
    {"startParticleSizeVariance", Kind::Float, Mode::Both},
    {"finishParticleSize", Kind::Float, Mode::Both},
    {"finishParticleSizeVariance", Kind::Float, Mode::Both},
    {"sourcePositionx", Kind::Float, Mode::Both},
    {"sourcePositiony", Kind::Float, Mode::Both},
    {"sourcePositionVariancex", Kind::Float, Mode::Both},
    {"sourcePositionVariancey", Kind::Float, Mode::Both},
    {"rotationStart", Kind::Float, Mode::Both},
    {"rotationStartVariance", Kind::Float, Mode::Both},
    {"rotationEnd", Kind::Float, Mode::Both},
    {"rotationEndVariance", Kind::Float, Mode::Both},
    {"emitterType", Kind::Int, Mode::Both},
    {"gravityx", Kind::Float, Mode::Gravity},
    {"gravityy", Kind::Float, Mode::Gravity},
    {"speed", Kind::Float, Mode::Gravity},
    {"speedVariance", Kind::Float, Mode::Gravity},
    {"radialAcceleration", Kind::Float, Mode::Gravity},
    {"radialAccelVariance", Kind::Float, Mode::Gravity},
    {"tangentialAcceleration", Kind::Float, Mode::Gravity},
    {"tangentialAccelVariance", Kind::Float, Mode::Gravity},
    {"rotationIsDir", Kind::Bool, Mode::Gravity},
    {"maxRadius", Kind::Float, Mode::Radius},
    {"maxRadiusVariance", Kind::Float, Mode::Radius},
    {"minRadius", Kind::Float, Mode::Radius},
    {"minRadiusVariance", Kind::Float, Mode::Radius},
    {"rotatePerSecond", Kind::Float, Mode::Radius},
    {"rotatePerSecondVariance", Kind::Float, Mode::Radius},
    {"particleLifespan", Kind::Float, Mode::Both},
    {"particleLifespanVariance", Kind::Float, Mode::Both},
    {"textureFileName", Kind::String, Mode::Both},
    {"textureImageData", Kind::String, Mode::Both},
    {"yCoordFlipped", Kind::Int, Mode::Both},
};

} // namespace

const ParticlePlistKeys::Key* ParticlePlistKeys::find(const std::string& name) {
    for (const Key& k : kKeys)
        if (name == k.name) return &k;
    return nullptr;
}
