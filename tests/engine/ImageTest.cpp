// Image: format detection, PNG/JPEG decoding of real and generated images, premultiplication, bounds.
#include <gtest/gtest.h>
#include <png.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ImageTestSupport.h"
#include "TempDir.h"
#include "TestData.h"
#include "base/ZipUtils.h"
#include "base/base64.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

using cocos2d::Image;
using cocos2d::Texture2D;
using namespace imagetest;

namespace {

// Reaches the protected format detection the way code outside the engine must.
class ProbeImage : public Image {
public:
    using Image::detectFormat;
};

const std::string kPlists = TestPlistsDir();

// Images are reference counted; the fixture keeps one alive per test and
// restores the global premultiplication switch.
class ImageTest : public testing::Test {
protected:
    void SetUp() override { m_image = new ProbeImage(); }
    void TearDown() override {
        m_image->release();
        Image::setPNGPremultipliedAlphaEnabled(true);
    }
    Image::Format detect(const Bytes& b) { return m_image->detectFormat(b.data(), static_cast<ssize_t>(b.size())); }
    bool load(const Bytes& b) { return m_image->initWithImageData(b.data(), static_cast<ssize_t>(b.size())); }

    ProbeImage* m_image = nullptr;
};

Bytes withPrefix(const char* text, size_t total) {
    Bytes b(text, text + strlen(text));
    b.resize(total, 0);
    return b;
}

} // namespace

TEST_F(ImageTest, FormatEnumerationMatchesTheEngine) {
    EXPECT_EQ(static_cast<int>(Image::Format::JPG), 0);
    EXPECT_EQ(static_cast<int>(Image::Format::PNG), 1);
    EXPECT_EQ(static_cast<int>(Image::Format::TGA), 8);
    EXPECT_EQ(static_cast<int>(Image::Format::RAW_DATA), 9);
    EXPECT_EQ(static_cast<int>(Image::Format::UNKNOWN), 10);
}

TEST_F(ImageTest, DetectsFormatsBySignature) {
    Bytes star;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/star.png", &star));
    EXPECT_EQ(detect(star), Image::Format::PNG);
    EXPECT_EQ(detect(makeJpeg(2, 2, 3, Bytes(12, 100))), Image::Format::JPG);
    EXPECT_EQ(detect(Bytes{'I', 'I', 0x2A, 0, 8}), Image::Format::TIFF);
    EXPECT_EQ(detect(Bytes{'M', 'M', 0, 0x2A, 0}), Image::Format::TIFF);
    Bytes webp = withPrefix("RIFF", 16);
    memcpy(&webp[8], "WEBP", 4);
    EXPECT_EQ(detect(webp), Image::Format::WEBP);
    Bytes pvr2(52, 0);
    memcpy(&pvr2[44], "PVR!", 4);
    EXPECT_EQ(detect(pvr2), Image::Format::PVR);
    Bytes pvr3(52, 0);
    pvr3[0] = 'P';
    pvr3[1] = 'V';
    pvr3[2] = 'R';
    pvr3[3] = 3;
    EXPECT_EQ(detect(pvr3), Image::Format::PVR);
    Bytes pkm = withPrefix("PKM 10", 16);
    pkm[9] = 8;  // padded width 8
    pkm[11] = 8; // padded height 8
    pkm[13] = 6; // width 6
    pkm[15] = 7; // height 7
    EXPECT_EQ(detect(pkm), Image::Format::ETC);
    EXPECT_EQ(detect(withPrefix("DDS ", 128)), Image::Format::S3TC);
    Bytes ktx = withPrefix("\xABKTX 11", 64);
    EXPECT_EQ(detect(ktx), Image::Format::ATITC);
}

TEST_F(ImageTest, TextAndTruncatedSignaturesAreUnknown) {
    EXPECT_EQ(detect(withPrefix("<?xml version=\"1.0\"?><plist/>", 29)), Image::Format::UNKNOWN);
    EXPECT_EQ(detect(withPrefix("hello world", 11)), Image::Format::UNKNOWN);
    Bytes png;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/star.png", &png));
    // The engine wants more than the 8 signature bytes.
    EXPECT_EQ(detect(Bytes(png.begin(), png.begin() + 8)), Image::Format::UNKNOWN);
    EXPECT_EQ(detect(Bytes(png.begin(), png.begin() + 9)), Image::Format::PNG);
    EXPECT_EQ(detect(Bytes{0xFF, 0xD8, 0xFF}), Image::Format::UNKNOWN);
    EXPECT_EQ(detect(Bytes{'D', 'D'}), Image::Format::UNKNOWN);
    EXPECT_EQ(detect(withPrefix("PKM 10", 10)), Image::Format::UNKNOWN);
    Bytes pvr2(51, 0);
    EXPECT_EQ(detect(pvr2), Image::Format::UNKNOWN);
    EXPECT_EQ(m_image->detectFormat(nullptr, 10), Image::Format::UNKNOWN);
    EXPECT_EQ(detect(Bytes()), Image::Format::UNKNOWN);
    // Compressed bytes are not an image format of their own.
    EXPECT_EQ(detect(compress(png, true)), Image::Format::UNKNOWN);
}

TEST_F(ImageTest, DecodesTheTestDataTexturesWithTheirSizes) {
    struct Case {
        const char* file;
        int width, height;
    } cases[] = {{"breakvaders/explosion.png", 32, 32}, {"bulletwar/fire.png", 31, 31},
                 {"bulletwar/star.png", 48, 48},        {"diabloworld/base.png", 640, 640},
                 {"cocos2d-html5/qipao01.png", 21, 22}, {"cocos2d-objc/fire.png", 128, 128}};
    for (const Case& c : cases) {
        ASSERT_TRUE(TestFileExists(kPlists + c.file));
        Image* image = new Image();
        ASSERT_TRUE(image->initWithImageFile(kPlists + c.file)) << c.file;
        EXPECT_EQ(image->getWidth(), c.width) << c.file;
        EXPECT_EQ(image->getHeight(), c.height) << c.file;
        EXPECT_EQ(image->getFileType(), Image::Format::PNG);
        EXPECT_EQ(image->getRenderFormat(), Texture2D::PixelFormat::RGBA8888);
        EXPECT_EQ(image->getDataLen(), static_cast<ssize_t>(c.width) * c.height * 4);
        EXPECT_TRUE(image->hasAlpha());
        EXPECT_TRUE(image->hasPremultipliedAlpha());
        EXPECT_EQ(image->getBitPerPixel(), 32);
        EXPECT_EQ(image->getFilePath(), kPlists + c.file);
        image->release();
    }
}

TEST_F(ImageTest, PremultipliesEachChannelByAlphaPlusOneOver256) {
    Bytes file;
    ASSERT_TRUE(ReadTestFile(kPlists + "cocos2d-objc/fire.png", &file));
    Image::setPNGPremultipliedAlphaEnabled(false);
    Image* straight = new Image();
    ASSERT_TRUE(straight->initWithImageData(file.data(), static_cast<ssize_t>(file.size())));
    EXPECT_FALSE(straight->hasPremultipliedAlpha());
    Image::setPNGPremultipliedAlphaEnabled(true);
    ASSERT_TRUE(load(file));
    EXPECT_TRUE(m_image->isPremultipliedAlpha());
    ASSERT_EQ(straight->getDataLen(), m_image->getDataLen());
    int translucent = 0;
    for (ssize_t i = 0; i < m_image->getDataLen(); i += 4) {
        const unsigned char* s = straight->getData() + i;
        const unsigned char* p = m_image->getData() + i;
        const unsigned int a = s[3];
        if (a > 0 && a < 255) ++translucent;
        for (int c = 0; c < 3; ++c) ASSERT_EQ(p[c], (s[c] * (a + 1)) >> 8) << "byte " << i + c;
        ASSERT_EQ(p[3], s[3]);
    }
    EXPECT_GT(translucent, 100);
    straight->release();

    // Hand-made values: full alpha keeps the colour, zero alpha gives 0.
    const Bytes px =
        makePng(3, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {200, 100, 50, 255, 200, 100, 50, 128, 255, 255, 255, 0});
    ASSERT_TRUE(load(px));
    const unsigned char* d = m_image->getData();
    EXPECT_EQ(std::vector<int>(d, d + 12), (std::vector<int>{200, 100, 50, 255, 100, 50, 25, 128, 0, 0, 0, 0}));
}

TEST_F(ImageTest, PngColourTypesAndDepths) {
    ASSERT_TRUE(load(makePng(2, 1, PNG_COLOR_TYPE_GRAY, 8, {10, 250})));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::I8);
    EXPECT_FALSE(m_image->hasAlpha());
    EXPECT_FALSE(m_image->hasPremultipliedAlpha());
    EXPECT_EQ(m_image->getData()[1], 250);

    // Grey below 8 bits is scaled up to 8.
    ASSERT_TRUE(load(makePng(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3})));
    EXPECT_EQ(std::vector<int>(m_image->getData(), m_image->getData() + 4), (std::vector<int>{0, 85, 170, 255}));

    ASSERT_TRUE(load(makePng(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 100})));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::AI88);
    EXPECT_FALSE(m_image->hasPremultipliedAlpha());
    EXPECT_EQ(m_image->getData()[0], 200);

    ASSERT_TRUE(load(makePng(1, 2, PNG_COLOR_TYPE_RGB, 16, {65535, 0, 32896, 256, 512, 1024})));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::RGB888);
    EXPECT_EQ(m_image->getDataLen(), 6);
    EXPECT_EQ(std::vector<int>(m_image->getData(), m_image->getData() + 6), (std::vector<int>{255, 0, 128, 1, 2, 4}));

    // A palette with transparency becomes premultiplied RGBA.
    ASSERT_TRUE(load(makePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {255, 0, 0, 0, 0, 255}, {255, 127})));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::RGBA8888);
    EXPECT_TRUE(m_image->hasPremultipliedAlpha());
    EXPECT_EQ(std::vector<int>(m_image->getData(), m_image->getData() + 8),
              (std::vector<int>{255, 0, 0, 255, 0, 0, 127, 127}));
    // A palette without transparency becomes RGB.
    ASSERT_TRUE(load(makePng(1, 1, PNG_COLOR_TYPE_PALETTE, 8, {0}, {1, 2, 3})));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::RGB888);
}

TEST_F(ImageTest, JpegDecodesToRgbOrGreyAndIsNeverPremultiplied) {
    Bytes rgb(16 * 8 * 3);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = 200;
        rgb[i + 1] = 40;
        rgb[i + 2] = 90;
    }
    ASSERT_TRUE(load(makeJpeg(16, 8, 3, rgb)));
    EXPECT_EQ(m_image->getFileType(), Image::Format::JPG);
    EXPECT_EQ(m_image->getWidth(), 16);
    EXPECT_EQ(m_image->getHeight(), 8);
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::RGB888);
    EXPECT_EQ(m_image->getDataLen(), 16 * 8 * 3);
    EXPECT_FALSE(m_image->hasPremultipliedAlpha());
    EXPECT_FALSE(m_image->hasAlpha());
    EXPECT_NEAR(m_image->getData()[0], 200, 4);
    EXPECT_NEAR(m_image->getData()[1], 40, 4);
    EXPECT_NEAR(m_image->getData()[2], 90, 4);

    ASSERT_TRUE(load(makeJpeg(5, 3, 1, Bytes(15, 77))));
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::I8);
    EXPECT_EQ(m_image->getDataLen(), 15);
    EXPECT_NEAR(m_image->getData()[14], 77, 2);
}

TEST_F(ImageTest, TruncatedOrDamagedDataFailsCleanly) {
    Bytes png;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/star.png", &png));
    for (size_t cut : {9u, 20u, 33u, 60u, 200u, 1000u}) {
        ASSERT_LT(cut, png.size());
        EXPECT_FALSE(load(Bytes(png.begin(), png.begin() + static_cast<long>(cut)))) << cut;
        EXPECT_EQ(m_image->getData(), nullptr);
        EXPECT_EQ(m_image->getWidth(), 0);
    }
    Bytes damaged = png;
    for (size_t i = 100; i < 140; ++i) damaged[i] ^= 0xFF;
    EXPECT_FALSE(load(damaged));

    const Bytes jpeg = makeJpeg(32, 32, 3, Bytes(32 * 32 * 3, 128));
    EXPECT_FALSE(load(Bytes(jpeg.begin(), jpeg.begin() + 30)));
    // A JPEG cut inside its scan data decodes as far as it goes (libjpeg
    // pads the rest), but never reads past the buffer.
    load(Bytes(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() * 3 / 4)));

    EXPECT_FALSE(load(withPrefix("plain text, not an image", 24)));
    EXPECT_FALSE(m_image->initWithImageData(nullptr, 100));
    EXPECT_FALSE(m_image->initWithImageData(png.data(), 0));
    EXPECT_FALSE(m_image->initWithImageFile("no-such-image.png"));
}

TEST_F(ImageTest, AbsurdDimensionsAreRefused) {
    EXPECT_FALSE(load(pngHeaderOnly(100000, 100000)));
    EXPECT_FALSE(load(pngHeaderOnly(16385, 1)));
    EXPECT_FALSE(load(pngHeaderOnly(0, 5)));
    // An IHDR that is fine, followed by no image data.
    EXPECT_FALSE(load(pngHeaderOnly(64, 64)));
    Bytes raw(16, 0);
    EXPECT_FALSE(m_image->initWithRawData(raw.data(), 16, 100000, 100000, 8));
    EXPECT_FALSE(m_image->initWithRawData(raw.data(), 16, 4, 4, 8)); // needs 64 bytes
    EXPECT_TRUE(m_image->initWithRawData(raw.data(), 16, 2, 2, 8, true));
    EXPECT_TRUE(m_image->hasPremultipliedAlpha());
    EXPECT_EQ(m_image->getRenderFormat(), Texture2D::PixelFormat::RGBA8888);
}

TEST_F(ImageTest, GzipAndCczWrappedImagesAreUnpackedFirst) {
    Bytes png;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/fire.png", &png));
    ASSERT_TRUE(load(compress(png, true)));
    EXPECT_EQ(m_image->getFileType(), Image::Format::PNG);
    EXPECT_EQ(m_image->getWidth(), 31);
    ASSERT_TRUE(load(cczOf(png)));
    EXPECT_EQ(m_image->getHeight(), 31);
    // zlib without a gzip header is not unwrapped by the image itself.
    EXPECT_FALSE(load(compress(png, false)));
    // Wrapped twice: only the outer layer is removed.
    EXPECT_FALSE(load(compress(compress(png, true), true)));
}

TEST_F(ImageTest, EmbeddedTexturesOfRealPlists) {
    struct Case {
        const char* plist;
        int width, height;
    } cases[] = {{"cocos2d-objc/Galaxy.plist", 32, 32},
                 {"cocos2d-objc/TestPremultipliedAlpha.plist", 22, 21},
                 {"diabloworld/touxi_1.plist", 32, 32},
                 {"diabloworld/fire.plist", 128, 76}};
    for (const Case& c : cases) {
        ASSERT_TRUE(TestFileExists(kPlists + c.plist));
        const cocos2d::ValueMap m = cocos2d::FileUtils::getInstance()->getValueMapFromFile(kPlists + c.plist);
        ASSERT_EQ(m.count("textureImageData"), 1u) << c.plist;
        const std::string text = m.at("textureImageData").asString();
        unsigned char* decoded = nullptr;
        const int decodedLen = cocos2d::base64Decode(reinterpret_cast<const unsigned char*>(text.data()),
                                                     static_cast<unsigned int>(text.size()), &decoded);
        ASSERT_GT(decodedLen, 0) << c.plist;
        // As the particle loader does: inflate (gzip or zlib), then decode.
        unsigned char* inflated = nullptr;
        const ssize_t inflatedLen = cocos2d::ZipUtils::inflateMemory(decoded, decodedLen, &inflated);
        ASSERT_GT(inflatedLen, 0) << c.plist;
        Image* image = new Image();
        EXPECT_TRUE(image->initWithImageData(inflated, inflatedLen)) << c.plist;
        EXPECT_EQ(image->getWidth(), c.width) << c.plist;
        EXPECT_EQ(image->getHeight(), c.height) << c.plist;
        image->release();
        free(inflated);
        free(decoded);
    }
}

TEST_F(ImageTest, SavedPngsReadBackWithTheirColours) {
    TempDir dir;
    const Bytes px = makePng(2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {200, 100, 50, 255, 200, 100, 50, 128});
    ASSERT_TRUE(load(px));
    const std::string path = dir.file("saved.PNG");
    ASSERT_TRUE(m_image->saveToFile(path, false));
    Image::setPNGPremultipliedAlphaEnabled(false);
    Image* back = new Image();
    ASSERT_TRUE(back->initWithImageFile(path));
    EXPECT_EQ(back->getRenderFormat(), Texture2D::PixelFormat::RGBA8888);
    const unsigned char* d = back->getData();
    EXPECT_EQ(std::vector<int>(d, d + 4), (std::vector<int>{200, 100, 50, 255}));
    // Premultiplied and restored: within rounding of the original.
    EXPECT_NEAR(d[4], 200, 2);
    EXPECT_NEAR(d[5], 100, 2);
    EXPECT_NEAR(d[6], 50, 2);
    EXPECT_EQ(d[7], 128);
    back->release();
    ASSERT_TRUE(m_image->saveToFile(dir.file("rgb.png")));
    Image* rgb = new Image();
    ASSERT_TRUE(rgb->initWithImageFile(dir.file("rgb.png")));
    EXPECT_EQ(rgb->getRenderFormat(), Texture2D::PixelFormat::RGB888);
    rgb->release();
    EXPECT_FALSE(m_image->saveToFile(dir.file("x.jpg")));
    EXPECT_FALSE(m_image->saveToFile(dir.path() + "/no/dir/x.png"));

    // A link planted where a foreseeable temporary would go is left alone.
    dir.write("victim.txt", "precious");
    ASSERT_EQ(
        symlink(dir.file("victim.txt").c_str(), (dir.file("rgb.png") + ".tmp-" + std::to_string(getpid())).c_str()), 0);
    ASSERT_TRUE(m_image->saveToFile(dir.file("rgb.png")));
    EXPECT_EQ(dir.read("victim.txt"), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("rgb.png")));
}
