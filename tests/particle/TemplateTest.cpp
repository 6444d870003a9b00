// Particle objects made from the eleven built-in effects carry the effect's numbers and texture, not its name.
#include "ParticleTestSupport.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"

#include "2d/CCParticleExamples.h"

#include <functional>

using namespace cocos2d;

namespace {

class Templates : public ParticleObjectTest {};

void expectColour(const Color4F& a, const Color4F& b, const char* what) {
    EXPECT_FLOAT_EQ(a.r, b.r) << what;
    EXPECT_FLOAT_EQ(a.g, b.g) << what;
    EXPECT_FLOAT_EQ(a.b, b.b) << what;
    EXPECT_FLOAT_EQ(a.a, b.a) << what;
}

void expectSameEffect(ParticleSystem& o, ParticleSystem& e, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(o.getTotalParticles(), e.getTotalParticles());
    EXPECT_FLOAT_EQ(o.getAngle(), e.getAngle());
    EXPECT_FLOAT_EQ(o.getAngleVar(), e.getAngleVar());
    EXPECT_FLOAT_EQ(o.getDuration(), e.getDuration());
    EXPECT_EQ(o.getBlendFunc().src, e.getBlendFunc().src);
    EXPECT_EQ(o.getBlendFunc().dst, e.getBlendFunc().dst);
    EXPECT_EQ(o.isOpacityModifyRGB(), e.isOpacityModifyRGB());
    expectColour(o.getStartColor(), e.getStartColor(), "start colour");
    expectColour(o.getStartColorVar(), e.getStartColorVar(), "start colour variance");
    expectColour(o.getEndColor(), e.getEndColor(), "end colour");
    expectColour(o.getEndColorVar(), e.getEndColorVar(), "end colour variance");
    EXPECT_FLOAT_EQ(o.getStartSize(), e.getStartSize());
    EXPECT_FLOAT_EQ(o.getStartSizeVar(), e.getStartSizeVar());
    EXPECT_FLOAT_EQ(o.getEndSize(), e.getEndSize());
    EXPECT_FLOAT_EQ(o.getEndSizeVar(), e.getEndSizeVar());
    EXPECT_EQ(o.getSourcePosition(), e.getSourcePosition());
    EXPECT_EQ(o.getPosVar(), e.getPosVar());
    EXPECT_EQ(o.getEmitterMode(), e.getEmitterMode());
    EXPECT_EQ(o.getGravity(), e.getGravity());
    EXPECT_FLOAT_EQ(o.getSpeed(), e.getSpeed());
    EXPECT_FLOAT_EQ(o.getSpeedVar(), e.getSpeedVar());
    EXPECT_FLOAT_EQ(o.getRadialAccel(), e.getRadialAccel());
    EXPECT_FLOAT_EQ(o.getRadialAccelVar(), e.getRadialAccelVar());
    EXPECT_FLOAT_EQ(o.getTangentialAccel(), e.getTangentialAccel());
    EXPECT_FLOAT_EQ(o.getTangentialAccelVar(), e.getTangentialAccelVar());
    EXPECT_FLOAT_EQ(o.getLife(), e.getLife());
    EXPECT_FLOAT_EQ(o.getLifeVar(), e.getLifeVar());
    EXPECT_FLOAT_EQ(o.getEmissionRate(), e.getEmissionRate());
    EXPECT_EQ(o.getTexture(), e.getTexture());
}

}

TEST_F(Templates, EachEffectIsCopiedWithItsNumbersAndSharedTextureWhileTheNameStaysTheDefault) {
    const std::vector<std::pair<int, std::function<ParticleSystem*()>>> effects = {
        {1, [] { return ParticleFire::create(); }},      {2, [] { return ParticleFireworks::create(); }},
        {3, [] { return ParticleExplosion::create(); }}, {4, [] { return ParticleGalaxy::create(); }},
        {5, [] { return ParticleMeteor::create(); }},    {6, [] { return ParticleRain::create(); }},
        {7, [] { return ParticleSmoke::create(); }},     {8, [] { return ParticleSnow::create(); }},
        {9, [] { return ParticleSpiral::create(); }},    {10, [] { return ParticleSun::create(); }},
    };
    for (const auto& entry : effects) {
        ParticleSystem2DEditor* object = ParticleSystem2DEditor::createFromTemplate(entry.first);
        ASSERT_NE(object, nullptr);
        ParticleSystem* effect = entry.second();
        expectSameEffect(*object, *effect, ("template " + std::to_string(entry.first)).c_str());
        EXPECT_EQ(object->textureName, "particle-fire.png");
        // Not copied: the position type and the node's own properties.
        EXPECT_EQ(object->getPositionType(), ParticleSystem::PositionType::FREE);
        EXPECT_TRUE(object->filePath.empty());
    }
}

TEST_F(Templates, TheSunRunsItsOwnNumbersAndUnpremultipliedColours) {
    ParticleSystem2DEditor* sun = ParticleSystem2DEditor::createFromTemplate(static_cast<int>(ParticleTemplate::Sun));
    ASSERT_NE(sun, nullptr);
    EXPECT_EQ(sun->getTotalParticles(), 350);
    EXPECT_FLOAT_EQ(sun->getLife(), 1);
    EXPECT_FLOAT_EQ(sun->getEmissionRate(), 350);
    EXPECT_FLOAT_EQ(sun->getStartColor().r, 0.76f);
    EXPECT_FALSE(sun->isOpacityModifyRGB());
    EXPECT_EQ(sun->textureName, "particle-fire.png");
}

TEST_F(Templates, NumbersOutsideTheListAndZeroGiveAPlainFlower) {
    for (int number : {0, 11, -1, 10100}) {
        ParticleSystem2DEditor* object = ParticleSystem2DEditor::createFromTemplate(number);
        ASSERT_NE(object, nullptr);
        ParticleFlower* flower = ParticleFlower::create();
        expectSameEffect(*object, *flower, ("number " + std::to_string(number)).c_str());
        EXPECT_EQ(object->getReferenceCount(), 1u);
    }
}
