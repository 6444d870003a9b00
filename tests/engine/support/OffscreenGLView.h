// An engine GL view for tests: a real GLX context (on a small pbuffer of the X display,
// e.g. Xvfb) that renders into an offscreen framebuffer object of the frame size.
//
// Use:
//   auto* view = OffscreenGLView::create(1280, 1000);   // null (see lastError()) without X/GLX
//   view->retain();                                      // keep it past the director's purge
//   Director::getInstance()->setOpenGLView(view);
//   view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
//   ... Director::getInstance()->mainLoop(1.0f / 60);    // one frame
//   view->pixel(x, y)                                    // colour of the last swapped frame
//   Director::getInstance()->end(); Director::getInstance()->mainLoop();  // purge: calls end()
//   view->release();
//
// Each swapBuffers() reads the whole frame back (glReadPixels) before "swapping", so the
// pixels stay available after the frame. The context stays current on the calling thread
// from create() until the view is destroyed. end() follows the engine's convention: it marks
// the view closed and releases one reference.
#pragma once

#include <string>
#include <vector>

#include "base/ccTypes.h"
#include "platform/CCGLView.h"

class OffscreenGLView : public cocos2d::GLView {
public:
    // Autoreleased view with a frame of width x height pixels; null on failure.
    static OffscreenGLView* create(int width, int height);
    // Why the last create() failed.
    static const std::string& lastError();

    // ---- GLView ----
    void end() override;
    bool isOpenGLReady() override;
    void swapBuffers() override;
    void setIMEKeyboardState(bool open) override {}
    bool windowShouldClose() override { return m_ended; }
    void pollEvents() override { ++m_pollCount; }
    void setFrameSize(float width, float height) override;

    // ---- test access ----
    // Colour of frame pixel (x, y) of the last swapped frame, origin at the bottom left
    // (GL's convention); transparent black outside the frame.
    cocos2d::Color4B pixel(int x, int y) const;
    // Same with the origin at the top left, as screenshots count.
    cocos2d::Color4B pixelFromTop(int x, int y) const { return pixel(x, m_frameHeight - 1 - y); }
    int frameWidth() const { return m_frameWidth; }
    int frameHeight() const { return m_frameHeight; }
    int swapCount() const { return m_swapCount; }
    int pollCount() const { return m_pollCount; }
    int endCount() const { return m_endCount; }
    // Reads the current framebuffer now (without swapping).
    void capture();
    // Writes the last frame as a binary PPM (for looking at a failure).
    bool savePpm(const std::string& path) const;

protected:
    OffscreenGLView();
    ~OffscreenGLView() override;
    bool init(int width, int height);
    bool makeFramebuffer(int width, int height);
    void destroyFramebuffer();

private:
    struct Native;
    Native* m_native = nullptr;
    unsigned int m_fbo = 0;
    unsigned int m_colorBuffer = 0;
    unsigned int m_depthBuffer = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    std::vector<unsigned char> m_pixels;  // RGBA rows, bottom row first
    int m_swapCount = 0;
    int m_pollCount = 0;
    int m_endCount = 0;
    bool m_ended = false;
};
