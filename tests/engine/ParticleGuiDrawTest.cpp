// Drawn particles on a real GL context under X: a Sun effect lights its surroundings and nothing far away.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "2d/CCParticleExamples.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "platform/CCGLView.h"

#include <GL/glew.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

using namespace cocos2d;

namespace {

const int kSize = 256;

// An engine view over a GLX window; frames stay in the back buffer (no swap)
// so that the test reads exactly what the renderer drew.
class WindowView : public GLView {
public:
    void end() override { release(); }
    bool isOpenGLReady() override { return true; }
    void swapBuffers() override { glFinish(); }
    void setIMEKeyboardState(bool) override {}
};

class GuiParticleDraw : public testing::Test {
protected:
    void SetUp() override {
        m_display = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr) << "no X display: run under Xvfb";
        const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                                  GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR, GLX_DOUBLEBUFFER, True,
                                  GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                                  GLX_DEPTH_SIZE, 16, None};
        int count = 0;
        GLXFBConfig* configs = glXChooseFBConfig(m_display, DefaultScreen(m_display), attributes, &count);
        ASSERT_TRUE(configs != nullptr && count > 0) << "no GLX framebuffer configuration";
        XVisualInfo* visual = glXGetVisualFromFBConfig(m_display, configs[0]);
        ASSERT_NE(visual, nullptr);
        const Window root = RootWindow(m_display, visual->screen);
        XSetWindowAttributes wa = {};
        m_colormap = XCreateColormap(m_display, root, visual->visual, AllocNone);
        wa.colormap = m_colormap;
        m_window = XCreateWindow(m_display, root, 0, 0, kSize, kSize, 0, visual->depth, InputOutput,
                                 visual->visual, CWColormap, &wa);
        XMapWindow(m_display, m_window);
        XSync(m_display, False);
        m_context = glXCreateNewContext(m_display, configs[0], GLX_RGBA_TYPE, nullptr, True);
        XFree(visual);
        XFree(configs);
        ASSERT_NE(m_context, nullptr) << "glXCreateNewContext failed";
        ASSERT_TRUE(glXMakeCurrent(m_display, m_window, m_context));
        glewExperimental = GL_TRUE;
        ASSERT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));

        auto* view = new WindowView();
        view->setFrameSize(kSize, kSize);
        view->setDesignResolutionSize(kSize, kSize, ResolutionPolicy::EXACT_FIT);
        Director::getInstance()->setOpenGLView(view);
        view->release();
    }

    void TearDown() override {
        if (m_display) {
            glXMakeCurrent(m_display, None, nullptr);
            if (m_context)
                glXDestroyContext(m_display, m_context);
            if (m_window)
                XDestroyWindow(m_display, m_window);
            if (m_colormap)
                XFreeColormap(m_display, m_colormap);
            XCloseDisplay(m_display);
        }
    }

    // RGB of the back buffer, bottom row first (GL order).
    std::vector<unsigned char> readPixels() {
        std::vector<unsigned char> px(kSize * kSize * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, px.data());
        return px;
    }

    Display* m_display = nullptr;
    Window m_window = 0;
    Colormap m_colormap = 0;
    GLXContext m_context = nullptr;
};

}  // namespace

TEST_F(GuiParticleDraw, SunLightsPixelsAroundItsPositionAndNoneOutsideItsReach) {
    Director* director = Director::getInstance();
    Scene* scene = Scene::create();
    ParticleSun* sun = ParticleSun::create();
    ASSERT_NE(sun, nullptr);
    // The effect places itself at the centre of the window.
    EXPECT_FLOAT_EQ(sun->getPosition().x, kSize / 2.0f);
    scene->addChild(sun);
    director->runWithScene(scene);
    for (int i = 0; i < 60; ++i)
        director->mainLoop(1.0f / 60.0f);
    ASSERT_GT(sun->getParticleCount(), 200);

    std::vector<unsigned char> px = readPixels();
    auto at = [&](int x, int y) { return &px[(y * kSize + x) * 3]; };
    // Reach: speed ≤ 25 pt/s for a life ≤ 1.5 s, plus half the largest size
    // (20 pt): nothing lies more than ~58 pt from the centre.
    int litNear = 0, litFar = 0, redderThanGreen = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float d = std::hypot(x + 0.5f - kSize / 2.0f, y + 0.5f - kSize / 2.0f);
            const unsigned char* p = at(x, y);
            const bool lit = p[0] + p[1] + p[2] > 30;
            if (d < 20 && lit)
                ++litNear;
            if (d > 70 && p[0] + p[1] + p[2] > 0)
                ++litFar;
            if (d > 25 && d < 60 && p[0] > p[1] && p[1] >= p[2])
                ++redderThanGreen;
        }
    }
    // The disc of radius 20 around the centre holds about 1250 pixels.
    EXPECT_GT(litNear, 1000);
    EXPECT_EQ(litFar, 0);
    // Additive orange-red particles: red dominates where they thin out.
    EXPECT_GT(redderThanGreen, 500);
    const unsigned char* centre = at(kSize / 2, kSize / 2);
    EXPECT_GT(centre[0], 150);
}
