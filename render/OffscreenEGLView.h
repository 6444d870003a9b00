// An engine GL view with no window and no X server: Mesa's EGL surfaceless context drawing into a framebuffer object.
#pragma once

#include <string>
#include <vector>

#include "platform/CCGLView.h"

// Use:
//   auto* view = OffscreenEGLView::create(256, 256);   // null (see lastError()) without EGL
//   Director::getInstance()->setOpenGLView(view);
//   ... Director::getInstance()->mainLoop();            // draws one frame into the framebuffer
//   view->readPixels(&rgba);                            // that frame, top row first
// The context stays current on the calling thread until the view is destroyed.
class OffscreenEGLView : public cocos2d::GLView {
public:
    static OffscreenEGLView* create(int width, int height);
    static const std::string& lastError();

    void end() override;
    bool isOpenGLReady() override;
    void swapBuffers() override {}
    void setIMEKeyboardState(bool open) override {}
    bool windowShouldClose() override { return m_ended; }
    void pollEvents() override {}

    // The framebuffer as straight RGBA bytes, top row first (as image files count).
    void readPixels(std::vector<unsigned char>* rgba) const;
    int width() const { return m_width; }
    int height() const { return m_height; }

protected:
    OffscreenEGLView() = default;
    ~OffscreenEGLView() override;
    bool init(int width, int height);

private:
    struct Native;
    Native* m_native = nullptr;
    unsigned int m_fbo = 0;
    unsigned int m_colorBuffer = 0;
    unsigned int m_depthBuffer = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_ended = false;
};
