// Offscreen engine GL view for tests: GLX pbuffer context plus a framebuffer object.
#include "OffscreenGLView.h"

#include <GL/glew.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "renderer/ccGLStateCache.h"

struct OffscreenGLView::Native {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

namespace {
std::string& errorText() {
    static std::string text;
    return text;
}
}  // namespace

const std::string& OffscreenGLView::lastError() {
    return errorText();
}

OffscreenGLView* OffscreenGLView::create(int width, int height) {
    auto* view = new (std::nothrow) OffscreenGLView();
    if (view && view->init(width, height)) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

OffscreenGLView::OffscreenGLView() {
    _viewName = "offscreen";
}

bool OffscreenGLView::init(int width, int height) {
    if (width <= 0 || height <= 0) {
        errorText() = "invalid frame size";
        return false;
    }
    m_native = new Native;
    m_native->display = XOpenDisplay(nullptr);
    if (!m_native->display) {
        errorText() = "no X display (run under Xvfb)";
        return false;
    }
    const GLContextAttrs attrs = GLView::getGLContextAttrs();
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, attrs.redBits, GLX_GREEN_SIZE, attrs.greenBits,
                              GLX_BLUE_SIZE, attrs.blueBits, GLX_ALPHA_SIZE, attrs.alphaBits,
                              GLX_DEPTH_SIZE, attrs.depthBits, GLX_STENCIL_SIZE, attrs.stencilBits, None};
    int count = 0;
    GLXFBConfig* configs =
        glXChooseFBConfig(m_native->display, DefaultScreen(m_native->display), attributes, &count);
    if (!configs || count == 0) {
        if (configs) XFree(configs);
        errorText() = "no GLX pbuffer framebuffer configuration";
        return false;
    }
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
    m_native->pbuffer = glXCreatePbuffer(m_native->display, configs[0], pbufferAttributes);
    m_native->context = glXCreateNewContext(m_native->display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    if (!m_native->pbuffer || !m_native->context) {
        errorText() = "cannot create the GLX pbuffer or context";
        return false;
    }
    if (!glXMakeContextCurrent(m_native->display, m_native->pbuffer, m_native->pbuffer, m_native->context)) {
        errorText() = "cannot make the GLX context current";
        return false;
    }
    glewExperimental = GL_TRUE;
    GLenum err = glewInit();
    // GLEW without a window reports GLX-only failures; the GL entry points are what matter.
    if (err != GLEW_OK && glGenFramebuffers == nullptr) {
        errorText() = std::string("glewInit: ") + reinterpret_cast<const char*>(glewGetErrorString(err));
        return false;
    }
    glGetError();
    // Another view's context may have left stale entries in the engine's GL cache.
    cocos2d::GL::invalidateStateCache();
    if (!makeFramebuffer(width, height)) {
        errorText() = "cannot create the framebuffer object";
        return false;
    }
    GLView::setFrameSize(static_cast<float>(width), static_cast<float>(height));
    return true;
}

OffscreenGLView::~OffscreenGLView() {
    if (m_native) {
        if (m_native->display && m_native->context) {
            glXMakeContextCurrent(m_native->display, m_native->pbuffer, m_native->pbuffer, m_native->context);
            destroyFramebuffer();
            glXMakeContextCurrent(m_native->display, None, None, nullptr);
            glXDestroyContext(m_native->display, m_native->context);
        }
        if (m_native->display && m_native->pbuffer) glXDestroyPbuffer(m_native->display, m_native->pbuffer);
        if (m_native->display) {
            XSync(m_native->display, False);
            XCloseDisplay(m_native->display);
        }
        delete m_native;
    }
    cocos2d::GL::invalidateStateCache();
}

bool OffscreenGLView::makeFramebuffer(int width, int height) {
    destroyFramebuffer();
    glGenFramebuffers(1, &m_fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    glGenRenderbuffers(1, &m_colorBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_colorBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colorBuffer);
    glGenRenderbuffers(1, &m_depthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_depthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depthBuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_depthBuffer);
    bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    m_frameWidth = width;
    m_frameHeight = height;
    m_pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    glViewport(0, 0, width, height);
    return complete;
}

void OffscreenGLView::destroyFramebuffer() {
    if (m_fbo) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &m_fbo);
        glDeleteRenderbuffers(1, &m_colorBuffer);
        glDeleteRenderbuffers(1, &m_depthBuffer);
        m_fbo = m_colorBuffer = m_depthBuffer = 0;
    }
}

void OffscreenGLView::end() {
    ++m_endCount;
    m_ended = true;
    release();
}

bool OffscreenGLView::isOpenGLReady() {
    return m_native && m_native->context && !m_ended;
}

void OffscreenGLView::capture() {
    if (!m_fbo) return;
    glFinish();
    glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_frameWidth, m_frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
}

void OffscreenGLView::swapBuffers() {
    capture();
    ++m_swapCount;
}

void OffscreenGLView::setFrameSize(float width, float height) {
    GLView::setFrameSize(width, height);
    int w = static_cast<int>(width), h = static_cast<int>(height);
    if (w > 0 && h > 0 && (w != m_frameWidth || h != m_frameHeight) && m_native && m_native->context) {
        makeFramebuffer(w, h);
    }
}

cocos2d::Color4B OffscreenGLView::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_frameWidth || y >= m_frameHeight) return cocos2d::Color4B(0, 0, 0, 0);
    const unsigned char* p = &m_pixels[(static_cast<size_t>(y) * m_frameWidth + x) * 4];
    return cocos2d::Color4B(p[0], p[1], p[2], p[3]);
}

bool OffscreenGLView::savePpm(const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", m_frameWidth, m_frameHeight);
    for (int y = m_frameHeight - 1; y >= 0; --y) {
        for (int x = 0; x < m_frameWidth; ++x) {
            const unsigned char* p = &m_pixels[(static_cast<size_t>(y) * m_frameWidth + x) * 4];
            std::fwrite(p, 1, 3, f);
        }
    }
    return std::fclose(f) == 0;
}
