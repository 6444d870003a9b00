// Loading particle plists: every shared test file, parameter by parameter, textures, and hostile input.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ParticleTestSupport.h"
#include "TempDir.h"
#include "TestData.h"
#include "base/CCDirector.h"
#include "base/ZipUtils.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

using namespace cocos2d;

namespace {

const std::string kPlists = TestPlistsDir();

std::vector<std::string> allPlists() {
    return plistsBelow(kPlists);
}

// Loads and retains; a file of the test data that is missing fails the test
// with its name (files made by a test may be absent on purpose).
ParticleSystemQuad* load(const std::string& path) {
    if (path.compare(0, kPlists.size(), kPlists) == 0) {
        EXPECT_TRUE(TestFileExists(path));
    }
    ParticleSystemQuad* s = ParticleSystemQuad::create(path);
    if (s) s->retain();
    return s;
}

} // namespace

TEST(ParticleLoad, EverySharedPlistLoadsOrIsRefusedCleanly) {
    std::vector<std::string> files = allPlists();
    ASSERT_GE(files.size(), 40u);
    for (const std::string& rel : files) {
        ASSERT_TRUE(TestFileExists(kPlists + rel));
        // All of them are particle plists the engine reads (kapai.plist
        // carries junk after its closing tag, which the reader ignores).
        ParticleSystemQuad* s = load(kPlists + rel);
        ASSERT_NE(s, nullptr) << rel << ": " << ParticleSystem::getLastInitError();
        ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(kPlists + rel);
        EXPECT_EQ(s->getTotalParticles(), dict["maxParticles"].asInt()) << rel;
        // Every shared file but one has a usable texture, from disk or
        // embedded; ButterFly names a texture that is not shipped.
        if (rel != "cocos2d-x/ButterFly.plist") {
            EXPECT_NE(s->getTexture(), nullptr) << rel;
        }
        // And runs a second of frames.
        for (int i = 0; i < 60; ++i) s->update(1.0f / 60.0f);
        EXPECT_LE(s->getParticleCount(), s->getTotalParticles()) << rel;
        s->release();
    }
}

TEST(ParticleLoad, GravityFileWithDesignerKeysSetsEveryParameter) {
    ParticleSystemQuad* s = load(kPlists + "cocos2d-x/ButterFly.plist");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getTotalParticles(), 197);
    EXPECT_EQ(s->getConfigName(), "ButterFly");
    EXPECT_FLOAT_EQ(s->getAngle(), 0.0f);
    EXPECT_FLOAT_EQ(s->getAngleVar(), 360.0f);
    EXPECT_FLOAT_EQ(s->getDuration(), -1.0f);
    // Blend factors written as reals.
    EXPECT_EQ(s->getBlendFunc().src, 770u);
    EXPECT_EQ(s->getBlendFunc().dst, 771u);
    EXPECT_FLOAT_EQ(s->getStartColor().r, 0.9999960064888f);
    EXPECT_FLOAT_EQ(s->getStartColor().a, 1.0f);
    EXPECT_FLOAT_EQ(s->getStartColorVar().b, 1.0f);
    EXPECT_FLOAT_EQ(s->getStartColorVar().a, 0.0f);
    EXPECT_FLOAT_EQ(s->getEndColor().g, 1.0f);
    EXPECT_FLOAT_EQ(s->getEndColorVar().r, 1.0f);
    EXPECT_FLOAT_EQ(s->getStartSize(), 64.0f);
    EXPECT_FLOAT_EQ(s->getStartSizeVar(), 11.37f);
    EXPECT_FLOAT_EQ(s->getEndSize(), 64.0f);
    EXPECT_FLOAT_EQ(s->getEndSizeVar(), 0.0f);
    // The source position moves the node; the system's own stays at zero.
    EXPECT_FLOAT_EQ(s->getPosition().x, 160.0f);
    EXPECT_FLOAT_EQ(s->getPosition().y, 240.0f);
    EXPECT_FLOAT_EQ(s->getSourcePosition().x, 0.0f);
    EXPECT_FLOAT_EQ(s->getPosVar().x, 167.0f);
    EXPECT_FLOAT_EQ(s->getPosVar().y, 7.0f);
    EXPECT_EQ(s->getEmitterMode(), ParticleSystem::Mode::GRAVITY);
    EXPECT_FLOAT_EQ(s->getGravity().x, 0.0f);
    EXPECT_FLOAT_EQ(s->getGravity().y, 434.2099914550781f);
    EXPECT_FLOAT_EQ(s->getSpeed(), 46.05f);
    EXPECT_FLOAT_EQ(s->getRadialAccel(), 144.74f);
    EXPECT_FLOAT_EQ(s->getRadialAccelVar(), 13.16f);
    EXPECT_FLOAT_EQ(s->getTangentialAccel(), -92.11000061035156f);
    EXPECT_FALSE(s->getRotationIsDir());
    EXPECT_FLOAT_EQ(s->getLife(), 10.0f);
    EXPECT_FLOAT_EQ(s->getEmissionRate(), 19.7f);
    // "positionType" in the file is not read.
    EXPECT_EQ(s->getPositionType(), ParticleSystem::PositionType::FREE);
    EXPECT_EQ(s->getYCoordFlipped(), 1);
    // butterfly.png is not shipped and the file has no embedded image.
    EXPECT_EQ(s->getTexture(), nullptr);
    // The radius keys of a gravity file are not read.
    EXPECT_FLOAT_EQ(s->getStartRadius(), 0.0f);
    s->release();
}

TEST(ParticleLoad, RadiusFileSetsRadiusValuesAndLeavesGravityOnes) {
    ParticleSystemQuad* s = load(kPlists + "cocos2d-objc/Phoenix.plist");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getEmitterMode(), ParticleSystem::Mode::RADIUS);
    EXPECT_EQ(s->getTotalParticles(), 285);
    EXPECT_FLOAT_EQ(s->getStartRadius(), 60.0f);
    EXPECT_FLOAT_EQ(s->getStartRadiusVar(), 85.2631607055664f);
    EXPECT_FLOAT_EQ(s->getEndRadius(), 0.0f);
    EXPECT_FLOAT_EQ(s->getEndRadiusVar(), 0.0f);
    EXPECT_FLOAT_EQ(s->getRotatePerSecond(), 360.0f);
    EXPECT_FLOAT_EQ(s->getGravity().x, 0.0f);
    EXPECT_FLOAT_EQ(s->getSpeed(), 0.0f);
    EXPECT_FLOAT_EQ(s->getAngle(), 349.0f);
    EXPECT_FLOAT_EQ(s->getPosVar().x, -4.5f);
    EXPECT_FLOAT_EQ(s->getEndSize(), 43.0f);
    // Life 0: the derived rate is total / 0.
    EXPECT_FLOAT_EQ(s->getLife(), 0.0f);
    EXPECT_TRUE(std::isinf(s->getEmissionRate()));
    EXPECT_EQ(s->getBlendFunc().src, 770u);
    EXPECT_EQ(s->getBlendFunc().dst, 1u);
    // The embedded TIFF (64 x 64) replaces the missing file texture; with a
    // non-default blend the vertex colours are not premultiplied.
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 64);
    EXPECT_TRUE(s->getTexture()->hasPremultipliedAlpha());
    EXPECT_FALSE(s->isOpacityModifyRGB());
    s->release();
}

TEST(ParticleLoad, StringValuedHandWrittenFileConvertsLikeTheEngine) {
    ParticleSystemQuad* s = load(kPlists + "cocos2d-objc/fire__61d3d3f.plist");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getTotalParticles(), 50);
    EXPECT_FLOAT_EQ(s->getStartColor().r, 0.5f);
    EXPECT_FLOAT_EQ(s->getEndColor().a, 0.75f);
    EXPECT_FLOAT_EQ(s->getGravity().y, 125.0f);
    EXPECT_FLOAT_EQ(s->getLife(), 1.0f);
    EXPECT_FLOAT_EQ(s->getLifeVar(), 0.5f);
    EXPECT_FLOAT_EQ(s->getPosVar().x, 30.0f);
    // Misspelt keys are not read: the variances stay 0.
    EXPECT_FLOAT_EQ(s->getEndColorVar().a, 0.0f);
    EXPECT_FLOAT_EQ(s->getTangentialAccelVar(), 0.0f);
    // "- emissionRate" is a disabled key; the rate is total / life.
    EXPECT_FLOAT_EQ(s->getEmissionRate(), 50.0f);
    // fire.png sits beside the plist: loaded from the plist's folder.
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 128);
    // Blend (770, 1) and RGBA PNG: no vertex premultiplication.
    EXPECT_FALSE(s->isOpacityModifyRGB());
    s->release();
}

TEST(ParticleLoad, YCoordFlippedIsKeptAsReadAndZeroFreezesTheMotion) {
    TempDir dir;
    auto loadFlipped = [&](const char* value) {
        auto entries = basicParticleEntries();
        if (value) entries["yCoordFlipped"] = value;
        dir.write("f.plist", plistText(entries));
        auto* s = new ProbeParticleSystem();
        EXPECT_TRUE(s->initWithFile(dir.file("f.plist"))) << ParticleSystem::getLastInitError();
        return s;
    };
    const std::pair<const char*, int> cases[] = {
        {nullptr, 1}, {"<integer>-1</integer>", -1}, {"<integer>0</integer>", 0}, {"<real>2.7</real>", 2}};
    for (const auto& c : cases) {
        ProbeParticleSystem* s = loadFlipped(c.first);
        EXPECT_EQ(s->getYCoordFlipped(), c.second) << (c.first ? c.first : "absent");
        for (int i = 0; i < 30; ++i) s->update(1.0f / 60.0f);
        ASSERT_GT(s->getParticleCount(), 0);
        // Speed 10 upwards from the node: only a zero factor keeps every particle at the centre.
        float furthest = 0.0f;
        for (int i = 0; i < s->getParticleCount(); ++i) furthest = std::max(furthest, std::fabs(s->data().posy[i]));
        if (c.second == 0)
            EXPECT_EQ(furthest, 0.0f);
        else
            EXPECT_GT(furthest, 1.0f);
        s->release();
    }
}

TEST(ParticleLoad, FlippedFileAndPremultipliedEmbeddedPng) {
    ParticleSystemQuad* flipped = load(kPlists + "lhcocos/ButterFlyYFlipped.plist");
    ASSERT_NE(flipped, nullptr);
    EXPECT_EQ(flipped->getYCoordFlipped(), -1);
    EXPECT_FLOAT_EQ(flipped->getAngleVar(), -360.0f);
    flipped->release();

    ParticleSystemQuad* s = load(kPlists + "cocos2d-objc/TestPremultipliedAlpha.plist");
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 22);
    EXPECT_EQ(s->getTexture()->getPixelsHigh(), 21);
    // (1, 771) with a premultiplied texture premultiplies the vertex colours.
    EXPECT_EQ(s->getBlendFunc().src, 1u);
    EXPECT_EQ(s->getBlendFunc().dst, 771u);
    EXPECT_TRUE(s->isOpacityModifyRGB());
    s->release();
}

TEST(ParticleLoad, FileWithoutSourcePositionAndWithMissingGravityX) {
    ParticleSystemQuad* s = load(kPlists + "archer/explosion.plist");
    ASSERT_NE(s, nullptr);
    EXPECT_FLOAT_EQ(s->getPosition().x, 0.0f);
    EXPECT_FLOAT_EQ(s->getPosition().y, 0.0f);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 100);
    s->release();
    ParticleSystemQuad* e = load(kPlists + "cocos2d-x/emissionPart.plist");
    ASSERT_NE(e, nullptr);
    EXPECT_FLOAT_EQ(e->getGravity().x, 0.0f);
    e->release();
}

// ---- texture paths ----

TEST(ParticleLoad, TextureNameIsTakenFromThePlistFolder) {
    TempDir dir;
    std::string png;
    ASSERT_TRUE(ReadTestFile(kPlists + "cocos2d-html5/qipao01.png", &png));
    dir.write("qipao01.png", png);
    auto entries = basicParticleEntries();
    // A different folder in the name is replaced by the plist's own.
    entries["textureFileName"] = stringValue("elsewhere/qipao01.png");
    dir.write("a.plist", plistText(entries));
    ParticleSystemQuad* s = load(dir.file("a.plist"));
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 21);
    EXPECT_EQ(s->getTexture()->getPixelsHigh(), 22);
    s->release();

    // A missing texture without embedded data still loads, untextured.
    entries["textureFileName"] = stringValue("missing.png");
    dir.write("b.plist", plistText(entries));
    ParticleSystemQuad* b = load(dir.file("b.plist"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getTexture(), nullptr);
    b->release();
}

// ---- hostile input ----

namespace {

// Loads a plist written from `entries`; the system or null.
ParticleSystemQuad* loadEntries(const TempDir& dir, const std::map<std::string, std::string>& entries) {
    dir.write("x.plist", plistText(entries));
    return load(dir.file("x.plist"));
}

std::string base64Of(const std::string& bytes) {
    static const char* a = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned v = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8 | (unsigned char)bytes[i + 2];
        out += a[v >> 18];
        out += a[(v >> 12) & 63];
        out += a[(v >> 6) & 63];
        out += a[v & 63];
    }
    if (i + 1 == bytes.size()) {
        unsigned v = (unsigned char)bytes[i] << 16;
        out += std::string(1, a[v >> 18]) + a[(v >> 12) & 63] + "==";
    } else if (i + 2 == bytes.size()) {
        unsigned v = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8;
        out += std::string(1, a[v >> 18]) + a[(v >> 12) & 63] + a[(v >> 6) & 63] + "=";
    }
    return out;
}

// The embedded data of a shared file (gzip + TIFF), as base64 text.
std::string sharedEmbeddedData() {
    EXPECT_TRUE(TestFileExists(kPlists + "cocos2d-objc/StayPut.plist"));
    ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(kPlists + "cocos2d-objc/StayPut.plist");
    return dict["textureImageData"].asString();
}

} // namespace

TEST(ParticleBadInput, HugeAndNegativeCountsFailWithoutAllocating) {
    TempDir dir;
    auto entries = basicParticleEntries();
    // The message names the value as the file has it and what is wrong.
    const struct {
        std::string count;
        const char* message;
    } cases[] = {
        {intValue(2000000000), "\"maxParticles\" 2e+09 is outside 0..500000"},
        {intValue(-5), "\"maxParticles\" -5 is outside 0..500000"},
        {realValue(-1e30), "\"maxParticles\" -1e+30 is outside 0..500000"},
        {intValue(500001), "\"maxParticles\" 500001 is outside 0..500000"},
        {realValue(1e39), "\"maxParticles\" 1e+39 is outside 0..500000"},
        {"<real>nan</real>", "\"maxParticles\" is not a usable number: nan"},
        {"<real>inf</real>", "\"maxParticles\" is not a usable number: inf"},
        {"<real>-inf</real>", "\"maxParticles\" is not a usable number: -inf"},
    };
    for (const auto& c : cases) {
        entries["maxParticles"] = c.count;
        EXPECT_EQ(loadEntries(dir, entries), nullptr) << c.count;
        EXPECT_EQ(ParticleSystem::getLastInitError(), c.message) << c.count;
    }
    // Fractions truncate toward zero like the engine's conversion: -0.5 is 0.
    entries["maxParticles"] = realValue(-0.5);
    ParticleSystemQuad* zero = loadEntries(dir, entries);
    ASSERT_NE(zero, nullptr) << ParticleSystem::getLastInitError();
    EXPECT_EQ(zero->getTotalParticles(), 0);
    zero->release();
    // The live setter clamps instead: a running system must survive edits.
    ProbeParticleSystem* s = ProbeParticleSystem::createWithTotal(10);
    s->retain();
    s->setLife(1.0f);
    s->setTotalParticles(2000000000);
    EXPECT_EQ(s->getTotalParticles(), ParticleSystem::MAX_TOTAL_PARTICLES);
    s->setTotalParticles(-3);
    EXPECT_EQ(s->getTotalParticles(), 0);
    s->setEmissionRate(1000.0f);
    s->update(0.1f);
    EXPECT_EQ(s->getParticleCount(), 0);
    s->release();
}

TEST(ParticleBadInput, NanAndInfiniteValuesRunWithoutHarm) {
    TempDir dir;
    auto entries = basicParticleEntries();
    for (const char* key : {"angle", "speed", "startParticleSize", "startColorRed", "gravityy", "duration",
                            "sourcePositionVariancex", "rotationStart", "finishParticleSize"})
        entries[key] = "<real>nan</real>";
    entries["particleLifespanVariance"] = "<real>inf</real>";
    ParticleSystemQuad* s = loadEntries(dir, entries);
    ASSERT_NE(s, nullptr);
    for (int i = 0; i < 120; ++i) s->update(1.0f / 60.0f);
    EXPECT_LE(s->getParticleCount(), s->getTotalParticles());
    // A NaN life counts as dead at birth rather than immortal.
    entries["particleLifespan"] = "<real>nan</real>";
    ParticleSystemQuad* dead = loadEntries(dir, entries);
    ASSERT_NE(dead, nullptr);
    dead->setEmissionRate(100.0f);
    for (int i = 0; i < 10; ++i) dead->update(1.0f / 60.0f);
    EXPECT_EQ(dead->getParticleCount(), 0);
    dead->release();
    s->release();
}

TEST(ParticleBadInput, NegativeOrZeroLifeNeverEmitsNegativeCounts) {
    ProbeParticleSystem* s = ProbeParticleSystem::createWithTotal(20);
    s->retain();
    s->setDuration(-1.0f);
    s->setLife(-2.0f);
    s->setTotalParticles(20); // rate = 20 / -2 < 0
    EXPECT_LT(s->getEmissionRate(), 0.0f);
    for (int i = 0; i < 10; ++i) s->update(1.0f / 60.0f);
    EXPECT_EQ(s->getParticleCount(), 0);
    s->setLife(0.0f);
    s->setTotalParticles(20); // rate = +inf
    s->update(1.0f / 60.0f);
    EXPECT_EQ(s->getParticleCount(), 0); // born and dead in one frame
    s->release();
}

TEST(ParticleBadInput, AnEmbeddedImageLargerThanTheLimitIsReportedAsSuch) {
    // 300 MiB of zeros deflate to about 300 KB: a small file that unpacks
    // past the inflate limit.
    std::string bomb;
    z_stream z{};
    ASSERT_EQ(deflateInit2(&z, 9, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY), Z_OK);
    std::vector<unsigned char> zeros(1 << 20, 0), out(1 << 16);
    for (int chunk = 0; chunk < 300; ++chunk) {
        z.next_in = zeros.data();
        z.avail_in = static_cast<uInt>(zeros.size());
        const int flush = chunk == 299 ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, flush);
            bomb.append(reinterpret_cast<char*>(out.data()), out.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    ASSERT_LT(bomb.size(), 1000000u);
    TempDir dir;
    auto entries = basicParticleEntries();
    entries["textureFileName"] = stringValue("not-here.png");
    entries["textureImageData"] = stringValue(base64Of(bomb));
    EXPECT_EQ(loadEntries(dir, entries), nullptr);
    EXPECT_EQ(ParticleSystem::getLastInitError(), "\"textureImageData\" unpacks to more than 256 MiB, the size limit");
}

TEST(ParticleBadInput, CorruptEmbeddedTexturesFailInitialisation) {
    TempDir dir;
    auto entries = basicParticleEntries();
    entries["textureFileName"] = stringValue("not-here.png");
    const std::string good = sharedEmbeddedData();
    ASSERT_FALSE(good.empty());
    std::string star;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/star.png", &star));
    ASSERT_GT(good.size(), 1000u);
    struct Case {
        const char* what;
        std::string data;
        const char* reason;
    } cases[] = {
        {"one symbol before padding",
         "QUJD"
         "Q===",
         "base64"},
        {"plain base64 PNG, not compressed", base64Of(star), "zlib"},
        {"truncated gzip", good.substr(0, good.size() / 2 / 4 * 4), "zlib"},
        {"gzip of text", "H4sIAAAAAAACA8tIzcnJ11HIyy9RSMxTyMxNTE8FAE+5tD0TAAAA", "image"},
    };
    for (const Case& c : cases) {
        entries["textureImageData"] = stringValue(c.data);
        EXPECT_EQ(loadEntries(dir, entries), nullptr) << c.what;
        EXPECT_NE(ParticleSystem::getLastInitError().find(c.reason), std::string::npos)
            << c.what << ": " << ParticleSystem::getLastInitError();
    }
    // The intact data decodes (the shared TIFF, 64 x 64).
    entries["textureImageData"] = stringValue(good);
    ParticleSystemQuad* s = loadEntries(dir, entries);
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 64);
    s->release();
}

TEST(ParticleBadInput, NonParticleFilesAreRefused) {
    TempDir dir;
    dir.write("text.plist", "this is not xml at all");
    EXPECT_EQ(load(dir.file("text.plist")), nullptr);
    dir.write("info.plist", plistText({{"CFBundleName", stringValue("App")}}));
    EXPECT_EQ(load(dir.file("info.plist")), nullptr);
    EXPECT_EQ(load(dir.file("absent.plist")), nullptr);
    auto entries = basicParticleEntries();
    entries["emitterType"] = intValue(2);
    EXPECT_EQ(loadEntries(dir, entries), nullptr);
    EXPECT_NE(ParticleSystem::getLastInitError().find("emitterType"), std::string::npos);
}
