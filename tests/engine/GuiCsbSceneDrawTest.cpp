// Pixels of a scene file drawn by the engine: a panel's colour, a sprite, a button with its title, a text and
// particles.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "2d/CCBackdropCache.h"
#include "2d/CCParticleExamples.h"
#include "2d/CCScene.h"
#include "CsbSceneTestSupport.h"
#include "ImageTestSupport.h"
#include "ParticleTestSupport.h"
#include "base/CCDirector.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "support/OffscreenGLView.h"

using namespace cocos2d;
using Props = CsbTestWriter::Props;

namespace {

const int kWidth = 640;
const int kHeight = 480;

// A PNG of one opaque colour.
imagetest::Bytes solidPng(int size, unsigned r, unsigned g, unsigned b) {
    std::vector<unsigned int> samples;
    for (int i = 0; i < size * size; ++i) samples.insert(samples.end(), {r, g, b, 255u});
    return imagetest::makePng(size, size, 6 /* RGBA */, 8, samples);
}

class GuiCsbSceneDraw : public CsbSceneTest {
protected:
    void SetUp() override {
        CsbSceneTest::SetUp();
        m_view = OffscreenGLView::create(kWidth, kHeight);
        ASSERT_NE(m_view, nullptr) << OffscreenGLView::lastError();
        m_view->retain();
        Director::getInstance()->setOpenGLView(m_view);
        m_view->setDesignResolutionSize(kWidth, kHeight, ResolutionPolicy::EXACT_FIT);
    }
    void TearDown() override {
        CsbSceneTest::TearDown();
        if (m_view) m_view->release();
    }

    // Pixels in the rectangle (design points, origin bottom-left) that pass the test.
    int count(int x0, int y0, int x1, int y1, const std::function<bool(const Color4B&)>& test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (test(m_view->pixel(x, y))) ++n;
        return n;
    }

    void saveScene(bool withParticles);

    OffscreenGLView* m_view = nullptr;
};

bool near(const Color4B& c, int r, int g, int b) {
    return std::abs(c.r - r) <= 10 && std::abs(c.g - g) <= 10 && std::abs(c.b - b) <= 10;
}

// "scene.csb": a navy panel over the whole design area, a red sprite, a
// green button titled "GO", a yellow text and, when asked, magenta particles.
void GuiCsbSceneDraw::saveScene(bool withParticles) {
    imagetest::writeFileBytes(m_dir.file("img/red.png"), solidPng(40, 255, 0, 0));
    imagetest::writeFileBytes(m_dir.file("img/green.png"), solidPng(8, 0, 200, 0));
    auto entries = basicParticleEntries();
    entries["startColorRed"] = realValue(1);
    entries["startColorBlue"] = realValue(1);
    entries["startParticleSize"] = realValue(32);
    entries["textureFileName"] = stringValue("fire.png");
    m_dir.write("img/magenta.plist", plistText(entries));

    CsbTestWriter w;
    Props panelProps;
    panelProps.width = kWidth;
    panelProps.height = kHeight;
    panelProps.anchorX = panelProps.anchorY = 0;
    auto panelWidget = w.widget(panelProps);
    auto noImage = w.resource("");
    const flatbuffers::Color navy(255, 0, 0, 128);
    const flatbuffers::ColorVector down(0, -1);
    auto panel = w.node("Panel", flatbuffers::CreatePanelOptions(w.fbb, panelWidget, noImage, false, &navy, &navy,
                                                                 &navy, 1, 255, &down));
    Props spriteProps;
    spriteProps.x = 100;
    spriteProps.y = 380;
    auto sprite = w.sprite(spriteProps, "img/red.png");

    Props buttonProps;
    buttonProps.x = 400;
    buttonProps.y = 380;
    buttonProps.width = 160;
    buttonProps.height = 60;
    auto buttonWidget = w.widget(buttonProps);
    auto normal = w.resource("img/green.png");
    auto title = w.fbb.CreateString("GO");
    auto fontName = w.fbb.CreateString("");
    const flatbuffers::Color white(255, 255, 255, 255);
    auto button = w.node(
        "Button", flatbuffers::CreateButtonOptions(w.fbb, buttonWidget, normal, 0, 0, 0, title, fontName, 40, &white));
    Props textProps;
    textProps.x = 320;
    textProps.y = 240;
    textProps.r = 255, textProps.g = 255, textProps.b = 0;
    auto textWidget = w.widget(textProps);
    auto hello = w.fbb.CreateString("Hello");
    auto text = w.node("Text", flatbuffers::CreateTextOptions(w.fbb, textWidget, 0, 0, 48, hello));
    Props fxProps;
    fxProps.x = 320;
    fxProps.y = 100;
    auto fx = w.particle(fxProps, "img/magenta.plist");
    Props rootProps;
    rootProps.anchorX = rootProps.anchorY = 0;
    rootProps.width = kWidth;
    rootProps.height = kHeight;
    std::vector<flatbuffers::Offset<flatbuffers::NodeTree>> children{panel, sprite, button, text};
    if (withParticles) children.push_back(fx);
    save("scene.csb", w.finish(w.plainNode(rootProps, children)));
}

TEST_F(GuiCsbSceneDraw, SpriteButtonTextAndParticlesAppearWhereTheFilePutsThem) {
    saveScene(true);

    Node* root = CSLoader::createNode("scene.csb");
    ASSERT_NE(root, nullptr);
    Scene* scene = Scene::create();
    scene->addChild(root);
    Director* director = Director::getInstance();
    director->runWithScene(scene);
    for (int i = 0; i < 60; ++i) director->mainLoop(1.0f / 60.0f);

    auto isNavy = [](const Color4B& c) { return near(c, 0, 0, 128); };
    // The panel's colour everywhere nothing else is drawn.
    EXPECT_TRUE(isNavy(m_view->pixel(5, 5)));
    EXPECT_TRUE(isNavy(m_view->pixel(600, 470)));

    // The sprite: 40 x 40 red, centred on its position.
    EXPECT_TRUE(near(m_view->pixel(100, 380), 255, 0, 0));
    EXPECT_EQ(count(81, 361, 119, 399, [](const Color4B& c) { return near(c, 255, 0, 0); }), 38 * 38);
    EXPECT_TRUE(isNavy(m_view->pixel(125, 380)));

    // The button: its 8 x 8 image stretched over 160 x 60, the title in white over it.
    auto isGreen = [](const Color4B& c) { return near(c, 0, 200, 0); };
    EXPECT_TRUE(isGreen(m_view->pixel(325, 355)));
    EXPECT_TRUE(isGreen(m_view->pixel(475, 405)));
    EXPECT_TRUE(isNavy(m_view->pixel(315, 380)));
    EXPECT_TRUE(isNavy(m_view->pixel(485, 380)));
    auto isWhite = [](const Color4B& c) { return c.r > 200 && c.g > 200 && c.b > 200; };
    EXPECT_GT(count(330, 360, 470, 400, isWhite), 150);
    EXPECT_EQ(count(0, 330, kWidth, 352, isWhite), 0);

    // The text: yellow ink around its centre and nowhere far from it.
    auto isYellow = [](const Color4B& c) { return c.r > 180 && c.g > 180 && c.b < 80; };
    const int yellow = count(220, 210, 420, 270, isYellow);
    EXPECT_GT(yellow, 300);
    EXPECT_EQ(count(0, 270, kWidth, 340, isYellow), 0);

    // The particles: magenta light around the emitter.
    auto isMagenta = [](const Color4B& c) { return c.r > 60 && c.b > 150 && c.g < 60; };
    EXPECT_GT(count(280, 60, 360, 140, isMagenta), 100);
    EXPECT_EQ(count(0, 0, 200, 200, isMagenta), 0);
    if (HasFailure() || getenv("FW_SAVE_FRAME")) m_view->savePpm("/tmp/csb-scene-frame.ppm");
}

// Behind effects, as the editor shows it: kept between frames and drawn the
// same to the byte, unless it holds particles of its own.
TEST_F(GuiCsbSceneDraw, AsTheBackdropTheSceneIsKeptWithoutParticlesAndDrawnWithThem) {
    for (bool withParticles : {false, true}) {
        SCOPED_TRACE(withParticles ? "with particles" : "without particles");
        saveScene(withParticles);
        Node* root = CSLoader::createNode("scene.csb");
        ASSERT_NE(root, nullptr);
        Scene* scene = Scene::create();
        scene->addChild(root, -1);
        ParticleSystem* sun = ParticleSun::create();
        sun->setPosition(200, 200);
        scene->addChild(sun);
        Director* director = Director::getInstance();
        if (director->getRunningScene())
            director->replaceScene(scene);
        else
            director->runWithScene(scene);
        for (int i = 0; i < 30; ++i) director->mainLoop(1.0f / 60.0f);
        director->pause();
        auto frame = [&] {
            director->mainLoop(1.0f / 60.0f);
            std::vector<unsigned char> bytes;
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) {
                    const Color4B c = m_view->pixel(x, y);
                    bytes.insert(bytes.end(), {c.r, c.g, c.b, c.a});
                }
            return bytes;
        };
        const std::vector<unsigned char> live = frame();
        scene->setBackdropCaching(true);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(frame() == live) << "frame " << i << " differs from the drawn one";
        EXPECT_EQ(scene->getBackdropCache()->framesFromCache(), withParticles ? 0u : 1u);
        director->resume();
    }
}

} // namespace
