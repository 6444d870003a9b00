// Drawn particles on a real GL context under X: a Sun effect lights its surroundings and nothing far away.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "2d/CCParticleExamples.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "support/EngineTestSupport.h"
#include "support/OffscreenGLView.h"

using namespace cocos2d;

namespace {

const int kSize = 256;

// A clean director drawing into a 256 x 256 offscreen GLX view.
class GuiParticleDraw : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        m_view = OffscreenGLView::create(kSize, kSize);
        ASSERT_NE(m_view, nullptr) << OffscreenGLView::lastError();
        m_view->retain();
        Director::getInstance()->setOpenGLView(m_view);
        m_view->setDesignResolutionSize(kSize, kSize, ResolutionPolicy::EXACT_FIT);
    }
    void TearDown() override {
        EngineTest::TearDown();
        if (m_view)
            m_view->release();
    }

    OffscreenGLView* m_view = nullptr;
};

}  // namespace

TEST_F(GuiParticleDraw, SunLightsPixelsAroundItsPositionAndNoneOutsideItsReach) {
    Director* director = Director::getInstance();
    Scene* scene = Scene::create();
    ParticleSun* sun = ParticleSun::create();
    ASSERT_NE(sun, nullptr);
    // The effect places itself at the centre of the window.
    EXPECT_FLOAT_EQ(sun->getPosition().x, kSize / 2.0f);
    scene->addChild(sun);
    director->runWithScene(scene);
    for (int i = 0; i < 60; ++i)
        director->mainLoop(1.0f / 60.0f);
    ASSERT_GT(sun->getParticleCount(), 200);

    auto at = [&](int x, int y) {
        Color4B c = m_view->pixel(x, y);
        return std::vector<int>{c.r, c.g, c.b};
    };
    // Reach: speed ≤ 25 pt/s for a life ≤ 1.5 s, plus half the largest size
    // (20 pt): nothing lies more than ~58 pt from the centre.
    int litNear = 0, litFar = 0, redderThanGreen = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float d = std::hypot(x + 0.5f - kSize / 2.0f, y + 0.5f - kSize / 2.0f);
            const std::vector<int> p = at(x, y);
            const bool lit = p[0] + p[1] + p[2] > 30;
            if (d < 20 && lit)
                ++litNear;
            if (d > 70 && p[0] + p[1] + p[2] > 0)
                ++litFar;
            if (d > 25 && d < 60 && p[0] > p[1] && p[1] >= p[2])
                ++redderThanGreen;
        }
    }
    // The disc of radius 20 around the centre holds about 1250 pixels.
    EXPECT_GT(litNear, 1000);
    EXPECT_EQ(litFar, 0);
    // Additive orange-red particles: red dominates where they thin out.
    EXPECT_GT(redderThanGreen, 500);
    const std::vector<int> centre = at(kSize / 2, kSize / 2);
    EXPECT_GT(centre[0], 150);
}
