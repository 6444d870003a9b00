// Edits committed on the particle page reach the running system: every row, colours, alphas, links, modes, texture.
#include "GuiParticleFixture.h"
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleParameter.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"

#include "editor/wxRealPointVariantData.h"
#include "renderer/CCTexture2D.h"

#include <wx/colour.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

using cocos2d::Color4F;
using cocos2d::ParticleSystem;

namespace {

class GuiParticleEdit : public GuiParticleFixture {
protected:
    void SetUp() override {
        GuiParticleFixture::SetUp();
        if (HasFatalFailure()) return;
        use(ParticleSystem2DEditor::createFromTemplate(0));
    }
    wxVariant colour(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
        wxVariant v;
        v << wxColour(r, g, b, a);
        return v;
    }
    wxVariant point(double x, double y) {
        wxVariant v;
        v << wxRealPoint(x, y);
        return v;
    }
    std::string written(const std::string& key) {
        for (const auto& pair : PlistPairs(PlistTextOf(*m_object)))
            if (pair.first == key) return pair.second;
        return "<missing>";
    }
};

}

TEST_F(GuiParticleEdit, EveryFloatRowReachesItsOwnEngineValueAndPlistKey) {
    // Each float row gets a value of its own, so a crossed wire (the plist's
    // "maxRadius" is the engine's start radius) shows as a wrong value.
    double next = 3.25;
    for (const bool radius : {false, true}) {
        ASSERT_TRUE(edit("emitterType", wxVariant(radius ? 1L : 0L)));
        for (const ParticleParameter& row : particleParameters()) {
            if (row.kind != ParticleValueKind::Float || row.linked) continue;
            if (row.group == (radius ? EmitterGroup::Gravity : EmitterGroup::Radius)) continue;
            const std::string name = row.fullName();
            SCOPED_TRACE(name);
            ASSERT_TRUE(edit(name, wxVariant(next)));
            EXPECT_FLOAT_EQ(static_cast<float>(row.get(*m_object).number), static_cast<float>(next));
            if (row.plistKey) {
                char text[32];
                std::snprintf(text, sizeof text, "%f", static_cast<double>(static_cast<float>(next)));
                EXPECT_EQ(written(row.plistKey), text);
            }
            next += 1.5;
        }
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(GuiParticleEdit, PointsFlagsBlendFactorsAndPositionTypeReachTheEngine) {
    ASSERT_TRUE(edit("emitterType.gravity", point(12.5, -40)));
    EXPECT_EQ(m_object->getGravity(), cocos2d::Vec2(12.5f, -40));
    ASSERT_TRUE(edit("sourcePosition", point(3, 4)));
    EXPECT_EQ(m_object->getSourcePosition(), cocos2d::Vec2(3, 4));
    ASSERT_TRUE(edit("sourcePositionVariance", point(-5, 6)));
    EXPECT_EQ(m_object->getPosVar(), cocos2d::Vec2(-5, 6));
    ASSERT_TRUE(edit("emitterType.rotationIsDir", wxVariant(true)));
    EXPECT_TRUE(m_object->getRotationIsDir());
    ASSERT_TRUE(edit("blendFunc.blendFuncSource", wxVariant(0x306L)));
    EXPECT_EQ(m_object->getBlendFunc().src, 0x306u);
    EXPECT_EQ(m_object->getBlendFunc().dst, 1u);
    ASSERT_TRUE(edit("blendFunc.blendFuncDestination", wxVariant(0L)));
    EXPECT_EQ(m_object->getBlendFunc().src, 0x306u);
    EXPECT_EQ(m_object->getBlendFunc().dst, 0u);
    ASSERT_TRUE(edit("positionType", wxVariant(2L)));
    EXPECT_EQ(m_object->getPositionType(), ParticleSystem::PositionType::GROUPED);
}

TEST_F(GuiParticleEdit, ColourEditsSetAllFourComponentsAndAlphaEditsOnlyTheirOwnAlpha) {
    m_object->setStartColor(Color4F(0.1f, 0.2f, 0.3f, 1.0f));
    ASSERT_TRUE(edit("startAlpha", wxVariant(128L)));
    EXPECT_FLOAT_EQ(m_object->getStartColor().a, static_cast<float>(128 / 255.0));
    EXPECT_FLOAT_EQ(m_object->getStartColor().r, 0.1f);
    EXPECT_FLOAT_EQ(m_object->getStartColor().g, 0.2f);
    EXPECT_FLOAT_EQ(m_object->getStartColor().b, 0.3f);
    // Nothing else moved: the other colours keep their alphas, the colour row is not refreshed.
    EXPECT_FLOAT_EQ(m_object->getStartColorVar().a, 0.5f);
    EXPECT_FLOAT_EQ(m_object->getEndColor().a, 1.0f);
    wxColour shown;
    shown << property("startColor")->GetValue();
    EXPECT_EQ(shown.Alpha(), 255);

    ASSERT_TRUE(edit("endColorVar", colour(255, 0, 51, 102)));
    EXPECT_FLOAT_EQ(m_object->getEndColorVar().r, 1.0f);
    EXPECT_FLOAT_EQ(m_object->getEndColorVar().g, 0.0f);
    EXPECT_FLOAT_EQ(m_object->getEndColorVar().b, 0.2f);
    EXPECT_FLOAT_EQ(m_object->getEndColorVar().a, 0.4f);
    EXPECT_EQ(property("endAlphaVar")->GetValue().GetLong(), 0);

    ASSERT_TRUE(edit("endAlphaVar", wxVariant(510L)));
    EXPECT_FLOAT_EQ(m_object->getEndColorVar().a, 2.0f);
    ASSERT_TRUE(edit("startAlphaVar", wxVariant(0L)));
    EXPECT_FLOAT_EQ(m_object->getStartColorVar().a, 0.0f);
    ASSERT_TRUE(edit("endAlpha", wxVariant(51L)));
    EXPECT_FLOAT_EQ(m_object->getEndColor().a, 0.2f);
}

TEST_F(GuiParticleEdit, CountAndRateFollowEachOtherThroughTheLifeAndALifeEditDerivesTheRate) {
    ASSERT_TRUE(edit("particleLifespan", wxVariant(2.0)));
    // A life edit gives the rate the game will derive when it loads the file.
    EXPECT_FLOAT_EQ(m_object->getEmissionRate(), 125.0f);
    EXPECT_DOUBLE_EQ(property("emissionRate")->GetValue().GetDouble(), 125.0);
    EXPECT_EQ(m_object->getTotalParticles(), 250);

    // Typed into the row as the user does.
    ASSERT_TRUE(typeInto(property("maxParticles"), wxS("100")));
    EXPECT_EQ(m_object->getTotalParticles(), 100);
    EXPECT_FLOAT_EQ(m_object->getEmissionRate(), 50.0f);
    EXPECT_DOUBLE_EQ(property("emissionRate")->GetValue().GetDouble(), 50.0);

    ASSERT_TRUE(edit("particleLifespan", wxVariant(1.5)));
    EXPECT_EQ(property("maxParticles")->GetValue().GetLong(), 100);
    ASSERT_TRUE(edit("emissionRate", wxVariant(10.0)));
    EXPECT_EQ(m_object->getTotalParticles(), 15);
    EXPECT_EQ(property("maxParticles")->GetValue().GetLong(), 15);
    ASSERT_TRUE(edit("emissionRate", wxVariant(10.5)));
    EXPECT_EQ(m_object->getTotalParticles(), 15);
    EXPECT_EQ(property("maxParticles")->GetValue().GetLong(), 15);

    // A life of 0 leaves the rate alone on a count edit, and a life edit to 0 too.
    ASSERT_TRUE(edit("particleLifespan", wxVariant(0.0)));
    const float rate = m_object->getEmissionRate();
    EXPECT_TRUE(std::isfinite(rate));
    ASSERT_TRUE(edit("maxParticles", wxVariant(40L)));
    EXPECT_EQ(m_object->getTotalParticles(), 40);
    EXPECT_FLOAT_EQ(m_object->getEmissionRate(), rate);
    EXPECT_DOUBLE_EQ(property("emissionRate")->GetValue().GetDouble(), static_cast<double>(rate));
}

TEST_F(GuiParticleEdit, SwitchingTheModeSwapsTheGroupAndSwitchingBackShowsTheEarlierValues) {
    ASSERT_TRUE(edit("emitterType.speed", wxVariant(33.0)));
    ASSERT_TRUE(edit("emitterType.gravity", point(1, 2)));
    ASSERT_TRUE(edit("emitterType", wxVariant(1L)));
    EXPECT_EQ(m_object->getEmitterMode(), ParticleSystem::Mode::RADIUS);
    EXPECT_EQ(childNames("emitterType").size(), 6u);
    EXPECT_EQ(property("emitterType.speed"), nullptr);
    ASSERT_TRUE(edit("emitterType.maxRadius", wxVariant(70.0)));
    EXPECT_FLOAT_EQ(m_object->getStartRadius(), 70);

    ASSERT_TRUE(edit("emitterType", wxVariant(0L)));
    EXPECT_EQ(childNames("emitterType").size(), 8u);
    EXPECT_DOUBLE_EQ(property("emitterType.speed")->GetValue().GetDouble(), 33.0);
    wxVariant gravity = property("emitterType.gravity")->GetValue();
    EXPECT_EQ(wxRealPointRefFromVariant(gravity), wxRealPoint(1, 2));
    ASSERT_TRUE(edit("emitterType", wxVariant(1L)));
    EXPECT_DOUBLE_EQ(property("emitterType.maxRadius")->GetValue().GetDouble(), 70.0);

    // Choosing the mode already in force leaves the page alone: the same row objects stay.
    wxPGProperty* before = property("emitterType.maxRadius");
    edit("emitterType", wxVariant(1L));
    EXPECT_EQ(property("emitterType.maxRadius"), before);
    EXPECT_EQ(childNames("emitterType").size(), 6u);
}

TEST_F(GuiParticleEdit, ATexturePathWithBackslashesLoadsAndTheRowShowsTheBareName) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("fx"));
    std::filesystem::copy_file(TestDataRoot() + "bulletwar/star.png", dir.file("fx/spark.png"));
    const wxString chosen = wxString::FromUTF8(dir.path() + "/fx\\spark.png");
    ASSERT_TRUE(edit("textureFileName", wxVariant(chosen)));
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(m_object->textureName, "spark.png");
    EXPECT_EQ(property("textureFileName")->GetValueAsString(), "spark.png");
    ASSERT_NE(m_object->getTexture(), nullptr);
    EXPECT_EQ(m_object->getTexture()->getPath(), dir.file("fx/spark.png"));
    EXPECT_EQ(written("textureFileName"), "spark.png");
}

TEST_F(GuiParticleEdit, ATextFileIsRejectedWithTheMessageAndNothingChanges) {
    TempDir dir;
    dir.write("notes.png", "this is text, not an image\n");
    cocos2d::Texture2D* texture = m_object->getTexture();
    const std::string before = PlistTextOf(*m_object);
    ASSERT_TRUE(edit("textureFileName", wxVariant(wxString::FromUTF8(dir.file("notes.png")))));
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].message, wxString::FromUTF8("不支持的图片格式！"));
    EXPECT_EQ(m_messages.boxes[0].title, wxString::FromUTF8("提示"));
    EXPECT_EQ(m_object->getTexture(), texture);
    EXPECT_EQ(m_object->textureName, "particle-fire.png");
    EXPECT_EQ(property("textureFileName")->GetValueAsString(), "particle-fire.png");
    // A save now writes exactly what it wrote before the attempt.
    EXPECT_EQ(PlistTextOf(*m_object), before);

    // A missing file and a file with an image signature that does not decode fare the same.
    ASSERT_TRUE(edit("textureFileName", wxVariant(wxString::FromUTF8(dir.file("missing.png")))));
    dir.write("broken.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(40, '\0'));
    ASSERT_TRUE(edit("textureFileName", wxVariant(wxString::FromUTF8(dir.file("broken.png")))));
    EXPECT_EQ(m_messages.boxes.size(), 3u);
    EXPECT_EQ(m_object->getTexture(), texture);
    EXPECT_EQ(PlistTextOf(*m_object), before);
}

TEST_F(GuiParticleEdit, CommonNodeRowsStillReachTheNode) {
    ASSERT_TRUE(edit("_Name", wxVariant(wxS("flame"))));
    EXPECT_EQ(m_object->getName(), "flame");
    // Unknown names are ignored.
    m_object->applyProperty(nullptr, wxS("Angle"), wxAny(5.0));
    EXPECT_FLOAT_EQ(m_object->getAngle(), 90);
}
