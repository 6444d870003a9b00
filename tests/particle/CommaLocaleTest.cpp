// Saving and loading give the same bytes and values under a comma locale (de_DE.UTF-8) as under C.
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"

#include <clocale>
#include <cstdio>
#include <locale>

using cocos2d::Color4F;

namespace {

class CommaLocale : public ParticleObjectTest {
protected:
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
        ParticleObjectTest::TearDown();
    }

    // A system whose every kind of value has a fractional part.
    static ParticleSystem2DEditor* sample() {
        ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
        p->setStartColor(Color4F(0.5f, 0.25f, 0.125f, 0.75f));
        p->setAngle(12.5f);
        p->setLife(1.25f);
        p->setGravity(cocos2d::Vec2(-0.5f, 300.75f));
        p->setSourcePosition(cocos2d::Vec2(10.5f, -3.25f));
        p->setEndSize(-1);
        p->textureName = wxString::FromUTF8("funke,1.png");
        return p;
    }

    static void expectSample(ParticleSystem2DEditor& p) {
        EXPECT_FLOAT_EQ(p.getStartColor().r, 0.5f);
        EXPECT_FLOAT_EQ(p.getStartColor().a, 0.75f);
        EXPECT_FLOAT_EQ(p.getAngle(), 12.5f);
        EXPECT_FLOAT_EQ(p.getLife(), 1.25f);
        EXPECT_FLOAT_EQ(p.getGravity().y, 300.75f);
        EXPECT_FLOAT_EQ(p.getSourcePosition().y, -3.25f);
        EXPECT_FLOAT_EQ(p.getEmissionRate(), 200.0f);
        EXPECT_EQ(p.textureName, wxString::FromUTF8("funke,1.png"));
    }

    bool save(ParticleSystem2DEditor& p, const std::string& path) {
        return PlistDocument::save([&](wxXmlNode* d) { p.writeXml(d); }, wxString::FromUTF8(path));
    }

    TempDir m_dir;
};

}

TEST_F(CommaLocale, SavedBytesAndLoadedValuesDoNotDependOnTheLocale) {
    ASSERT_TRUE(save(*sample(), m_dir.file("c.plist")));
    const std::string inC = m_dir.read("c.plist");
    ASSERT_NE(inC.find("<real>0.500000</real>"), std::string::npos);

    // As a translation library would set it.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing: scripts/install-deps.sh generates it";
    std::locale::global(std::locale("de_DE.UTF-8"));
    char probe[32];
    std::snprintf(probe, sizeof probe, "%f", 0.5);
    ASSERT_STREQ(probe, "0,500000") << "not a comma locale: this test would prove nothing";

    ASSERT_TRUE(save(*sample(), m_dir.file("de.plist")));
    EXPECT_EQ(m_dir.read("de.plist"), inC);
    for (const char* name : {"c.plist", "de.plist"}) {
        SCOPED_TRACE(name);
        ParticleSystem2DEditor* loaded = ParticleSystem2DEditor::createFromFile(m_dir.file(name));
        ASSERT_NE(loaded, nullptr);
        expectSample(*loaded);
        // And saved again under the comma locale: the same bytes once more.
        ASSERT_TRUE(save(*loaded, m_dir.file("again.plist")));
        EXPECT_EQ(m_dir.read("again.plist"), inC);
    }
}

TEST_F(CommaLocale, TestDataFilesReadTheSameUnderBothLocales) {
    const std::vector<std::string> names = {"cocos2d-objc/Galaxy.plist", "cocos2d-x/ButterFly.plist",
                                            "chemtd/peppershot.plist"};
    std::vector<std::string> inC;
    for (const std::string& name : names) {
        ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(TestDataRoot() + name);
        ASSERT_NE(p, nullptr) << name;
        inC.push_back(PlistTextOf(*p));
    }
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing: scripts/install-deps.sh generates it";
    for (size_t i = 0; i < names.size(); ++i) {
        ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(TestDataRoot() + names[i]);
        ASSERT_NE(p, nullptr) << names[i];
        EXPECT_EQ(PlistTextOf(*p), inC[i]) << names[i];
    }
}
