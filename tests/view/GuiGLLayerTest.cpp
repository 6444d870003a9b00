// The GL context layer on real X windows: contexts, records, destroy and terminate.
// GoogleTest goes first: the X headers define macros (None, Bool) that clash with it.
#include <gtest/gtest.h>

#include "view/GLLayer.h"
#include "view/GLWindow.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

using namespace GLLayer;

namespace {

std::vector<std::pair<int, std::string>> g_errors;
void Collect(int code, const char* text) { g_errors.emplace_back(code, text); }

GLHostWindow Host(::Window xid) {
    GLHostWindow host;
    host.xid = xid;
    return host;
}

int CountWindows() {
    int n = 0;
    for (GLWindow* w = firstWindow(); w; w = nextWindow(w)) ++n;
    return n;
}

class GuiGLLayer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "no X display for the GL layer";
        g_errors.clear();
        setErrorCallback(Collect);
        ASSERT_TRUE(init()) << (g_errors.empty() ? "" : g_errors.back().second);
        display = getX11Display();
    }
    void TearDown() override {
        terminate();
        setErrorCallback(nullptr);
    }

    // A plain X window with the given visual, as a toolkit would make it.
    ::Window MakeWindow(VisualID id, int width = 200, int height = 100) {
        XVisualInfo tmpl{};
        tmpl.visualid = id;
        int n = 0;
        XVisualInfo* info = XGetVisualInfo(display, VisualIDMask, &tmpl, &n);
        EXPECT_TRUE(info && n > 0);
        if (!info) return 0;
        ::Window root = DefaultRootWindow(display);
        XSetWindowAttributes a{};
        a.colormap = XCreateColormap(display, root, info->visual, AllocNone);
        a.border_pixel = 0;
        ::Window w = XCreateWindow(display, root, 0, 0, width, height, 0, info->depth, InputOutput,
                                   info->visual, CWColormap | CWBorderPixel, &a);
        XFree(info);
        XSync(display, False);
        return w;
    }

    bool WindowExists(::Window w) {
        XWindowAttributes a;
        gdk_x11_display_error_trap_push(gdk_display_get_default());
        Status ok = XGetWindowAttributes(display, w, &a);
        int error = gdk_x11_display_error_trap_pop(gdk_display_get_default());
        return ok && error == 0;
    }

    Display* display = nullptr;
};

}  // namespace

TEST_F(GuiGLLayer, ContextIsMadeOnAHostedWindowWithTheChosenVisual) {
    VisualID visual = chooseVisual();
    ASSERT_NE(visual, 0u);
    ::Window xid = MakeWindow(visual, 320, 240);
    GLWindow* w = createWindow(320, 240, Host(xid));
    ASSERT_NE(w, nullptr) << (g_errors.empty() ? "" : g_errors.back().second);
    EXPECT_TRUE(g_errors.empty());
    EXPECT_EQ(getX11Window(w), xid);
    EXPECT_GE(w->facts.major, 1);
    // Creation leaves the previously current context (none) current.
    EXPECT_EQ(getCurrentContext(), nullptr);

    makeContextCurrent(w);
    EXPECT_EQ(glXGetCurrentContext(), w->context);
    int width = 0, height = 0;
    getFramebufferSize(w, &width, &height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    setWindowSize(w, 100, 50);
    getWindowSize(w, &width, &height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 50);

    EXPECT_FALSE(windowShouldClose(w));
    setWindowShouldClose(w, true);
    EXPECT_TRUE(windowShouldClose(w));
    setCursorMode(w, CursorHidden);
    EXPECT_EQ(getCursorMode(w), CursorHidden);
    setCursorMode(w, 42);
    ASSERT_FALSE(g_errors.empty());
    EXPECT_EQ(g_errors.back().first, InvalidEnum);
    EXPECT_EQ(getCursorMode(w), CursorHidden);
}

TEST_F(GuiGLLayer, UnknownHintIsReportedAsInvalidEnum) {
    windowHint(0x0002200F, 60);  // refresh rate: not a hint of this layer
    ASSERT_EQ(g_errors.size(), 1u);
    EXPECT_EQ(g_errors[0].first, InvalidEnum);
    windowHint(DepthBits, 16);
    EXPECT_EQ(g_errors.size(), 1u);
}

TEST_F(GuiGLLayer, DestroyRemovesTheRecordReleasesTheContextAndTheWindow) {
    VisualID visual = chooseVisual();
    ::Window first = MakeWindow(visual), second = MakeWindow(visual);
    GLWindow* a = createWindow(200, 100, Host(first));
    GLWindow* b = createWindow(200, 100, Host(second));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(firstWindow(), b);  // newest first
    EXPECT_EQ(CountWindows(), 2);

    makeContextCurrent(a);
    destroyWindow(a);
    EXPECT_EQ(CountWindows(), 1);
    EXPECT_EQ(firstWindow(), b);
    EXPECT_EQ(getCurrentContext(), nullptr);
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
    EXPECT_FALSE(WindowExists(first));
    EXPECT_TRUE(WindowExists(second));
}

TEST_F(GuiGLLayer, TerminateDestroysEveryWindow) {
    VisualID visual = chooseVisual();
    std::vector<::Window> xids;
    for (int i = 0; i < 3; ++i) {
        xids.push_back(MakeWindow(visual));
        ASSERT_NE(createWindow(200, 100, Host(xids.back())), nullptr);
    }
    makeContextCurrent(firstWindow());
    terminate();
    EXPECT_FALSE(isInitialized());
    EXPECT_EQ(firstWindow(), nullptr);
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
    for (::Window x : xids) EXPECT_FALSE(WindowExists(x));
}

TEST_F(GuiGLLayer, HostHooksReplaceDirectWindowHandling) {
    ::Window xid = MakeWindow(chooseVisual());
    int resized = 0, shown = 0, destroyed = 0;
    GLHostWindow host = Host(xid);
    host.resize = [&](int w, int h) { resized = w * 1000 + h; };
    host.show = [&] { ++shown; };
    host.destroy = [&] { ++destroyed; };
    GLWindow* w = createWindow(200, 100, host);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(shown, 1);  // visible hint set by default
    setWindowSize(w, 30, 20);
    EXPECT_EQ(resized, 30020);
    destroyWindow(w);
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(WindowExists(xid));  // the toolkit still owns it
    XDestroyWindow(display, xid);
}

TEST_F(GuiGLLayer, FailuresGoThroughTheCallbackAndLeaveNoRecord) {
    VisualID visual = chooseVisual();
    EXPECT_EQ(createWindow(0, 100, Host(MakeWindow(visual))), nullptr);
    ASSERT_FALSE(g_errors.empty());
    EXPECT_EQ(g_errors.back().first, InvalidValue);
    EXPECT_EQ(g_errors.back().second, "Invalid window size");

    EXPECT_EQ(createWindow(10, 10, GLHostWindow{}), nullptr);
    EXPECT_EQ(g_errors.back().second, "X11: Failed to create window");

    // A window made with another visual cannot take the chosen configuration.
    VisualID other = 0;
    XVisualInfo tmpl{};
    tmpl.screen = DefaultScreen(display);
    int n = 0;
    XVisualInfo* all = XGetVisualInfo(display, VisualScreenMask, &tmpl, &n);
    for (int i = 0; i < n && !other; ++i)
        if (all[i].visualid != visual && all[i].depth == 24) other = all[i].visualid;
    if (all) XFree(all);
    ASSERT_NE(other, 0u) << "the X server offers only one visual";
    ::Window wrong = MakeWindow(other);
    EXPECT_EQ(createWindow(10, 10, Host(wrong)), nullptr);
    EXPECT_EQ(g_errors.back().second, "GLX: Failed to set selected pixel format");
    EXPECT_EQ(firstWindow(), nullptr);
    EXPECT_TRUE(WindowExists(wrong));  // a failed attach leaves the caller's window alone

    windowHint(ContextVersionMajor, 9);
    windowHint(ContextVersionMinor, 0);
    EXPECT_EQ(createWindow(10, 10, Host(MakeWindow(visual))), nullptr);
    EXPECT_EQ(g_errors.back().first, VersionUnavailable);
    EXPECT_EQ(firstWindow(), nullptr);

    terminate();
    EXPECT_EQ(createWindow(10, 10, Host(MakeWindow(visual))), nullptr);
    EXPECT_EQ(g_errors.back().first, NotInitialized);
}
