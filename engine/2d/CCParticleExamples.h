// The engine's eleven ready-made particle effects (Flower, Fire ... Sun).
#ifndef __CCPARTICLE_EXAMPLE_H__
#define __CCPARTICLE_EXAMPLE_H__

#include "2d/CCParticleSystemQuad.h"

NS_CC_BEGIN

// Declares one effect class: create() uses the effect's own particle total,
// createWithTotalParticles(n) the given one.
#define CC_PARTICLE_EXAMPLE_CLASS(Name, Total)                                \
    class CC_DLL Name : public ParticleSystemQuad {                           \
    public:                                                                   \
        static Name* create();                                                \
        static Name* createWithTotalParticles(int numberOfParticles);         \
        Name() {}                                                             \
        ~Name() override {}                                                   \
        bool init() override { return initWithTotalParticles(Total); }       \
        bool initWithTotalParticles(int numberOfParticles) override;          \
                                                                              \
    private:                                                                  \
        Name(const Name&) = delete;                                           \
        Name& operator=(const Name&) = delete;                                \
    };

CC_PARTICLE_EXAMPLE_CLASS(ParticleFire, 250)
CC_PARTICLE_EXAMPLE_CLASS(ParticleFireworks, 1500)
CC_PARTICLE_EXAMPLE_CLASS(ParticleSun, 350)
CC_PARTICLE_EXAMPLE_CLASS(ParticleGalaxy, 200)
CC_PARTICLE_EXAMPLE_CLASS(ParticleFlower, 250)
CC_PARTICLE_EXAMPLE_CLASS(ParticleMeteor, 150)
CC_PARTICLE_EXAMPLE_CLASS(ParticleSpiral, 500)
CC_PARTICLE_EXAMPLE_CLASS(ParticleExplosion, 700)
CC_PARTICLE_EXAMPLE_CLASS(ParticleSmoke, 200)
CC_PARTICLE_EXAMPLE_CLASS(ParticleSnow, 700)
CC_PARTICLE_EXAMPLE_CLASS(ParticleRain, 1000)

#undef CC_PARTICLE_EXAMPLE_CLASS

NS_CC_END

#endif  // __CCPARTICLE_EXAMPLE_H__
