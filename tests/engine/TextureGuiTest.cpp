// Texture2D on a real GL context under X: deferred and direct uploads, texel read-back, drawn pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CCImage.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"
#include "TestData.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

using cocos2d::Image;
using cocos2d::Texture2D;

namespace {

const int kSize = 64;

// A GLX context on a mapped 64 x 64 window, with GLEW initialised.
class GuiTexture2D : public testing::Test {
protected:
    void SetUp() override {
        m_display = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr) << "no X display: run under Xvfb";
        const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                                  GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR, GLX_DOUBLEBUFFER, True,
                                  GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
        int count = 0;
        GLXFBConfig* configs = glXChooseFBConfig(m_display, DefaultScreen(m_display), attributes, &count);
        ASSERT_TRUE(configs != nullptr && count > 0) << "no GLX framebuffer configuration";
        XVisualInfo* visual = glXGetVisualFromFBConfig(m_display, configs[0]);
        ASSERT_NE(visual, nullptr);
        const Window root = RootWindow(m_display, visual->screen);
        XSetWindowAttributes wa = {};
        m_colormap = XCreateColormap(m_display, root, visual->visual, AllocNone);
        wa.colormap = m_colormap;
        wa.border_pixel = 0;
        m_window = XCreateWindow(m_display, root, 0, 0, kSize, kSize, 0, visual->depth, InputOutput,
                                 visual->visual, CWColormap | CWBorderPixel, &wa);
        XMapWindow(m_display, m_window);
        XSync(m_display, False);
        m_context = glXCreateNewContext(m_display, configs[0], GLX_RGBA_TYPE, nullptr, True);
        XFree(visual);
        XFree(configs);
        ASSERT_NE(m_context, nullptr) << "glXCreateNewContext failed";
    }
    void TearDown() override {
        if (m_display) {
            glXMakeCurrent(m_display, None, nullptr);
            if (m_context) glXDestroyContext(m_display, m_context);
            if (m_window) XDestroyWindow(m_display, m_window);
            if (m_colormap) XFreeColormap(m_display, m_colormap);
            XCloseDisplay(m_display);
        }
    }
    void makeCurrent() {
        ASSERT_TRUE(glXMakeCurrent(m_display, m_window, m_context));
        glewExperimental = GL_TRUE;
        ASSERT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));
        ASSERT_TRUE(Texture2D::isGLReady());
    }

    // The texture's texels as GL holds them.
    static std::vector<unsigned char> readBack(Texture2D* texture) {
        std::vector<unsigned char> texels(static_cast<size_t>(texture->getPixelsWide()) * texture->getPixelsHigh() * 4);
        glBindTexture(GL_TEXTURE_2D, texture->getName());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }

    Display* m_display = nullptr;
    Colormap m_colormap = 0;
    Window m_window = 0;
    GLXContext m_context = nullptr;
};

}  // namespace

TEST_F(GuiTexture2D, ATextureMadeBeforeTheContextUploadsWhenOneIsCurrent) {
    Image* image = new Image();
    ASSERT_TRUE(TestFileExists(TestPlistsDir() + "bulletwar/star.png"));
    ASSERT_TRUE(image->initWithImageFile(TestPlistsDir() + "bulletwar/star.png"));
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithImage(image));
    EXPECT_EQ(texture->getName(), 0u);

    makeCurrent();
    const GLuint name = texture->getName();
    ASSERT_NE(name, 0u);
    EXPECT_TRUE(glIsTexture(name));
    EXPECT_EQ(texture->getName(), name);
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 48);
    EXPECT_EQ(height, 48);
    // The texels are the decoded (premultiplied) pixels, unchanged.
    const std::vector<unsigned char> texels = readBack(texture);
    EXPECT_EQ(texels, std::vector<unsigned char>(image->getData(), image->getData() + image->getDataLen()));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    texture->releaseGLTexture();
    EXPECT_FALSE(glIsTexture(name));
    texture->release();
    image->release();
}

TEST_F(GuiTexture2D, UploadedPixelsAreDrawn) {
    makeCurrent();
    // 2 x 2 texels: red, green / blue, white (first row is the bottom in GL).
    const unsigned char pixels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    Image* image = new Image();
    ASSERT_TRUE(image->initWithRawData(pixels, 16, 2, 2, 8));
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithImage(image));
    ASSERT_NE(texture->getName(), 0u);
    texture->setAliasTexParameters();
    GLint magFilter = 0;
    glBindTexture(GL_TEXTURE_2D, texture->getName());
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(magFilter, GL_NEAREST);

    glViewport(0, 0, kSize, kSize);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture->getName());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(-1, -1);
    glTexCoord2f(1, 0); glVertex2f(1, -1);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(-1, 1);
    glEnd();
    glFinish();
    glReadBuffer(GL_BACK);

    std::vector<unsigned char> frame(kSize * kSize * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    auto at = [&](int x, int y) {
        const unsigned char* p = &frame[(static_cast<size_t>(y) * kSize + x) * 4];
        return std::vector<int>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(at(16, 16), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(at(48, 16), (std::vector<int>{0, 255, 0}));
    EXPECT_EQ(at(16, 48), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(at(48, 48), (std::vector<int>{255, 255, 255}));

    texture->generateMipmap();
    EXPECT_TRUE(texture->hasMipmaps());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    texture->release();
    image->release();
}

TEST_F(GuiTexture2D, TheCacheHandsOutUploadedTextures) {
    makeCurrent();
    cocos2d::TextureCache* cache = new cocos2d::TextureCache();
    ASSERT_TRUE(TestFileExists(TestPlistsDir() + "cocos2d-objc/fire.png"));
    Texture2D* texture = cache->addImage(TestPlistsDir() + "cocos2d-objc/fire.png");
    ASSERT_NE(texture, nullptr);
    EXPECT_NE(texture->getName(), 0u);
    EXPECT_EQ(texture->getPixelsWide(), 128);
    const std::vector<unsigned char> texels = readBack(texture);
    EXPECT_EQ(texels.size(), 128u * 128u * 4u);
    cache->release();
}
