// wxGLViewImpl: creation, GL start-up checks, frame size, viewport and teardown of the engine view.
#include "view/wxCCGLViewImpl.h"

#include <wx/menu.h>

#include "base/CCConsole.h"
#include "base/CCDirector.h"
#include "base/ccUtils.h"
#include "platform/CCCommon.h"
#include "2d/CCCamera.h"

#include "view/FramebufferEntryPoints.h"
#include "view/GLLayer.h"
#include "view/GLViewMath.h"

#include <gtk/gtk.h>
#include <GL/glew.h>
#include <GL/glx.h>
#include <gdk/gdkx.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

USING_NS_CC;

namespace {

std::string g_lastCreateError;

// The view reports its own failures; the layer's texts are kept only to
// explain a GL window that could not be made.
void KeepLayerError(int, const char* text) {
    g_lastCreateError = text ? text : "";
}

// Imposes the chosen visual on the child's widget as soon as the toolkit
// puts it into its parent, before it can be realized with the default one.
struct VisualHook {
    GtkWidget* parentClientArea = nullptr;
    GdkVisual* visual = nullptr;
    gulong id = 0;
    guint signal = 0;
    bool seen = false;
};

gboolean OnParentSet(GSignalInvocationHint*, guint, const GValue* params, gpointer data) {
    auto* hook = static_cast<VisualHook*>(data);
    GtkWidget* widget = GTK_WIDGET(g_value_get_object(&params[0]));
    if (gtk_widget_get_parent(widget) != hook->parentClientArea) return TRUE;
    gtk_widget_set_visual(widget, hook->visual);
    hook->seen = true;
    return FALSE; // one shot: the hook removes itself
}

} // namespace

const std::string& wxGLViewImpl::lastCreateError() {
    return g_lastCreateError;
}

wxGLViewImpl* wxGLViewImpl::create(const std::string& viewName, const Rect& rect, wxWindow* parent,
                                   float frameZoomFactor) {
    auto* view = new wxGLViewImpl;
    if (view->initWithRect(viewName, rect, parent, frameZoomFactor)) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

wxGLViewImpl::wxGLViewImpl() {
    g_lastCreateError.clear();
    GLLayer::setErrorCallback(KeepLayerError);
    GLLayer::init();
}

wxGLViewImpl::~wxGLViewImpl() {
    unwatchVisibility();
    GLLayer::terminate();
    delete m_contextMenu;
}

bool wxGLViewImpl::initWithRect(const std::string& viewName, const Rect& rect, wxWindow* parent,
                                float frameZoomFactor) {
    // The framebuffer configuration decides the X visual, which must be known
    // before the toolkit makes the child, so the hints come first here.
    const GLContextAttrs attrs = GLView::getGLContextAttrs();
    if (GLLayer::isInitialized()) {
        GLLayer::windowHint(GLLayer::Resizable, 1);
        GLLayer::windowHint(GLLayer::RedBits, attrs.redBits);
        GLLayer::windowHint(GLLayer::GreenBits, attrs.greenBits);
        GLLayer::windowHint(GLLayer::BlueBits, attrs.blueBits);
        GLLayer::windowHint(GLLayer::AlphaBits, attrs.alphaBits);
        GLLayer::windowHint(GLLayer::DepthBits, attrs.depthBits);
        GLLayer::windowHint(GLLayer::StencilBits, attrs.stencilBits);
        m_visualId = GLLayer::chooseVisual();
    }

    if (!CreateWindow(parent, rect)) return false;

    setViewName(viewName);
    m_frameZoomFactor = frameZoomFactor;

    GtkWidget* widget = static_cast<GtkWidget*>(GetHandle());
    gtk_widget_realize(widget); // realizes the hidden frame too
    GdkWindow* drawing = GTKGetDrawingWindow();
    if (!drawing || !gdk_window_ensure_native(drawing)) {
        if (g_lastCreateError.empty()) g_lastCreateError = "X11: Failed to create window";
        return false;
    }

    GLLayer::GLHostWindow host;
    host.xid = gdk_x11_window_get_xid(drawing);
    host.resize = [this](int w, int h) { SetClientSize(w, h); };
    host.show = [this] {
        Show();
        Raise();
        SetFocus();
    };
    // The toolkit destroys the child itself together with the view.
    host.destroy = [] {};
    m_glWindow = GLLayer::createWindow(static_cast<int>(frameZoomFactor * rect.size.width),
                                       static_cast<int>(frameZoomFactor * rect.size.height), host);
    if (!m_glWindow) return false;
    GLLayer::makeContextCurrent(m_glWindow);
    watchVisibility();

    setFrameSize(rect.size.width, rect.size.height);
    return checkOpenGL();
}

bool wxGLViewImpl::CreateWindow(wxWindow* parent, const Rect& rect) {
    wxCHECK_MSG(parent, false, "can't create wxWindow without parent");

    VisualHook hook;
    hook.parentClientArea = parent->m_wxwindow ? parent->m_wxwindow : parent->m_widget;
    if (m_visualId) {
        hook.visual = gdk_x11_screen_lookup_visual(gdk_screen_get_default(), m_visualId);
    }
    if (hook.visual) {
        hook.signal = g_signal_lookup("parent-set", GTK_TYPE_WIDGET);
        hook.id = g_signal_add_emission_hook(hook.signal, 0, OnParentSet, &hook, nullptr);
    }
    bool made = wxWindow::Create(parent, wxID_ANY, wxPoint(0, 0),
                                 wxSize(static_cast<int>(rect.size.width), static_cast<int>(rect.size.height)),
                                 wxFULL_REPAINT_ON_RESIZE, "GLFW30");
    if (hook.id && !hook.seen) g_signal_remove_emission_hook(hook.signal, hook.id);
    if (!made) return false;

    // Frames come from the timer; the toolkit must not paint over them.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_widget_set_double_buffered(static_cast<GtkWidget*>(GetHandle()), FALSE);
    G_GNUC_END_IGNORE_DEPRECATIONS
    return true;
}

bool wxGLViewImpl::checkOpenGL() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) version = "";
    if (utils::atof(version) < 1.5) {
        char message[256] = {0};
        std::snprintf(message, sizeof message - 1,
                      "OpenGL 1.5 or higher is required (your version is %s). Please upgrade the "
                      "driver of your video card.",
                      version);
        MessageBox(message, "OpenGL version too old");
        return false;
    }

    GLenum status = glewInit();
    if (status != GLEW_OK) {
        MessageBox(reinterpret_cast<const char*>(glewGetErrorString(status)), "OpenGL error");
    } else {
        if (GLEW_ARB_vertex_shader && GLEW_ARB_fragment_shader)
            log("Ready for GLSL");
        else
            log("Not totally ready :(");
        if (glewIsSupported("GL_VERSION_2_0"))
            log("Ready for OpenGL 2.0");
        else
            log("OpenGL 2.0 not supported");
        const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        if (!FramebufferEntryPoints::Bind(extensions, FramebufferEntryPoints::ResolveWithGlx))
            MessageBox("No OpenGL framebuffer support. Please upgrade the driver of your video card.", "OpenGL error");
    }
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE);
    return true;
}

// ---- engine view operations ----

void wxGLViewImpl::end() {
    if (m_glWindow) {
        GLLayer::setWindowShouldClose(m_glWindow, true);
        m_glWindow = nullptr;
    }
    release();
}

bool wxGLViewImpl::isOpenGLReady() {
    return m_glWindow != nullptr;
}

void wxGLViewImpl::swapBuffers() {
    if (!m_glWindow) return;
    GLLayer::swapBuffers(m_glWindow);
    m_frameWanted = false;
}

void wxGLViewImpl::setIMEKeyboardState(bool) {}

bool wxGLViewImpl::windowShouldClose() {
    return m_glWindow ? GLLayer::windowShouldClose(m_glWindow) : true;
}

void wxGLViewImpl::pollEvents() {
    GLLayer::pollEvents();
}

void wxGLViewImpl::setFrameSize(float width, float height) {
    GLView::setFrameSize(width, height);
    updateFrameSize();
}

void wxGLViewImpl::setFrameZoomFactor(float zoomFactor) {
    if (std::fabs(m_frameZoomFactor - zoomFactor) < FLT_EPSILON) return;
    m_frameZoomFactor = zoomFactor;
    updateFrameSize();
}

float wxGLViewImpl::getFrameZoomFactor() const {
    return m_frameZoomFactor;
}

void wxGLViewImpl::setCursorVisible(bool isVisible) {
    if (m_glWindow) GLLayer::setCursorMode(m_glWindow, isVisible ? GLLayer::CursorNormal : GLLayer::CursorHidden);
}

int wxGLViewImpl::getRetinaFactor() const {
    return m_retinaFactor;
}

void wxGLViewImpl::updateFrameSize() {
    if (_screenSize.width <= 0 || _screenSize.height <= 0 || !m_glWindow) return;
    int w = 0, h = 0, fbw = 0, fbh = 0;
    GLLayer::getWindowSize(m_glWindow, &w, &h);
    GLLayer::getFramebufferSize(m_glWindow, &fbw, &fbh);
    ViewMath::FrameSizeUpdate u =
        ViewMath::UpdateFrameSize(_screenSize.width, _screenSize.height, w, h, fbw, fbh, m_retinaEnabled,
                                  m_inRetinaMonitor, m_retinaFactor, m_frameZoomFactor);
    m_retinaFactor = u.retinaFactor;
    m_inRetinaMonitor = u.inRetinaMonitor;
    GLLayer::setWindowSize(m_glWindow, u.windowWidth, u.windowHeight);
}

void wxGLViewImpl::setViewPortInPoints(float x, float y, float w, float h) {
    m_displayRect.setRect(x, y, w, h);
    ViewMath::PixelRect r = ViewMath::PointsToPixels(x, y, w, h, _scaleX, _scaleY, _viewPortRect.origin.x,
                                                     _viewPortRect.origin.y, m_retinaFactor, m_frameZoomFactor);
    Camera::setDefaultViewport(experimental::Viewport(r.x, r.y, r.width, r.height));
}

void wxGLViewImpl::setScissorInPoints(float x, float y, float w, float h) {
    ViewMath::ScissorBox b = ViewMath::PointsToScissor(x, y, w, h, _scaleX, _scaleY, _viewPortRect.origin.x,
                                                       _viewPortRect.origin.y, m_retinaFactor, m_frameZoomFactor);
    glScissor(b.x, b.y, b.width, b.height);
}

unsigned long wxGLViewImpl::getX11Window() const {
    return GLLayer::getX11Window(m_glWindow);
}

void wxGLViewImpl::applyDisplayRect() {
    const Size frame = _screenSize;
    // The base operation only stores the size: the GL window keeps its own.
    GLView::setFrameSize(m_displayRect.size.width, m_displayRect.size.height);
    updateDesignResolutionSize();
    GLView::setFrameSize(frame.width, frame.height);

    const float vw = _scaleX * _designResolutionSize.width;
    const float vh = _scaleY * _designResolutionSize.height;
    _viewPortRect.setRect((frame.width - vw) * 0.5f, (frame.height - vh) * 0.5f, vw, vh);
    Director::getInstance()->setGLDefaultValues();
}
