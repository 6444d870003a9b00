// The embedded-TIFF decoder: real Particle Designer data, and every truncation of it refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "2d/CCParticleTiffDecoder.h"
#include "base/CCValue.h"
#include "base/ZipUtils.h"
#include "base/base64.h"
#include "platform/CCFileUtils.h"
#include "TestData.h"

using namespace cocos2d;

namespace {

// The inflated TIFF bytes embedded in a shared plist.
std::vector<unsigned char> embeddedTiff(const std::string& rel) {
    const std::string path = TestPlistsDir() + rel;
    EXPECT_TRUE(TestFileExists(path));
    ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(path);
    std::string text = dict["textureImageData"].asString();
    unsigned char* decoded = nullptr;
    int n = base64Decode(reinterpret_cast<const unsigned char*>(text.data()), text.size(), &decoded);
    unsigned char* inflated = nullptr;
    ssize_t m = n > 0 ? ZipUtils::inflateMemory(decoded, n, &inflated) : 0;
    std::vector<unsigned char> out(inflated, inflated + (m > 0 ? m : 0));
    std::free(decoded);
    std::free(inflated);
    return out;
}

}  // namespace

TEST(ParticleTiffDecoder, DecodesDesignerTiffPremultiplied) {
    std::vector<unsigned char> tiff = embeddedTiff("cocos2d-objc/SpookyPeas.plist");
    ASSERT_GT(tiff.size(), 5000u);
    std::vector<unsigned char> rgba;
    int w = 0, h = 0;
    ASSERT_TRUE(ParticleTiffDecoder::decode(tiff.data(), tiff.size(), &rgba, &w, &h));
    EXPECT_EQ(w, 37);
    EXPECT_EQ(h, 37);
    ASSERT_EQ(rgba.size(), 37u * 37u * 4u);
    int opaque = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        // Premultiplied: no colour channel exceeds its alpha.
        EXPECT_LE(rgba[i], rgba[i + 3]);
        EXPECT_LE(rgba[i + 1], rgba[i + 3]);
        EXPECT_LE(rgba[i + 2], rgba[i + 3]);
        opaque += rgba[i + 3] > 0;
    }
    EXPECT_GT(opaque, 100);
}

TEST(ParticleTiffDecoder, TruncationsFailOrGiveTheSamePixels) {
    std::vector<unsigned char> tiff = embeddedTiff("cocos2d-objc/StayPut.plist");
    ASSERT_GT(tiff.size(), 16000u);
    std::vector<unsigned char> full, rgba;
    int w = 0, h = 0;
    ASSERT_TRUE(ParticleTiffDecoder::decode(tiff.data(), tiff.size(), &full, &w, &h));
    int refused = 0;
    for (size_t len = 0; len < tiff.size(); len += 97) {
        // A private copy of exactly len bytes lets a sanitizer see any overread.
        std::vector<unsigned char> cut(tiff.begin(), tiff.begin() + len);
        if (ParticleTiffDecoder::decode(cut.data(), cut.size(), &rgba, &w, &h)) {
            EXPECT_EQ(rgba, full) << len;  // only the bytes after the pixels were cut
        } else {
            ++refused;
        }
    }
    // Cutting into the header or the pixel rows is refused.
    EXPECT_GT(refused, 160);
    const unsigned char png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0};
    EXPECT_FALSE(ParticleTiffDecoder::decode(png, sizeof png, &rgba, &w, &h));
    EXPECT_FALSE(ParticleTiffDecoder::decode(nullptr, 100, &rgba, &w, &h));
}
