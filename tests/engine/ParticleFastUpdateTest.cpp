// The fast particle update against the plain one: same particles, positions, sizes, rotations, quads and colour bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "2d/CCParticleExamples.h"
#include "ReferenceParticleSystem.h"

using namespace cocos2d;

namespace {

const float kDt = 1.0f / 60.0f;
const float kRelative = 1e-5f;

// The system as shipped, with its arrays readable.
template <class Effect>
class FastProbe : public Effect {
public:
    static FastProbe* createDefault() {
        auto* s = new FastProbe();
        if (!s->init()) {
            delete s;
            return nullptr;
        }
        s->autorelease();
        return s;
    }
    ParticleData& data() { return this->_particleData; }
    void setYCoordFlipped(int v) { this->_yCoordFlipped = v; }
};

bool near(float got, float want, float scale) {
    if (std::isnan(want)) return std::isnan(got);
    return std::fabs(got - want) <= kRelative * std::max({1.0f, std::fabs(want), scale});
}

// Collects the first differences between the two systems; empty when alike.
struct Differences {
    std::ostringstream text;
    int count = 0;
    template <class... T>
    void add(T&&... parts) {
        if (++count > 8) return;
        (text << ... << parts);
        text << "\n";
    }
};

// Compares the live particles and their quads. Gravity-mode state is
// integrated with the same float operations in both, so it must match
// exactly; radius positions and rotated quad corners go through sine and
// cosine and may differ in the last bits.
void compare(ParticleData& fast, const V3F_C4B_T2F_Quad* fastQuads, ParticleData& ref, const V3F_C4B_T2F_Quad* refQuads,
             int count, bool radius, Differences& diff) {
    for (int i = 0; i < count; ++i) {
        auto exact = [&](const char* what, float got, float want) {
            if (!(got == want) && !(std::isnan(got) && std::isnan(want)))
                diff.add(what, "[", i, "] ", got, " != ", want);
        };
        auto close = [&](const char* what, float got, float want, float scale) {
            if (!near(got, want, scale)) diff.add(what, "[", i, "] ", got, " vs ", want);
        };
        exact("timeToLive", fast.timeToLive[i], ref.timeToLive[i]);
        exact("size", fast.size[i], ref.size[i]);
        exact("rotation", fast.rotation[i], ref.rotation[i]);
        exact("colorR", fast.colorR[i], ref.colorR[i]);
        exact("colorA", fast.colorA[i], ref.colorA[i]);
        if (radius) {
            exact("angle", fast.modeB.angle[i], ref.modeB.angle[i]);
            exact("radius", fast.modeB.radius[i], ref.modeB.radius[i]);
            close("posx", fast.posx[i], ref.posx[i], std::fabs(ref.modeB.radius[i]));
            close("posy", fast.posy[i], ref.posy[i], std::fabs(ref.modeB.radius[i]));
        } else {
            exact("dirX", fast.modeA.dirX[i], ref.modeA.dirX[i]);
            exact("dirY", fast.modeA.dirY[i], ref.modeA.dirY[i]);
            exact("posx", fast.posx[i], ref.posx[i]);
            exact("posy", fast.posy[i], ref.posy[i]);
        }
        const V3F_C4B_T2F* fv[4] = {&fastQuads[i].bl, &fastQuads[i].br, &fastQuads[i].tl, &fastQuads[i].tr};
        const V3F_C4B_T2F* rv[4] = {&refQuads[i].bl, &refQuads[i].br, &refQuads[i].tl, &refQuads[i].tr};
        const float scale = ref.size[i] + std::fabs(ref.posx[i]) + std::fabs(ref.posy[i]);
        for (int c = 0; c < 4; ++c) {
            close("vertex x", fv[c]->vertices.x, rv[c]->vertices.x, scale);
            close("vertex y", fv[c]->vertices.y, rv[c]->vertices.y, scale);
            exact("vertex z", fv[c]->vertices.z, rv[c]->vertices.z);
            if (fv[c]->colors != rv[c]->colors)
                diff.add("colour[", i, "] corner ", c, ": ", int(fv[c]->colors.r), ",", int(fv[c]->colors.g), ",",
                         int(fv[c]->colors.b), ",", int(fv[c]->colors.a), " vs ", int(rv[c]->colors.r), ",",
                         int(rv[c]->colors.g), ",", int(rv[c]->colors.b), ",", int(rv[c]->colors.a));
            exact("u", fv[c]->texCoords.u, rv[c]->texCoords.u);
            exact("v", fv[c]->texCoords.v, rv[c]->texCoords.v);
        }
    }
}

// Runs an effect and its plain twin side by side, both under a moving,
// turning, scaled parent and with the same random seeds, and compares them
// after every frame. `tune` adjusts both systems the same way first.
template <class Effect>
void runSideBySide(const std::string& name, int frames, const std::function<void(ParticleSystemQuad*)>& tune = nullptr,
                   int flipped = 1) {
    SCOPED_TRACE(name);
    auto* fast = FastProbe<Effect>::createDefault();
    auto* ref = ReferenceParticleSystem<Effect>::createDefault();
    ASSERT_NE(fast, nullptr);
    ASSERT_NE(ref, nullptr);
    Node* fastParent = Node::create();
    Node* refParent = Node::create();
    fastParent->retain();
    refParent->retain();
    fastParent->addChild(fast);
    refParent->addChild(ref);
    for (ParticleSystemQuad* s : {static_cast<ParticleSystemQuad*>(fast), static_cast<ParticleSystemQuad*>(ref)})
        if (tune) tune(s);
    fast->setYCoordFlipped(flipped);
    ref->setYCoordFlipped(flipped);

    int peak = 0;
    for (int f = 0; f < frames; ++f) {
        // The emitter and its parent move, so spawn origins differ per batch.
        const float t = static_cast<float>(f) * kDt;
        for (Node* p : {fastParent, refParent}) {
            p->setPosition(Vec2(40.0f * std::sin(t), 25.0f * t));
            p->setRotation(15.0f * t);
            p->setScale(1.0f + 0.25f * std::sin(2.0f * t));
        }
        fast->setPosition(Vec2(160.0f + 30.0f * std::cos(3.0f * t), 240.0f));
        ref->setPosition(fast->getPosition());
        const unsigned seed = 1000u + static_cast<unsigned>(f);
        std::srand(seed);
        fast->update(kDt);
        std::srand(seed);
        ref->update(kDt);

        ASSERT_EQ(fast->getParticleCount(), ref->getParticleCount()) << "frame " << f;
        peak = std::max(peak, fast->getParticleCount());
        Differences diff;
        compare(fast->data(), fast->getQuads(), ref->data(), ref->getQuads(), fast->getParticleCount(),
                fast->getEmitterMode() == ParticleSystem::Mode::RADIUS, diff);
        ASSERT_EQ(diff.count, 0) << "frame " << f << ":\n" << diff.text.str();
    }
    // Each run must have had particles to compare.
    EXPECT_GT(peak, 10);

    // Rebuilding the quads alone leaves the particles where they are.
    const float x0 = fast->getParticleCount() > 0 ? fast->data().posx[0] : 0.0f;
    const float ttl0 = fast->getParticleCount() > 0 ? fast->data().timeToLive[0] : 0.0f;
    fast->updateParticleQuads();
    if (fast->getParticleCount() > 0) {
        EXPECT_EQ(fast->data().posx[0], x0);
        EXPECT_EQ(fast->data().timeToLive[0], ttl0);
        Differences diff;
        compare(fast->data(), fast->getQuads(), ref->data(), ref->getQuads(), fast->getParticleCount(),
                fast->getEmitterMode() == ParticleSystem::Mode::RADIUS, diff);
        EXPECT_EQ(diff.count, 0) << diff.text.str();
    }
    fastParent->release();
    refParent->release();
}

// Radius mode in the benchmark's shape: radius 100 ± 10 shrinking to 10,
// turning 180 ± 30 degrees a second, spinning quads.
void spinningRadius(ParticleSystemQuad* s) {
    s->setEmitterMode(ParticleSystem::Mode::RADIUS);
    s->setStartRadius(100.0f);
    s->setStartRadiusVar(10.0f);
    s->setEndRadius(10.0f);
    s->setEndRadiusVar(5.0f);
    s->setRotatePerSecond(180.0f);
    s->setRotatePerSecondVar(30.0f);
    s->setStartSpin(0.0f);
    s->setStartSpinVar(720.0f);
    s->setEndSpin(-90.0f);
}

} // namespace

TEST(ParticleFastUpdate, TheElevenEffectsMatchThePlainUpdate) {
    runSideBySide<ParticleFire>("Fire", 240);
    runSideBySide<ParticleFireworks>("Fireworks", 300);
    runSideBySide<ParticleSun>("Sun", 180);
    runSideBySide<ParticleGalaxy>("Galaxy", 240);
    runSideBySide<ParticleFlower>("Flower", 240);
    runSideBySide<ParticleMeteor>("Meteor", 180);
    runSideBySide<ParticleSpiral>("Spiral", 240);
    runSideBySide<ParticleExplosion>("Explosion", 180);
    runSideBySide<ParticleSmoke>("Smoke", 240);
    runSideBySide<ParticleSnow>("Snow", 240);
    runSideBySide<ParticleRain>("Rain", 240);
}

TEST(ParticleFastUpdate, RadiusModeSpinAndEveryPositionTypeMatch) {
    runSideBySide<ParticleGalaxy>("radius, free", 200, spinningRadius);
    runSideBySide<ParticleFlower>(
        "radius, relative, flipped", 200,
        [](ParticleSystemQuad* s) {
            spinningRadius(s);
            s->setPositionType(ParticleSystem::PositionType::RELATIVE);
        },
        -1);
    runSideBySide<ParticleSun>("gravity, grouped, spinning", 200, [](ParticleSystemQuad* s) {
        s->setPositionType(ParticleSystem::PositionType::GROUPED);
        s->setStartSpin(30.0f);
        s->setStartSpinVar(400.0f);
        s->setEndSpin(-720.0f);
    });
    runSideBySide<ParticleFlower>(
        "gravity, relative, rotation follows direction, doubled", 200,
        [](ParticleSystemQuad* s) {
            s->setPositionType(ParticleSystem::PositionType::RELATIVE);
            s->setRotationIsDir(true);
            s->setSourcePosition(Vec2(0.0f, 1.0f));
        },
        2);
    runSideBySide<ParticleMeteor>("gravity, frozen", 60, nullptr, 0);
}

TEST(ParticleFastUpdate, AnglesBeyondTheFastRangeFallBackToTheLibrary) {
    // 10^6 degrees a second passes the fast sine's range within a few frames,
    // and the quads spin as fast.
    runSideBySide<ParticleSpiral>("radius, huge angles", 90, [](ParticleSystemQuad* s) {
        spinningRadius(s);
        s->setRotatePerSecond(1.0e6f);
        s->setStartSpin(1.0e7f);
        s->setEndSpin(-1.0e7f);
    });
}

TEST(ParticleFastUpdate, ColourBytesClampOutOfRangeAndNaNAlike) {
    // Values no spawn produces (spawn colours are clamped) but edits of the
    // arrays and long overshoots can: both ends, NaN, and the byte boundaries.
    const float values[] = {-3.0f, -0.0f,   0.0f, 1.0f / 255.0f, 0.5f,     254.5f / 255.0f, 0.99999994f,
                            1.0f,  1.0001f, 7.0f, std::nanf(""), INFINITY, -INFINITY};
    const int n = static_cast<int>(sizeof values / sizeof values[0]);
    for (bool premultiplied : {false, true}) {
        auto* fast = FastProbe<ParticleSmoke>::createDefault();
        auto* ref = ReferenceParticleSystem<ParticleSmoke>::createDefault();
        fast->retain();
        ref->retain();
        fast->setOpacityModifyRGB(premultiplied);
        ref->setOpacityModifyRGB(premultiplied);
        fast->setEmissionRate(1.0e6f);
        ref->setEmissionRate(1.0e6f);
        std::srand(7);
        fast->update(kDt);
        std::srand(7);
        ref->update(kDt);
        ASSERT_GE(fast->getParticleCount(), n * n);
        for (ParticleData* d : {&fast->data(), &ref->data()}) {
            for (int i = 0; i < n * n; ++i) {
                d->colorR[i] = values[i % n];
                d->colorG[i] = values[(i + 3) % n];
                d->colorB[i] = values[(i + 7) % n];
                d->colorA[i] = values[i / n];
            }
        }
        fast->updateParticleQuads();
        ref->updateParticleQuads();
        Differences diff;
        compare(fast->data(), fast->getQuads(), ref->data(), ref->getQuads(), fast->getParticleCount(), false, diff);
        EXPECT_EQ(diff.count, 0) << (premultiplied ? "premultiplied" : "plain") << ":\n" << diff.text.str();
        // Spot checks: overshoots give 255, negatives 0 (a negative colour
        // times a negative alpha is positive, and saturates when premultiplied).
        const Color4B& saturated = fast->getQuads()[9 + 9 * n].bl.colors;
        EXPECT_EQ(saturated.a, 255);
        const Color4B& none = fast->getQuads()[0].bl.colors;
        EXPECT_EQ(none.r, premultiplied ? 255 : 0);
        EXPECT_EQ(none.a, 0);
        fast->release();
        ref->release();
    }
}
