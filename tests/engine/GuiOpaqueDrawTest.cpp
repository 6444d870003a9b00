// Renderer shortcuts that must not change pixels: opaque draws skip blending (translucent textures and sprites still
// blend), and the depth buffer is cleared only for frames that test depth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTextureCache.h"
#include "support/EngineTestSupport.h"
#include "support/OffscreenGLView.h"

using namespace cocos2d;

namespace {

std::string Describe(const Color4B& c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," +
           std::to_string(c.a) + ")";
}

// 8 x 8 texels of (200, 100, 50) with the given alpha, one texel (the top
// left) with `cornerAlpha`.
Texture2D* solidTexture(const std::string& key, unsigned char cornerAlpha) {
    std::vector<unsigned char> pixels(8 * 8 * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = 200;
        pixels[i + 1] = 100;
        pixels[i + 2] = 50;
        pixels[i + 3] = 255;
    }
    pixels[3] = cornerAlpha;
    auto* image = new Image();
    if (!image->initWithRawData(pixels.data(), static_cast<ssize_t>(pixels.size()), 8, 8, 8)) {
        image->release();
        return nullptr;
    }
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(image, key);
    image->release();
    return texture;
}

class GuiOpaqueDraw : public testing::Test {
protected:
    void SetUp() override {
        PurgeDirector();
        m_view = OffscreenGLView::create(400, 300);
        ASSERT_NE(m_view, nullptr) << "no GL context: " << OffscreenGLView::lastError();
        m_view->retain();
        m_director = Director::getInstance();
        m_director->setOpenGLView(m_view);
        m_director->setClearColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
        m_view->setDesignResolutionSize(400, 300, ResolutionPolicy::SHOW_ALL);
        m_scene = Scene::create();
        m_director->runWithScene(m_scene);
    }
    void TearDown() override {
        PurgeDirector();
        if (m_view) m_view->release();
    }

    // A 64 x 64 sprite of the texture centred on (x, y).
    Sprite* place(Texture2D* texture, float x, float y) {
        Sprite* sprite = Sprite::createWithTexture(texture);
        sprite->setScale(8.0f);
        sprite->setPosition(x, y);
        m_scene->addChild(sprite);
        return sprite;
    }

    OffscreenGLView* m_view = nullptr;
    Director* m_director = nullptr;
    Scene* m_scene = nullptr;
};

} // namespace

TEST(TextureOpacity, KnownFromTheFormatOrFromEveryAlphaByte) {
    const unsigned char rgb[3 * 4] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const unsigned char rgba[4 * 2] = {1, 2, 3, 255, 4, 5, 6, 255};
    const unsigned char faint[4 * 2] = {1, 2, 3, 255, 4, 5, 6, 254};
    auto opaque = [](const unsigned char* data, ssize_t len, Texture2D::PixelFormat format, int w) {
        Texture2D texture;
        EXPECT_TRUE(texture.initWithData(data, len, format, w, 1, Size(static_cast<float>(w), 1)));
        return texture.isOpaque();
    };
    EXPECT_TRUE(opaque(rgb, sizeof rgb, Texture2D::PixelFormat::RGB888, 4));
    EXPECT_TRUE(opaque(rgba, sizeof rgba, Texture2D::PixelFormat::RGBA8888, 2));
    EXPECT_FALSE(opaque(faint, sizeof faint, Texture2D::PixelFormat::RGBA8888, 2));
    EXPECT_FALSE(opaque(rgba, 2, Texture2D::PixelFormat::A8, 2));
}

TEST_F(GuiOpaqueDraw, AnOpaqueSpriteDrawsItsTexelsWithoutBlending) {
    Texture2D* texture = solidTexture("/opaque-solid", 255);
    ASSERT_NE(texture, nullptr);
    ASSERT_TRUE(texture->isOpaque());
    place(texture, 200, 150);
    m_director->mainLoop(1.0f / 60);
    const Color4B inside = m_view->pixel(200, 150);
    EXPECT_EQ(inside, Color4B(200, 100, 50, 255)) << Describe(inside);
    EXPECT_EQ(glIsEnabled(GL_BLEND), GL_FALSE);
}

TEST_F(GuiOpaqueDraw, TranslucentTexelsAndFadedSpritesStillBlend) {
    // One transparent texel: the whole texture blends, so the grey shows
    // through at that texel and the rest is exact.
    Texture2D* holed = solidTexture("/opaque-holed", 0);
    Texture2D* solid = solidTexture("/opaque-solid-2", 255);
    ASSERT_FALSE(holed->isOpaque());
    place(holed, 100, 150);
    // The same opaque texture twice: at full opacity, and faded to half.
    place(solid, 220, 150);
    place(solid, 320, 150)->setOpacity(128);
    m_director->mainLoop(1.0f / 60);

    const Color4B hole = m_view->pixel(100 - 28, 150 + 28);
    EXPECT_NEAR(hole.r, 128, 8) << Describe(hole);
    EXPECT_NEAR(hole.b, 128, 8) << Describe(hole);
    EXPECT_EQ(m_view->pixel(100, 150), Color4B(200, 100, 50, 255)) << Describe(m_view->pixel(100, 150));
    EXPECT_EQ(m_view->pixel(220, 150), Color4B(200, 100, 50, 255)) << Describe(m_view->pixel(220, 150));
    const Color4B faded = m_view->pixel(320, 150);
    EXPECT_NEAR(faded.r, (200 + 128) / 2, 2) << Describe(faded);
    EXPECT_NEAR(faded.b, (50 + 128) / 2, 2) << Describe(faded);
    // The opaque sprite is drawn apart from the blended ones around it.
    EXPECT_EQ(m_director->getRenderer()->getDrawnBatches(), 3);
}

TEST_F(GuiOpaqueDraw, WithTheDepthTestOnEachFrameStartsFromAClearedDepthBuffer) {
    Texture2D* solid = solidTexture("/depth-solid", 255);
    ASSERT_NE(solid, nullptr);
    m_director->setDepthTest(true);
    // A near sprite leaves its depth behind; frames of 2D drawing alone
    // follow, with the depth test off.
    Sprite* near = place(solid, 200, 150);
    near->setPositionZ(200);
    m_director->mainLoop(1.0f / 60);
    near->removeFromParent();
    m_director->setDepthTest(false);
    m_director->mainLoop(1.0f / 60);
    m_director->mainLoop(1.0f / 60);

    // Back on: a farther sprite at the same place is drawn, so nothing of the
    // near one's depth is left.
    m_director->setDepthTest(true);
    Sprite* far = place(solid, 200, 150);
    far->setColor(Color3B(0, 255, 0));
    m_director->mainLoop(1.0f / 60);
    EXPECT_EQ(m_view->pixel(200, 150), Color4B(0, 100, 0, 255)) << Describe(m_view->pixel(200, 150));
    // Within a frame the test works: a farther sprite drawn after a nearer
    // one stays hidden behind it.
    Sprite* front = place(solid, 200, 150);
    front->setPositionZ(100);
    far->setLocalZOrder(1);
    m_director->mainLoop(1.0f / 60);
    EXPECT_EQ(m_view->pixel(200, 150), Color4B(200, 100, 50, 255)) << Describe(m_view->pixel(200, 150));
    m_director->setDepthTest(false);
}
