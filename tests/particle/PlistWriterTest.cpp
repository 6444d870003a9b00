// The written particle plist: key order, element kinds, number formats, the texture and what a loaded file keeps.
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"
#include "particle/PlistDocument.h"

#include <wx/xml/xml.h>

#include <algorithm>
#include <string>
#include <vector>

using cocos2d::Color4F;
using cocos2d::ParticleSystem;

namespace {

const std::vector<std::string> kCommonHead = {
    "maxParticles",
    "angle",
    "angleVariance",
    "duration",
    "blendFuncSource",
    "blendFuncDestination",
    "startColorRed",
    "startColorGreen",
    "startColorBlue",
    "startColorAlpha",
    "startColorVarianceRed",
    "startColorVarianceGreen",
    "startColorVarianceBlue",
    "startColorVarianceAlpha",
    "finishColorRed",
    "finishColorGreen",
    "finishColorBlue",
    "finishColorAlpha",
    "finishColorVarianceRed",
    "finishColorVarianceGreen",
    "finishColorVarianceBlue",
    "finishColorVarianceAlpha",
    "startParticleSize",
    "startParticleSizeVariance",
    "finishParticleSize",
    "finishParticleSizeVariance",
    "sourcePositionx",
    "sourcePositiony",
    "sourcePositionVariancex",
    "sourcePositionVariancey",
    "rotationStart",
    "rotationStartVariance",
    "rotationEnd",
    "rotationEndVariance",
    "emitterType",
};
const std::vector<std::string> kGravity = {"gravityx",
                                           "gravityy",
                                           "speed",
                                           "speedVariance",
                                           "radialAcceleration",
                                           "radialAccelVariance",
                                           "tangentialAcceleration",
                                           "tangentialAccelVariance",
                                           "rotationIsDir"};
const std::vector<std::string> kRadius = {"maxRadius",         "maxRadiusVariance", "minRadius",
                                          "minRadiusVariance", "rotatePerSecond",   "rotatePerSecondVariance"};
const std::vector<std::string> kTail = {"particleLifespan", "particleLifespanVariance", "textureFileName"};

std::vector<std::string> keysOf(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::vector<std::string> keys;
    for (const auto& p : pairs) keys.push_back(p.first);
    return keys;
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::string valueOf(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& key) {
    for (const auto& p : pairs)
        if (p.first == key) return p.second;
    return "<missing>";
}

class PlistWriter : public ParticleObjectTest {};

}

TEST_F(PlistWriter, FreshFlowerWritesTheFortySevenGravityPairsInOrderWithTheDefaultTexture) {
    ParticleSystem2DEditor* flower = ParticleSystem2DEditor::createFromTemplate(0);
    ASSERT_NE(flower, nullptr);
    const std::string text = PlistTextOf(*flower);
    const auto pairs = PlistPairs(text);
    EXPECT_EQ(keysOf(pairs), join({kCommonHead, kGravity, kTail}));
    EXPECT_EQ(pairs.size(), 47u);
    EXPECT_EQ(valueOf(pairs, "textureFileName"), "particle-fire.png");
    // A whole number inside a "real" element, without a decimal point.
    EXPECT_EQ(valueOf(pairs, "maxParticles"), "250");
    EXPECT_EQ(PlistElements(text).front(), std::make_pair(std::string("maxParticles"), std::string("real")));
    EXPECT_EQ(valueOf(pairs, "duration"), "-1.000000");
    EXPECT_EQ(valueOf(pairs, "blendFuncSource"), "770");
    EXPECT_EQ(valueOf(pairs, "blendFuncDestination"), "1");
    EXPECT_EQ(valueOf(pairs, "startColorRed"), "0.500000");
    EXPECT_EQ(valueOf(pairs, "radialAcceleration"), "-60.000000");
    EXPECT_EQ(valueOf(pairs, "emitterType"), "0");
    EXPECT_EQ(valueOf(pairs, "rotationIsDir"), "0");
    EXPECT_EQ(
        text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist>\n  <dict>\n    <key>maxParticles</key>\n", 0),
        0u);
    const std::string tail = "  </dict>\n</plist>\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    for (const auto& e : PlistElements(text)) {
        const std::string expected = e.first == "textureFileName" ? "string"
                                     : e.first == "blendFuncSource" || e.first == "emitterType" ||
                                             e.first == "blendFuncDestination" || e.first == "rotationIsDir"
                                         ? "integer"
                                         : "real";
        EXPECT_EQ(e.second, expected) << e.first;
    }
}

TEST_F(PlistWriter, RadiusModeWritesTheCrossedRadiusKeysAndNoGravityKeys) {
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
    p->setEmitterMode(ParticleSystem::Mode::RADIUS);
    p->setStartRadius(120.5f);
    p->setEndRadius(-1.0f);
    p->setStartRadiusVar(3);
    p->setEndRadiusVar(4);
    p->setRotatePerSecond(-90);
    p->setRotatePerSecondVar(7.25f);
    const auto pairs = PlistPairs(PlistTextOf(*p));
    EXPECT_EQ(keysOf(pairs), join({kCommonHead, kRadius, kTail}));
    EXPECT_EQ(pairs.size(), 44u);
    EXPECT_EQ(valueOf(pairs, "emitterType"), "1");
    EXPECT_EQ(valueOf(pairs, "maxRadius"), "120.500000");
    EXPECT_EQ(valueOf(pairs, "minRadius"), "-1.000000");
    EXPECT_EQ(valueOf(pairs, "maxRadiusVariance"), "3.000000");
    EXPECT_EQ(valueOf(pairs, "minRadiusVariance"), "4.000000");
    EXPECT_EQ(valueOf(pairs, "rotatePerSecond"), "-90.000000");
    EXPECT_EQ(valueOf(pairs, "rotatePerSecondVariance"), "7.250000");
}

TEST_F(PlistWriter, FormatsAlphasFlagsAndSourcePositionsAndLeavesRateAndPositionTypeOut) {
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
    p->setStartColor(Color4F(1, 0.25f, 0, 0.5f));
    p->setRotationIsDir(true);
    p->setSourcePosition(cocos2d::Vec2(-12.5f, 1e6f));
    p->setPosVar(cocos2d::Vec2(0.1f, 3));
    p->setEmissionRate(999);
    p->setPositionType(ParticleSystem::PositionType::GROUPED);
    const auto pairs = PlistPairs(PlistTextOf(*p));
    EXPECT_EQ(valueOf(pairs, "startColorAlpha"), "0.500000");
    EXPECT_EQ(valueOf(pairs, "startColorGreen"), "0.250000");
    EXPECT_EQ(valueOf(pairs, "rotationIsDir"), "1");
    EXPECT_EQ(valueOf(pairs, "sourcePositionx"), "-12.500000");
    EXPECT_EQ(valueOf(pairs, "sourcePositiony"), "1000000.000000");
    // The float nearest 0.1, widened: "%f" rounds it to six decimals.
    EXPECT_EQ(valueOf(pairs, "sourcePositionVariancex"), "0.100000");
    EXPECT_EQ(valueOf(pairs, "emissionRate"), "<missing>");
    EXPECT_EQ(valueOf(pairs, "positionType"), "<missing>");
}

TEST_F(PlistWriter, TextureNamesAreWrittenAsStoredWithEntitiesAndReadBackUnchanged) {
    TempDir dir;
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
    p->textureName = wxString::FromUTF8("sub/fire & <smoke>粒子.png");
    const std::string text = PlistTextOf(*p);
    EXPECT_NE(text.find("<string>sub/fire &amp; &lt;smoke&gt;粒子.png</string>"), std::string::npos);
    ASSERT_TRUE(PlistDocument::save([&](wxXmlNode* d) { p->writeXml(d); }, dir.file("amp.plist")));
    ParticleSystem2DEditor* back = ParticleSystem2DEditor::createFromFile(dir.file("amp.plist"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->textureName, wxString::FromUTF8("sub/fire & <smoke>粒子.png"));
    EXPECT_EQ(
        RunPlistlib({dir.file("amp.plist")},
                    "assert d['textureFileName'] == 'sub/fire & <smoke>\\u7c92\\u5b50.png', d['textureFileName']"),
        "");

    // A plist without a texture name saves an empty one.
    p->textureName.clear();
    EXPECT_NE(PlistTextOf(*p).find("<key>textureFileName</key>\n    <string></string>\n"), std::string::npos);
}

TEST_F(PlistWriter, WritesIntoTheGivenDictionaryAfterWhatItHolds) {
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
    wxXmlNode dict(wxXML_ELEMENT_NODE, wxS("dict"));
    dict.AddChild(new wxXmlNode(wxXML_ELEMENT_NODE, wxS("first")));
    p->writeXml(&dict);
    wxXmlNode* child = dict.GetChildren();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetName(), "first");
    ASSERT_NE(child->GetNext(), nullptr);
    EXPECT_EQ(child->GetNext()->GetNodeContent(), "maxParticles");
    int count = 0;
    for (wxXmlNode* n = dict.GetChildren(); n; n = n->GetNext()) ++count;
    EXPECT_EQ(count, 1 + 2 * 47);
}
