// A scene's cached backdrop gives the same frames to the byte as drawing it, follows every change at once, and a
// backdrop with particles of its own is drawn every frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "2d/CCBackdropCache.h"
#include "2d/CCLayer.h"
#include "2d/CCParticleExamples.h"
#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"
#include "support/EngineTestSupport.h"
#include "support/OffscreenGLView.h"

using namespace cocos2d;

namespace {

const int kViewWidth = 400;
const int kViewHeight = 300;
// Scaled into the view with grey bands left and right.
const int kDesignWidth = 300;
const int kDesignHeight = 260;

// A gradient, so that any shift or filtering difference changes bytes.
Texture2D* gradientTexture(int width, int height, unsigned char blue) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<unsigned char>(x * 255 / width);
            p[1] = static_cast<unsigned char>(y * 255 / height);
            p[2] = blue;
            p[3] = 255;
        }
    auto* texture = new Texture2D();
    texture->initWithData(pixels.data(), static_cast<ssize_t>(pixels.size()), Texture2D::PixelFormat::RGBA8888, width,
                          height, Size(static_cast<float>(width), static_cast<float>(height)));
    texture->autorelease();
    return texture;
}

using Frame = std::vector<unsigned char>;

class GuiBackdropCache : public testing::Test {
protected:
    void SetUp() override {
        PurgeDirector();
        m_view = OffscreenGLView::create(kViewWidth, kViewHeight);
        ASSERT_NE(m_view, nullptr) << "no GL context: " << OffscreenGLView::lastError();
        m_view->retain();
        m_director = Director::getInstance();
        m_director->setOpenGLView(m_view);
        m_director->setClearColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
        m_view->setDesignResolutionSize(kDesignWidth, kDesignHeight, ResolutionPolicy::SHOW_ALL);
        m_scene = Scene::create();
        m_director->runWithScene(m_scene);
        m_scene->setBackdropCaching(true);
        std::srand(7);
    }
    void TearDown() override {
        if (m_director && m_director->isPaused()) m_director->resume();
        PurgeDirector();
        if (m_view) m_view->release();
    }

    // As the editor builds it: a black layer, then the background image with
    // a small marker of its own, both behind the scene; effects in front.
    void buildHeavyScene() {
        auto* black = LayerColor::create(Color4B(0, 0, 0, 255));
        black->setContentSize(Size(kDesignWidth, kDesignHeight));
        m_scene->addChild(black, -1);
        m_background = Sprite::createWithTexture(gradientTexture(kDesignWidth - 40, kDesignHeight - 20, 96));
        m_background->setPosition(kDesignWidth / 2.0f, kDesignHeight / 2.0f);
        m_scene->addChild(m_background, -1);
        m_marker = Sprite::createWithTexture(gradientTexture(16, 16, 255));
        m_marker->setPosition(30, 30);
        m_background->addChild(m_marker);
        ParticleSystem* sun = ParticleSun::create();
        sun->setPosition(kDesignWidth / 2.0f, kDesignHeight / 2.0f);
        m_scene->addChild(sun);
        ParticleSystem* fireworks = ParticleFireworks::create();
        fireworks->setPosition(kDesignWidth / 3.0f, kDesignHeight / 4.0f);
        m_scene->addChild(fireworks);
    }

    Frame frame() {
        m_director->mainLoop(1.0f / 60);
        Frame bytes;
        bytes.reserve(static_cast<size_t>(m_view->frameWidth()) * m_view->frameHeight() * 4);
        for (int y = 0; y < m_view->frameHeight(); ++y)
            for (int x = 0; x < m_view->frameWidth(); ++x) {
                const Color4B c = m_view->pixel(x, y);
                bytes.insert(bytes.end(), {c.r, c.g, c.b, c.a});
            }
        return bytes;
    }
    // The frame as drawn without the cache (which starts afresh afterwards).
    Frame liveFrame() {
        m_scene->setBackdropCaching(false);
        Frame bytes = frame();
        m_scene->setBackdropCaching(true);
        return bytes;
    }
    BackdropCache& cache() const { return *m_scene->getBackdropCache(); }
    // Frames until one comes from the cache; the last one drawn.
    Frame frameFromCache() {
        const unsigned int before = cache().framesFromCache();
        Frame bytes;
        for (int i = 0; i < 4 && cache().framesFromCache() == before; ++i) bytes = frame();
        EXPECT_GT(cache().framesFromCache(), before) << "the backdrop was never taken from the cache";
        return bytes;
    }

    OffscreenGLView* m_view = nullptr;
    Director* m_director = nullptr;
    Scene* m_scene = nullptr;
    Sprite* m_background = nullptr;
    Sprite* m_marker = nullptr;
};

} // namespace

TEST_F(GuiBackdropCache, PausedHeavySceneIsTheSameToTheByteWithAndWithoutTheCache) {
    buildHeavyScene();
    for (int i = 0; i < 40; ++i) frame();
    m_director->pause();
    const Frame live = liveFrame();
    const Frame cached = frameFromCache();
    ASSERT_EQ(cached.size(), live.size());
    EXPECT_TRUE(cached == live) << "cached and drawn frames differ";
    // Later frames keep using the one copy.
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(frame() == live);
    EXPECT_EQ(cache().copiesTaken(), 1u);

    // Running on: the effects move over the kept backdrop exactly as over a drawn one.
    m_director->resume();
    for (int i = 0; i < 5; ++i) frame();
    m_director->pause();
    EXPECT_TRUE(frameFromCache() == liveFrame());
    EXPECT_GT(cache().framesFromCache(), 0u);
}

TEST_F(GuiBackdropCache, EveryChangeBehindTheSceneShowsOnTheNextFrameAndIsCachedAgain) {
    buildHeavyScene();
    for (int i = 0; i < 20; ++i) frame();
    m_director->pause();
    const struct {
        const char* name;
        std::function<void()> change;
    } changes[] = {
        {"moving a child of the background", [this] { m_marker->setPosition(80, 60); }},
        {"recolouring a child of the background", [this] { m_marker->setColor(Color3B(255, 0, 0)); }},
        {"hiding a child of the background", [this] { m_marker->setVisible(false); }},
        {"another background image",
         [this] {
             m_scene->removeChild(m_background);
             m_background = Sprite::createWithTexture(gradientTexture(kDesignWidth, kDesignHeight / 2, 20));
             m_background->setPosition(kDesignWidth / 2.0f, kDesignHeight / 3.0f);
             m_scene->addChild(m_background, -1);
         }},
        {"a resized view",
         [this] {
             m_view->setFrameSize(360, 320);
             m_view->setDesignResolutionSize(kDesignWidth, kDesignHeight, ResolutionPolicy::SHOW_ALL);
         }},
        {"another design resolution",
         [this] { m_view->setDesignResolutionSize(kDesignWidth + 60, kDesignHeight, ResolutionPolicy::SHOW_ALL); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        const Frame before = frameFromCache();
        const unsigned int served = cache().framesFromCache();
        c.change();
        const Frame after = frame();
        EXPECT_EQ(cache().framesFromCache(), served) << "the changed backdrop came from the old copy";
        EXPECT_FALSE(after == before) << "the change did not show";
        EXPECT_TRUE(after == liveFrame()) << "the first frame after the change is not the drawn one";
        const Frame again = frameFromCache();
        EXPECT_TRUE(again == after);
    }
}

TEST_F(GuiBackdropCache, BackdropWithItsOwnParticlesOrNothingBehindIsDrawnEveryFrame) {
    // Nothing behind the scene: effects alone.
    ParticleSystem* sun = ParticleSun::create();
    sun->setPosition(100, 100);
    m_scene->addChild(sun);
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_EQ(cache().copiesTaken(), 0u);

    // A background scene with an emitter of its own, running and paused.
    auto* background = Sprite::createWithTexture(gradientTexture(kDesignWidth, kDesignHeight, 50));
    background->setPosition(kDesignWidth / 2.0f, kDesignHeight / 2.0f);
    ParticleSystem* embers = ParticleFire::create();
    embers->setPosition(60, 20);
    background->addChild(embers);
    m_scene->addChild(background, -1);
    for (int i = 0; i < 10; ++i) frame();
    m_director->pause();
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_EQ(cache().copiesTaken(), 0u);
    EXPECT_EQ(cache().framesFromCache(), 0u);
    EXPECT_TRUE(frame() == liveFrame());

    // Without the emitter the same background is kept.
    embers->removeFromParent();
    frameFromCache();
}
