// The spawn area's shape: the variance rectangle in gravity mode, the radius circles in radius mode.
#include "ParticleTestSupport.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/SpawnArea.h"

using namespace cocos2d;

using SpawnAreaShape = ParticleObjectTest;

TEST_F(SpawnAreaShape, GravityModeIsTheSourcePositionPlusMinusItsVariance) {
    ParticleSystem2DEditor* system = ParticleSystem2DEditor::createFromTemplate(0);
    ASSERT_NE(system, nullptr);
    system->setSourcePosition(Vec2(10, -5));
    // A negative variance spreads the particles as far as a positive one.
    system->setPosVar(Vec2(-30, 20));
    const SpawnArea area = SpawnAreaOf(*system);
    EXPECT_TRUE(area.rectangle);
    EXPECT_EQ(area.from, Vec2(-20, -25));
    EXPECT_EQ(area.to, Vec2(40, 15));
}

TEST_F(SpawnAreaShape, RadiusModeHasStartAndEndCirclesWithoutEmptyOnes) {
    ParticleSystem2DEditor* system = ParticleSystem2DEditor::createFromTemplate(0);
    ASSERT_NE(system, nullptr);
    system->setEmitterMode(ParticleSystem::Mode::RADIUS);
    system->setStartRadius(100);
    system->setStartRadiusVar(20);
    system->setEndRadius(10);
    system->setEndRadiusVar(10);
    SpawnArea area = SpawnAreaOf(*system);
    EXPECT_FALSE(area.rectangle);
    // 10 - 10 is a point at the origin: nothing to draw.
    EXPECT_EQ(area.radii, (std::vector<float>{80, 120, 20}));

    // An end radius that follows the start one draws no circles of its own;
    // a start radius below its variance draws the mirrored circle.
    system->setEndRadius(ParticleSystem::START_RADIUS_EQUAL_TO_END_RADIUS);
    system->setStartRadius(5);
    EXPECT_EQ(SpawnAreaOf(*system).radii, (std::vector<float>{15, 25}));
}
