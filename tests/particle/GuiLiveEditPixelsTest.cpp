// Edits on the grid change the drawn particles on the next frames: colour and gravity, read back as pixels.
#include "GuiParticleFixture.h"
#include "support/OffscreenGLView.h"

#include "particle/ParticleSystem2DEditor.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "editor/wxRealPointVariantData.h"

#include <cmath>

using namespace cocos2d;

namespace {

const int kSize = 256;

class GuiLiveEditPixels : public GuiParticleFixture {
protected:
    void SetUp() override {
        GuiParticleFixture::SetUp();
        if (HasFatalFailure()) return;
        Scene* scene = runOffscreen(kSize);
        ASSERT_NE(scene, nullptr);
        ParticleSystem2DEditor* flower = ParticleSystem2DEditor::createFromTemplate(0);
        ASSERT_NE(flower, nullptr);
        flower->setPosition(kSize / 2.0f, kSize / 2.0f);
        scene->addChild(flower);
        use(flower);
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i) Director::getInstance()->mainLoop(1.0f / 60.0f);
    }
    wxVariant colour(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
        wxVariant v;
        v << wxColour(r, g, b, a);
        return v;
    }

    // Pixels inside the red selection frame (a 40 x 40 square around the
    // emitter) whose red or green clearly dominates.
    struct Count {
        int red = 0;
        int green = 0;
    };
    Count dominantInside() const {
        Count c;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                if (std::hypot(x + 0.5 - kSize / 2.0, y + 0.5 - kSize / 2.0) >= 18) continue;
                const Color4B p = m_view->pixel(x, y);
                if (p.r > 60 && p.r > p.g + 40 && p.r > p.b + 40) ++c.red;
                if (p.g > 60 && p.g > p.r + 40 && p.g > p.b + 40) ++c.green;
            }
        return c;
    }

    // Height of the centre of brightness, the selection frame's lines left out.
    double brightnessCentreY() const {
        double sum = 0, weighted = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const int dx = std::abs(x - kSize / 2), dy = std::abs(y - kSize / 2);
                if ((std::abs(dx - 20) <= 2 && dy <= 22) || (std::abs(dy - 20) <= 2 && dx <= 22)) continue;
                const Color4B p = m_view->pixel(x, y);
                const double b = p.r + p.g + p.b;
                sum += b;
                weighted += b * y;
            }
        return sum > 0 ? weighted / sum : -1;
    }
};

}

TEST_F(GuiLiveEditPixels, StartColourSetToGreenTurnsTheDrawnParticlesGreenWithinAFewFrames) {
    // Short-lived red particles that fade to nothing: only the newest show.
    ASSERT_TRUE(edit("particleLifespan", wxVariant(0.1)));
    ASSERT_TRUE(edit("particleLifespanVariance", wxVariant(0.0)));
    ASSERT_TRUE(edit("startColorVar", colour(0, 0, 0, 0)));
    ASSERT_TRUE(edit("endColor", colour(0, 0, 0, 0)));
    ASSERT_TRUE(edit("endColorVar", colour(0, 0, 0, 0)));
    ASSERT_TRUE(edit("startColor", colour(255, 0, 0, 255)));
    frames(30);
    const Count red = dominantInside();
    EXPECT_GT(red.red, 100);
    EXPECT_EQ(red.green, 0);

    ASSERT_TRUE(edit("startColor", colour(0, 255, 0, 255)));
    frames(1);
    EXPECT_GT(dominantInside().green, 0) << "the next frame shows no green particle";
    frames(7);
    const Count green = dominantInside();
    EXPECT_GT(green.green, 100);
    EXPECT_EQ(green.red, 0);
}

TEST_F(GuiLiveEditPixels, GravityPointingUpMovesTheCloudsCentreOfBrightnessUp) {
    frames(120);
    const double before = brightnessCentreY();
    ASSERT_GT(before, 0);
    // The cloud is centred on the emitter before the edit.
    EXPECT_NEAR(before, kSize / 2.0, 6);
    wxVariant up;
    up << wxRealPoint(0, 200);
    ASSERT_TRUE(edit("emitterType.gravity", up));
    frames(30);
    const double after = brightnessCentreY();
    EXPECT_GT(after, before + 5) << "before " << before << ", after " << after;
}
