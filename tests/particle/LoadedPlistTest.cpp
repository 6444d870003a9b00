// Opening a plist as a particle object, and what a save of it keeps: texture name, embedded texture, source position,
// flip.
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"

#include "2d/CCParticleSystemQuad.h"
#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

#include <string>

using cocos2d::ParticleSystem;

namespace {

class LoadedPlist : public ParticleObjectTest {
protected:
    bool saveAs(ParticleSystem2DEditor& p, const std::string& path) {
        return PlistDocument::save([&](wxXmlNode* d) { p.writeXml(d); }, wxString::FromUTF8(path));
    }
    static std::string valueOf(const std::string& text, const std::string& key) {
        for (const auto& pair : PlistPairs(text))
            if (pair.first == key) return pair.second;
        return "<missing>";
    }
    TempDir m_dir;
};

}

TEST_F(LoadedPlist, AFileWhoseTextureIsOnlyEmbeddedKeepsItThroughASaveToTheSamePath) {
    // Galaxy.png is not shipped beside it: the texture comes from "textureImageData".
    ASSERT_TRUE(CopyTree(TestDataRoot() + "cocos2d-objc", m_dir.file("objc")));
    const std::string path = m_dir.file("objc/Galaxy.plist");
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(path);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(p->getTexture(), nullptr);
    EXPECT_EQ(p->textureName, "Galaxy.png");
    ASSERT_FALSE(p->embeddedTexture().empty());

    ASSERT_TRUE(saveAs(*p, path));
    const std::string saved = m_dir.read("objc/Galaxy.plist");
    const auto pairs = PlistPairs(saved);
    ASSERT_EQ(pairs.size(), 48u);
    EXPECT_EQ(pairs[46].first, "textureFileName");
    EXPECT_EQ(pairs[47].first, "textureImageData");
    EXPECT_EQ(pairs[47].second, p->embeddedTexture());

    cocos2d::Director::getInstance()->getTextureCache()->removeAllTextures();
    ParticleSystem2DEditor* again = ParticleSystem2DEditor::createFromFile(path);
    ASSERT_NE(again, nullptr);
    ASSERT_NE(again->getTexture(), nullptr) << "the saved file lost its texture";
    EXPECT_EQ(again->getTexture()->getPixelsWide(), 32);
    EXPECT_EQ(again->embeddedTexture(), p->embeddedTexture());
}

TEST_F(LoadedPlist, ChangingTheTextureDropsTheEmbeddedOneAndNamesTheNewFile) {
    ASSERT_TRUE(CopyTree(TestDataRoot() + "cocos2d-objc", m_dir.file("objc")));
    ASSERT_TRUE(CopyTree(TestDataRoot() + "bulletwar", m_dir.file("bw")));
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(m_dir.file("objc/Galaxy.plist"));
    ASSERT_NE(p, nullptr);
    cocos2d::Texture2D* before = p->getTexture();
    ASSERT_TRUE(p->changeTexture(wxString::FromUTF8(m_dir.file("bw/star.png"))));
    EXPECT_NE(p->getTexture(), before);
    EXPECT_EQ(p->textureName, "star.png");
    EXPECT_TRUE(p->embeddedTexture().empty());
    const std::string text = PlistTextOf(*p);
    EXPECT_EQ(valueOf(text, "textureImageData"), "<missing>");
    EXPECT_EQ(PlistPairs(text).size(), 47u);
}

TEST_F(LoadedPlist, TheSourcePositionOfTheFileIsTheEmittersAndIsSavedBack) {
    // sourcePositionx/y = 160, 240 in the file.
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(TestDataRoot() + "cocos2d-objc/LavaFlow.plist");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->filePath, wxString::FromUTF8(TestDataRoot() + "cocos2d-objc/LavaFlow.plist"));
    EXPECT_EQ(p->getReferenceCount(), 1u);
    EXPECT_FLOAT_EQ(p->getSourcePosition().x, 160);
    // The node is left where its creator puts it.
    EXPECT_FLOAT_EQ(p->getPosition().x, 0);
    const std::string text = PlistTextOf(*p);
    EXPECT_EQ(valueOf(text, "sourcePositionx"), "160.000000");
}

TEST_F(LoadedPlist, AnUpsideDownFileStaysUpsideDownAndOthersWriteNoFlip) {
    ParticleSystem2DEditor* flipped =
        ParticleSystem2DEditor::createFromFile(TestDataRoot() + "lhcocos/ButterFlyYFlipped.plist");
    ASSERT_NE(flipped, nullptr);
    const std::string text = PlistTextOf(*flipped);
    EXPECT_EQ(valueOf(text, "yCoordFlipped"), "-1");
    ASSERT_TRUE(saveAs(*flipped, m_dir.file("again.plist")));
    ParticleSystem2DEditor* back = ParticleSystem2DEditor::createFromFile(m_dir.file("again.plist"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getYCoordFlipped(), -1);

    ParticleSystem2DEditor* upright =
        ParticleSystem2DEditor::createFromFile(TestDataRoot() + "cocos2d-x/ButterFly.plist");
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(valueOf(PlistTextOf(*upright), "yCoordFlipped"), "<missing>");
}

TEST_F(LoadedPlist, ATextureNameWithADirectoryIsKeptAsWritten) {
    m_dir.write("sub.plist", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                             "<key>maxParticles</key><integer>10</integer>"
                             "<key>particleLifespan</key><real>1</real>"
                             "<key>textureFileName</key><string>sub/spark.png</string>"
                             "</dict></plist>\n");
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromFile(m_dir.file("sub.plist"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->textureName, "sub/spark.png");
    EXPECT_EQ(valueOf(PlistTextOf(*p), "textureFileName"), "sub/spark.png");

    m_dir.write("none.plist", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                              "<key>maxParticles</key><integer>10</integer></dict></plist>\n");
    ParticleSystem2DEditor* none = ParticleSystem2DEditor::createFromFile(m_dir.file("none.plist"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->textureName, "");
}

TEST_F(LoadedPlist, FilesThatAreNotParticlePlistsGiveNoObject) {
    m_dir.write("text.plist", "just text\n");
    m_dir.write("other.plist", "<?xml version=\"1.0\"?><plist><dict><key>a</key><integer>1</integer></dict></plist>");
    m_dir.write("mode.plist", "<?xml version=\"1.0\"?><plist><dict><key>maxParticles</key><integer>5</integer>"
                              "<key>emitterType</key><integer>7</integer></dict></plist>");
    EXPECT_EQ(ParticleSystem2DEditor::createFromFile(m_dir.file("text.plist")), nullptr);
    EXPECT_EQ(ParticleSystem2DEditor::createFromFile(m_dir.file("other.plist")), nullptr);
    EXPECT_EQ(ParticleSystem2DEditor::createFromFile(m_dir.file("mode.plist")), nullptr);
    EXPECT_EQ(ParticleSystem2DEditor::createFromFile(m_dir.file("missing.plist")), nullptr);
}
