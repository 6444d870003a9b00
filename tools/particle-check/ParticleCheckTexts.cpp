// The finding table: code, severity and the sentence in both languages; the editor translates the Chinese one.
#include "ParticleCheckTexts.h"

#include "platform/CCUserText.h"

#include <cmath>
#include <cstdio>

namespace {

using Severity = ParticleFinding::Severity;

struct FindingText {
    const char* code;
    Severity severity;
    const char* en;
    const char* zh;
};

// Errors: the file will not load, or the game will fail with it. Warnings:
// the game shows something other than what the file seems to say.
// Each Chinese sentence stays one literal on the line of its marker.
// clang-format off
const FindingText kTexts[] = {
    {"file-unreadable", Severity::Error, "The game cannot read the file as a plist dictionary: nothing loads.",
     CC_USER_TEXT("游戏无法把该文件读成 plist 字典：什么也不会加载。")},
    {"not-particle-file", Severity::Error,
     "The file has no \"maxParticles\": the game does not load it as a particle effect.",
     CC_USER_TEXT("文件中没有 \"maxParticles\"：游戏不会把它当作粒子效果加载。")},
    {"max-particles-unusable", Severity::Error,
     "\"maxParticles\" {1} is not a particle count the game can allocate: loading fails.",
     CC_USER_TEXT("\"maxParticles\" 为 {1}，不是游戏能分配的粒子数：加载失败。")},
    {"emitter-type-invalid", Severity::Error,
     "\"emitterType\" {1} is neither 0 (gravity) nor 1 (radius): loading fails.",
     CC_USER_TEXT("\"emitterType\" 为 {1}，既不是 0（重力）也不是 1（半径）：加载失败。")},
    {"embedded-texture-invalid", Severity::Error,
     "The game needs the embedded picture but cannot decode it ({1}): loading fails.",
     CC_USER_TEXT("游戏需要使用内嵌图片，但无法解码（{1}）：加载失败。")},
    {"load-fails", Severity::Error, "The game refuses the file: {1}.", CC_USER_TEXT("游戏拒绝加载该文件：{1}。")},
    {"no-particles", Severity::Error, "\"maxParticles\" is 0: the game shows nothing.",
     CC_USER_TEXT("\"maxParticles\" 为 0：游戏什么也不显示。")},
    {"life-not-positive", Severity::Error,
     "\"particleLifespan\" is {1}: the game derives an emission rate of {2} per second and shows no particles.",
     CC_USER_TEXT("\"particleLifespan\" 为 {1}：游戏算出的发射速率为每秒 {2}，不会显示任何粒子。")},
    {"too-many-particles", Severity::Error,
     "Up to {1} particles are alive at once, more than 10922: the game's shared index buffer overflows and the "
     "effect mis-renders.",
     CC_USER_TEXT("同时存在的粒子最多约 {1} 个，超过 10922：游戏共享的索引缓冲区溢出，效果会绘制错误。")},
    {"no-texture", Severity::Error,
     "The file names no texture and embeds no picture: drawing the particles crashes the game.",
     CC_USER_TEXT("文件既没有指定纹理也没有内嵌图片：绘制粒子时游戏会崩溃。")},
    {"texture-missing", Severity::Error,
     "The game finds no \"{1}\" (looked for {2} and on the search paths) and the file embeds no picture: "
     "drawing the particles crashes the game.",
     CC_USER_TEXT("游戏找不到 \"{1}\"（查找了 {2} 和搜索路径），文件中也没有内嵌图片：绘制粒子时游戏会崩溃。")},
    {"blend-factor-invalid", Severity::Error,
     "\"{1}\" {2} is not an OpenGL blend factor: the game draws with whatever blending was set before.",
     CC_USER_TEXT("\"{1}\" 为 {2}，不是 OpenGL 混合因子：游戏会沿用之前设置的混合方式绘制。")},
    {"texture-missing-embedded-used", Severity::Warning,
     "The game finds no \"{1}\" (looked for {2} and on the search paths) and draws the embedded picture "
     "instead.",
     CC_USER_TEXT("游戏找不到 \"{1}\"（查找了 {2} 和搜索路径），改用内嵌图片。")},
    {"texture-file-overrides-embedded", Severity::Warning,
     "The game draws the texture file {1} ({2}), not the different embedded picture ({3}).",
     CC_USER_TEXT("游戏使用纹理文件 {1}（{2}），而不是与之不同的内嵌图片（{3}）。")},
    {"life-zero-floods", Severity::Warning,
     "\"particleLifespan\" is 0: the game's emission rate is infinite, so every frame it refills all {1} "
     "particles, and each lives only 0 to {2} s from \"particleLifespanVariance\".",
     CC_USER_TEXT("\"particleLifespan\" 为 0：游戏的发射速率为无穷大，每一帧都把 {1} 个粒子补满，每个粒子只按 \"particleLifespanVariance\" 存活 0 到 {2} 秒。")},
    {"emission-rate-ignored", Severity::Warning,
     "The game ignores \"emissionRate\" {1} and emits {2} particles per second (maxParticles {3} / "
     "particleLifespan {4}).",
     CC_USER_TEXT("游戏忽略 \"emissionRate\" {1}，实际每秒发射 {2} 个粒子（maxParticles {3} / particleLifespan {4}）。")},
    {"duration-stops-at-once", Severity::Warning,
     "\"duration\" is {1}: the game stops emitting after the first frame (only -1 means endless).",
     CC_USER_TEXT("\"duration\" 为 {1}：游戏在第一帧之后就停止发射（只有 -1 表示持续发射）。")},
    {"max-particles-unreached", Severity::Warning,
     "The game emits for only {1} s of the {2} s life, so at most about {3} of the {4} particles are alive at "
     "once.",
     CC_USER_TEXT("游戏只发射 {1} 秒，而粒子寿命为 {2} 秒，因此同时存在的粒子最多约 {3} 个，达不到 {4} 个。")},
    {"config-name-truncates", Severity::Warning,
     "Because \"configName\" is set, the game reads these values as whole numbers: {1}.",
     CC_USER_TEXT("因为设置了 \"configName\"，游戏把这些值读成整数：{1}。")},
    {"y-coord-flipped-freezes", Severity::Warning,
     "\"yCoordFlipped\" {1} is read as 0: the game multiplies the particle motion by 0, so the particles never "
     "move.",
     CC_USER_TEXT("\"yCoordFlipped\" {1} 被读成 0：游戏把粒子运动乘以 0，粒子不会移动。")},
    {"y-coord-flipped-scales", Severity::Warning,
     "\"yCoordFlipped\" {1} is neither 1 nor -1: the game multiplies the particle motion by {2}.",
     CC_USER_TEXT("\"yCoordFlipped\" {1} 既不是 1 也不是 -1：游戏把粒子运动乘以 {2}。")},
    {"position-type-ignored", Severity::Warning,
     "The game ignores \"positionType\" {1} ({2}) and moves the particles as free ones.",
     CC_USER_TEXT("游戏忽略 \"positionType\" {1}（{2}），按自由（free）方式移动粒子。")},
    {"source-position-moves-node", Severity::Warning,
     "Loading the file moves the node to ({1}, {2}): the game takes \"sourcePositionx/y\" as the node position.",
     CC_USER_TEXT("加载文件会把节点移到 ({1}, {2})：游戏把 \"sourcePositionx/y\" 当作节点位置。")},
    {"blend-premultiplied-texture", Severity::Warning,
     "The texture has premultiplied alpha but the blend source is GL_SRC_ALPHA ({1}, {2}): the game draws dark "
     "halos around the particles.",
     CC_USER_TEXT("纹理是预乘 alpha，但混合源因子是 GL_SRC_ALPHA（{1}, {2}）：游戏中粒子周围会出现暗边。")},
    {"blend-premultiplied-additive", Severity::Warning,
     "The texture has premultiplied alpha but the blend source is GL_SRC_ALPHA ({1}, {2}): the game applies the "
     "alpha twice, so the particles' soft edges come out dimmer and smaller.",
     CC_USER_TEXT("纹理是预乘 alpha，但混合源因子是 GL_SRC_ALPHA（{1}, {2}）：游戏把 alpha 乘了两次，粒子的柔和边缘会更暗、更小。")},
    {"blend-straight-texture", Severity::Warning,
     "The texture has straight alpha but the blend source is GL_ONE ({1}, {2}): the game draws light fringes "
     "where the texture is transparent.",
     CC_USER_TEXT("纹理是非预乘 alpha，但混合源因子是 GL_ONE（{1}, {2}）：游戏会在纹理透明处画出亮边。")},
    {"keys-not-read", Severity::Warning, "The game does not read {1}.", CC_USER_TEXT("游戏不读取 {1}。")},
    {"value-unparsable", Severity::Warning, "The game reads \"{1}\" = {2} as {3}.",
     CC_USER_TEXT("游戏把 \"{1}\" = {2} 读成 {3}。")},
};
// clang-format on

const FindingText* find(const std::string& code) {
    for (const FindingText& t : kTexts)
        if (code == t.code) return &t;
    return nullptr;
}

// The status line by whether there are errors and warnings and whether a
// count is one; each is a sentence of its own, so that a translation can tell
// "1 error" from "2 errors". {1} is the errors, {2} the warnings.
const char* summaryTemplate(int errors, int warnings) {
    if (warnings == 0)
        return errors == 1 ? CC_USER_TEXT("粒子文件检查：1 个错误") : CC_USER_TEXT("粒子文件检查：{1} 个错误");
    if (errors == 0)
        return warnings == 1 ? CC_USER_TEXT("粒子文件检查：1 个警告") : CC_USER_TEXT("粒子文件检查：{2} 个警告");
    if (errors == 1)
        return warnings == 1 ? CC_USER_TEXT("粒子文件检查：1 个错误，1 个警告")
                             : CC_USER_TEXT("粒子文件检查：1 个错误，{2} 个警告");
    return warnings == 1 ? CC_USER_TEXT("粒子文件检查：{1} 个错误，1 个警告")
                         : CC_USER_TEXT("粒子文件检查：{1} 个错误，{2} 个警告");
}

const char* const kUnknownEn = "Unknown finding {1}.";
const char* const kUnknownZh = CC_USER_TEXT("未知的检查结果 {1}。");

} // namespace

ParticleFinding ParticleCheckTexts::make(const std::string& code, const std::vector<std::string>& args) {
    ParticleFinding f;
    f.code = code;
    const FindingText* t = find(code);
    f.severity = t ? t->severity : Severity::Error;
    f.args = t ? args : std::vector<std::string>{code};
    f.message = fill<std::string>(t ? t->en : kUnknownEn, f.args);
    f.messageZh = fill<std::string>(templateZh(code), f.args);
    return f;
}

const char* ParticleCheckTexts::templateZh(const std::string& code) {
    const FindingText* t = find(code);
    return t ? t->zh : kUnknownZh;
}

bool ParticleCheckTexts::knows(const std::string& code) {
    return find(code) != nullptr;
}

std::vector<std::string> ParticleCheckTexts::codes() {
    std::vector<std::string> out;
    for (const FindingText& t : kTexts) out.push_back(t.code);
    return out;
}

ParticleCheckTexts::Summary ParticleCheckTexts::summary(const std::vector<ParticleFinding>& findings) {
    int errors = 0, warnings = 0;
    for (const ParticleFinding& f : findings) (f.severity == Severity::Error ? errors : warnings) += 1;
    if (errors == 0 && warnings == 0) return Summary{};
    return Summary{summaryTemplate(errors, warnings), {std::to_string(errors), std::to_string(warnings)}};
}

std::string ParticleCheckTexts::summaryZh(const std::vector<ParticleFinding>& findings) {
    const Summary line = summary(findings);
    return line.templateZh ? fill<std::string>(line.templateZh, line.args) : std::string();
}

const char* ParticleCheckTexts::severityName(ParticleFinding::Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string ParticleCheckTexts::number(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}
