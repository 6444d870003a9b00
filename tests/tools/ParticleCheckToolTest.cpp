// The particle-check program: exit statuses, usage errors, --search-path, --json read back strictly, the test data.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <json/json.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CheckFiles.h"
#include "TempDir.h"
#include "TestData.h"
#include "ToolRun.h"

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

ToolRun check(const std::string& args, const std::string& workDir = std::string()) {
    return runTool(FW_PARTICLE_CHECK_EXE, args, workDir);
}

bool parseStrict(const std::string& text, Json::Value* root, std::string* errors) {
    Json::CharReaderBuilder b;
    Json::CharReaderBuilder::strictMode(&b.settings_);
    std::unique_ptr<Json::CharReader> reader(b.newCharReader());
    return reader->parse(text.data(), text.data() + text.size(), root, errors);
}

// The findings of every plist of the test data, by code, in the order the
// checker gives them (errors first, then in the loader's reading order).
const std::map<std::string, std::vector<std::string>> kExpected = {
    {"cocos2d-objc/BoilingFoam__dfc57b2.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "keys-not-read"}},
    {"cocos2d-objc/BoilingFoam__82e9ad1.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"cocos2d-objc/Phoenix.plist",
     {"life-zero-floods", "source-position-moves-node", "texture-missing-embedded-used",
      "blend-premultiplied-additive"}},
    {"cocos2d-objc/SpookyPeas.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-texture"}},
    {"cocos2d-objc/SpinningPeas.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-texture"}},
    {"cocos2d-objc/RadialCircle.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "keys-not-read"}},
    {"cocos2d-objc/QuickExplode.plist",
     {"max-particles-unreached", "source-position-moves-node", "texture-missing-embedded-used", "keys-not-read"}},
    {"cocos2d-objc/OneParticle.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-texture", "keys-not-read"}},
    {"cocos2d-objc/StayPut.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"cocos2d-objc/SparkParticle.plist",
     {"texture-missing-embedded-used", "blend-premultiplied-texture", "keys-not-read"}},
    {"cocos2d-objc/TestPremultipliedAlpha.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"cocos2d-objc/Upsidedown.plist", {"source-position-moves-node", "texture-missing-embedded-used", "keys-not-read"}},
    {"cocos2d-objc/Galaxy.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"cocos2d-objc/Flower.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"cocos2d-objc/ExplodingRing.plist",
     {"life-zero-floods", "source-position-moves-node", "texture-missing-embedded-used",
      "blend-premultiplied-additive"}},
    {"cocos2d-objc/LavaFlow.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"cocos2d-objc/debian.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive", "keys-not-read"}},
    {"cocos2d-objc/car_smoke.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"cocos2d-objc/fire__61d3d3f.plist", {"blend-premultiplied-additive", "keys-not-read"}},
    {"cocos2d-html5/BoilingFoam.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"cocos2d-html5/Phoenix.plist",
     {"life-zero-floods", "source-position-moves-node", "texture-missing-embedded-used",
      "blend-premultiplied-additive"}},
    {"cocos2d-html5/qipao01.plist", {"source-position-moves-node", "blend-premultiplied-additive"}},
    {"cocos2d-x/ButterFly.plist", {"texture-missing", "source-position-moves-node", "keys-not-read"}},
    {"cocos2d-x/emissionPart.plist", {"texture-missing-embedded-used"}},
    {"cocos2d-js/blue.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"breakvaders/explosion.plist", {"source-position-moves-node"}},
    {"breakvaders/mine-explosion.plist",
     {"life-zero-floods", "source-position-moves-node", "blend-premultiplied-additive"}},
    {"breakvaders/smallExplosion-iphone.plist", {"source-position-moves-node"}},
    {"chemtd/burn.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"chemtd/peppershot.plist", {"texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"chemtd/greenbubbles.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"chemtd/pepperexplosion.plist", {"source-position-moves-node", "texture-missing-embedded-used"}},
    {"chemtd/cometshot.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-additive", "keys-not-read"}},
    {"archer/explosion.plist", {"max-particles-unreached", "texture-missing-embedded-used", "keys-not-read"}},
    {"archer/fire.plist",
     {"position-type-ignored", "source-position-moves-node", "texture-missing-embedded-used", "keys-not-read"}},
    {"bulletwar/star.plist", {"blend-premultiplied-texture"}},
    {"bulletwar/fire.plist", {"source-position-moves-node"}},
    {"diabloworld/kapai.plist",
     {"emission-rate-ignored", "max-particles-unreached", "texture-file-overrides-embedded"}},
    {"diabloworld/touxi_1.plist",
     {"emission-rate-ignored", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"diabloworld/fire.plist",
     {"emission-rate-ignored", "texture-missing-embedded-used", "blend-premultiplied-additive"}},
    {"lhcocos/ButterFlyYFlipped.plist",
     {"source-position-moves-node", "texture-missing-embedded-used", "blend-premultiplied-texture", "keys-not-read"}},
    {"lhcocos/p2.plist", {"life-zero-floods", "source-position-moves-node", "texture-missing-embedded-used"}},
};

// Three files: clean, warnings only (the node moves), an error (no texture).
struct Files {
    TempDir dir;
    Files() {
        const std::vector<unsigned char> tex = pngBytes(PictureKind::Rgba, 16, 16);
        dir.write("tex.png", std::string(tex.begin(), tex.end()));
        dir.write("clean.plist", plistText(cleanEntries()));
        PlistEntries moved = cleanEntries();
        moved["sourcePositionx"] = realValue(10);
        dir.write("moved.plist", plistText(moved));
        PlistEntries lost = cleanEntries();
        lost["textureFileName"] = stringValue("elsewhere.png");
        dir.write("lost.plist", plistText(lost));
    }
    std::string q(const std::string& name) const { return shellQuote(dir.file(name)); }
};

} // namespace

TEST(ParticleCheckTool, ExitStatusFollowsTheWorstFinding) {
    Files f;
    ToolRun r = check(f.q("clean.plist"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, f.dir.file("clean.plist") + ": ok\n");
    r = check(f.q("moved.plist"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, f.dir.file("moved.plist") +
                         ": warning: Loading the file moves the node to (10, 0): the game takes "
                         "\"sourcePositionx/y\" as the node position. [source-position-moves-node]\n");
    EXPECT_EQ(check(f.q("lost.plist")).status, 2);
    EXPECT_EQ(check(f.q("clean.plist") + " " + f.q("moved.plist")).status, 1);
    EXPECT_EQ(check(f.q("moved.plist") + " " + f.q("lost.plist") + " " + f.q("clean.plist")).status, 2);
    EXPECT_EQ(check(f.q("absent.plist")).status, 2);
}

TEST(ParticleCheckTool, WrongUsageExitsWithThree) {
    Files f;
    for (const std::string& args : {std::string(), std::string("--json"), "--frobnicate " + f.q("clean.plist"),
                                    f.q("clean.plist") + " --search-path", std::string("''")}) {
        const ToolRun r = check(args);
        EXPECT_EQ(r.status, 3) << args;
        EXPECT_NE(r.err.find("usage: particle-check"), std::string::npos) << args;
        EXPECT_EQ(r.out, "") << args;
    }
    EXPECT_EQ(check("--help").status, 0);
}

TEST(ParticleCheckTool, SearchPathsFindTexturesOfRelativePlistPaths) {
    Files f;
    TempDir work;
    work.write("lost.plist", f.dir.read("lost.plist"));
    // Beside the plist nothing; on the search path the named picture.
    EXPECT_EQ(check("lost.plist", work.path()).status, 2);
    f.dir.write("elsewhere.png", f.dir.read("tex.png"));
    EXPECT_EQ(check("--search-path " + shellQuote(f.dir.path()) + " lost.plist", work.path()).status, 0);
    EXPECT_EQ(check("--search-path=" + shellQuote(f.dir.path()) + " lost.plist", work.path()).status, 0);
}

TEST(ParticleCheckTool, JsonHasOneObjectPerFileWithCodedFindings) {
    Files f;
    const ToolRun r = check("--json " + f.q("clean.plist") + " " + f.q("lost.plist") + " " + f.q("moved.plist"));
    EXPECT_EQ(r.status, 2);
    Json::Value root;
    std::string errors;
    ASSERT_TRUE(parseStrict(r.out, &root, &errors)) << errors << r.out;
    ASSERT_TRUE(root.isArray());
    ASSERT_EQ(root.size(), 3u);
    const char* const statuses[] = {"ok", "error", "warning"};
    const char* const names[] = {"clean.plist", "lost.plist", "moved.plist"};
    for (Json::ArrayIndex i = 0; i < 3; ++i) {
        const Json::Value& file = root[i];
        EXPECT_EQ(file["file"].asString(), f.dir.file(names[i]));
        EXPECT_EQ(file["status"].asString(), statuses[i]);
        ASSERT_TRUE(file["findings"].isArray());
        for (const Json::Value& finding : file["findings"]) {
            EXPECT_EQ(finding.getMemberNames(), (std::vector<std::string>{"code", "message", "severity"}));
            EXPECT_THAT(finding["severity"].asString(), testing::AnyOf("warning", "error"));
            EXPECT_FALSE(finding["message"].asString().empty());
        }
    }
    EXPECT_EQ(root[0]["findings"].size(), 0u);
    EXPECT_EQ(root[1]["findings"][0]["code"].asString(), "texture-missing");
    EXPECT_EQ(root[1]["findings"][0]["severity"].asString(), "error");
    EXPECT_EQ(root[2]["findings"][0]["code"].asString(), "source-position-moves-node");
}

TEST(ParticleCheckTool, EveryTestDataPlistGivesItsKnownFindings) {
    const std::string root = TestPlistsDir();
    std::string args = "--json";
    for (const auto& e : kExpected) {
        ASSERT_TRUE(TestFileExists(root + e.first));
        args += " " + shellQuote(e.first);
    }
    const ToolRun r = check(args, root);
    // ButterFly names a texture that is not shipped and embeds none.
    EXPECT_EQ(r.status, 2) << r.err;
    Json::Value all;
    std::string errors;
    ASSERT_TRUE(parseStrict(r.out, &all, &errors)) << errors;
    ASSERT_EQ(all.size(), kExpected.size());
    for (const Json::Value& file : all) {
        const std::string name = file["file"].asString();
        std::vector<std::string> codes;
        for (const Json::Value& finding : file["findings"]) codes.push_back(finding["code"].asString());
        ASSERT_TRUE(kExpected.count(name)) << name;
        EXPECT_THAT(codes, ElementsAreArray(kExpected.at(name))) << name;
    }
}
