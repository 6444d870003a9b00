// The particle checker on small files made for each finding: codes, severities and the numbers in the sentences.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CheckFiles.h"
#include "ParticleCheckTexts.h"
#include "ParticleChecker.h"
#include "TempDir.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Not;

namespace {

// Writes a plist (and, unless told otherwise, its RGBA "tex.png") and checks it.
class ParticleCheck : public testing::Test {
protected:
    std::vector<ParticleFinding> check(const PlistEntries& entries, bool withTexture = true) {
        if (withTexture) writeBytes("tex.png", pngBytes(PictureKind::Rgba, 16, 16));
        m_dir.write("effect.plist", plistText(entries));
        return ParticleChecker().checkFile(m_dir.file("effect.plist"));
    }
    void writeBytes(const std::string& name, const std::vector<unsigned char>& bytes) {
        m_dir.write(name, std::string(bytes.begin(), bytes.end()));
    }
    static const ParticleFinding* find(const std::vector<ParticleFinding>& findings, const std::string& code) {
        auto it =
            std::find_if(findings.begin(), findings.end(), [&](const ParticleFinding& f) { return f.code == code; });
        return it == findings.end() ? nullptr : &*it;
    }

    TempDir m_dir;
};

PlistEntries with(PlistEntries e, const std::string& key, const std::string& value) {
    e[key] = value;
    return e;
}

PlistEntries without(PlistEntries e, const std::string& key) {
    e.erase(key);
    return e;
}

} // namespace

TEST_F(ParticleCheck, AFileTheGameShowsAsWrittenHasNoFindings) {
    const std::vector<ParticleFinding> findings = check(cleanEntries());
    EXPECT_THAT(codesOf(findings), IsEmpty());
    EXPECT_EQ(ParticleCheckTexts::summaryZh(findings), "");
    EXPECT_FALSE(ParticleChecker::hasError(findings));
}

TEST_F(ParticleCheck, FilesThatAreNoParticlePlistsAreErrors) {
    EXPECT_THAT(codesOf(ParticleChecker().checkFile(m_dir.file("absent.plist"))), ElementsAre("file-unreadable"));
    m_dir.write("junk.plist", "this is not XML");
    EXPECT_THAT(codesOf(ParticleChecker().checkFile(m_dir.file("junk.plist"))), ElementsAre("file-unreadable"));
    const auto findings = check({{"CFBundleName", stringValue("App")}});
    EXPECT_THAT(codesOf(findings), ElementsAre("not-particle-file"));
    EXPECT_TRUE(ParticleChecker::hasError(findings));
}

TEST_F(ParticleCheck, StoredEmissionRateIsComparedWithTotalOverLife) {
    const auto findings = check(with(cleanEntries(), "emissionRate", realValue(20)));
    ASSERT_THAT(codesOf(findings), ElementsAre("emission-rate-ignored"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Warning);
    // Both rates and the division they come from.
    EXPECT_NE(findings[0].message.find("\"emissionRate\" 20 "), std::string::npos) << findings[0].message;
    EXPECT_NE(findings[0].message.find("emits 50 particles per second (maxParticles 100 / particleLifespan 2)"),
              std::string::npos)
        << findings[0].message;
    // A stored rate within rounding of the game's is no finding.
    EXPECT_THAT(codesOf(check(with(cleanEntries(), "emissionRate", realValue(50.00001)))), IsEmpty());
}

TEST_F(ParticleCheck, LifeOfZeroOrLessIsNamedWithTheRateTheGameDerives) {
    auto zero = with(without(cleanEntries(), "emissionRate"), "particleLifespan", realValue(0));
    zero["particleLifespanVariance"] = realValue(0);
    auto findings = check(zero);
    ASSERT_THAT(codesOf(findings), ElementsAre("life-not-positive"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Error);
    EXPECT_NE(findings[0].message.find("rate of inf per second"), std::string::npos) << findings[0].message;

    findings = check(with(zero, "particleLifespan", realValue(-2)));
    ASSERT_THAT(codesOf(findings), ElementsAre("life-not-positive"));
    EXPECT_NE(findings[0].message.find("rate of -50 per second"), std::string::npos) << findings[0].message;

    // Life 0 with a variance: the infinite rate refills the system every frame.
    findings = check(with(zero, "particleLifespanVariance", realValue(1.5)));
    ASSERT_THAT(codesOf(findings), ElementsAre("life-zero-floods"));
    EXPECT_NE(findings[0].message.find("refills all 100 particles"), std::string::npos);
    EXPECT_NE(findings[0].message.find("0 to 1.5 s"), std::string::npos);
}

TEST_F(ParticleCheck, DurationsThatStopAtOnceOrCutTheCountShort) {
    for (double d : {0.0, -0.5}) {
        const auto findings = check(with(cleanEntries(), "duration", realValue(d)));
        ASSERT_THAT(codesOf(findings), ElementsAre("duration-stops-at-once")) << d;
    }
    // A missing duration reads as 0.
    EXPECT_THAT(codesOf(check(without(cleanEntries(), "duration"))), ElementsAre("duration-stops-at-once"));

    // 0.5 s of emission at 50 per second: 25 of 100 at most.
    auto findings = check(with(cleanEntries(), "duration", realValue(0.5)));
    ASSERT_THAT(codesOf(findings), ElementsAre("max-particles-unreached"));
    EXPECT_NE(findings[0].message.find("at most about 25 of the 100 particles"), std::string::npos)
        << findings[0].message;
    // Emitting for longer than a life fills the system.
    EXPECT_THAT(codesOf(check(with(cleanEntries(), "duration", realValue(3)))), IsEmpty());
}

TEST_F(ParticleCheck, ParticleCountsTheGameCannotDrawOrAllocate) {
    auto entries = without(cleanEntries(), "emissionRate");
    EXPECT_THAT(codesOf(check(with(entries, "maxParticles", intValue(0)))), ElementsAre("no-particles"));

    auto findings = check(with(entries, "maxParticles", intValue(20000)));
    ASSERT_THAT(codesOf(findings), ElementsAre("too-many-particles"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Error);
    EXPECT_NE(findings[0].message.find("Up to 20000 particles"), std::string::npos);
    // The limit counts live particles: a short burst of a large total stays below it.
    auto burst = with(entries, "maxParticles", intValue(20000));
    burst["duration"] = realValue(0.5);
    EXPECT_THAT(codesOf(check(burst)), ElementsAre("max-particles-unreached"));
    EXPECT_THAT(codesOf(check(with(entries, "maxParticles", intValue(10922)))), IsEmpty());

    findings = check(with(entries, "maxParticles", realValue(1e12)));
    ASSERT_THAT(codesOf(findings), Contains("max-particles-unusable"));
    EXPECT_TRUE(ParticleChecker::hasError(findings));
}

TEST_F(ParticleCheck, EmitterTypeAndConfigNameTruncation) {
    auto findings = check(with(cleanEntries(), "emitterType", intValue(2)));
    EXPECT_THAT(codesOf(findings), ElementsAre("emitter-type-invalid"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Error);

    auto radius = with(cleanEntries(), "emitterType", intValue(1));
    radius["maxRadius"] = realValue(80.75);
    radius["minRadius"] = realValue(10);
    radius["rotatePerSecond"] = realValue(-45.5);
    // Without "configName" the values are read as written.
    EXPECT_THAT(codesOf(check(radius)), IsEmpty());
    findings = check(with(radius, "configName", stringValue("Ring")));
    ASSERT_THAT(codesOf(findings), ElementsAre("config-name-truncates"));
    EXPECT_NE(findings[0].message.find("\"maxRadius\" 80.75 -> 80, \"rotatePerSecond\" -45.5 -> -45"),
              std::string::npos)
        << findings[0].message;
    // Gravity mode reads no radius values, so nothing is cut.
    EXPECT_THAT(
        codesOf(check(with(with(cleanEntries(), "configName", stringValue("Ring")), "maxRadius", realValue(3.5)))),
        IsEmpty());
}

TEST_F(ParticleCheck, YCoordFlippedOtherThanOneOrMinusOne) {
    EXPECT_THAT(codesOf(check(with(cleanEntries(), "yCoordFlipped", intValue(-1)))), IsEmpty());
    EXPECT_THAT(codesOf(check(without(cleanEntries(), "yCoordFlipped"))), IsEmpty());
    auto findings = check(with(cleanEntries(), "yCoordFlipped", intValue(0)));
    EXPECT_THAT(codesOf(findings), ElementsAre("y-coord-flipped-freezes"));
    // 0.5 is read as a whole number, so it freezes too.
    findings = check(with(cleanEntries(), "yCoordFlipped", realValue(0.5)));
    EXPECT_THAT(codesOf(findings), Contains("y-coord-flipped-freezes"));
    findings = check(with(cleanEntries(), "yCoordFlipped", intValue(3)));
    ASSERT_THAT(codesOf(findings), ElementsAre("y-coord-flipped-scales"));
    EXPECT_NE(findings[0].message.find("multiplies the particle motion by 3"), std::string::npos);
}

TEST_F(ParticleCheck, PositionTypeAndSourcePosition) {
    auto findings = check(with(cleanEntries(), "positionType", intValue(2)));
    ASSERT_THAT(codesOf(findings), ElementsAre("position-type-ignored"));
    EXPECT_NE(findings[0].message.find("\"positionType\" 2 (grouped)"), std::string::npos);
    auto moved = with(cleanEntries(), "sourcePositionx", realValue(160));
    moved["sourcePositiony"] = realValue(-12.5);
    findings = check(moved);
    ASSERT_THAT(codesOf(findings), ElementsAre("source-position-moves-node"));
    EXPECT_NE(findings[0].message.find("(160, -12.5)"), std::string::npos);
}

TEST_F(ParticleCheck, BlendFactorsAndPremultipliedAlpha) {
    auto findings = check(with(cleanEntries(), "blendFuncDestination", intValue(7777)));
    ASSERT_THAT(codesOf(findings), ElementsAre("blend-factor-invalid"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Error);
    EXPECT_NE(findings[0].message.find("\"blendFuncDestination\" 7777"), std::string::npos);

    // The RGBA picture is premultiplied when loaded.
    auto straightPair = with(cleanEntries(), "blendFuncSource", intValue(770));
    EXPECT_THAT(codesOf(check(straightPair)), ElementsAre("blend-premultiplied-texture"));
    EXPECT_THAT(codesOf(check(with(straightPair, "blendFuncDestination", intValue(1)))),
                ElementsAre("blend-premultiplied-additive"));

    // A grey+alpha picture stays straight: (1, 1) lights its transparent parts,
    // while (1, 771) is turned into (770, 771) by the game itself.
    writeBytes("grey.png", pngBytes(PictureKind::GreyAlpha, 16, 16));
    auto grey = with(cleanEntries(), "textureFileName", stringValue("grey.png"));
    EXPECT_THAT(codesOf(check(grey, false)), IsEmpty());
    EXPECT_THAT(codesOf(check(with(grey, "blendFuncDestination", intValue(1)), false)),
                ElementsAre("blend-straight-texture"));
    // A picture without alpha has no edges to get wrong.
    writeBytes("rgb.png", pngBytes(PictureKind::Rgb, 16, 16));
    auto rgb = with(with(cleanEntries(), "textureFileName", stringValue("rgb.png")), "blendFuncSource", intValue(770));
    EXPECT_THAT(codesOf(check(rgb, false)), IsEmpty());
}

TEST_F(ParticleCheck, TextureFileEmbeddedPictureOrNeither) {
    auto entries = with(cleanEntries(), "textureFileName", stringValue("gone.png"));
    auto findings = check(entries, false);
    ASSERT_THAT(codesOf(findings), ElementsAre("texture-missing"));
    EXPECT_EQ(findings[0].severity, ParticleFinding::Severity::Error);
    // The sentence names the path the game looks at: beside the plist.
    EXPECT_NE(findings[0].message.find(m_dir.file("gone.png")), std::string::npos) << findings[0].message;
    EXPECT_THAT(codesOf(check(without(cleanEntries(), "textureFileName"), false)), ElementsAre("no-texture"));

    const std::vector<unsigned char> picture = pngBytes(PictureKind::Rgba, 16, 16);
    entries["textureImageData"] = stringValue(embeddedText(picture));
    EXPECT_THAT(codesOf(check(entries, false)), ElementsAre("texture-missing-embedded-used"));
    // Only the embedded picture, no name: nothing to say.
    EXPECT_THAT(codesOf(check(with(entries, "textureFileName", stringValue("")), false)), IsEmpty());

    entries["textureImageData"] = stringValue("bm90IHpsaWIgZGF0YQ==");
    findings = check(entries, false);
    ASSERT_THAT(codesOf(findings), ElementsAre("embedded-texture-invalid"));
    EXPECT_NE(findings[0].message.find("not a zlib or gzip stream"), std::string::npos);

    // The file wins over the embedded picture; only a different one is worth saying.
    auto both = with(cleanEntries(), "textureImageData", stringValue(embeddedText(picture)));
    EXPECT_THAT(codesOf(check(both)), IsEmpty());
    both["textureImageData"] = stringValue(embeddedText(pngBytes(PictureKind::Rgba, 16, 16, 1)));
    EXPECT_THAT(codesOf(check(both)), ElementsAre("texture-file-overrides-embedded"));
    both["textureImageData"] = stringValue(embeddedText(pngBytes(PictureKind::Rgba, 8, 8)));
    findings = check(both);
    ASSERT_THAT(codesOf(findings), ElementsAre("texture-file-overrides-embedded"));
    EXPECT_NE(findings[0].message.find("(16x16), not the different embedded picture (8x8)"), std::string::npos);
}

TEST_F(ParticleCheck, TexturesAreFoundThroughTheSearchPathsForARelativePlistPath) {
    // The game puts the plist's own directory ("fx/") in front of the name
    // and resolves the result on its search paths.
    TempDir plists, textures;
    std::filesystem::create_directories(plists.file("fx"));
    std::filesystem::create_directories(textures.file("fx"));
    plists.write("fx/effect.plist", plistText(cleanEntries()));
    const std::vector<unsigned char> picture = pngBytes(PictureKind::Rgba, 16, 16);
    FileUtils* files = FileUtils::getInstance();
    const std::vector<std::string> saved = files->getSearchPaths();
    files->addSearchPath(plists.path());
    auto findings = ParticleChecker().checkFile("fx/effect.plist");
    EXPECT_THAT(codesOf(findings), ElementsAre("texture-missing"));
    EXPECT_NE(findings.at(0).message.find("looked for fx/tex.png"), std::string::npos) << findings.at(0).message;
    textures.write("fx/tex.png", std::string(picture.begin(), picture.end()));
    files->addSearchPath(textures.path());
    EXPECT_THAT(codesOf(ParticleChecker().checkFile("fx/effect.plist")), IsEmpty());
    files->setSearchPaths(saved);
}

TEST_F(ParticleCheck, ValuesTheGameReadsDifferentlyAndKeysItNeverReads) {
    auto entries = cleanEntries();
    entries["angle"] = stringValue("ninety");
    entries["speed"] = stringValue(" 40.5 "); // a number in text is read as written
    entries["maxParticles"] = realValue(100.5);
    entries["rotationIsDir"] = stringValue("NO");
    entries["startParticleSize"] = "<dict><key>a</key><real>1</real></dict>";
    entries["maxRadius"] = stringValue("junk"); // radius key, gravity file: never read
    entries["absolutePosition"] = "<false/>";
    entries["textureRect"] = stringValue("{{0,0},{8,8}}");
    const auto findings = check(entries);
    std::vector<std::string> sentences;
    for (const ParticleFinding& f : findings)
        if (f.code == "value-unparsable") sentences.push_back(f.message);
    EXPECT_THAT(sentences, testing::UnorderedElementsAre("The game reads \"angle\" = \"ninety\" as 0.",
                                                         "The game reads \"maxParticles\" = 100.5 as 100.",
                                                         "The game reads \"rotationIsDir\" = \"NO\" as true.",
                                                         "The game reads \"startParticleSize\" = a dictionary as 0."));
    const ParticleFinding* unread = find(findings, "keys-not-read");
    ASSERT_NE(unread, nullptr);
    // "emissionRate" and "positionType" have findings of their own.
    EXPECT_EQ(unread->message, "The game does not read \"absolutePosition\", \"textureRect\".");
}

TEST(ParticleCheckTexts, EveryCodeHasBothSentencesAndFillsItsNumbers) {
    const std::vector<std::string> codes = ParticleCheckTexts::codes();
    ASSERT_GE(codes.size(), 25u);
    for (const std::string& code : codes) {
        const ParticleFinding f = ParticleCheckTexts::make(code, {"A1", "B2", "C3", "D4"});
        EXPECT_EQ(f.code, code);
        EXPECT_EQ(f.message.find('{'), std::string::npos) << code;
        EXPECT_EQ(f.messageZh.find('{'), std::string::npos) << code;
        // Chinese text carries at least one CJK character (three UTF-8 bytes from 0xE4).
        EXPECT_TRUE(std::any_of(f.messageZh.begin(), f.messageZh.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0xE4;
        })) << code;
        // Every placeholder of one language is in the other.
        for (const char* arg : {"A1", "B2", "C3", "D4"})
            EXPECT_EQ(f.message.find(arg) == std::string::npos, f.messageZh.find(arg) == std::string::npos)
                << code << " " << arg;
    }
    EXPECT_EQ(ParticleCheckTexts::make("no-such-code").severity, ParticleFinding::Severity::Error);
    std::vector<ParticleFinding> some = {ParticleCheckTexts::make("no-texture"),
                                         ParticleCheckTexts::make("keys-not-read", {"x"}),
                                         ParticleCheckTexts::make("source-position-moves-node", {"1", "2"})};
    EXPECT_EQ(ParticleCheckTexts::summaryZh(some), "粒子文件检查：1 个错误，2 个警告");
    some.erase(some.begin());
    EXPECT_EQ(ParticleCheckTexts::summaryZh(some), "粒子文件检查：2 个警告");
}

TEST(ParticleCheckTexts, TheSummaryHasItsOwnSentenceForOneAndForMoreOfEach) {
    const auto findings = [](int errors, int warnings) {
        std::vector<ParticleFinding> all;
        for (int i = 0; i < errors; ++i) all.push_back(ParticleCheckTexts::make("no-texture"));
        for (int i = 0; i < warnings; ++i) all.push_back(ParticleCheckTexts::make("keys-not-read", {"x"}));
        return all;
    };
    const struct {
        int errors, warnings;
        const char* zh;
    } cases[] = {
        {1, 0, "粒子文件检查：1 个错误"},           {3, 0, "粒子文件检查：3 个错误"},
        {0, 1, "粒子文件检查：1 个警告"},           {0, 12, "粒子文件检查：12 个警告"},
        {1, 1, "粒子文件检查：1 个错误，1 个警告"}, {1, 2, "粒子文件检查：1 个错误，2 个警告"},
        {2, 1, "粒子文件检查：2 个错误，1 个警告"}, {2, 3, "粒子文件检查：2 个错误，3 个警告"},
    };
    std::set<std::string> sentences;
    for (const auto& c : cases) {
        const ParticleCheckTexts::Summary summary = ParticleCheckTexts::summary(findings(c.errors, c.warnings));
        ASSERT_NE(summary.templateZh, nullptr) << c.zh;
        EXPECT_EQ(summary.args, (std::vector<std::string>{std::to_string(c.errors), std::to_string(c.warnings)}));
        EXPECT_EQ(ParticleCheckTexts::fill<std::string>(summary.templateZh, summary.args), c.zh);
        EXPECT_EQ(ParticleCheckTexts::summaryZh(findings(c.errors, c.warnings)), c.zh);
        sentences.insert(summary.templateZh);
    }
    // Eight sentences, so that a translation can say "1 error" and "3 errors".
    EXPECT_EQ(sentences.size(), 8u);
    EXPECT_EQ(ParticleCheckTexts::summary({}).templateZh, nullptr);
}

TEST(ParticleCheckTexts, AFindingKeepsItsArgumentsSoItsSentenceCanBeFilledAgain) {
    const ParticleFinding f = ParticleCheckTexts::make("texture-file-overrides-embedded", {"a\xff.png", "2x2", "4x4"});
    EXPECT_EQ(f.args, (std::vector<std::string>{"a\xff.png", "2x2", "4x4"}));
    // The bytes of a name that is not UTF-8 pass through untouched.
    EXPECT_EQ(ParticleCheckTexts::fill<std::string>(ParticleCheckTexts::templateZh(f.code), f.args), f.messageZh);
    EXPECT_NE(f.messageZh.find("a\xff.png"), std::string::npos);

    // An unknown code is named by its one argument in both languages.
    const ParticleFinding unknown = ParticleCheckTexts::make("no-such-code", {"ignored"});
    EXPECT_EQ(unknown.args, std::vector<std::string>{"no-such-code"});
    EXPECT_EQ(unknown.message, "Unknown finding no-such-code.");
    EXPECT_EQ(unknown.messageZh, "未知的检查结果 no-such-code。");

    // Only {1} to {9} are places; a place with no argument gives nothing.
    const std::vector<std::string> one = {"X"};
    EXPECT_EQ(ParticleCheckTexts::fill<std::string>("{1}{2}|{0}|{10}|{x}|{", one), "X|{0}|{10}|{x}|{");
    EXPECT_EQ(ParticleCheckTexts::fill<std::string>("{1}", {"{2}"}), "{2}");
}
