// Particle simulation cost: particles updated per second, and update plus quad building per frame.
#include <benchmark/benchmark.h>

#include "2d/CCParticleSystemQuad.h"
#include "base/ccRandom.h"

using namespace cocos2d;

namespace {

// Fills `system` with `count` long-lived particles and stops emission, so
// every measured frame works on exactly `count` live particles.
template <typename System>
void prepare(System* system, int count, ParticleSystem::Mode mode) {
    RandomHelper::setSeed(1234);
    system->setEmitterMode(mode);
    system->setDuration(ParticleSystem::DURATION_INFINITY);
    system->setLife(1.0e9f);
    system->setAngleVar(360.0f);
    system->setStartSize(8.0f);
    system->setStartSizeVar(2.0f);
    system->setEndSize(2.0f);
    system->setStartSpin(10.0f);
    system->setEndSpin(90.0f);
    system->setStartColor(Color4F(1.0f, 0.5f, 0.25f, 1.0f));
    system->setEndColor(Color4F(0.0f, 0.0f, 0.0f, 0.0f));
    system->setPosVar(Vec2(20.0f, 20.0f));
    if (mode == ParticleSystem::Mode::GRAVITY) {
        system->setGravity(Vec2(0.0f, -10.0f));
        system->setSpeed(50.0f);
        system->setSpeedVar(10.0f);
        system->setRadialAccel(-5.0f);
        system->setTangentialAccel(5.0f);
    } else {
        system->setStartRadius(100.0f);
        system->setEndRadius(10.0f);
        system->setRotatePerSecond(45.0f);
    }
    system->setEmissionRate(1.0e12f);
    system->update(1.0f / 60.0f);
    system->setEmissionRate(0.0f);
}

ParticleSystem::Mode modeOf(const benchmark::State& state) {
    return state.range(1) == 0 ? ParticleSystem::Mode::GRAVITY : ParticleSystem::Mode::RADIUS;
}

// The base system builds no quads: this is the simulation alone.
void BM_ParticleUpdateOnly(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ParticleSystem* system = ParticleSystem::createWithTotalParticles(count);
    system->retain();
    prepare(system, count, modeOf(state));
    if (system->getParticleCount() != count)
        state.SkipWithError("could not fill the system");
    for (auto _ : state)
        system->update(1.0f / 60.0f);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["live"] = system->getParticleCount();
    system->release();
}

// Simulation plus the per-particle quads that the renderer draws.
void BM_ParticleUpdateAndQuads(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ParticleSystemQuad* system = ParticleSystemQuad::createWithTotalParticles(count);
    system->retain();
    prepare(system, count, modeOf(state));
    if (system->getParticleCount() != count)
        state.SkipWithError("could not fill the system");
    for (auto _ : state) {
        system->update(1.0f / 60.0f);
        benchmark::DoNotOptimize(system->getQuads());
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["live"] = system->getParticleCount();
    system->release();
}

void counts(benchmark::internal::Benchmark* b) {
    for (int mode : {0, 1})
        for (int n : {1000, 10000, 100000})
            b->Args({n, mode});
    b->ArgNames({"particles", "radiusMode"});
    b->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_ParticleUpdateOnly)->Apply(counts);
BENCHMARK(BM_ParticleUpdateAndQuads)->Apply(counts);
