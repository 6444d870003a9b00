// Pixels drawn by the engine into an offscreen GL view: layer colour within the design area,
// sprite placement and orientation, batching, global-Z order of custom commands, drawRect, shutdown.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "2d/CCDrawingPrimitives.h"
#include "2d/CCLayer.h"
#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCQuadCommand.h"
#include "renderer/CCTextureCache.h"
#include <vector>
#include "renderer/CCRenderer.h"
#include "support/EngineTestSupport.h"
#include "support/OffscreenGLView.h"
#include "TempDir.h"

using namespace cocos2d;

namespace {

bool Near(const Color4B& c, int r, int g, int b, int tol = 8) {
    return std::abs(c.r - r) <= tol && std::abs(c.g - g) <= tol && std::abs(c.b - b) <= tol;
}

std::string Describe(const Color4B& c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// Runs a custom command at a chosen global Z that calls a drawing function with the node's transform.
class DrawNodeForTest : public Node {
public:
    static DrawNodeForTest* create(float globalZ, std::function<void()> drawing) {
        auto* n = new DrawNodeForTest();
        n->init();
        n->setGlobalZOrder(globalZ);
        n->m_drawing = std::move(drawing);
        n->autorelease();
        return n;
    }
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override {
        m_command.init(_globalZOrder, transform, flags);
        m_command.func = [this, transform] {
            auto* director = Director::getInstance();
            director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
            director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, transform);
            m_drawing();
            director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
        };
        renderer->addCommand(&m_command);
    }

private:
    CustomCommand m_command;
    std::function<void()> m_drawing;
};

class GuiEngineRender : public testing::Test {
protected:
    void SetUp() override {
        PurgeDirector();
        m_view = OffscreenGLView::create(1280, 1000);
        ASSERT_NE(m_view, nullptr) << "no GL context: " << OffscreenGLView::lastError();
        m_view->retain();
        m_director = Director::getInstance();
        m_director->setOpenGLView(m_view);
        m_director->setClearColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
        m_view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
        m_scene = Scene::create();
        m_director->runWithScene(m_scene);
    }
    void TearDown() override {
        PurgeDirector();
        if (m_view) m_view->release();
    }

    // Frame pixel of a design point (SHOW_ALL of 640 x 960 in 1280 x 1000).
    Color4B at(float x, float y) const {
        const float s = 1000.0f / 960.0f;
        return m_view->pixel(static_cast<int>(306.6667f + x * s), static_cast<int>(y * s));
    }

    void frame() { m_director->mainLoop(1.0f / 60); }

    OffscreenGLView* m_view = nullptr;
    Director* m_director = nullptr;
    Scene* m_scene = nullptr;
};

TEST_F(GuiEngineRender, BlackLayerFillsExactlyTheShowAllDesignArea) {
    auto* layer = LayerColor::create(Color4B(0, 0, 0, 255));
    layer->setName("default_bg_layer");
    m_scene->addChild(layer, -1);
    frame();
    ASSERT_EQ(m_view->swapCount(), 1);

    // The design area is 666.67 x 1000 frame pixels from x = 306.67.
    for (int y : {0, 1, 500, 998, 999}) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < 1280; ++x) {
            Color4B c = m_view->pixel(x, y);
            if (Near(c, 0, 0, 0)) {
                if (first < 0) first = x;
                last = x;
                ++count;
            } else {
                ASSERT_TRUE(Near(c, 128, 128, 128)) << "x " << x << " y " << y << " " << Describe(c);
            }
        }
        EXPECT_EQ(first, 307) << "row " << y;
        EXPECT_EQ(last, 972) << "row " << y;
        EXPECT_EQ(count, last - first + 1) << "row " << y;
    }
    EXPECT_TRUE(Near(m_view->pixel(640, 0), 0, 0, 0));
    EXPECT_TRUE(Near(m_view->pixel(640, 999), 0, 0, 0)) << Describe(m_view->pixel(640, 999));
}

TEST_F(GuiEngineRender, SpriteFromAPngLandsAtItsPositionAndAnchor) {
    // 2 x 2 image, top row red | blue, bottom row green | white.
    TempDir dir;
    const unsigned char rgba[16] = {255, 0, 0, 255, 0, 0, 255, 255, 0, 255, 0, 255, 255, 255, 255, 255};
    auto* image = new Image();
    ASSERT_TRUE(image->initWithRawData(rgba, sizeof(rgba), 2, 2, 8));
    const std::string path = dir.file("quad.png");
    ASSERT_TRUE(image->saveToFile(path, false));
    image->release();

    auto* sprite = Sprite::create(path);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getContentSize(), Size(2, 2));
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2(0.5f, 0.5f));
    sprite->setScale(50);  // 100 x 100 points
    sprite->setPosition(200, 300);
    m_scene->addChild(sprite);
    EXPECT_EQ(Sprite::create(dir.file("missing.png")), nullptr);

    // A second sprite of the same texture right after it batches into one draw call.
    auto* twin = Sprite::createWithTexture(sprite->getTexture());
    twin->setScale(50);
    twin->setAnchorPoint(Vec2(0, 0));
    twin->setPosition(400, 600);
    m_scene->addChild(twin);
    frame();

    // Anchor (0.5, 0.5): the quad spans 150..250 x 250..350; image row 0 at the top.
    EXPECT_TRUE(Near(at(175, 325), 255, 0, 0)) << Describe(at(175, 325));
    EXPECT_TRUE(Near(at(225, 325), 0, 0, 255)) << Describe(at(225, 325));
    EXPECT_TRUE(Near(at(175, 275), 0, 255, 0)) << Describe(at(175, 275));
    EXPECT_TRUE(Near(at(225, 275), 255, 255, 255)) << Describe(at(225, 275));
    EXPECT_TRUE(Near(at(145, 300), 128, 128, 128)) << Describe(at(145, 300));
    EXPECT_TRUE(Near(at(255, 300), 128, 128, 128)) << Describe(at(255, 300));
    EXPECT_TRUE(Near(at(200, 355), 128, 128, 128)) << Describe(at(200, 355));
    // Anchor (0, 0): the twin spans 400..500 x 600..700.
    EXPECT_TRUE(Near(at(425, 675), 255, 0, 0)) << Describe(at(425, 675));
    EXPECT_TRUE(Near(at(475, 625), 255, 255, 255)) << Describe(at(475, 625));
    EXPECT_TRUE(Near(at(395, 650), 128, 128, 128)) << Describe(at(395, 650));
    EXPECT_EQ(m_director->getRenderer()->getDrawnBatches(), 1);

    // Flipping swaps the columns; tint and opacity reach the vertex colours.
    sprite->setFlippedX(true);
    sprite->setColor(Color3B(255, 0, 0));
    frame();
    EXPECT_TRUE(Near(at(175, 325), 0, 0, 0)) << Describe(at(175, 325));  // blue tinted red
    EXPECT_TRUE(Near(at(225, 325), 255, 0, 0)) << Describe(at(225, 325));
    sprite->setColor(Color3B::WHITE);
    sprite->setOpacity(0);
    frame();
    EXPECT_TRUE(Near(at(175, 325), 128, 128, 128)) << Describe(at(175, 325));
}

TEST_F(GuiEngineRender, CustomCommandAtGlobalZOneDrawsOverASpriteAtZero) {
    TempDir dir;
    const unsigned char white[4] = {255, 255, 255, 255};
    auto* image = new Image();
    ASSERT_TRUE(image->initWithRawData(white, sizeof(white), 1, 1, 8));
    ASSERT_TRUE(image->saveToFile(dir.file("white.png"), false));
    image->release();

    // Both commands join the scene before the sprite: scene order alone would put them under it.
    auto green = [] {
        DrawPrimitives::drawSolidRect(Vec2(100, 100), Vec2(200, 200), Color4F(0, 1, 0, 1));
    };
    auto red = [] {
        DrawPrimitives::drawSolidRect(Vec2(300, 100), Vec2(400, 200), Color4F(1, 0, 0, 1));
    };
    m_scene->addChild(DrawNodeForTest::create(1.0f, green));
    m_scene->addChild(DrawNodeForTest::create(0.0f, red));
    auto* sprite = Sprite::create(dir.file("white.png"));
    ASSERT_NE(sprite, nullptr);
    sprite->setAnchorPoint(Vec2(0, 0));
    sprite->setScaleX(400);
    sprite->setScaleY(200);
    sprite->setPosition(50, 50);
    m_scene->addChild(sprite);
    frame();

    EXPECT_TRUE(Near(at(150, 150), 0, 255, 0)) << Describe(at(150, 150));      // Z 1 over the sprite
    EXPECT_TRUE(Near(at(350, 150), 255, 255, 255)) << Describe(at(350, 150));  // Z 0 under it
    EXPECT_TRUE(Near(at(430, 150), 255, 255, 255)) << Describe(at(430, 150));
}

TEST_F(GuiEngineRender, DrawRectDrawsAOnePixelFrameOfTheDrawColour) {
    // 1:1 so that design points are frame pixels.
    m_view->setFrameSize(640, 960);
    m_view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    m_scene->addChild(DrawNodeForTest::create(0.0f, [] {
        DrawPrimitives::setDrawColor4F(1, 0, 0, 1);
        DrawPrimitives::drawRect(Vec2(100.5f, 100.5f), Vec2(200.5f, 150.5f));
        DrawPrimitives::setDrawColor4F(1, 1, 1, 1);
    }));
    frame();
    ASSERT_EQ(m_view->frameWidth(), 640);

    auto isRed = [&](int x, int y) { return Near(m_view->pixel(x, y), 255, 0, 0, 8); };
    EXPECT_TRUE(isRed(100, 125));
    EXPECT_TRUE(isRed(200, 125));
    EXPECT_TRUE(isRed(150, 100));
    EXPECT_TRUE(isRed(150, 150));
    EXPECT_FALSE(isRed(150, 125));
    int across = 0, down = 0;
    for (int x = 90; x <= 210; ++x) across += isRed(x, 125) ? 1 : 0;
    for (int y = 90; y <= 160; ++y) down += isRed(150, y) ? 1 : 0;
    EXPECT_EQ(across, 2);
    EXPECT_EQ(down, 2);
    EXPECT_TRUE(Near(m_view->pixel(150, 125), 128, 128, 128)) << Describe(m_view->pixel(150, 125));
}

// Queues one QuadCommand of many quads (more than 16-bit indices can address).
class QuadsNode : public Node {
public:
    static QuadsNode* create(Texture2D* texture, int count, float x0, float y0, float size) {
        auto* n = new QuadsNode();
        n->init();
        n->m_texture = texture;
        n->m_quads.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            auto& q = n->m_quads[static_cast<size_t>(i)];
            // Each quad a little to the right of the previous one; the last is the one to see.
            float x = x0 + (i == count - 1 ? 200.0f : 0.0f);
            q.bl.vertices.set(x, y0, 0);
            q.br.vertices.set(x + size, y0, 0);
            q.tl.vertices.set(x, y0 + size, 0);
            q.tr.vertices.set(x + size, y0 + size, 0);
            for (auto* v : {&q.bl, &q.br, &q.tl, &q.tr}) v->colors = Color4B(0, 255, 0, 255);
            q.tl.texCoords = Tex2F(0, 0);
            q.bl.texCoords = Tex2F(0, 1);
            q.tr.texCoords = Tex2F(1, 0);
            q.br.texCoords = Tex2F(1, 1);
        }
        n->setGLProgramState(
            GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
        n->autorelease();
        return n;
    }
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override {
        m_command.init(_globalZOrder, m_texture, getGLProgramState(), BlendFunc::ALPHA_PREMULTIPLIED, m_quads.data(),
                       static_cast<ssize_t>(m_quads.size()), transform, flags);
        renderer->addCommand(&m_command);
    }

private:
    QuadCommand m_command;
    Texture2D* m_texture = nullptr;
    std::vector<V3F_C4B_T2F_Quad> m_quads;
};

TEST_F(GuiEngineRender, OneQuadCommandDrawsAnyNumberOfQuads) {
    const unsigned char white[4] = {255, 255, 255, 255};
    auto* image = new Image();
    ASSERT_TRUE(image->initWithRawData(white, sizeof(white), 1, 1, 8));
    Texture2D* texture = m_director->getTextureCache()->addImage(image, "/quads-white");
    image->release();
    ASSERT_NE(texture, nullptr);
    m_scene->addChild(QuadsNode::create(texture, 20000, 100, 100, 50));
    frame();
    EXPECT_TRUE(Near(at(125, 125), 0, 255, 0)) << Describe(at(125, 125));
    EXPECT_TRUE(Near(at(325, 125), 0, 255, 0)) << Describe(at(325, 125));  // quad number 20000
    EXPECT_TRUE(Near(at(225, 125), 128, 128, 128)) << Describe(at(225, 125));
    EXPECT_EQ(m_director->getRenderer()->getDrawnBatches(), 1);
    EXPECT_EQ(m_director->getRenderer()->getDrawnVertices(), 20000 * 6);
}

TEST_F(GuiEngineRender, EndAndOneMoreLoopPurgesTheDirectorAndEndsTheView) {
    m_scene->addChild(LayerColor::create(Color4B(0, 0, 0, 255)), -1);
    frame();
    EXPECT_TRUE(m_view->isOpenGLReady());
    m_director->end();
    m_director->mainLoop();
    EXPECT_EQ(m_view->endCount(), 1);
    EXPECT_FALSE(m_view->isOpenGLReady());
    EXPECT_EQ(m_view->swapCount(), 1);
    EXPECT_EQ(m_view->getReferenceCount(), 1u);  // only the test's own
    EXPECT_EQ(Director::getInstance()->getOpenGLView(), nullptr);
}

}  // namespace
