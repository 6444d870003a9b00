// The texture of every test-data plist is the same picture after a save and a reopen, read back from GL.
#include "ParticleTestSupport.h"
#include "TempDir.h"
#include "support/OffscreenGLView.h"

#include "particle/ParticleSystem2DEditor.h"

#include "renderer/CCTexture2D.h"

#include <GL/glew.h>

#include <vector>

namespace {

// The texture's pixels as RGBA bytes, read back from the GL texture object.
std::vector<unsigned char> pixelsOf(cocos2d::Texture2D* texture) {
    std::vector<unsigned char> pixels(static_cast<size_t>(texture->getPixelsWide()) * texture->getPixelsHigh() * 4);
    const GLuint name = texture->getName();
    if (!name || pixels.empty()) return {};
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return pixels;
}

class GuiTexturePixels : public ParticleObjectTest {
protected:
    void SetUp() override {
        ParticleObjectTest::SetUp();
        m_view = OffscreenGLView::create(16, 16);
        ASSERT_NE(m_view, nullptr) << OffscreenGLView::lastError();
        m_view->retain();
    }
    void TearDown() override {
        ParticleObjectTest::TearDown();
        if (m_view) m_view->release();
    }
    OffscreenGLView* m_view = nullptr;
    TempDir m_dir;
};

}

TEST_F(GuiTexturePixels, EveryReopenedPlistShowsTheSamePictureAsTheOpenedOne) {
    std::vector<std::string> skipped;
    const std::vector<RoundTrip> trips = RoundTripTestData(m_dir.path(), skipped);
    ASSERT_GE(trips.size(), 40u);
    int textured = 0;
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.name);
        ASSERT_NE(trip.reopened, nullptr);
        cocos2d::Texture2D* a = trip.opened->getTexture();
        cocos2d::Texture2D* b = trip.reopened->getTexture();
        ASSERT_EQ(a == nullptr, b == nullptr);
        if (!a) continue;
        // Decoded twice (the cache was emptied in between), so not one object.
        EXPECT_NE(a, b);
        ASSERT_EQ(a->getPixelsWide(), b->getPixelsWide());
        ASSERT_EQ(a->getPixelsHigh(), b->getPixelsHigh());
        const std::vector<unsigned char> pa = pixelsOf(a);
        ASSERT_FALSE(pa.empty());
        EXPECT_TRUE(pa == pixelsOf(b)) << "the picture differs";
        ++textured;
    }
    // Most files carry a texture this engine decodes (beside them or embedded).
    EXPECT_GE(textured, 15);
}
