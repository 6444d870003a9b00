// The checks on the loader's keys: counts and rates, motion, blending, texture and values the game misreads.
#include "ParticleChecker.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "2d/CCParticleSystemQuad.h"
#include "ParticleCheckTexts.h"
#include "ParticlePlistKeys.h"
#include "ParticleTextureCheck.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

namespace {

using Kind = ParticlePlistKeys::Kind;

// Above this many live quads the game's shared 65 536-entry index buffer is
// read past its end (six indices a quad).
const int kMaxDrawableParticles = 10922;

const Value& valueOf(const ValueMap& dict, const char* key) {
    static const Value none;
    auto it = dict.find(key);
    return it == dict.end() ? none : it->second;
}

bool has(const ValueMap& dict, const char* key) {
    return dict.find(key) != dict.end();
}

std::string num(double v) {
    return ParticleCheckTexts::number(v);
}

std::string trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool isNumberText(const std::string& text, bool wholeOnly) {
    const std::string t = trimmed(text);
    if (t.empty()) return false;
    char* end = nullptr;
    if (wholeOnly)
        std::strtol(t.c_str(), &end, 10);
    else
        std::strtod(t.c_str(), &end);
    return end && *end == '\0';
}

bool isNumber(const Value& v) {
    switch (v.getType()) {
    case Value::Type::BYTE:
    case Value::Type::INTEGER:
    case Value::Type::UNSIGNED:
    case Value::Type::FLOAT:
    case Value::Type::DOUBLE:
        return true;
    default:
        return false;
    }
}

// The value as the file shows it, for the messages.
std::string shown(const Value& v) {
    switch (v.getType()) {
    case Value::Type::STRING:
        return "\"" + v.asString() + "\"";
    case Value::Type::BOOLEAN:
        return v.asBool() ? "true" : "false";
    case Value::Type::VECTOR:
        return "an array";
    case Value::Type::MAP:
    case Value::Type::INT_KEY_MAP:
        return "a dictionary";
    case Value::Type::NONE:
        return "nothing";
    default:
        return num(v.asDouble());
    }
}

bool isContainer(const Value& v) {
    return v.getType() == Value::Type::VECTOR || v.getType() == Value::Type::MAP ||
           v.getType() == Value::Type::INT_KEY_MAP;
}

// What the game reads where that differs from what the file seems to hold;
// empty when it reads the value as written.
std::string misreading(const Value& v, Kind kind) {
    switch (kind) {
    case Kind::Float:
        if (isNumber(v)) return std::string();
        if (v.getType() == Value::Type::STRING && isNumberText(v.asString(), false)) return std::string();
        return num(v.asFloat());
    case Kind::Int:
        if (isNumber(v)) {
            const double d = v.asDouble();
            return std::isfinite(d) && d == std::trunc(d) ? std::string() : num(v.asInt());
        }
        if (v.getType() == Value::Type::STRING && isNumberText(v.asString(), true)) return std::string();
        return num(v.asInt());
    case Kind::Bool: {
        if (v.getType() == Value::Type::BOOLEAN || isNumber(v)) return std::string();
        if (v.getType() == Value::Type::STRING) {
            std::string t = trimmed(v.asString());
            std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
            // The game takes every text but "0" and "false" as true.
            const bool meantFalse = t.empty() || t == "no" || t == "off" || t == "n" || t == "false";
            return meantFalse && v.asBool() ? "true" : std::string();
        }
        return v.asBool() ? "true" : "false";
    }
    case Kind::String:
        return isContainer(v) ? "\"\"" : std::string();
    }
    return std::string();
}

bool isBlendFactor(int f) {
    // GL_ZERO, GL_ONE, GL_SRC_COLOR .. GL_SRC_ALPHA_SATURATE, the constant colour and alpha factors.
    return f == 0 || f == 1 || (f >= 0x300 && f <= 0x308) || (f >= 0x8001 && f <= 0x8004);
}

} // namespace

std::vector<ParticleFinding> ParticleChecker::checkFile(const std::string& path) const {
    FileUtils* files = FileUtils::getInstance();
    const std::string full = path.empty() ? std::string() : files->fullPathForFilename(path);
    const ValueMap dict = full.empty() ? ValueMap() : files->getValueMapFromFile(full);
    return checkDictionary(dict, path);
}

std::vector<ParticleFinding> ParticleChecker::checkDictionary(const ValueMap& dict, const std::string& path) const {
    std::vector<ParticleFinding> out;
    if (dict.empty()) return {ParticleCheckTexts::make("file-unreadable")};
    if (!has(dict, "maxParticles")) return {ParticleCheckTexts::make("not-particle-file")};

    const bool countsUsable = checkCounts(dict, &out);
    checkMotion(dict, &out);
    checkLook(dict, path, &out);
    checkValues(dict, &out);

    // Whatever else the engine refuses (the causes above are named already).
    if (countsUsable && !hasError(out)) {
        ParticleSystemQuad* system = ParticleSystemQuad::create(path);
        if (!system) {
            const std::string why = ParticleSystem::getLastInitError();
            out.push_back(ParticleCheckTexts::make("load-fails", {why.empty() ? "no reason given" : why}));
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const ParticleFinding& a, const ParticleFinding& b) {
        return a.severity == ParticleFinding::Severity::Error && b.severity != ParticleFinding::Severity::Error;
    });
    return out;
}

bool ParticleChecker::hasError(const std::vector<ParticleFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const ParticleFinding& f) { return f.severity == ParticleFinding::Severity::Error; });
}

bool ParticleChecker::checkCounts(const ValueMap& dict, std::vector<ParticleFinding>* out) const {
    const Value& totalValue = valueOf(dict, "maxParticles");
    const double totalRead = totalValue.asDouble();
    if (!std::isfinite(totalRead) || totalRead <= -1.0 || totalRead >= ParticleSystem::MAX_TOTAL_PARTICLES + 1.0) {
        out->push_back(ParticleCheckTexts::make("max-particles-unusable", {shown(totalValue)}));
        return false;
    }
    const int total = totalValue.asInt();
    if (total == 0) out->push_back(ParticleCheckTexts::make("no-particles"));

    const float life = valueOf(dict, "particleLifespan").asFloat();
    const float duration = valueOf(dict, "duration").asFloat();
    // The game's rate: the total over the life, in float, whatever the file stores.
    const float rate = static_cast<float>(total) / life;
    const float lifeVar = valueOf(dict, "particleLifespanVariance").asFloat();
    if (life == 0.0f && std::isfinite(lifeVar) && lifeVar != 0.0f) {
        // An infinite rate fills the system every frame; the variance alone keeps some alive.
        out->push_back(ParticleCheckTexts::make("life-zero-floods", {num(total), num(std::fabs(lifeVar))}));
        return true;
    }
    if (!(life > 0.0f)) {
        out->push_back(ParticleCheckTexts::make("life-not-positive", {num(life), num(rate)}));
        return true;
    }
    if (has(dict, "emissionRate")) {
        const double stored = valueOf(dict, "emissionRate").asDouble();
        if (!(std::fabs(stored - rate) <= 1e-3 * std::max(1.0, std::fabs(static_cast<double>(rate)))))
            out->push_back(
                ParticleCheckTexts::make("emission-rate-ignored", {num(stored), num(rate), num(total), num(life)}));
    }
    double peak = total;
    if (duration != ParticleSystem::DURATION_INFINITY && !(duration > 0.0f)) {
        out->push_back(ParticleCheckTexts::make("duration-stops-at-once", {num(duration)}));
    } else if (duration != ParticleSystem::DURATION_INFINITY && duration < life) {
        // Emission at total/life per second for `duration` seconds, none dying yet.
        peak = static_cast<double>(rate) * duration;
        const long rounded = std::lround(peak);
        if (rounded < total)
            out->push_back(ParticleCheckTexts::make("max-particles-unreached",
                                                    {num(duration), num(life), num(rounded), num(total)}));
    }
    if (peak > kMaxDrawableParticles)
        out->push_back(ParticleCheckTexts::make("too-many-particles", {num(std::lround(peak))}));
    return true;
}

void ParticleChecker::checkMotion(const ValueMap& dict, std::vector<ParticleFinding>* out) const {
    const int mode = valueOf(dict, "emitterType").asInt();
    if (mode != 0 && mode != 1)
        out->push_back(ParticleCheckTexts::make("emitter-type-invalid", {shown(valueOf(dict, "emitterType"))}));

    if (mode == 1 && !valueOf(dict, "configName").asString().empty()) {
        std::string truncated;
        for (const char* key : {"maxRadius", "minRadius", "rotatePerSecond"}) {
            const float v = valueOf(dict, key).asFloat();
            if (std::isfinite(v) && v != std::trunc(v)) {
                if (!truncated.empty()) truncated += ", ";
                truncated += std::string("\"") + key + "\" " + num(v) + " -> " + num(std::trunc(v));
            }
        }
        if (!truncated.empty()) out->push_back(ParticleCheckTexts::make("config-name-truncates", {truncated}));
    }

    if (has(dict, "yCoordFlipped")) {
        const Value& v = valueOf(dict, "yCoordFlipped");
        const int read = v.asInt();
        if (read == 0)
            out->push_back(ParticleCheckTexts::make("y-coord-flipped-freezes", {shown(v)}));
        else if (read != 1 && read != -1)
            out->push_back(ParticleCheckTexts::make("y-coord-flipped-scales", {shown(v), num(read)}));
    }

    if (has(dict, "positionType")) {
        const int type = valueOf(dict, "positionType").asInt();
        if (type != 0) {
            const char* name = type == 1 ? "relative" : (type == 2 ? "grouped" : "no such type");
            out->push_back(ParticleCheckTexts::make("position-type-ignored", {num(type), name}));
        }
    }

    const float x = valueOf(dict, "sourcePositionx").asFloat();
    const float y = valueOf(dict, "sourcePositiony").asFloat();
    if (x != 0.0f || y != 0.0f)
        out->push_back(ParticleCheckTexts::make("source-position-moves-node", {num(x), num(y)}));
}

void ParticleChecker::checkLook(const ValueMap& dict, const std::string& path,
                                std::vector<ParticleFinding>* out) const {
    const bool designer2 = !valueOf(dict, "configName").asString().empty();
    // A Particle Designer 2 file's source factor is read through float.
    const int src =
        designer2 ? static_cast<int>(
                        std::max(-2147483648.0f, std::min(2147483520.0f, valueOf(dict, "blendFuncSource").asFloat())))
                  : valueOf(dict, "blendFuncSource").asInt();
    const int dst = valueOf(dict, "blendFuncDestination").asInt();
    bool blendValid = true;
    for (const auto& factor : {std::make_pair("blendFuncSource", src), std::make_pair("blendFuncDestination", dst)}) {
        if (!isBlendFactor(factor.second)) {
            blendValid = false;
            out->push_back(ParticleCheckTexts::make("blend-factor-invalid", {factor.first, num(factor.second)}));
        }
    }

    ParticleTextureCheck texture(dict, path);
    texture.run(out);
    if (!texture.hasPicture() || !blendValid || !texture.hasAlpha()) return;
    const int kOne = 1, kSrcAlpha = 0x302, kOneMinusSrcAlpha = 0x303;
    if (texture.premultiplied() && src == kSrcAlpha) {
        // Over the scene (dst 771) the doubled alpha darkens the edges; otherwise it only dims them.
        out->push_back(ParticleCheckTexts::make(dst == kOneMinusSrcAlpha ? "blend-premultiplied-texture"
                                                                         : "blend-premultiplied-additive",
                                                {num(src), num(dst)}));
    } else if (!texture.premultiplied() && src == kOne && dst != kOneMinusSrcAlpha) {
        // (1, 771) on a straight texture is turned into (770, 771) by the game itself.
        out->push_back(ParticleCheckTexts::make("blend-straight-texture", {num(src), num(dst)}));
    }
}

void ParticleChecker::checkValues(const ValueMap& dict, std::vector<ParticleFinding>* out) const {
    const int mode = valueOf(dict, "emitterType").asInt();
    std::vector<std::string> unread;
    for (const auto& entry : dict) {
        const ParticlePlistKeys::Key* key = ParticlePlistKeys::find(entry.first);
        if (!key) {
            if (entry.first != "emissionRate" && entry.first != "positionType")
                unread.push_back("\"" + entry.first + "\"");
            continue;
        }
        // A key of the other emitter mode is never read, whatever it holds.
        if ((key->mode == ParticlePlistKeys::Mode::Gravity && mode != 0) ||
            (key->mode == ParticlePlistKeys::Mode::Radius && mode != 1))
            continue;
        const std::string read = misreading(entry.second, key->kind);
        if (!read.empty())
            out->push_back(ParticleCheckTexts::make("value-unparsable", {entry.first, shown(entry.second), read}));
    }
    if (!unread.empty()) {
        std::string list;
        for (const std::string& k : unread) list += (list.empty() ? "" : ", ") + k;
        out->push_back(ParticleCheckTexts::make("keys-not-read", {list}));
    }
}
