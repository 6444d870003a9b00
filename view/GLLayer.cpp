// The GL context layer on X11 and GLX: state, hints, windows, contexts, event polling.
#include "view/GLLayer.h"

#include "view/FramebufferConfig.h"
#include "view/GLHints.h"
#include "view/GLWindow.h"

#include <gdk/gdk.h>
#include <gdk/gdkx.h>
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xutil.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace GLLayer {

namespace {

struct LayerState {
    bool initialized = false;
    GLHints hints;
    GLWindow* windows = nullptr;  // newest first
    ErrorCallback errorCallback = nullptr;
    GdkDisplay* gdkDisplay = nullptr;
    Display* display = nullptr;
    int screen = 0;
    Cursor hiddenCursor = 0;
};

LayerState s;
thread_local GLWindow* t_current = nullptr;

void Report(int code, const char* format, ...) {
    if (!s.errorCallback) return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    s.errorCallback(code, text);
}

bool RequireInit() {
    if (s.initialized) return true;
    Report(NotInitialized, "The GL layer is not initialised");
    return false;
}

// GLX requests can raise X errors asynchronously; the toolkit's trap keeps
// them from reaching its default handler (which would end the process).
struct ErrorTrap {
    ErrorTrap() { gdk_x11_display_error_trap_push(s.gdkDisplay); }
    int pop() {
        done = true;
        return gdk_x11_display_error_trap_pop(s.gdkDisplay);
    }
    ~ErrorTrap() {
        if (!done) gdk_x11_display_error_trap_pop_ignored(s.gdkDisplay);
    }
    bool done = false;
};

int Attrib(GLXFBConfig config, int attribute) {
    int value = 0;
    glXGetFBConfigAttrib(s.display, config, attribute, &value);
    return value;
}

bool HasExtension(const char* list, const char* name) {
    if (!list) return false;
    const size_t len = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += len) {
        bool startOk = p == list || p[-1] == ' ';
        bool endOk = p[len] == ' ' || p[len] == '\0';
        if (startOk && endOk) return true;
    }
    return false;
}

// The configurations a window can use: window-capable, RGBA, TrueColor,
// double-buffered and described without multisampling (the classic pixel
// format route has no multisample formats either).
bool UsableConfigs(std::vector<GLXFBConfig>& usable, std::vector<FramebufferConfig>& described) {
    int count = 0;
    GLXFBConfig* all = glXGetFBConfigs(s.display, s.screen, &count);
    if (!all || count <= 0) {
        if (all) XFree(all);
        Report(ApiUnavailable, "GLX: No pixel formats found");
        return false;
    }
    for (int i = 0; i < count; ++i) {
        GLXFBConfig c = all[i];
        if (!(Attrib(c, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT)) continue;
        if (!(Attrib(c, GLX_RENDER_TYPE) & GLX_RGBA_BIT)) continue;
        if (Attrib(c, GLX_X_VISUAL_TYPE) != GLX_TRUE_COLOR) continue;
        if (!Attrib(c, GLX_DOUBLEBUFFER)) continue;
        if (Attrib(c, GLX_VISUAL_ID) == 0) continue;
        if (Attrib(c, GLX_SAMPLE_BUFFERS) != 0) continue;
        FramebufferConfig d;
        d.redBits = Attrib(c, GLX_RED_SIZE);
        d.greenBits = Attrib(c, GLX_GREEN_SIZE);
        d.blueBits = Attrib(c, GLX_BLUE_SIZE);
        d.alphaBits = Attrib(c, GLX_ALPHA_SIZE);
        d.depthBits = Attrib(c, GLX_DEPTH_SIZE);
        d.stencilBits = Attrib(c, GLX_STENCIL_SIZE);
        d.accumRedBits = Attrib(c, GLX_ACCUM_RED_SIZE);
        d.accumGreenBits = Attrib(c, GLX_ACCUM_GREEN_SIZE);
        d.accumBlueBits = Attrib(c, GLX_ACCUM_BLUE_SIZE);
        d.accumAlphaBits = Attrib(c, GLX_ACCUM_ALPHA_SIZE);
        d.auxBuffers = Attrib(c, GLX_AUX_BUFFERS);
        d.stereo = Attrib(c, GLX_STEREO) != 0;
        usable.push_back(c);
        described.push_back(d);
    }
    XFree(all);
    return true;
}

GLXFBConfig ChooseConfig() {
    std::vector<GLXFBConfig> usable;
    std::vector<FramebufferConfig> described;
    if (!UsableConfigs(usable, described)) return nullptr;
    int best = ChooseFramebufferConfig(WantedFramebuffer(s.hints), described);
    if (best < 0) {
        Report(FormatUnavailable, "GLX: Failed to find a suitable pixel format");
        return nullptr;
    }
    return usable[static_cast<size_t>(best)];
}

void Unlink(GLWindow* window) {
    for (GLWindow** link = &s.windows; *link; link = &(*link)->next) {
        if (*link == window) {
            *link = window->next;
            return;
        }
    }
}

// Parses "[OpenGL ES[-CM|-CL] ]major.minor[.revision] ..." into the facts.
void ReadContextFacts(GLWindow* w) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) return;
    static const char* const esPrefixes[] = {"OpenGL ES-CM ", "OpenGL ES-CL ", "OpenGL ES "};
    w->facts.clientApi = OpenglApi;
    for (const char* prefix : esPrefixes) {
        size_t n = std::strlen(prefix);
        if (std::strncmp(version, prefix, n) == 0) {
            version += n;
            w->facts.clientApi = OpenglEsApi;
            break;
        }
    }
    std::sscanf(version, "%d.%d.%d", &w->facts.major, &w->facts.minor, &w->facts.revision);
    if (w->facts.major >= 3) {
        GLint flags = 0;
        glGetIntegerv(0x821E /* GL_CONTEXT_FLAGS */, &flags);
        w->facts.forwardCompat = (flags & 0x1) != 0;
        w->facts.debug = (flags & 0x2) != 0;
        glGetError();  // drivers without the query leave an error behind
    }
}

void DetectExtensions(GLWindow* w) {
    const char* list = glXQueryExtensionsString(s.display, s.screen);
    GlxExtensions& e = w->extensions;
    e.multisample = HasExtension(list, "GLX_ARB_multisample");
    e.framebufferSrgb = HasExtension(list, "GLX_ARB_framebuffer_sRGB") ||
                        HasExtension(list, "GLX_EXT_framebuffer_sRGB");
    e.createContext = HasExtension(list, "GLX_ARB_create_context");
    e.createContextProfile = HasExtension(list, "GLX_ARB_create_context_profile");
    e.es2Profile = HasExtension(list, "GLX_EXT_create_context_es2_profile");
    e.robustness = HasExtension(list, "GLX_ARB_create_context_robustness");
    e.swapControl = HasExtension(list, "GLX_EXT_swap_control") ||
                    HasExtension(list, "GLX_MESA_swap_control") ||
                    HasExtension(list, "GLX_SGI_swap_control");
}

// Contexts are made with glXCreateNewContext only, so requests that would
// need the attribute-based creation are refused with a clear reason.
bool CheckRequestSupported(const GLWindow* w) {
    const GLHints& h = s.hints;
    if (h.clientApi == OpenglEsApi) {
        Report(ApiUnavailable, w->extensions.es2Profile
                                   ? "GLX: OpenGL ES contexts are not made on hosted windows"
                                   : "GLX: OpenGL ES requested but GLX_EXT_create_context_es2_profile is unavailable");
        return false;
    }
    if (h.forwardCompat || h.debug) {
        Report(VersionUnavailable, w->extensions.createContext
                                       ? "GLX: Forward-compatible and debug contexts are not made on hosted windows"
                                       : "GLX: A forward compatible or debug context requested but GLX_ARB_create_context is unavailable");
        return false;
    }
    if (h.profile != AnyProfile) {
        Report(VersionUnavailable, w->extensions.createContextProfile
                                       ? "GLX: Context profiles are not made on hosted windows"
                                       : "GLX: OpenGL profile requested but GLX_ARB_create_context_profile is unavailable");
        return false;
    }
    return true;
}

void MakeCurrentRaw(GLWindow* w) {
    if (w)
        glXMakeCurrent(s.display, w->host.xid, w->context);
    else
        glXMakeCurrent(s.display, None, nullptr);
    t_current = w;
}

void FreeWindow(GLWindow* w) {
    if (t_current == w) MakeCurrentRaw(nullptr);
    {
        ErrorTrap trap;
        if (w->context) glXDestroyContext(s.display, w->context);
        w->context = nullptr;
        if (w->host.destroy)
            w->host.destroy();
        else if (w->host.xid)
            XDestroyWindow(s.display, w->host.xid);
        XSync(s.display, False);
    }
    Unlink(w);
    delete w;
}

}  // namespace

bool init() {
    if (s.initialized) return true;
    s.hints = GLHints{};

    GdkDisplay* gd = gdk_display_get_default();
    if (!gd || !GDK_IS_X11_DISPLAY(gd)) {
        Report(PlatformError, "X11: No monitors found");
        return false;
    }
    Display* display = gdk_x11_display_get_xdisplay(gd);
    if (!display || ScreenCount(display) < 1) {
        Report(PlatformError, "X11: No monitors found");
        return false;
    }
    int errorBase = 0, eventBase = 0, major = 0, minor = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        Report(ApiUnavailable, "GLX: GLX extension not found");
        return false;
    }
    if (!glXQueryVersion(display, &major, &minor) || (major == 1 && minor < 3)) {
        Report(ApiUnavailable, "GLX: GLX version 1.3 is required");
        return false;
    }
    s.gdkDisplay = gd;
    s.display = display;
    s.screen = gdk_x11_screen_get_screen_number(gdk_display_get_default_screen(gd));
    s.initialized = true;
    return true;
}

void terminate() {
    if (!s.initialized) return;
    while (s.windows) FreeWindow(s.windows);
    if (s.hiddenCursor) XFreeCursor(s.display, s.hiddenCursor);
    s.hiddenCursor = 0;
    s.display = nullptr;
    s.gdkDisplay = nullptr;
    s.initialized = false;
}

bool isInitialized() { return s.initialized; }

ErrorCallback setErrorCallback(ErrorCallback callback) {
    ErrorCallback previous = s.errorCallback;
    s.errorCallback = callback;
    return previous;
}

void windowHint(int hint, int value) {
    if (!RequireInit()) return;
    if (!ApplyHint(s.hints, hint, value)) Report(InvalidEnum, "Invalid window hint 0x%08X", hint);
}

void defaultWindowHints() {
    if (!RequireInit()) return;
    s.hints = GLHints{};
}

VisualID chooseVisual() {
    if (!RequireInit()) return 0;
    GLXFBConfig config = ChooseConfig();
    return config ? static_cast<VisualID>(Attrib(config, GLX_VISUAL_ID)) : 0;
}

GLWindow* createWindow(int width, int height, const GLHostWindow& host, void* monitor,
                       GLWindow* share) {
    (void)monitor;  // hosted windows are never full-screen
    if (!RequireInit()) return nullptr;
    if (width <= 0 || height <= 0) {
        Report(InvalidValue, "Invalid window size");
        return nullptr;
    }
    int code = 0;
    std::string text;
    if (!ValidateContextHints(s.hints, code, text)) {
        Report(code, "%s", text.c_str());
        return nullptr;
    }

    GLWindow* w = new GLWindow;
    w->next = s.windows;
    s.windows = w;
    w->resizable = s.hints.resizable;
    w->decorated = s.hints.decorated;
    w->cursorMode = CursorNormal;
    GLWindow* previous = t_current;

    w->host = host;
    if (!host.xid) {
        Report(PlatformError, "X11: Failed to create window");
        w->host = GLHostWindow{};
        destroyWindow(w);
        return nullptr;
    }
    auto fail = [&](int c, const char* message) {
        Report(c, "%s", message);
        // The window belongs to the caller: forget it without destroying it.
        w->host.destroy = [] {};
        destroyWindow(w);
        MakeCurrentRaw(previous);
        return nullptr;
    };

    XWindowAttributes attributes;
    {
        ErrorTrap trap;
        Status ok = XGetWindowAttributes(s.display, host.xid, &attributes);
        if (trap.pop() != 0 || !ok) return fail(PlatformError, "X11: Failed to retrieve DC for window");
    }
    w->fbconfig = ChooseConfig();
    if (!w->fbconfig) {
        w->host.destroy = [] {};
        destroyWindow(w);
        return nullptr;
    }
    XVisualInfo* visual = glXGetVisualFromFBConfig(s.display, w->fbconfig);
    if (!visual) return fail(PlatformError, "GLX: Failed to retrieve PFD for selected pixel format");
    const VisualID wantedVisual = visual->visualid;
    XFree(visual);
    // On X11 the visual is the pixel format, fixed when the window was made.
    if (XVisualIDFromVisual(attributes.visual) != wantedVisual)
        return fail(PlatformError, "GLX: Failed to set selected pixel format");

    {
        ErrorTrap trap;
        w->context = glXCreateNewContext(s.display, w->fbconfig, GLX_RGBA_TYPE,
                                         share ? share->context : nullptr, True);
        XSync(s.display, False);
        if (trap.pop() != 0 || !w->context)
            return fail(VersionUnavailable, "GLX: Failed to create OpenGL context");
    }
    {
        ErrorTrap trap;
        MakeCurrentRaw(w);
        if (trap.pop() != 0 || glXGetCurrentContext() != w->context)
            return fail(PlatformError, "GLX: Failed to make context current");
    }
    DetectExtensions(w);
    if (!CheckRequestSupported(w)) {
        w->host.destroy = [] {};
        destroyWindow(w);
        MakeCurrentRaw(previous);
        return nullptr;
    }
    ReadContextFacts(w);
    const GLHints& h = s.hints;
    if (w->facts.major < h.versionMajor ||
        (w->facts.major == h.versionMajor && w->facts.minor < h.versionMinor)) {
        char message[128];
        std::snprintf(message, sizeof message, "GLX: Requested OpenGL version %d.%d, got %d.%d",
                      h.versionMajor, h.versionMinor, w->facts.major, w->facts.minor);
        return fail(VersionUnavailable, message);
    }

    // The window starts cleared rather than with whatever was under it.
    glClear(GL_COLOR_BUFFER_BIT);
    glXSwapBuffers(s.display, host.xid);
    MakeCurrentRaw(previous);

    if (h.visible) {
        if (host.show) {
            host.show();
        } else {
            XMapRaised(s.display, host.xid);
            XFlush(s.display);
        }
    }
    return w;
}

void destroyWindow(GLWindow* window) {
    if (!window) return;
    FreeWindow(window);
}

void makeContextCurrent(GLWindow* window) {
    if (!RequireInit()) return;
    ErrorTrap trap;
    MakeCurrentRaw(window);
    if (trap.pop() != 0) Report(PlatformError, "GLX: Failed to make context current");
}

GLWindow* getCurrentContext() { return t_current; }

void swapBuffers(GLWindow* window) {
    if (!window || !RequireInit()) return;
    ErrorTrap trap;
    glXSwapBuffers(s.display, window->host.xid);
    if (trap.pop() != 0) Report(PlatformError, "GLX: Failed to swap buffers");
}

void getWindowSize(GLWindow* window, int* width, int* height) {
    if (width) *width = 0;
    if (height) *height = 0;
    if (!window || !RequireInit()) return;
    XWindowAttributes a;
    ErrorTrap trap;
    Status ok = XGetWindowAttributes(s.display, window->host.xid, &a);
    if (trap.pop() != 0 || !ok) {
        Report(PlatformError, "X11: Failed to read the window size");
        return;
    }
    if (width) *width = a.width;
    if (height) *height = a.height;
}

void getFramebufferSize(GLWindow* window, int* width, int* height) {
    // The drawable is the window itself, so both sizes agree.
    getWindowSize(window, width, height);
}

void setWindowSize(GLWindow* window, int width, int height) {
    if (!window || !RequireInit() || window->iconified) return;
    if (width <= 0 || height <= 0) {
        Report(InvalidValue, "Invalid window size");
        return;
    }
    if (window->host.resize) {
        window->host.resize(width, height);
        return;
    }
    ErrorTrap trap;
    XResizeWindow(s.display, window->host.xid, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    XSync(s.display, False);
}

void setWindowShouldClose(GLWindow* window, bool value) {
    if (window) window->shouldClose = value;
}

bool windowShouldClose(GLWindow* window) { return window ? window->shouldClose : true; }

void setCursorMode(GLWindow* window, int mode) {
    if (!window || !RequireInit()) return;
    if (mode != CursorNormal && mode != CursorHidden && mode != CursorDisabled) {
        Report(InvalidEnum, "Invalid cursor mode 0x%08X", mode);
        return;
    }
    window->cursorMode = mode;
    ErrorTrap trap;
    if (mode == CursorNormal) {
        XUndefineCursor(s.display, window->host.xid);
    } else {
        // Hidden and disabled both show no pointer; the toolkit keeps the
        // pointer events, so nothing is grabbed.
        if (!s.hiddenCursor) {
            static const char empty[1] = {0};
            Pixmap bitmap = XCreateBitmapFromData(s.display, window->host.xid, empty, 1, 1);
            XColor black{};
            s.hiddenCursor = XCreatePixmapCursor(s.display, bitmap, bitmap, &black, &black, 0, 0);
            XFreePixmap(s.display, bitmap);
        }
        XDefineCursor(s.display, window->host.xid, s.hiddenCursor);
    }
    XFlush(s.display);
}

int getCursorMode(GLWindow* window) { return window ? window->cursorMode : CursorNormal; }

void pollEvents() {
    // Sources that are always ready (idle handlers) would keep the loop
    // going forever, so one poll dispatches a bounded number of them.
    for (int i = 0; i < 100 && g_main_context_pending(nullptr); ++i)
        g_main_context_iteration(nullptr, FALSE);
}

::Window getX11Window(GLWindow* window) { return window ? window->host.xid : 0; }
Display* getX11Display() { return s.display; }

GLWindow* firstWindow() { return s.windows; }
GLWindow* nextWindow(GLWindow* window) { return window ? window->next : nullptr; }

}  // namespace GLLayer
