// The carried offsets of the moving emitter: path shapes, offsets in the parent's space, and the way back.
#include "ParticleTestSupport.h"

#include "editor/EmitterMotion.h"
#include "particle/ParticleSystem2DEditor.h"

#include "2d/CCScene.h"

#include <cmath>

using namespace cocos2d;

namespace {

class EmitterMotionOffsets : public ParticleObjectTest {
protected:
    void TearDown() override {
        EmitterMotion::instance().setPath(EmitterMotion::Path::Still);
        EmitterMotion::instance().clear();
        ParticleObjectTest::TearDown();
    }
};

void ExpectNear(const Vec2& a, const Vec2& b) {
    EXPECT_NEAR(a.x, b.x, 1e-3f);
    EXPECT_NEAR(a.y, b.y, 1e-3f);
}

} // namespace

TEST_F(EmitterMotionOffsets, PathsAreTwoHundredWideAndLoopEveryTwoSeconds) {
    using P = EmitterMotion::Path;
    ExpectNear(EmitterMotion::offsetAt(P::Still, 0.7f), Vec2::ZERO);
    ExpectNear(EmitterMotion::offsetAt(P::BackAndForth, 0.5f), Vec2(100, 0));
    ExpectNear(EmitterMotion::offsetAt(P::BackAndForth, 1.5f), Vec2(-100, 0));
    ExpectNear(EmitterMotion::offsetAt(P::Circle, 0.5f), Vec2(0, 100));
    ExpectNear(EmitterMotion::offsetAt(P::Circle, 1.0f), Vec2(-100, 0));
    ExpectNear(EmitterMotion::offsetAt(P::FigureEight, 0.25f), Vec2(100 * std::sqrt(0.5f), 50));
    ExpectNear(EmitterMotion::offsetAt(P::FigureEight, 0.5f), Vec2(100, 0));
    for (P path : {P::BackAndForth, P::Circle, P::FigureEight}) {
        float widest = 0;
        for (int i = 0; i < 200; ++i) widest = std::max(widest, std::fabs(EmitterMotion::offsetAt(path, i * 0.01f).x));
        EXPECT_NEAR(widest, 100, 0.1f);
        ExpectNear(EmitterMotion::offsetAt(path, 0.3f), EmitterMotion::offsetAt(path, 2.3f));
    }
}

TEST_F(EmitterMotionOffsets, ARotatedScaledEffectIsCarriedInItsParentsSpaceAndPutBackExactly) {
    Scene* scene = Scene::create();
    ParticleSystem2DEditor* effect = ParticleSystem2DEditor::createFromTemplate(0);
    ASSERT_NE(effect, nullptr);
    scene->addChild(effect);
    effect->setPosition(200, 300);
    effect->setRotation(90);
    effect->setScale(2);
    const Vec2 home = effect->convertToWorldSpace(Vec2::ZERO);
    std::vector<EditorObject*> selection{effect};

    EmitterMotion& motion = EmitterMotion::instance();
    motion.carryByHand(Vec2(10, -4), selection);
    motion.carryByHand(Vec2(5, 0), selection);
    ExpectNear(effect->convertToWorldSpace(Vec2::ZERO), home + Vec2(15, -4));
    EXPECT_EQ(effect->getPosition(), Vec2(200, 300));
    motion.letGo();
    EXPECT_EQ(effect->convertToWorldSpace(Vec2::ZERO), home);

    motion.setPath(EmitterMotion::Path::Circle);
    motion.advance(0.5f, selection);
    ExpectNear(effect->convertToWorldSpace(Vec2::ZERO), home + Vec2(0, 100));
    // Deselected, it goes back to its place.
    motion.advance(0.1f, {});
    EXPECT_EQ(effect->convertToWorldSpace(Vec2::ZERO), home);
    motion.advance(0.1f, selection);
    motion.setPath(EmitterMotion::Path::Still);
    motion.advance(0.1f, selection);
    EXPECT_EQ(effect->convertToWorldSpace(Vec2::ZERO), home);
}
