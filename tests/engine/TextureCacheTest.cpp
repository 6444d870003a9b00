// Texture2D and TextureCache without a display: sizes, formats, caching by full path, failures.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ImageTestSupport.h"
#include "TempDir.h"
#include "TestData.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

using cocos2d::FileUtils;
using cocos2d::Image;
using cocos2d::Texture2D;
using cocos2d::TextureCache;
using namespace imagetest;

namespace {

const std::string kPlists = TestPlistsDir();

class TextureCacheTest : public testing::Test {
protected:
    void SetUp() override {
        FileUtils::destroyInstance();
        FileUtils::getInstance()->setPopupNotify(false);
        m_cache = new TextureCache();
    }
    void TearDown() override {
        m_cache->release();
        FileUtils::destroyInstance();
    }
    TextureCache* m_cache = nullptr;
};

}  // namespace

TEST(Texture2D, WithoutAContextTheUploadWaitsAndNothingCrashes) {
    ASSERT_FALSE(Texture2D::isGLReady());
    ASSERT_TRUE(TestFileExists(kPlists + "cocos2d-html5/qipao01.png"));
    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageFile(kPlists + "cocos2d-html5/qipao01.png"));
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithImage(image));
    EXPECT_EQ(texture->getName(), 0u);
    EXPECT_EQ(texture->getPixelsWide(), 21);
    EXPECT_EQ(texture->getPixelsHigh(), 22);
    EXPECT_FLOAT_EQ(texture->getContentSize().width, 21.0f);
    EXPECT_FLOAT_EQ(texture->getContentSizeInPixels().height, 22.0f);
    EXPECT_FLOAT_EQ(texture->getMaxS(), 1.0f);
    EXPECT_FLOAT_EQ(texture->getMaxT(), 1.0f);
    EXPECT_TRUE(texture->hasPremultipliedAlpha());
    EXPECT_EQ(texture->getPixelFormat(), Texture2D::PixelFormat::RGBA8888);
    EXPECT_EQ(texture->getPath(), kPlists + "cocos2d-html5/qipao01.png");
    texture->setAliasTexParameters();
    texture->setAntiAliasTexParameters();
    texture->generateMipmap();
    EXPECT_TRUE(texture->hasMipmaps());
    EXPECT_NE(texture->getDescription().find("21 x 22"), std::string::npos);
    texture->release();
    image->release();
}

TEST(Texture2D, RgbImagesBecomeTheDefaultAlphaFormat) {
    Image* image = new Image();
    const Bytes jpeg = makeJpeg(8, 4, 3, Bytes(8 * 4 * 3, 60));
    ASSERT_TRUE(image->initWithImageData(jpeg.data(), static_cast<ssize_t>(jpeg.size())));
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithImage(image));
    EXPECT_EQ(texture->getPixelFormat(), Texture2D::PixelFormat::RGBA8888);
    EXPECT_FALSE(texture->hasPremultipliedAlpha());
    EXPECT_EQ(texture->getBitsPerPixelForFormat(), 32u);
    // AUTO keeps the image's own format.
    ASSERT_TRUE(texture->initWithImage(image, Texture2D::PixelFormat::AUTO));
    EXPECT_EQ(texture->getPixelFormat(), Texture2D::PixelFormat::RGB888);
    ASSERT_TRUE(texture->initWithImage(image, Texture2D::PixelFormat::RGB565));
    EXPECT_EQ(texture->getPixelFormat(), Texture2D::PixelFormat::RGB565);
    EXPECT_STREQ(texture->getStringForFormat(), "RGB565");
    texture->release();
    image->release();
}

TEST(Texture2D, BadInputsAreRefused) {
    Texture2D* texture = new Texture2D();
    EXPECT_FALSE(texture->initWithImage(nullptr));
    Image* empty = new Image();
    EXPECT_FALSE(texture->initWithImage(empty));
    empty->release();
    unsigned char pixels[16] = {0};
    EXPECT_FALSE(texture->initWithData(pixels, 16, Texture2D::PixelFormat::RGBA8888, 4, 4, cocos2d::Size(4, 4)));
    EXPECT_FALSE(texture->initWithData(pixels, 16, Texture2D::PixelFormat::PVRTC4, 2, 2, cocos2d::Size(2, 2)));
    EXPECT_FALSE(texture->initWithData(nullptr, 16, Texture2D::PixelFormat::RGBA8888, 2, 2, cocos2d::Size(2, 2)));
    EXPECT_FALSE(texture->initWithData(pixels, 16, Texture2D::PixelFormat::RGBA8888, 0, 2, cocos2d::Size(0, 2)));
    EXPECT_TRUE(texture->initWithData(pixels, 16, Texture2D::PixelFormat::RGBA8888, 2, 2, cocos2d::Size(2, 2)));
    texture->release();
}

TEST_F(TextureCacheTest, CachesByFullPathThroughTheSearchPaths) {
    ASSERT_TRUE(TestFileExists(kPlists + "bulletwar/star.png"));
    ASSERT_TRUE(TestFileExists(kPlists + "bulletwar/fire.png"));
    FileUtils::getInstance()->addSearchPath(kPlists + "bulletwar");
    Texture2D* byName = m_cache->addImage("star.png");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->getPixelsWide(), 48);
    const std::string full = kPlists + "bulletwar/star.png";
    EXPECT_EQ(byName->getPath(), full);
    EXPECT_EQ(m_cache->addImage(full), byName);
    EXPECT_EQ(m_cache->getTextureForKey(full), byName);
    EXPECT_EQ(m_cache->getTextureForKey("star.png"), byName);
    EXPECT_EQ(byName->getReferenceCount(), 1u);
    EXPECT_NE(m_cache->addImage("fire.png"), byName);
    EXPECT_NE(m_cache->getCachedTextureInfo().find("48 x 48"), std::string::npos);
}

TEST_F(TextureCacheTest, MissingOrUndecodableFilesGiveNull) {
    TempDir dir;
    dir.write("text.png", "this is not a png");
    Bytes png;
    ASSERT_TRUE(ReadTestFile(kPlists + "bulletwar/star.png", &png));
    ASSERT_GT(png.size(), 100u);
    writeFileBytes(dir.file("cut.png"), Bytes(png.begin(), png.begin() + 100));
    EXPECT_EQ(m_cache->addImage("nowhere.png"), nullptr);
    EXPECT_EQ(m_cache->addImage(""), nullptr);
    EXPECT_EQ(m_cache->addImage(dir.file("text.png")), nullptr);
    EXPECT_EQ(m_cache->addImage(dir.file("cut.png")), nullptr);
    EXPECT_EQ(m_cache->getTextureForKey(dir.file("text.png")), nullptr);
    EXPECT_EQ(m_cache->addImage(static_cast<Image*>(nullptr), "k"), nullptr);
}

TEST_F(TextureCacheTest, RemovalAndUnusedTextures) {
    const std::string a = kPlists + "bulletwar/star.png";
    const std::string b = kPlists + "bulletwar/fire.png";
    ASSERT_TRUE(TestFileExists(a));
    ASSERT_TRUE(TestFileExists(b));
    Texture2D* ta = m_cache->addImage(a);
    Texture2D* tb = m_cache->addImage(b);
    ASSERT_TRUE(ta && tb);
    ta->retain();  // someone else uses this one
    m_cache->removeUnusedTextures();
    EXPECT_EQ(m_cache->getTextureForKey(a), ta);
    EXPECT_EQ(m_cache->getTextureForKey(b), nullptr);
    EXPECT_EQ(ta->getReferenceCount(), 2u);
    m_cache->removeTexture(ta);
    EXPECT_EQ(m_cache->getTextureForKey(a), nullptr);
    EXPECT_EQ(ta->getReferenceCount(), 1u);
    ta->release();

    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageFile(a));
    Texture2D* keyed = m_cache->addImage(image, "my-key");
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(m_cache->addImage(image, "my-key"), keyed);
    EXPECT_EQ(m_cache->getTextureForKey("my-key"), keyed);
    m_cache->removeTextureForKey("my-key");
    EXPECT_EQ(m_cache->getTextureForKey("my-key"), nullptr);
    image->release();

    ASSERT_NE(m_cache->addImage(a), nullptr);
    m_cache->removeAllTextures();
    EXPECT_EQ(m_cache->getTextureForKey(a), nullptr);
}
