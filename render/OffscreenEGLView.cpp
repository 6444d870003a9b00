// EGL surfaceless context, GL entry points and the framebuffer the frames are drawn into and read back from.
#include "OffscreenEGLView.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstring>

#include "platform/CCGL.h"
#include "renderer/ccGLStateCache.h"

struct OffscreenEGLView::Native {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
};

namespace {

std::string& errorText() {
    static std::string text;
    return text;
}

} // namespace

const std::string& OffscreenEGLView::lastError() {
    return errorText();
}

OffscreenEGLView* OffscreenEGLView::create(int width, int height) {
    auto* view = new (std::nothrow) OffscreenEGLView();
    if (view && view->init(width, height)) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

bool OffscreenEGLView::init(int width, int height) {
    _viewName = "particle-render";
    m_native = new Native;
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) {
        errorText() = "EGL has no platform displays (eglGetPlatformDisplayEXT)";
        return false;
    }
    m_native->display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (m_native->display == EGL_NO_DISPLAY || !eglInitialize(m_native->display, &major, &minor)) {
        errorText() = "no EGL surfaceless display (install libegl-mesa0)";
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        errorText() = "EGL offers no desktop OpenGL";
        return false;
    }
    const EGLint attributes[] = {EGL_SURFACE_TYPE,
                                 EGL_PBUFFER_BIT,
                                 EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT,
                                 EGL_RED_SIZE,
                                 8,
                                 EGL_GREEN_SIZE,
                                 8,
                                 EGL_BLUE_SIZE,
                                 8,
                                 EGL_ALPHA_SIZE,
                                 8,
                                 EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(m_native->display, attributes, &config, 1, &count) || count < 1) {
        errorText() = "no EGL configuration for OpenGL with RGBA";
        return false;
    }
    m_native->context = eglCreateContext(m_native->display, config, EGL_NO_CONTEXT, nullptr);
    if (m_native->context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(m_native->display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_native->context)) {
        errorText() = "cannot create or make current an EGL OpenGL context";
        return false;
    }
    // GLEW's GLX half fails without an X display; the GL entry points are what matter.
    glewExperimental = GL_TRUE;
    glewInit();
    glGetError();
    if (glGenFramebuffers == nullptr) {
        errorText() = "the OpenGL context lacks framebuffer objects";
        return false;
    }
    cocos2d::GL::invalidateStateCache();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    if (largest > 0 && (width > largest || height > largest)) {
        errorText() = "the frame size " + std::to_string(width) + "x" + std::to_string(height) +
                      " is over this OpenGL's limit of " + std::to_string(largest) + " pixels a side";
        return false;
    }

    glGenFramebuffers(1, &m_fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    glGenRenderbuffers(1, &m_colorBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_colorBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colorBuffer);
    glGenRenderbuffers(1, &m_depthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_depthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_depthBuffer);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        errorText() = "the framebuffer object is incomplete";
        return false;
    }
    m_width = width;
    m_height = height;
    glViewport(0, 0, width, height);
    GLView::setFrameSize(static_cast<float>(width), static_cast<float>(height));
    return true;
}

OffscreenEGLView::~OffscreenEGLView() {
    if (!m_native) return;
    if (m_native->context != EGL_NO_CONTEXT) {
        eglMakeCurrent(m_native->display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_native->context);
        if (m_fbo) {
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            glDeleteFramebuffers(1, &m_fbo);
            glDeleteRenderbuffers(1, &m_colorBuffer);
            glDeleteRenderbuffers(1, &m_depthBuffer);
        }
        eglMakeCurrent(m_native->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(m_native->display, m_native->context);
    }
    if (m_native->display != EGL_NO_DISPLAY) eglTerminate(m_native->display);
    delete m_native;
    cocos2d::GL::invalidateStateCache();
}

void OffscreenEGLView::end() {
    m_ended = true;
    release();
}

bool OffscreenEGLView::isOpenGLReady() {
    return m_native && m_native->context != EGL_NO_CONTEXT && !m_ended;
}

void OffscreenEGLView::readPixels(std::vector<unsigned char>* rgba) const {
    const size_t row = static_cast<size_t>(m_width) * 4;
    std::vector<unsigned char> bottomUp(row * static_cast<size_t>(m_height));
    glFinish();
    glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    rgba->resize(bottomUp.size());
    for (int y = 0; y < m_height; ++y)
        std::memcpy(rgba->data() + static_cast<size_t>(y) * row,
                    bottomUp.data() + static_cast<size_t>(m_height - 1 - y) * row, row);
}
