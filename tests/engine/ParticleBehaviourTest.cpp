// Simulation of the particle system: motion in both emitter modes, interpolation, emission, limits, position types.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "ParticleTestSupport.h"
#include "base/ccRandom.h"

using namespace cocos2d;

namespace {

const float kDt = 1.0f / 60.0f;

// A system with every variance at zero, emitting nothing by itself.
ProbeParticleSystem* quietSystem(int total = 10) {
    ProbeParticleSystem* s = ProbeParticleSystem::createWithTotal(total);
    s->retain();
    s->setDuration(ParticleSystem::DURATION_INFINITY);
    s->setLife(10.0f);
    s->setEndSize(ParticleSystem::START_SIZE_EQUAL_TO_END_SIZE);
    s->setStartColor(Color4F(1, 1, 1, 1));
    s->setEndColor(Color4F(1, 1, 1, 1));
    s->setEmissionRate(0.0f);
    return s;
}

void step(ParticleSystem* s, int frames, float dt = kDt) {
    for (int i = 0; i < frames; ++i) s->update(dt);
}

} // namespace

TEST(ParticleBehaviour, GravityModeFollowsExplicitEuler) {
    ProbeParticleSystem* s = quietSystem();
    s->setSpeed(100.0f);
    s->setAngle(30.0f);
    s->setGravity(Vec2(5.0f, -50.0f));
    s->addParticles(1);
    const int k = 45;
    step(s, k);
    // dir_j = dir0 + g·dt·j, pos = Σ dir_j·dt over j = 1..k.
    const double a = 30.0 * 0.01745329252;
    const double sum = k * (k + 1) / 2.0;
    const double x = kDt * (k * 100.0 * std::cos(a) + 5.0 * kDt * sum);
    const double y = kDt * (k * 100.0 * std::sin(a) - 50.0 * kDt * sum);
    EXPECT_NEAR(s->data().posx[0], x, 1e-3);
    EXPECT_NEAR(s->data().posy[0], y, 1e-3);
    // The quad is drawn around the particle (free type, node at the origin).
    EXPECT_NEAR(s->quadCentre(0).x, x, 1e-3);
    EXPECT_NEAR(s->quadCentre(0).y, y, 1e-3);
    s->release();
}

TEST(ParticleBehaviour, FlippedYScalesTheMotionByTheValueAsTheGameDoes) {
    auto moved = [](int flipped, bool radius) {
        ProbeParticleSystem* s = quietSystem();
        s->setSpeed(60.0f);
        s->setAngle(45.0f);
        if (radius) {
            s->setEmitterMode(ParticleSystem::Mode::RADIUS);
            s->setStartRadius(30.0f);
            s->setEndRadius(ParticleSystem::START_RADIUS_EQUAL_TO_END_RADIUS);
            s->setRotatePerSecond(90.0f);
        }
        s->setYCoordFlipped(flipped);
        s->addParticles(1);
        step(s, 10);
        Vec2 p(s->data().posx[0], s->data().posy[0]);
        s->release();
        return p;
    };
    // Gravity mode: both axes are scaled, so -1 mirrors through the centre,
    // 2 doubles the path and 0 freezes the particle where it was born.
    const Vec2 upright = moved(1, false);
    EXPECT_GT(upright.x, 5.0f);
    EXPECT_GT(upright.y, 5.0f);
    EXPECT_NEAR(moved(-1, false).x, -upright.x, 1e-4);
    EXPECT_NEAR(moved(-1, false).y, -upright.y, 1e-4);
    EXPECT_NEAR(moved(2, false).x, 2 * upright.x, 1e-3);
    EXPECT_EQ(moved(0, false), Vec2::ZERO);
    // Radius mode: only the vertical coordinate is scaled.
    const Vec2 circle = moved(1, true);
    EXPECT_GT(std::fabs(circle.y), 5.0f);
    EXPECT_FLOAT_EQ(moved(0, true).x, circle.x);
    EXPECT_FLOAT_EQ(moved(0, true).y, 0.0f);
    EXPECT_NEAR(moved(-1, true).y, -circle.y, 1e-4);
}

TEST(ParticleBehaviour, RadialAndTangentialAccelerationActAlongAndAcrossTheRadius) {
    ProbeParticleSystem* s = quietSystem();
    s->setSourcePosition(Vec2(10.0f, 0.0f));
    s->setRadialAccel(-100.0f);
    s->setTangentialAccel(40.0f);
    s->addParticles(1);
    s->update(kDt);
    // u = (1, 0): radial pulls toward the centre, tangential is u turned +90°.
    EXPECT_NEAR(s->data().modeA.dirX[0], -100.0f * kDt, 1e-5);
    EXPECT_NEAR(s->data().modeA.dirY[0], 40.0f * kDt, 1e-5);
    s->release();
}

TEST(ParticleBehaviour, AParticleExactlyOnePointFromTheCentreKeepsItsVelocityAsInTheGame) {
    ProbeParticleSystem* s = quietSystem();
    s->setRadialAccel(-100.0f);
    s->setTangentialAccel(40.0f);
    s->setSourcePosition(Vec2(0.0f, 1.0f));
    s->addParticles(1);
    s->setSourcePosition(Vec2(0.0f, 1.001f));
    s->addParticles(1);
    s->update(kDt);
    ASSERT_EQ(s->getParticleCount(), 2);
    // The game's normalisation leaves the direction unset at length 1.
    EXPECT_EQ(s->data().modeA.dirX[0], 0.0f);
    EXPECT_EQ(s->data().modeA.dirY[0], 0.0f);
    // A hair further out, both accelerations act.
    EXPECT_NEAR(s->data().modeA.dirX[1], -40.0f * kDt, 1e-5);
    EXPECT_NEAR(s->data().modeA.dirY[1], -100.0f * kDt, 1e-5);
    s->release();
}

TEST(ParticleBehaviour, RotationIsDirFacesTheVelocityAtBirth) {
    ProbeParticleSystem* s = quietSystem();
    s->setSpeed(10.0f);
    s->setAngle(90.0f);
    s->setRotationIsDir(true);
    s->addParticles(1);
    EXPECT_NEAR(s->data().rotation[0], -90.0f, 1e-3);
    s->release();
}

TEST(ParticleBehaviour, RadiusModeGoesFromStartToEndRadiusOverTheLife) {
    ProbeParticleSystem* s = quietSystem();
    s->setEmitterMode(ParticleSystem::Mode::RADIUS);
    s->setLife(2.0f);
    s->setAngle(90.0f);
    s->setStartRadius(100.0f);
    s->setEndRadius(20.0f);
    s->setRotatePerSecond(0.0f);
    s->setSourcePosition(Vec2(500.0f, 500.0f)); // no effect in this mode
    s->addParticles(1);
    step(s, 60);
    EXPECT_NEAR(s->data().modeB.radius[0], 60.0f, 1e-2);
    // Angle 90° puts the particle below the centre.
    EXPECT_NEAR(s->data().posx[0], 0.0f, 1e-3);
    EXPECT_NEAR(s->data().posy[0], -60.0f, 1e-2);
    step(s, 59);
    EXPECT_NEAR(s->data().modeB.radius[0], 20.0f + 80.0f * kDt / 2.0f, 1e-2);

    s->setEndRadius(ParticleSystem::START_RADIUS_EQUAL_TO_END_RADIUS);
    s->setRotatePerSecond(90.0f);
    s->resetSystem();
    s->update(kDt);
    s->addParticles(1);
    step(s, 60);
    EXPECT_NEAR(s->data().modeB.radius[0], 100.0f, 1e-3);
    // A quarter turn in one second: from 90° to 180°.
    EXPECT_NEAR(s->data().posx[0], 100.0f, 1e-2);
    EXPECT_NEAR(s->data().posy[0], 0.0f, 1e-2);
    s->release();
}

TEST(ParticleBehaviour, ColourSizeAndSpinInterpolateFromStartToEnd) {
    ProbeParticleSystem* s = quietSystem();
    s->setLife(1.0f);
    s->setStartColor(Color4F(1.0f, 0.0f, 0.2f, 1.0f));
    s->setEndColor(Color4F(0.0f, 0.0f, 1.0f, 0.0f));
    s->setStartSize(10.0f);
    s->setEndSize(30.0f);
    s->setStartSpin(0.0f);
    s->setEndSpin(90.0f);
    s->addParticles(1);
    step(s, 30);
    EXPECT_NEAR(s->data().colorR[0], 0.5f, 1e-4);
    EXPECT_NEAR(s->data().colorB[0], 0.6f, 1e-4);
    EXPECT_NEAR(s->data().colorA[0], 0.5f, 1e-4);
    EXPECT_NEAR(s->data().size[0], 20.0f, 1e-3);
    EXPECT_NEAR(s->data().rotation[0], 45.0f, 1e-3);
    // Vertex colours are premultiplied only with opacityModifyRGB.
    s->setOpacityModifyRGB(true);
    s->updateWithNoTime();
    const V3F_C4B_T2F_Quad& q = s->getQuads()[0];
    EXPECT_EQ(q.tl.colors.r, static_cast<GLubyte>(0.5f * 0.5f * 255.0f));
    EXPECT_EQ(q.tl.colors.a, static_cast<GLubyte>(0.5f * 255.0f));
    // The quad is a square of the particle's size.
    const float dx = q.tr.vertices.x - q.tl.vertices.x, dy = q.tr.vertices.y - q.tl.vertices.y;
    EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 20.0f, 1e-3);

    // End size -1 keeps the start size.
    s->setEndSize(ParticleSystem::START_SIZE_EQUAL_TO_END_SIZE);
    s->resetSystem();
    s->update(kDt);
    s->addParticles(1);
    step(s, 30);
    EXPECT_FLOAT_EQ(s->data().size[0], 10.0f);
    s->release();
}

TEST(ParticleBehaviour, PositiveRotationTurnsTheQuadClockwise) {
    ProbeParticleSystem* s = quietSystem();
    s->setStartSize(2.0f);
    s->setStartSpin(90.0f);
    s->setEndSpin(90.0f);
    s->addParticles(1);
    s->updateWithNoTime();
    // The top-left corner (-1, 1) turned 90° clockwise lands at (1, 1).
    const V3F_C4B_T2F_Quad& q = s->getQuads()[0];
    EXPECT_NEAR(q.tl.vertices.x, 1.0f, 1e-5);
    EXPECT_NEAR(q.tl.vertices.y, 1.0f, 1e-5);
    s->release();
}

TEST(ParticleBehaviour, EmissionCountAfterOneSecondMatchesTheRate) {
    for (float rate : {30.0f, 62.5f, 350.0f}) {
        ProbeParticleSystem* s = quietSystem(1000);
        s->setEmissionRate(rate);
        step(s, 60);
        EXPECT_GE(s->getParticleCount(), static_cast<int>(rate) - 1) << rate;
        EXPECT_LE(s->getParticleCount(), static_cast<int>(rate)) << rate;
        s->release();
    }
}

TEST(ParticleBehaviour, DurationStopsEmissionButLetsParticlesLive) {
    ProbeParticleSystem* s = quietSystem(1000);
    s->setDuration(0.5f);
    s->setEmissionRate(100.0f);
    step(s, 60);
    EXPECT_FALSE(s->isActive());
    const int count = s->getParticleCount();
    EXPECT_NEAR(count, 50, 2);
    step(s, 60);
    EXPECT_EQ(s->getParticleCount(), count);
    // A bare system keeps duration 0: given a rate, it emits during its
    // first frame only.
    ProbeParticleSystem* bare = ProbeParticleSystem::createWithTotal(10);
    bare->retain();
    EXPECT_TRUE(bare->isActive());
    EXPECT_EQ(bare->getDuration(), 0.0f);
    bare->setEmissionRate(600.0f);
    bare->setLife(1.0f);
    bare->update(kDt);
    EXPECT_EQ(bare->getParticleCount(), 10);
    EXPECT_FALSE(bare->isActive());
    bare->release();
    s->release();
}

TEST(ParticleBehaviour, ResetRestartsAndStopLetsTheParticlesFinish) {
    ProbeParticleSystem* s = quietSystem(100);
    s->setEmissionRate(100.0f);
    step(s, 30);
    ASSERT_GT(s->getParticleCount(), 40);
    s->stopSystem();
    step(s, 10);
    EXPECT_GT(s->getParticleCount(), 40);
    s->resetSystem();
    EXPECT_TRUE(s->isActive());
    s->update(kDt);
    EXPECT_LE(s->getParticleCount(), 2);
    s->release();
}

TEST(ParticleBehaviour, DeathPassLosesTheLiveParticleBeforeATrailingDeadRunAsTheGameDoes) {
    ProbeParticleSystem* s = quietSystem();
    // [live, dead, dead]: the game trims the tail below slot 1 and copies the
    // live particle into it, outside the live range, so none is left.
    s->setLife(5.0f);
    s->addParticles(1);
    s->setLife(0.01f);
    s->addParticles(2);
    s->update(0.02f);
    EXPECT_EQ(s->getParticleCount(), 0);

    // [live A, dead, live B, dead]: slot 1 is not in the dead tail, so B moves
    // into it and both live particles stay.
    s->setLife(5.0f);
    s->addParticles(1);
    s->setLife(0.01f);
    s->addParticles(1);
    s->setLife(7.0f);
    s->addParticles(1);
    s->setLife(0.01f);
    s->addParticles(1);
    s->update(0.02f);
    ASSERT_EQ(s->getParticleCount(), 2);
    EXPECT_NEAR(s->data().timeToLive[0], 4.98f, 1e-4);
    EXPECT_NEAR(s->data().timeToLive[1], 6.98f, 1e-4);

    // [dead, dead]: both go, nothing is read outside the array.
    s->setLife(0.01f);
    s->addParticles(2);
    s->data().timeToLive[0] = s->data().timeToLive[1] = 1.0f;
    s->update(2.0f);
    EXPECT_EQ(s->getParticleCount(), 0);
    s->release();
}

TEST(ParticleBehaviour, TotalParticlesBelowAndAboveTheAllocationLimitTheLiveCount) {
    ProbeParticleSystem* s = quietSystem(100);
    s->setEmissionRate(1000.0f);
    step(s, 10);
    ASSERT_TRUE(s->isFull());
    s->setTotalParticles(40);
    EXPECT_EQ(s->getTotalParticles(), 40);
    EXPECT_EQ(s->allocated(), 100);
    EXPECT_FLOAT_EQ(s->getEmissionRate(), 4.0f); // total / life
    s->setEmissionRate(1000.0f);
    for (int i = 0; i < 20; ++i) {
        s->update(kDt);
        EXPECT_LE(s->getParticleCount(), 40);
    }
    EXPECT_EQ(s->getParticleCount(), 40);
    s->setTotalParticles(300);
    EXPECT_EQ(s->allocated(), 300);
    s->setEmissionRate(100000.0f);
    for (int i = 0; i < 5; ++i) {
        s->update(kDt);
        EXPECT_LE(s->getParticleCount(), 300);
    }
    EXPECT_EQ(s->getParticleCount(), 300);
    s->release();
}

TEST(ParticleBehaviour, PositionTypesDifferWhenTheParentOrTheEmitterMoves) {
    struct Case {
        ParticleSystem::PositionType type;
        Vec2 afterParentMove, afterEmitterMove;
    };
    const Case cases[] = {
        {ParticleSystem::PositionType::FREE, {-50, 0}, {-80, 0}},
        {ParticleSystem::PositionType::RELATIVE, {0, 0}, {-30, 0}},
        {ParticleSystem::PositionType::GROUPED, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        Node* parent = Node::create();
        parent->retain();
        ProbeParticleSystem* s = quietSystem();
        s->setPositionType(c.type);
        s->setPosition(Vec2(100, 100));
        parent->addChild(s);
        s->addParticles(1);
        parent->setPosition(Vec2(50, 0));
        s->updateWithNoTime();
        EXPECT_NEAR(s->quadCentre(0).x, c.afterParentMove.x, 1e-3) << static_cast<int>(c.type);
        EXPECT_NEAR(s->quadCentre(0).y, c.afterParentMove.y, 1e-3) << static_cast<int>(c.type);
        s->setPosition(Vec2(130, 100));
        s->updateWithNoTime();
        EXPECT_NEAR(s->quadCentre(0).x, c.afterEmitterMove.x, 1e-3) << static_cast<int>(c.type);
        EXPECT_NEAR(s->quadCentre(0).y, c.afterEmitterMove.y, 1e-3) << static_cast<int>(c.type);
        s->release();
        parent->release();
    }
}

TEST(ParticleBehaviour, AutoRemoveTakesTheSystemOutOfItsParentOnceEmpty) {
    Node* parent = Node::create();
    parent->retain();
    ProbeParticleSystem* s = quietSystem();
    s->setAutoRemoveOnFinish(true);
    s->setLife(0.05f);
    parent->addChild(s);
    s->addParticles(1);
    s->update(kDt);
    EXPECT_EQ(parent->getChildrenCount(), 1);
    step(s, 3);
    EXPECT_EQ(parent->getChildrenCount(), 0);
    s->release();
    parent->release();
}

TEST(ParticleBehaviour, SpawnValuesUseTheSeededEngineRandomStream) {
    RandomHelper::setSeed(77);
    const uint32_t seed = static_cast<uint32_t>(std::rand());
    RandomHelper::setSeed(77);
    ProbeParticleSystem* s = quietSystem();
    s->setLife(3.0f);
    s->setLifeVar(1.0f);
    s->setPosVar(Vec2(10.0f, 0.0f));
    s->addParticles(1);
    // Draw 1 is the life, draw 2 the x offset: r = -1 + (state & 0x7fff) / 16384.
    uint32_t state = seed * 134775813u + 1u;
    const float r1 = -1.0f + static_cast<float>(state & 0x7fffu) / 16384.0f;
    state = state * 134775813u + 1u;
    const float r2 = -1.0f + static_cast<float>(state & 0x7fffu) / 16384.0f;
    EXPECT_FLOAT_EQ(s->data().timeToLive[0], 3.0f + r1);
    EXPECT_FLOAT_EQ(s->data().posx[0], 10.0f * r2);
    s->release();
}

TEST(ParticleBehaviour, PausedEmissionsAddNothingButTimeGoesOn) {
    ProbeParticleSystem* s = quietSystem(100);
    s->setEmissionRate(60.0f);
    s->setDuration(0.5f);
    s->pauseEmissions();
    EXPECT_TRUE(s->isPaused());
    step(s, 60);
    EXPECT_EQ(s->getParticleCount(), 0);
    EXPECT_FALSE(s->isActive());
    s->release();
}
