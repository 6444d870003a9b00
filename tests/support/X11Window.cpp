// X11 helpers for tests that drive the real program.
#include "X11Window.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}
} // namespace

X11Session::X11Session() {
    m_display = XOpenDisplay(nullptr);
    // Windows of other processes can vanish while we look at them.
    if (m_display) XSetErrorHandler(IgnoreErrors);
}

X11Session::~X11Session() {
    if (m_display) XCloseDisplay(m_display);
}

std::string X11Session::title(XWindow w) {
    std::string result;
    Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(m_display, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        result.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (!result.empty()) return result;
    }
    char* name = nullptr;
    if (XFetchName(m_display, w, &name) && name) {
        result = name;
        XFree(name);
    }
    return result;
}

bool X11Session::mapped(XWindow w) {
    XWindowAttributes a;
    return XGetWindowAttributes(m_display, w, &a) && a.map_state == IsViewable;
}

std::vector<XWindow> X11Session::children(XWindow w) {
    Window root, parent, *kids = nullptr;
    unsigned int n = 0;
    std::vector<XWindow> out;
    if (XQueryTree(m_display, w, &root, &parent, &kids, &n)) {
        out.assign(kids, kids + n);
        if (kids) XFree(kids);
    }
    return out;
}

XWindow X11Session::find(XWindow from, const std::string& wanted, XWindow except) {
    for (XWindow w : children(from)) {
        if (w != except && mapped(w) && title(w) == wanted) return w;
        if (XWindow inner = find(w, wanted, except)) return inner;
    }
    return 0;
}

XWindow X11Session::waitForWindow(const std::string& wanted, double seconds, XWindow except) {
    if (!m_display) return 0;
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        if (XWindow w = find(DefaultRootWindow(m_display), wanted, except)) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < end);
    return 0;
}

bool X11Session::geometry(XWindow w, int& x, int& y, int& width, int& height) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(m_display, w, &a)) return false;
    Window child;
    XTranslateCoordinates(m_display, w, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    width = a.width;
    height = a.height;
    return true;
}

void X11Session::watchMaps() {
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
}

std::vector<XWindow> X11Session::mapsSeen() {
    std::vector<XWindow> maps;
    XSync(m_display, False);
    while (XPending(m_display)) {
        XEvent ev;
        XNextEvent(m_display, &ev);
        if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(m_display)) maps.push_back(ev.xmap.window);
    }
    return maps;
}

XWindow X11Session::transientFor(XWindow w) {
    Window owner = 0;
    return XGetTransientForHint(m_display, w, &owner) ? owner : 0;
}

void X11Session::requestClose(XWindow w) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, w, False, NoEventMask, &ev);
    XFlush(m_display);
}

bool X11Session::closeAndWait(XWindow w, double seconds) {
    requestClose(w);
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (mapped(w)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

Screenshot X11Session::grab(int x, int y, int width, int height) {
    Screenshot shot;
    XImage* img = XGetImage(m_display, DefaultRootWindow(m_display), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!img) return shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.resize(static_cast<size_t>(width) * height);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            unsigned long p = XGetPixel(img, i, j);
            Rgb& c = shot.pixels[static_cast<size_t>(j) * width + i];
            c.r = static_cast<int>((p >> 16) & 0xff);
            c.g = static_cast<int>((p >> 8) & 0xff);
            c.b = static_cast<int>(p & 0xff);
        }
    }
    XDestroyImage(img);
    return shot;
}

Screenshot X11Session::grabWindow(XWindow w) {
    int x, y, width, height;
    if (!geometry(w, x, y, width, height)) return {};
    return grab(x, y, width, height);
}

bool Screenshot::savePpm(const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (const Rgb& c : pixels) {
        unsigned char px[3] = {static_cast<unsigned char>(c.r), static_cast<unsigned char>(c.g),
                               static_cast<unsigned char>(c.b)};
        std::fwrite(px, 1, 3, f);
    }
    return std::fclose(f) == 0;
}
