// The particle parameter table: one row per parameter, walked by the page, the edit dispatch and the plist writer.
#include "particle/ParticleParameter.h"

#include "2d/CCParticleSystem.h"

#include <wx/translation.h>

#include <algorithm>

using cocos2d::BlendFunc;
using cocos2d::Color4F;
using cocos2d::ParticleSystem;

namespace {

ParticleValue number(double n) {
    ParticleValue v;
    v.number = n;
    return v;
}

ParticleValue point(const cocos2d::Vec2& p) {
    ParticleValue v;
    v.point = p;
    return v;
}

ParticleValue colour(const Color4F& c) {
    ParticleValue v;
    v.colour = c;
    return v;
}

float asFloat(const ParticleValue& v) {
    return static_cast<float>(v.number);
}
int asInt(const ParticleValue& v) {
    return static_cast<int>(v.number);
}

// The grid shows an alpha as the component × 255 truncated toward zero; a
// value no int can hold (NaN from a damaged file) shows as 0.
ParticleValue alphaOf(const Color4F& c) {
    const double scaled = static_cast<double>(c.a) * 255.0;
    if (!(scaled > -2147483648.0 && scaled < 2147483648.0)) return number(0);
    return number(static_cast<int>(scaled));
}

Color4F withAlpha(Color4F c, const ParticleValue& v) {
    c.a = static_cast<float>(v.number / 255.0);
    return c;
}

// The engine's setTotalParticles derives the rate from the life itself; with
// a life of 0 that would be infinite or NaN, so the rate given is kept then.
void setTotalKeepingRate(ParticleSystem& s, int total, float rate) {
    s.setTotalParticles(total);
    s.setEmissionRate(rate);
}

}

#define FW_FLOAT(getter, setter)                                                                                       \
    [](ParticleSystem& s) { return number(s.getter()); },                                                              \
        [](ParticleSystem& s, const ParticleValue& v) { s.setter(asFloat(v)); }
#define FW_COLOUR(getter, setter)                                                                                      \
    [](ParticleSystem& s) { return colour(s.getter()); },                                                              \
        [](ParticleSystem& s, const ParticleValue& v) { s.setter(v.colour); }
#define FW_ALPHA(getter, setter)                                                                                       \
    [](ParticleSystem& s) { return alphaOf(s.getter()); },                                                             \
        [](ParticleSystem& s, const ParticleValue& v) { s.setter(withAlpha(s.getter(), v)); }
#define FW_POINT(getter, setter)                                                                                       \
    [](ParticleSystem& s) { return point(s.getter()); },                                                               \
        [](ParticleSystem& s, const ParticleValue& v) { s.setter(v.point); }

namespace {

using K = ParticleValueKind;
using C = ParticleCategory;
using G = EmitterGroup;
using L = ParticleChoices;
using E = PlistElement;

const std::vector<ParticleParameter>& table() {
    static const std::vector<ParticleParameter> rows = {
        // ---- 关键参数 ----
        {"angle", wxTRANSLATE("角度"), wxTRANSLATE("粒子系统喷射方向"), C::Common, G::None, nullptr, K::Float, L::None,
         "angle", E::Real, 2, FW_FLOAT(getAngle, setAngle), nullptr},
        {"angleVariance", wxTRANSLATE("角度变量"), wxTRANSLATE("粒子系统喷射方向随机变化量"), C::Common, G::None,
         nullptr, K::Float, L::None, "angleVariance", E::Real, 3, FW_FLOAT(getAngleVar, setAngleVar), nullptr},
        {"duration", wxTRANSLATE("持续时间"), wxTRANSLATE("粒子系统持续时间"), C::Common, G::None, nullptr, K::Float,
         L::None, "duration", E::Real, 4, FW_FLOAT(getDuration, setDuration), nullptr},
        {"startParticleSize", wxTRANSLATE("起始大小"), wxTRANSLATE("粒子出生时大小"), C::Common, G::None, nullptr,
         K::Float, L::None, "startParticleSize", E::Real, 11, FW_FLOAT(getStartSize, setStartSize), nullptr},
        {"startParticleSizeVariance", wxTRANSLATE("起始大小变量"), wxTRANSLATE("粒子出生时大小变化量"), C::Common,
         G::None, nullptr, K::Float, L::None, "startParticleSizeVariance", E::Real, 12,
         FW_FLOAT(getStartSizeVar, setStartSizeVar), nullptr},
        {"finishParticleSize", wxTRANSLATE("结束大小"), wxTRANSLATE("粒子消失时大小"), C::Common, G::None, nullptr,
         K::Float, L::None, "finishParticleSize", E::Real, 13, FW_FLOAT(getEndSize, setEndSize), nullptr},
        {"finishParticleSizeVariance", wxTRANSLATE("结束大小变量"), wxTRANSLATE("粒子消失时大小变化量"), C::Common,
         G::None, nullptr, K::Float, L::None, "finishParticleSizeVariance", E::Real, 14,
         FW_FLOAT(getEndSizeVar, setEndSizeVar), nullptr},
        {"rotationStart", wxTRANSLATE("起始自转角度"), wxTRANSLATE("粒子出生时自转角度"), C::Common, G::None, nullptr,
         K::Float, L::None, "rotationStart", E::Real, 17, FW_FLOAT(getStartSpin, setStartSpin), nullptr},
        {"rotationStartVariance", wxTRANSLATE("起始自转角度变量"), wxTRANSLATE("粒子出生时自转角度变化量"), C::Common,
         G::None, nullptr, K::Float, L::None, "rotationStartVariance", E::Real, 18,
         FW_FLOAT(getStartSpinVar, setStartSpinVar), nullptr},
        {"rotationEnd", wxTRANSLATE("结束自转角度"), wxTRANSLATE("粒子消失时自转角度"), C::Common, G::None, nullptr,
         K::Float, L::None, "rotationEnd", E::Real, 19, FW_FLOAT(getEndSpin, setEndSpin), nullptr},
        {"rotationEndVariance", wxTRANSLATE("结束自转角度变量"), wxTRANSLATE("粒子消失时自转角度变化量"), C::Common,
         G::None, nullptr, K::Float, L::None, "rotationEndVariance", E::Real, 20,
         FW_FLOAT(getEndSpinVar, setEndSpinVar), nullptr},
        // The game derives the rate from count and life when it loads the
        // file (the rate itself is not stored), so a life edit derives it too.
        {"particleLifespan", wxTRANSLATE("生命周期"), wxTRANSLATE("每个粒子生命周期"), C::Common, G::None, nullptr,
         K::Float, L::None, "particleLifespan", E::Real, 36, [](ParticleSystem& s) { return number(s.getLife()); },
         [](ParticleSystem& s, const ParticleValue& v) {
             s.setLife(asFloat(v));
             if (s.getLife() != 0.0f) s.setEmissionRate(static_cast<float>(s.getTotalParticles()) / s.getLife());
         },
         "emissionRate"},
        {"particleLifespanVariance", wxTRANSLATE("生命周期变量"), wxTRANSLATE("每个粒子生命周期变化量"), C::Common,
         G::None, nullptr, K::Float, L::None, "particleLifespanVariance", E::Real, 37, FW_FLOAT(getLifeVar, setLifeVar),
         nullptr},
        // Switching the mode also rebuilds the group below it; the editor object does that.
        {"emitterType", wxTRANSLATE("发射模式"), wxTRANSLATE("粒子系统发射模式，重力模式或者半径模式"), C::Common,
         G::None, nullptr, K::Choice, L::EmitterModes, "emitterType", E::Integer, 21,
         [](ParticleSystem& s) { return number(static_cast<int>(s.getEmitterMode())); },
         [](ParticleSystem& s, const ParticleValue& v) {
             s.setEmitterMode(asInt(v) == 0 ? ParticleSystem::Mode::GRAVITY : ParticleSystem::Mode::RADIUS);
         },
         nullptr},

        // ---- gravity group ----
        {"gravity", wxTRANSLATE("重力矢量"), wxTRANSLATE("重力矢量方向"), C::Common, G::Gravity, "emitterType",
         K::Point, L::None, "gravity", E::Real, 22, FW_POINT(getGravity, setGravity), nullptr},
        {"speed", wxTRANSLATE("速度"), wxTRANSLATE("粒子速度"), C::Common, G::Gravity, "emitterType", K::Float, L::None,
         "speed", E::Real, 23, FW_FLOAT(getSpeed, setSpeed), nullptr},
        {"speedVariance", wxTRANSLATE("速度变量"), wxTRANSLATE("粒子速度变量"), C::Common, G::Gravity, "emitterType",
         K::Float, L::None, "speedVariance", E::Real, 24, FW_FLOAT(getSpeedVar, setSpeedVar), nullptr},
        {"radialAcceleration", wxTRANSLATE("径向加速度"), wxTRANSLATE("粒子径向加速度"), C::Common, G::Gravity,
         "emitterType", K::Float, L::None, "radialAcceleration", E::Real, 25, FW_FLOAT(getRadialAccel, setRadialAccel),
         nullptr},
        {"radialAccelVariance", wxTRANSLATE("径向加速度变量"), wxTRANSLATE("粒子径向加速度变量"), C::Common, G::Gravity,
         "emitterType", K::Float, L::None, "radialAccelVariance", E::Real, 26,
         FW_FLOAT(getRadialAccelVar, setRadialAccelVar), nullptr},
        {"tangentialAcceleration", wxTRANSLATE("切向加速度"), wxTRANSLATE("粒子切向加速度"), C::Common, G::Gravity,
         "emitterType", K::Float, L::None, "tangentialAcceleration", E::Real, 27,
         FW_FLOAT(getTangentialAccel, setTangentialAccel), nullptr},
        {"tangentialAccelVariance", wxTRANSLATE("切向加速度变量"), wxTRANSLATE("粒子切向加速度变量"), C::Common,
         G::Gravity, "emitterType", K::Float, L::None, "tangentialAccelVariance", E::Real, 28,
         FW_FLOAT(getTangentialAccelVar, setTangentialAccelVar), nullptr},
        {"rotationIsDir", wxTRANSLATE("粒子转向速度方向"),
         wxTRANSLATE("粒子是否转向速度方向，true-每个粒子的方向都跟速度方向相同"), C::Common, G::Gravity, "emitterType",
         K::Bool, L::None, "rotationIsDir", E::Integer, 29,
         [](ParticleSystem& s) { return number(s.getRotationIsDir() ? 1 : 0); },
         [](ParticleSystem& s, const ParticleValue& v) { s.setRotationIsDir(v.number != 0.0); }, nullptr},

        // ---- radius group: the key "maxRadius" is the engine's start radius, "minRadius" its end radius ----
        {"maxRadius", wxTRANSLATE("起始半径"), "", C::Common, G::Radius, "emitterType", K::Float, L::None, "maxRadius",
         E::Real, 30, FW_FLOAT(getStartRadius, setStartRadius), nullptr},
        {"maxRadiusVariance", wxTRANSLATE("起始半径变量"), "", C::Common, G::Radius, "emitterType", K::Float, L::None,
         "maxRadiusVariance", E::Real, 31, FW_FLOAT(getStartRadiusVar, setStartRadiusVar), nullptr},
        {"minRadius", wxTRANSLATE("结束半径"), "", C::Common, G::Radius, "emitterType", K::Float, L::None, "minRadius",
         E::Real, 32, FW_FLOAT(getEndRadius, setEndRadius), nullptr},
        {"minRadiusVariance", wxTRANSLATE("结束半径变量"), "", C::Common, G::Radius, "emitterType", K::Float, L::None,
         "minRadiusVariance", E::Real, 33, FW_FLOAT(getEndRadiusVar, setEndRadiusVar), nullptr},
        {"rotatePerSecond", wxTRANSLATE("旋转速度"), "", C::Common, G::Radius, "emitterType", K::Float, L::None,
         "rotatePerSecond", E::Real, 34, FW_FLOAT(getRotatePerSecond, setRotatePerSecond), nullptr},
        {"rotatePerSecondVariance", wxTRANSLATE("旋转速度变量"), "", C::Common, G::Radius, "emitterType", K::Float,
         L::None, "rotatePerSecondVariance", E::Real, 35, FW_FLOAT(getRotatePerSecondVar, setRotatePerSecondVar),
         nullptr},

        // ---- 显示相关 ----
        {"blendFunc", wxTRANSLATE("混合模式"),
         wxTRANSLATE("粒子纹理混合模式,最好加如背景调试混合模式，支持导入图片和.csb文件"), C::Display, G::None, nullptr,
         K::Composite, L::None, nullptr, E::None, 0, nullptr, nullptr, nullptr},
        {"blendFuncSource", "Src", "", C::Display, G::None, "blendFunc", K::Choice, L::BlendFactors, "blendFuncSource",
         E::Integer, 5, [](ParticleSystem& s) { return number(s.getBlendFunc().src); },
         [](ParticleSystem& s, const ParticleValue& v) {
             BlendFunc b = s.getBlendFunc();
             b.src = static_cast<GLenum>(asInt(v));
             s.setBlendFunc(b);
         },
         nullptr},
        {"blendFuncDestination", "Dst", "", C::Display, G::None, "blendFunc", K::Choice, L::BlendFactors,
         "blendFuncDestination", E::Integer, 6, [](ParticleSystem& s) { return number(s.getBlendFunc().dst); },
         [](ParticleSystem& s, const ParticleValue& v) {
             BlendFunc b = s.getBlendFunc();
             b.dst = static_cast<GLenum>(asInt(v));
             s.setBlendFunc(b);
         },
         nullptr},
        {"startColor", wxTRANSLATE("起始颜色"), wxTRANSLATE("粒子出生叠加颜色"), C::Display, G::None, nullptr,
         K::Colour, L::None, "startColor", E::Real, 7, FW_COLOUR(getStartColor, setStartColor), nullptr},
        {"startColorVar", wxTRANSLATE("起始颜色变量"), wxTRANSLATE("粒子出生叠加颜色变化量"), C::Display, G::None,
         nullptr, K::Colour, L::None, "startColorVariance", E::Real, 8, FW_COLOUR(getStartColorVar, setStartColorVar),
         nullptr},
        {"endColor", wxTRANSLATE("结束颜色"), wxTRANSLATE("粒子消失时叠加颜色"), C::Display, G::None, nullptr,
         K::Colour, L::None, "finishColor", E::Real, 9, FW_COLOUR(getEndColor, setEndColor), nullptr},
        {"endColorVar", wxTRANSLATE("结束颜色变量"), wxTRANSLATE("粒子消失时叠加颜色变化量"), C::Display, G::None,
         nullptr, K::Colour, L::None, "finishColorVariance", E::Real, 10, FW_COLOUR(getEndColorVar, setEndColorVar),
         nullptr},
        {"startAlpha", wxTRANSLATE("起始透明度"), wxTRANSLATE("取值范围0-255"), C::Display, G::None, nullptr, K::Alpha,
         L::None, nullptr, E::None, 0, FW_ALPHA(getStartColor, setStartColor), nullptr},
        {"startAlphaVar", wxTRANSLATE("起始透明度变量"), wxTRANSLATE("取值范围0-255"), C::Display, G::None, nullptr,
         K::Alpha, L::None, nullptr, E::None, 0, FW_ALPHA(getStartColorVar, setStartColorVar), nullptr},
        {"endAlpha", wxTRANSLATE("结束透明度"), wxTRANSLATE("取值范围0-255"), C::Display, G::None, nullptr, K::Alpha,
         L::None, nullptr, E::None, 0, FW_ALPHA(getEndColor, setEndColor), nullptr},
        {"endAlphaVar", wxTRANSLATE("结束透明度变量"), wxTRANSLATE("取值范围0-255"), C::Display, G::None, nullptr,
         K::Alpha, L::None, nullptr, E::None, 0, FW_ALPHA(getEndColorVar, setEndColorVar), nullptr},

        // ---- 发射器 ----
        // Not written: the game derives the rate from "maxParticles" and "particleLifespan".
        {"emissionRate", wxTRANSLATE("每秒发射粒子数"), wxTRANSLATE("粒子系统发射速率"), C::Emitter, G::None, nullptr,
         K::Float, L::None, nullptr, E::None, 0, [](ParticleSystem& s) { return number(s.getEmissionRate()); },
         [](ParticleSystem& s, const ParticleValue& v) {
             const float rate = asFloat(v);
             s.setEmissionRate(rate);
             const int total = static_cast<int>(static_cast<double>(s.getLife()) * v.number);
             if (s.getLife() != 0.0f)
                 s.setTotalParticles(total);
             else
                 setTotalKeepingRate(s, total, rate);
         },
         "maxParticles"},
        // An integer in a "real" element, as the engine's loader has always accepted it.
        {"maxParticles", wxTRANSLATE("最大粒子数"), wxTRANSLATE("粒子系统最多能同时显示最大粒子数量"), C::Emitter,
         G::None, nullptr, K::Int, L::None, "maxParticles", E::Real, 1,
         [](ParticleSystem& s) { return number(s.getTotalParticles()); },
         [](ParticleSystem& s, const ParticleValue& v) {
             const float n = asFloat(v);
             if (s.getLife() != 0.0f) {
                 s.setTotalParticles(static_cast<int>(n));
                 s.setEmissionRate(n / s.getLife());
             } else {
                 setTotalKeepingRate(s, static_cast<int>(n), s.getEmissionRate());
             }
         },
         "emissionRate"},
        // Not written: the engine does not read it from a file (the help says so).
        // A long help text stays on the line of its marker.
        // clang-format off
        {"positionType", wxTRANSLATE("发射位置类型"),
         wxTRANSLATE("发射位置类型,由于cocos2dx引擎里面没有从文件中读取此属性，所以这个属性只可以在编辑器中查看效果，项目中需要手动调用setPositionType函数"),
         // clang-format on
         C::Emitter, G::None, nullptr, K::Choice, L::PositionTypes, nullptr, E::None, 0,
         [](ParticleSystem& s) { return number(static_cast<int>(s.getPositionType())); },
         [](ParticleSystem& s, const ParticleValue& v) {
             s.setPositionType(static_cast<ParticleSystem::PositionType>(asInt(v)));
         },
         nullptr},
        {"sourcePosition", wxTRANSLATE("发射源位置"), wxTRANSLATE("粒子系统发射源位置，相对粒子对象位置"), C::Emitter,
         G::None, nullptr, K::Point, L::None, "sourcePosition", E::Real, 15,
         FW_POINT(getSourcePosition, setSourcePosition), nullptr},
        {"sourcePositionVariance", wxTRANSLATE("发射源位置变量"), wxTRANSLATE("粒子系统发射源位置变化量，用于区域发射"),
         C::Emitter, G::None, nullptr, K::Point, L::None, "sourcePositionVariance", E::Real, 16,
         FW_POINT(getPosVar, setPosVar), nullptr},
        // clang-format off
        {"textureFileName", wxTRANSLATE("发射图片"),
         wxTRANSLATE("粒子使用图片文件，导出文件后plist文件里面记录的只有文件名不包含路径，使用是plist和图片需要放在同一个目录；若不想放在一个目录，也可以打开plist文件直接修改textureFileName属性值"),
         // clang-format on
         C::Emitter, G::None, nullptr, K::File, L::None, "textureFileName", E::String, 38, nullptr, nullptr, nullptr},
    };
    return rows;
}

}

#undef FW_FLOAT
#undef FW_COLOUR
#undef FW_ALPHA
#undef FW_POINT

std::string ParticleParameter::fullName() const {
    return parent ? std::string(parent) + "." + name : std::string(name);
}

const std::vector<ParticleParameter>& particleParameters() {
    return table();
}

const ParticleParameter* findParticleParameter(const std::string& fullName) {
    for (const ParticleParameter& row : table())
        if (row.fullName() == fullName) return &row;
    return nullptr;
}

std::vector<const ParticleParameter*> particleParametersInFileOrder() {
    std::vector<const ParticleParameter*> rows;
    for (const ParticleParameter& row : table())
        if (row.isWritten()) rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [](const ParticleParameter* a, const ParticleParameter* b) { return a->writeSlot < b->writeSlot; });
    return rows;
}

const std::vector<ParticleChoice>& particleChoices(ParticleChoices list) {
    static const std::vector<ParticleChoice> none;
    static const std::vector<ParticleChoice> modes = {{wxTRANSLATE("重力模式"), 0}, {wxTRANSLATE("半径模式"), 1}};
    // The ten OpenGL blend factors by their own names.
    static const std::vector<ParticleChoice> factors = {
        {"GL_ZERO", 0},          {"GL_ONE", 1},
        {"GL_SRC_COLOR", 0x300}, {"GL_ONE_MINUS_SRC_COLOR", 0x301},
        {"GL_SRC_ALPHA", 0x302}, {"GL_ONE_MINUS_SRC_ALPHA", 0x303},
        {"GL_DST_ALPHA", 0x304}, {"GL_ONE_MINUS_DST_ALPHA", 0x305},
        {"GL_DST_COLOR", 0x306}, {"GL_ONE_MINUS_DST_COLOR", 0x307},
    };
    static const std::vector<ParticleChoice> positions = {{"Free", 0}, {"Relative", 1}, {"Grouped", 2}};
    switch (list) {
    case ParticleChoices::EmitterModes:
        return modes;
    case ParticleChoices::BlendFactors:
        return factors;
    case ParticleChoices::PositionTypes:
        return positions;
    case ParticleChoices::None:
        break;
    }
    return none;
}
