// Particle system drawn as one textured quad per live particle.
#ifndef __CC_PARTICLE_SYSTEM_QUAD_H__
#define __CC_PARTICLE_SYSTEM_QUAD_H__

#include <memory>
#include <vector>

#include "2d/CCParticleSystem.h"
#include "renderer/CCQuadCommand.h"

NS_CC_BEGIN

class CC_DLL ParticleSystemQuad : public ParticleSystem {
public:
    // Quads per render command: keeps the renderer's 16-bit index range
    // (65 536 indices, 6 per quad) from overflowing on large systems.
    static constexpr int MAX_QUADS_PER_COMMAND = 10922;

    static ParticleSystemQuad* create();
    static ParticleSystemQuad* createWithTotalParticles(int numberOfParticles);
    static ParticleSystemQuad* create(const std::string& filename);
    static ParticleSystemQuad* create(ValueMap& dictionary);

    // Uses a sub-rectangle (in points) of the texture for every particle.
    void setTextureWithRect(Texture2D* texture, const Rect& rect);

    void setTexture(Texture2D* texture) override;
    void updateParticleQuads() override;
    void postStep() override;
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;
    void setTotalParticles(int tp) override;

    // The quads built by the last update, one per live particle.
    const V3F_C4B_T2F_Quad* getQuads() const { return _quads; }

    ParticleSystemQuad();
    ~ParticleSystemQuad() override;

    bool initWithTotalParticles(int numberOfParticles) override;

protected:
    void advanceParticles(float dt) override;
    // Where the quads go relative to the particle positions this frame.
    void placeQuads(ParticleStepFrame* frame);
    void initTexCoordsWithRect(const Rect& rect);
    bool allocMemory();

    V3F_C4B_T2F_Quad* _quads = nullptr;
    Rect _textureRect;
    std::vector<std::unique_ptr<QuadCommand>> _quadCommands;

private:
    ParticleSystemQuad(const ParticleSystemQuad&) = delete;
    ParticleSystemQuad& operator=(const ParticleSystemQuad&) = delete;
};

NS_CC_END

#endif // __CC_PARTICLE_SYSTEM_QUAD_H__
