// Finding, measuring, reading and closing real X windows in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Xlib is kept out of this header: its macros (None, Bool, Status) clash
// with GoogleTest and the toolkit.
struct _XDisplay;
using XWindow = unsigned long;

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Pixels read back from the screen, row by row from the top left.
struct Screenshot {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool savePpm(const std::string& path) const;
};

class X11Session {
public:
    X11Session(); // opens $DISPLAY; ok() tells whether it worked
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool ok() const { return m_display != nullptr; }
    _XDisplay* display() const { return m_display; }

    // The first mapped window (depth-first from the root) whose title is
    // exactly `title`, waiting up to `seconds`; 0 when none appeared. A
    // window given as `except` is passed over (two windows may share a title).
    XWindow waitForWindow(const std::string& title, double seconds, XWindow except = 0);
    std::string title(XWindow w);
    bool mapped(XWindow w);
    // Size of a window's area and its position on the screen.
    bool geometry(XWindow w, int& x, int& y, int& width, int& height);
    // Direct children of a window.
    std::vector<XWindow> children(XWindow w);
    // Top-level windows in the order the server mapped them, from the call
    // of watchMaps() on; mapsSeen() takes what has arrived since.
    void watchMaps();
    std::vector<XWindow> mapsSeen();
    // The window a dialog is transient for (WM_TRANSIENT_FOR), 0 when none.
    XWindow transientFor(XWindow w);
    // Asks the window to close as a window manager would (WM_DELETE_WINDOW).
    void requestClose(XWindow w);
    // The same, then waits up to `seconds` for it to leave the screen;
    // false when it is still there.
    bool closeAndWait(XWindow w, double seconds);
    // Reads a rectangle of the screen (root window coordinates).
    Screenshot grab(int x, int y, int width, int height);
    Screenshot grabWindow(XWindow w);

private:
    XWindow find(XWindow from, const std::string& title, XWindow except);
    _XDisplay* m_display = nullptr;
};
