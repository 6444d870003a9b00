// The particle-info tool: JSON for every shared plist, refusals with a reason, usage errors.
#include <gtest/gtest.h>
#include <json/json.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "2d/CCParticleSystemQuad.h"
#include "ParticleTestSupport.h"
#include "TempDir.h"
#include "TestData.h"

namespace {

const std::string kPlists = TestPlistsDir();

struct ToolRun {
    int status = -1;
    std::string out, err;
};

std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolRun runTool(const std::string& args) {
    TempDir tmp;
    ToolRun r;
    std::string cmd = shellQuote(FW_PARTICLE_INFO_EXE) + " " + args + " 2>" + shellQuote(tmp.file("err"));
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    r.err = tmp.read("err");
    return r;
}

bool parseStrict(const std::string& text, Json::Value* root, std::string* errors) {
    Json::CharReaderBuilder b;
    Json::CharReaderBuilder::strictMode(&b.settings_);
    std::unique_ptr<Json::CharReader> reader(b.newCharReader());
    return reader->parse(text.data(), text.data() + text.size(), root, errors);
}

const char* const kLoaderKeys[] = {
    "maxParticles", "configName", "angle", "angleVariance", "duration", "blendFuncSource",
    "blendFuncDestination", "startColorRed", "startColorGreen", "startColorBlue", "startColorAlpha",
    "startColorVarianceRed", "startColorVarianceGreen", "startColorVarianceBlue", "startColorVarianceAlpha",
    "finishColorRed", "finishColorGreen", "finishColorBlue", "finishColorAlpha", "finishColorVarianceRed",
    "finishColorVarianceGreen", "finishColorVarianceBlue", "finishColorVarianceAlpha", "startParticleSize",
    "startParticleSizeVariance", "finishParticleSize", "finishParticleSizeVariance", "sourcePositionx",
    "sourcePositiony", "sourcePositionVariancex", "sourcePositionVariancey", "rotationStart",
    "rotationStartVariance", "rotationEnd", "rotationEndVariance", "emitterType", "gravityx", "gravityy", "speed",
    "speedVariance", "radialAcceleration", "radialAccelVariance", "tangentialAcceleration",
    "tangentialAccelVariance", "rotationIsDir", "maxRadius", "maxRadiusVariance", "minRadius",
    "minRadiusVariance", "rotatePerSecond", "rotatePerSecondVariance", "particleLifespan",
    "particleLifespanVariance", "textureFileName", "yCoordFlipped", "positionx", "positiony", "emissionRate",
    "positionType", "texture"};

}  // namespace

TEST(ParticleInfoTool, PrintsTheDocumentedObjectForEverySharedPlist) {
    const std::vector<std::string> files = plistsBelow(kPlists);
    ASSERT_GE(files.size(), 40u);
    for (const std::string& rel : files) {
        ASSERT_TRUE(TestFileExists(kPlists + rel));
        ToolRun r = runTool(shellQuote(kPlists + rel));
        ASSERT_EQ(r.status, 0) << rel << ": " << r.err;
        Json::Value v;
        std::string errors;
        ASSERT_TRUE(parseStrict(r.out, &v, &errors)) << rel << ": " << errors;
        ASSERT_TRUE(v.isObject());
        for (const char* key : kLoaderKeys)
            EXPECT_TRUE(v.isMember(key)) << rel << " lacks " << key;
        EXPECT_EQ(v.size(), sizeof kLoaderKeys / sizeof kLoaderKeys[0]) << rel;
        // The tool reports what an in-process load gives.
        cocos2d::ParticleSystemQuad* s = cocos2d::ParticleSystemQuad::create(kPlists + rel);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(v["maxParticles"].asInt(), s->getTotalParticles()) << rel;
        EXPECT_EQ(v["emitterType"].asInt(), static_cast<int>(s->getEmitterMode())) << rel;
        EXPECT_FLOAT_EQ(v["positionx"].asFloat(), s->getPosition().x) << rel;
        EXPECT_FLOAT_EQ(v["startParticleSize"].asFloat(), s->getStartSize()) << rel;
        EXPECT_FLOAT_EQ(v["finishColorAlpha"].asFloat(), s->getEndColor().a) << rel;
        EXPECT_EQ(v["blendFuncSource"].asUInt(), s->getBlendFunc().src) << rel;
        EXPECT_EQ(v["texture"].isNull(), s->getTexture() == nullptr) << rel;
    }
}

TEST(ParticleInfoTool, ValuesOfKnownFiles) {
    Json::Value v;
    std::string errors;
    ASSERT_TRUE(TestFileExists(kPlists + "cocos2d-x/ButterFly.plist"));
    ASSERT_TRUE(TestFileExists(kPlists + "cocos2d-objc/Phoenix.plist"));
    ToolRun r = runTool(shellQuote(kPlists + "cocos2d-x/ButterFly.plist"));
    ASSERT_EQ(r.status, 0);
    ASSERT_TRUE(parseStrict(r.out, &v, &errors));
    EXPECT_EQ(v["configName"].asString(), "ButterFly");
    EXPECT_EQ(v["textureFileName"].asString(), "butterfly.png");
    EXPECT_EQ(v["blendFuncDestination"].asInt(), 771);
    EXPECT_DOUBLE_EQ(v["positionx"].asDouble(), 160.0);
    EXPECT_DOUBLE_EQ(v["sourcePositionx"].asDouble(), 0.0);
    EXPECT_NEAR(v["emissionRate"].asDouble(), 19.7, 1e-5);
    EXPECT_EQ(v["positionType"].asInt(), 0);
    EXPECT_EQ(v["yCoordFlipped"].asInt(), 1);
    EXPECT_FALSE(v["rotationIsDir"].asBool());
    EXPECT_TRUE(v["texture"].isNull());

    r = runTool(shellQuote(kPlists + "cocos2d-objc/Phoenix.plist"));
    ASSERT_EQ(r.status, 0);
    ASSERT_TRUE(parseStrict(r.out, &v, &errors));
    EXPECT_DOUBLE_EQ(v["maxRadius"].asDouble(), 60.0);
    // Life 0 makes the rate infinite: written as null, not as a bad number.
    EXPECT_TRUE(v["emissionRate"].isNull());
    ASSERT_TRUE(v["texture"].isObject());
    EXPECT_EQ(v["texture"]["width"].asInt(), 64);
    EXPECT_EQ(v["texture"]["height"].asInt(), 64);
    EXPECT_TRUE(v["texture"]["premultiplied"].asBool());
}

TEST(ParticleInfoTool, RefusedFilesExitOneWithAReason) {
    TempDir dir;
    dir.write("cut.plist", "<plist><dict><key>maxParticles</key><integer>5");
    ToolRun r = runTool(shellQuote(dir.file("cut.plist")));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("cut.plist"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

    dir.write("bad.plist",
              "<plist><dict><key>maxParticles</key><integer>5</integer>"
              "<key>emitterType</key><integer>9</integer></dict></plist>");
    r = runTool(shellQuote(dir.file("bad.plist")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("emitterType"), std::string::npos) << r.err;
    r = runTool(shellQuote(dir.file("none.plist")));
    EXPECT_EQ(r.status, 1);
}

TEST(ParticleInfoTool, TextIsEscapedAndUsageErrorsExitTwo) {
    TempDir dir;
    dir.write("odd.plist",
              "<plist><dict><key>maxParticles</key><integer>5</integer>"
              "<key>configName</key><string>a\"b\\c\tline\nnext \xff\xfe end</string>"
              "<key>textureFileName</key><string>sp&amp;rk.png</string></dict></plist>");
    ToolRun r = runTool(shellQuote(dir.file("odd.plist")));
    ASSERT_EQ(r.status, 0) << r.err;
    Json::Value v;
    std::string errors;
    ASSERT_TRUE(parseStrict(r.out, &v, &errors)) << errors << r.out;
    EXPECT_EQ(v["configName"].asString(), "a\"b\\c\tline\nnext \xef\xbf\xbd\xef\xbf\xbd end");
    EXPECT_EQ(v["textureFileName"].asString(), "sp&rk.png");

    EXPECT_EQ(runTool("").status, 2);
    EXPECT_EQ(runTool("a b").status, 2);
}
