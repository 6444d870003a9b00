// The selection frame keeps its own colour over bright additive effects: pure red when selected, pure white when not.
#include "GuiParticleFixture.h"
#include "support/OffscreenGLView.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "editor/SelectionManager.h"

#include <cstdlib>
#include <sstream>

using namespace cocos2d;

namespace {

const int kSize = 256;
const int kCentre = kSize / 2;
const int kHalf = 20; // the frame of a particle system is the 40 x 40 square around its emitter

class GuiSelectionFrameColour : public GuiParticleFixture {
protected:
    void SetUp() override {
        GuiParticleFixture::SetUp();
        if (HasFatalFailure()) return;
        m_scene = runOffscreen(kSize);
        ASSERT_NE(m_scene, nullptr);
    }

    void showSelected(int templateNumber) {
        ParticleSystem2DEditor* effect = ParticleSystem2DEditor::createFromTemplate(templateNumber);
        ASSERT_NE(effect, nullptr);
        effect->setPosition(kCentre, kCentre);
        m_scene->addChild(effect);
        use(effect);
        // Long enough for the effect to fill the frame's square.
        for (int i = 0; i < 90; ++i) Director::getInstance()->mainLoop(1.0f / 60.0f);
    }

    // Samples along the four edges where no pixel across the line (the line
    // may fall on either side of a pixel boundary) has exactly the colour.
    std::string edgeSamplesWithout(Color4B colour) const {
        std::ostringstream wrong;
        for (int t = -kHalf + 3; t <= kHalf - 3; t += 3) {
            const int along[4][2] = {{kCentre + t, kCentre - kHalf},
                                     {kCentre + t, kCentre + kHalf},
                                     {kCentre - kHalf, kCentre + t},
                                     {kCentre + kHalf, kCentre + t}};
            for (int edge = 0; edge < 4; ++edge) {
                const bool horizontal = edge < 2;
                bool found = false;
                for (int d = -1; d <= 1 && !found; ++d) {
                    const int x = along[edge][0] + (horizontal ? 0 : d);
                    const int y = along[edge][1] + (horizontal ? d : 0);
                    const Color4B p = m_view->pixel(x, y);
                    found = p.r == colour.r && p.g == colour.g && p.b == colour.b;
                }
                if (!found) {
                    const Color4B p = m_view->pixel(along[edge][0], along[edge][1]);
                    wrong << " (" << along[edge][0] << "," << along[edge][1] << ")=" << int(p.r) << "," << int(p.g)
                          << "," << int(p.b);
                }
            }
        }
        return wrong.str();
    }

    // Pixels just inside the frame lit by the effect: without them the frame
    // would not be drawn over anything.
    int litPixelsInsideTheFrame() const {
        int lit = 0;
        for (int t = -kHalf + 3; t <= kHalf - 3; ++t) {
            const int inside[4][2] = {{kCentre + t, kCentre - kHalf + 3},
                                      {kCentre + t, kCentre + kHalf - 3},
                                      {kCentre - kHalf + 3, kCentre + t},
                                      {kCentre + kHalf - 3, kCentre + t}};
            for (const auto& at : inside) {
                const Color4B p = m_view->pixel(at[0], at[1]);
                if (p.r + p.g + p.b > 150) ++lit;
            }
        }
        return lit;
    }

    Scene* m_scene = nullptr;
};

} // namespace

TEST_F(GuiSelectionFrameColour, OverTheSunAndTheFireTheFrameIsPureRedAndPureWhiteOnceDeselected) {
    const struct {
        int number;
        const char* name;
    } effects[] = {{static_cast<int>(ParticleTemplate::Sun), "Sun"},
                   {static_cast<int>(ParticleTemplate::Fire), "Fire"}};
    for (const auto& effect : effects) {
        SCOPED_TRACE(effect.name);
        showSelected(effect.number);
        EXPECT_GT(litPixelsInsideTheFrame(), 40) << "the effect does not reach the frame";
        EXPECT_EQ(edgeSamplesWithout(Color4B(255, 0, 0, 255)), "");

        SelectionManager::getInstance()->clearSelection();
        Director::getInstance()->mainLoop(1.0f / 60.0f);
        EXPECT_EQ(edgeSamplesWithout(Color4B(255, 255, 255, 255)), "");
        m_object->removeFromParent();
    }
}
