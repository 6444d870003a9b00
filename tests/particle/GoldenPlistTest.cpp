// Saved plists byte for byte against the golden files in tests/particle/golden (FW_UPDATE_GOLDEN=1 rewrites them).
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleParameter.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"
#include "particle/PlistDocument.h"

#include <cstdlib>
#include <fstream>
#include <functional>

namespace {

const std::string kGolden = std::string(FW_TEST_DIR) + "/golden/";

class GoldenPlist : public ParticleObjectTest {
protected:
    // Saves the object with the document writer and compares the file with
    // the golden one of the same name.
    void check(ParticleSystem2DEditor& object, const std::string& name) {
        const std::string path = m_dir.file(name);
        ASSERT_TRUE(PlistDocument::save([&](wxXmlNode* d) { object.writeXml(d); }, wxString::FromUTF8(path)));
        const std::string saved = ReadFileText(path);
        if (std::getenv("FW_UPDATE_GOLDEN")) std::ofstream(kGolden + name, std::ios::binary) << saved;
        EXPECT_EQ(saved, ReadFileText(kGolden + name)) << name << " differs from its golden file";
        EXPECT_EQ(RunPlistlib({kGolden + name}), "");
    }
    TempDir m_dir;
};

}

TEST_F(GoldenPlist, AFreshFlowerSavedAtOnce) {
    ParticleSystem2DEditor* flower = ParticleSystem2DEditor::createFromTemplate(0);
    ASSERT_NE(flower, nullptr);
    check(*flower, "flower.plist");
}

TEST_F(GoldenPlist, TheSpiralSwitchedToRadiusMode) {
    // The eleven effects are all in gravity mode; the mode row switches it.
    ParticleSystem2DEditor* spiral =
        ParticleSystem2DEditor::createFromTemplate(static_cast<int>(ParticleTemplate::Spiral));
    ASSERT_NE(spiral, nullptr);
    findParticleParameter("emitterType")->set(*spiral, [] {
        ParticleValue radius;
        radius.number = 1;
        return radius;
    }());
    spiral->setStartRadius(150);
    spiral->setEndRadius(-1);
    spiral->setRotatePerSecond(-45.5f);
    check(*spiral, "spiral-radius.plist");
}

TEST_F(GoldenPlist, ATextureNameWithAnAmpersandReadsBackUnchanged) {
    ParticleSystem2DEditor* flower = ParticleSystem2DEditor::createFromTemplate(0);
    flower->textureName = wxS("fire&smoke.png");
    check(*flower, "ampersand.plist");
    ParticleSystem2DEditor* back = ParticleSystem2DEditor::createFromFile(kGolden + "ampersand.plist");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->textureName, "fire&smoke.png");
}
