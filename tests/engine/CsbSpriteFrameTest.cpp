// Sprite sheets: the frame formats read by the cache, and scene files whose sprites and images name frames.
#include <gtest/gtest.h>

#include "2d/CCSprite.h"
#include "2d/CCSpriteFrame.h"
#include "2d/CCSpriteFrameCache.h"
#include "CsbSceneTestSupport.h"
#include "ImageTestSupport.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "ui/UIImageView.h"
#include "ui/UIScale9Sprite.h"

using namespace cocos2d;
using Props = CsbTestWriter::Props;

namespace {

class CsbSpriteFrame : public CsbSceneTest {
protected:
    void SetUp() override {
        CsbSceneTest::SetUp();
        SpriteFrameCache::destroyInstance();
        // A 64 x 32 sheet: red on the left half, blue on the right.
        std::vector<unsigned int> samples;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x)
                samples.insert(samples.end(), {x < 32 ? 255u : 0u, 0u, x < 32 ? 0u : 255u, 255u});
        imagetest::writeFileBytes(m_dir.file("sheet.png"), imagetest::makePng(64, 32, 6, 8, samples));
        m_dir.write("sheet.plist", sheetPlist(2, R"(
    <key>red.png</key><dict><key>frame</key><string>{{0,0},{32,32}}</string><key>offset</key><string>{0,0}</string>
      <key>rotated</key><false/><key>sourceSize</key><string>{32,32}</string></dict>
    <key>blue_trim.png</key><dict><key>frame</key><string>{{32,0},{16,32}}</string><key>offset</key><string>{4,0}</string>
      <key>rotated</key><false/><key>sourceSize</key><string>{32,32}</string></dict>
    <key>turned.png</key><dict><key>frame</key><string>{{32,0},{32,16}}</string><key>offset</key><string>{0,0}</string>
      <key>rotated</key><true/><key>sourceSize</key><string>{32,16}</string></dict>)"));
    }
    void TearDown() override {
        SpriteFrameCache::destroyInstance();
        CsbSceneTest::TearDown();
    }

    static std::string sheetPlist(int format, const std::string& frames) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>frames</key><dict>" +
               frames + "</dict><key>metadata</key><dict><key>format</key><integer>" + std::to_string(format) +
               "</integer><key>textureFileName</key><string>sheet.png</string></dict></dict></plist>\n";
    }
};

TEST_F(CsbSpriteFrame, CacheReadsFramesWithTheirRectOffsetSizeAndTurn) {
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("sheet.plist");
    EXPECT_TRUE(cache->isSpriteFramesWithFileLoaded("sheet.plist"));
    SpriteFrame* trimmed = cache->getSpriteFrameByName("blue_trim.png");
    ASSERT_NE(trimmed, nullptr);
    EXPECT_EQ(trimmed->getRect(), Rect(32, 0, 16, 32));
    EXPECT_EQ(trimmed->getOffset(), Vec2(4, 0));
    EXPECT_EQ(trimmed->getOriginalSize(), Size(32, 32));
    EXPECT_FALSE(trimmed->isRotated());
    ASSERT_NE(cache->getSpriteFrameByName("turned.png"), nullptr);
    EXPECT_TRUE(cache->getSpriteFrameByName("turned.png")->isRotated());
    EXPECT_EQ(cache->getSpriteFrameByName("none.png"), nullptr);
}

TEST_F(CsbSpriteFrame, OtherFormatsAndBrokenSheetsAreReadSafely) {
    m_dir.write("zero.plist",
                sheetPlist(0, R"(<key>a.png</key><dict><key>x</key><real>2</real><key>y</key><real>3</real>
      <key>width</key><real>10</real><key>height</key><real>11</real><key>offsetX</key><real>1</real>
      <key>offsetY</key><real>-1</real><key>originalWidth</key><integer>12</integer>
      <key>originalHeight</key><integer>13</integer></dict>)"));
    m_dir.write("three.plist", sheetPlist(3, R"(<key>b.png</key><dict><key>spriteSize</key><string>{20,10}</string>
      <key>textureRect</key><string>{{5,6},{20,10}}</string><key>spriteOffset</key><string>{0,2}</string>
      <key>spriteSourceSize</key><string>{24,14}</string><key>textureRotated</key><false/></dict>)"));
    m_dir.write("junk.plist",
                sheetPlist(1, R"(<key>c.png</key><dict><key>frame</key><string>{{nan,x},{1e40,</string></dict>
      <key>d.png</key><string>not a frame</string>)"));
    m_dir.write("nosheet.plist", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>frames</key><dict>"
                                 "<key>e.png</key><dict/></dict></dict></plist>");
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    for (const char* plist : {"zero.plist", "three.plist", "junk.plist", "nosheet.plist", "missing.plist"})
        cache->addSpriteFramesWithFile(plist);
    ASSERT_NE(cache->getSpriteFrameByName("a.png"), nullptr);
    EXPECT_EQ(cache->getSpriteFrameByName("a.png")->getRect(), Rect(2, 3, 10, 11));
    EXPECT_EQ(cache->getSpriteFrameByName("a.png")->getOriginalSize(), Size(12, 13));
    ASSERT_NE(cache->getSpriteFrameByName("b.png"), nullptr);
    EXPECT_EQ(cache->getSpriteFrameByName("b.png")->getRect(), Rect(5, 6, 20, 10));
    EXPECT_EQ(cache->getSpriteFrameByName("b.png")->getOffset(), Vec2(0, 2));
    ASSERT_NE(cache->getSpriteFrameByName("c.png"), nullptr); // numbers it could not read are zero
    EXPECT_EQ(cache->getSpriteFrameByName("c.png")->getRect().size, Size(0, 0));
    EXPECT_EQ(cache->getSpriteFrameByName("d.png"), nullptr);
    EXPECT_EQ(cache->getSpriteFrameByName("e.png"), nullptr); // nosheet.png does not exist
}

TEST_F(CsbSpriteFrame, SceneSheetsLoadAndSpritesShowTheirFrameInPlace) {
    CsbTestWriter w;
    Props p;
    p.name = "trimmed";
    auto wo = w.widget(p);
    auto frame = w.resource("blue_trim.png", 1);
    auto sprite = w.node("Sprite", flatbuffers::CreateSpriteOptions(w.fbb, wo, frame));
    auto tree = w.plainNode(Props{}, {sprite});
    auto action = flatbuffers::CreateNodeAction(w.fbb);
    auto sheets =
        w.fbb.CreateVector(std::vector<flatbuffers::Offset<flatbuffers::String>>{w.fbb.CreateString("sheet.plist")});
    w.fbb.Finish(flatbuffers::CreateCSParseBinary(w.fbb, w.fbb.CreateString("2.1.0.0"), sheets, 0, tree, action));
    save("frames.csb", std::vector<uint8_t>(w.fbb.GetBufferPointer(), w.fbb.GetBufferPointer() + w.fbb.GetSize()));

    Node* root = CSLoader::createNode("frames.csb");
    ASSERT_NE(root, nullptr);
    auto* s = dynamic_cast<Sprite*>(root->getChildByName("trimmed"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getContentSize(), Size(32, 32)); // the untrimmed size
    EXPECT_EQ(s->getTextureRect(), Rect(32, 0, 16, 32));
    // Centred in the untrimmed box, then moved by the trim offset: (32 - 16) / 2 + 4.
    EXPECT_FLOAT_EQ(s->getQuad().bl.vertices.x, 12);
    EXPECT_FLOAT_EQ(s->getQuad().bl.texCoords.u, 0.5f);
}

TEST_F(CsbSpriteFrame, ImagesFallBackToAFrameOfTheirNameAndTurnedFramesTurnBack) {
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile("sheet.plist");
    ui::ImageView* view = ui::ImageView::create("red.png"); // no such file: the frame
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isTextureLoaded());
    EXPECT_EQ(view->getVirtualRendererSize(), Size(32, 32));
    const ui::Scale9Sprite* image = view->getRenderer();
    ASSERT_EQ(image->getVertexCount(), 4);
    EXPECT_FLOAT_EQ(image->getVertices()[3].texCoords.u, 0.5f); // top-right corner: the red half's edge

    ui::Scale9Sprite* turned = ui::Scale9Sprite::create();
    ASSERT_TRUE(turned->initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName("turned.png")));
    EXPECT_EQ(turned->getOriginalSize(), Size(32, 16));
    // The image's bottom-left comes from the sheet's top-left of the turned cell.
    EXPECT_FLOAT_EQ(turned->getVertices()[0].texCoords.u, 0.5f);
    EXPECT_FLOAT_EQ(turned->getVertices()[0].texCoords.v, 0.0f);
    // Its top-right from the bottom-right of the cell (x 32+16 of 64, y 32 of 32).
    EXPECT_FLOAT_EQ(turned->getVertices()[3].texCoords.u, 0.75f);
    EXPECT_FLOAT_EQ(turned->getVertices()[3].texCoords.v, 1.0f);
}

} // namespace
