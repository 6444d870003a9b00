// Every test-data plist opened, saved and opened again keeps every written value, and Python's plistlib reads each
// file.
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/ParticleParameter.h"
#include "particle/ParticleSystem2DEditor.h"

#include "base/CCValue.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"

#include <cmath>
#include <set>

using cocos2d::ValueMap;

namespace {

// Equal within what "%f" keeps: six decimals, and the float's own precision.
bool close(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    if (a == b) return true;
    return std::fabs(a - b) <= 1e-6 + 1e-6 * std::fabs(a);
}

::testing::AssertionResult sameValue(const ParticleParameter& row, const ParticleValue& a, const ParticleValue& b) {
    bool same = true;
    switch (row.kind) {
    case ParticleValueKind::Colour:
        same = close(a.colour.r, b.colour.r) && close(a.colour.g, b.colour.g) && close(a.colour.b, b.colour.b) &&
               close(a.colour.a, b.colour.a);
        break;
    case ParticleValueKind::Point:
        same = close(a.point.x, b.point.x) && close(a.point.y, b.point.y);
        break;
    default:
        same = close(a.number, b.number);
        break;
    }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << row.name << " changed: " << a.number << " (" << a.point.x << ", "
                                         << a.point.y << ", " << a.colour.r << ") became " << b.number << " ("
                                         << b.point.x << ", " << b.point.y << ", " << b.colour.r << ")";
}

class PlistRoundTrip : public ParticleObjectTest {
protected:
    TempDir m_dir;
};

}

TEST_F(PlistRoundTrip, EveryWrittenValueTextureNameAndEmbeddedTextureComesBackFromTheSavedFile) {
    std::vector<std::string> skipped;
    const std::vector<RoundTrip> trips = RoundTripTestData(m_dir.path(), skipped);
    // The data holds about fifty particle plists; only damaged ones are refused.
    ASSERT_GE(trips.size(), 40u);
    EXPECT_LE(skipped.size(), 3u) << "refused: " << ::testing::PrintToString(skipped);
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.name);
        ASSERT_NE(trip.reopened, nullptr) << "the saved file does not open";
        ParticleSystem2DEditor& a = *trip.opened;
        ParticleSystem2DEditor& b = *trip.reopened;
        for (const ParticleParameter* row : particleParametersInFileOrder()) {
            if (!row->get) continue;
            if (row->group == EmitterGroup::Gravity && a.getEmitterMode() != cocos2d::ParticleSystem::Mode::GRAVITY)
                continue;
            if (row->group == EmitterGroup::Radius && a.getEmitterMode() == cocos2d::ParticleSystem::Mode::GRAVITY)
                continue;
            EXPECT_TRUE(sameValue(*row, row->get(a), row->get(b)));
        }
        // What the game derives from the file: count / life, with the life
        // rounded to six decimals (171 / 0.1473684 differs in the sixth digit).
        if (a.getEmissionRate() != b.getEmissionRate())
            EXPECT_NEAR(a.getEmissionRate(), b.getEmissionRate(), 1e-5 * std::fabs(a.getEmissionRate()));
        EXPECT_EQ(a.textureName, b.textureName);
        EXPECT_EQ(a.embeddedTexture(), b.embeddedTexture());
        EXPECT_EQ(a.getYCoordFlipped(), b.getYCoordFlipped());
        EXPECT_EQ(a.getTexture() == nullptr, b.getTexture() == nullptr) << "the texture was lost or appeared";
        if (a.getTexture() && b.getTexture()) {
            EXPECT_EQ(a.getTexture()->getPixelsWide(), b.getTexture()->getPixelsWide());
            EXPECT_EQ(a.getTexture()->getPixelsHigh(), b.getTexture()->getPixelsHigh());
        }
    }
}

TEST_F(PlistRoundTrip, TheSavedFileKeepsTheNumbersOfTheOriginalAsTheEngineReadsThem) {
    std::vector<std::string> skipped;
    const std::vector<RoundTrip> trips = RoundTripTestData(m_dir.path(), skipped);
    ASSERT_FALSE(trips.empty());
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.name);
        const ValueMap original = files->getValueMapFromFile(m_dir.path() + "/" + trip.name);
        const ValueMap saved = files->getValueMapFromFile(trip.savedPath);
        auto configName = original.find("configName");
        // Particle Designer 2 files: the engine reads these three as whole numbers.
        const bool designer2 = configName != original.end() && !configName->second.asString().empty();
        const std::set<std::string> truncated = {"maxRadius", "minRadius", "rotatePerSecond"};
        int compared = 0;
        for (const auto& entry : saved) {
            const std::string& key = entry.first;
            auto in = original.find(key);
            if (in == original.end() || key == "textureFileName" || key == "textureImageData") continue;
            double expected = in->second.asFloat();
            if (key == "maxParticles" || key == "emitterType" || key == "blendFuncDestination")
                expected = in->second.asInt();
            else if (key == "blendFuncSource")
                expected = designer2 ? static_cast<int>(in->second.asFloat()) : in->second.asInt();
            else if (key == "rotationIsDir")
                expected = in->second.asBool() ? 1 : 0;
            else if (designer2 && truncated.count(key))
                expected = static_cast<int>(in->second.asFloat());
            EXPECT_TRUE(close(expected, entry.second.asDouble()))
                << key << ": " << in->second.asString() << " saved as " << entry.second.asString();
            ++compared;
        }
        EXPECT_GE(compared, 20);
    }
}

TEST_F(PlistRoundTrip, PythonsPlistlibReadsEveryFileTheEditorWrote) {
    std::vector<std::string> skipped;
    const std::vector<RoundTrip> trips = RoundTripTestData(m_dir.path(), skipped);
    ASSERT_FALSE(trips.empty());
    std::vector<std::string> written;
    for (const RoundTrip& trip : trips) written.push_back(trip.savedPath);
    // Types as a strict reader sees them, and the pair count of each mode.
    const std::string check = "n = 47 if d['emitterType'] == 0 else 44\n"
                              "n += ('textureImageData' in d) + ('yCoordFlipped' in d)\n"
                              "assert len(d) == n, (len(d), n)\n"
                              "assert d['maxParticles'] == int(d['maxParticles']), d['maxParticles']\n"
                              "assert isinstance(d['angle'], float)\n"
                              "assert isinstance(d['blendFuncSource'], int)\n"
                              "assert isinstance(d['textureFileName'], str)\n";
    EXPECT_EQ(RunPlistlib(written, check), "");
}
