// Particle simulation cost: particles updated per second, and update plus quad building per frame.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "2d/CCParticleExamples.h"
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
    if (system->getParticleCount() != count) state.SkipWithError("could not fill the system");
    for (auto _ : state) system->update(1.0f / 60.0f);
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
    if (system->getParticleCount() != count) state.SkipWithError("could not fill the system");
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
        for (int n : {1000, 10000, 100000}) b->Args({n, mode});
    b->ArgNames({"particles", "radiusMode"});
    b->Unit(benchmark::kMicrosecond);
}

// ---- turnover: the method the figures are compared by ----

const int kTurnoverFrames = 300;

// Gravity mode with the Fireworks numbers, or radius mode with a start radius
// of 100 ± 10 turning 180 ± 30 degrees a second for 2 ± 0.5 s.
ParticleSystemQuad* turnoverSystem(int count, bool radius) {
    if (!radius) return ParticleFireworks::createWithTotalParticles(count);
    ParticleSystemQuad* s = ParticleSystemQuad::createWithTotalParticles(count);
    s->setEmitterMode(ParticleSystem::Mode::RADIUS);
    s->setDuration(ParticleSystem::DURATION_INFINITY);
    s->setLife(2.0f);
    s->setLifeVar(0.5f);
    s->setAngleVar(360.0f);
    s->setStartRadius(100.0f);
    s->setStartRadiusVar(10.0f);
    s->setEndRadius(ParticleSystem::START_RADIUS_EQUAL_TO_END_RADIUS);
    s->setRotatePerSecond(180.0f);
    s->setRotatePerSecondVar(30.0f);
    s->setStartSize(8.0f);
    s->setStartSizeVar(2.0f);
    s->setEndSize(ParticleSystem::START_SIZE_EQUAL_TO_END_SIZE);
    s->setStartColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
    s->setStartColorVar(Color4F(0.5f, 0.5f, 0.5f, 0.1f));
    s->setEndColor(Color4F(0.1f, 0.1f, 0.1f, 0.2f));
    s->setEndColorVar(Color4F(0.1f, 0.1f, 0.1f, 0.2f));
    s->setOpacityModifyRGB(true);
    s->setEmissionRate(static_cast<float>(count) / s->getLife());
    return s;
}

// Fills the system to `count` live particles in one frame, then runs
// kTurnoverFrames updates of 1/60 s at the steady emission rate, during which
// the first generation dies and is replaced. Reports particle updates (live
// particles summed over the timed updates) per second.
void BM_ParticleTurnover(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const bool radius = state.range(1) != 0;
    int64_t updated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::srand(1234);
        ParticleSystemQuad* s = turnoverSystem(count, radius);
        s->retain();
        const float rate = s->getEmissionRate();
        s->setEmissionRate(1.0e12f);
        s->update(1.0f / 60.0f);
        s->setEmissionRate(rate);
        if (s->getParticleCount() != count) state.SkipWithError("could not fill the system");
        state.ResumeTiming();
        for (int f = 0; f < kTurnoverFrames; ++f) {
            s->update(1.0f / 60.0f);
            updated += s->getParticleCount();
        }
        benchmark::DoNotOptimize(s->getQuads());
        state.PauseTiming();
        s->release();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(updated);
    state.counters["particles_per_s"] = benchmark::Counter(static_cast<double>(updated), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_ParticleUpdateOnly)->Apply(counts);
BENCHMARK(BM_ParticleUpdateAndQuads)->Apply(counts);
BENCHMARK(BM_ParticleTurnover)->Apply(counts)->Unit(benchmark::kMillisecond);
