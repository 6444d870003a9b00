// Starting the real program under X and reading the engine view's design area from the screen.
#pragma once

#include "ChildProcess.h"
#include "TempDir.h"
#include "X11Window.h"

#include <memory>
#include <string>

// A rectangle of pixels found on the screen.
struct PixelBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
};

// The program running in a working directory, with its main window found.
class RunningEditor {
public:
    // Starts the program in `workDir` (extra environment in `env`, command-line arguments in `args`), with the
    // program's rc/ and res/ linked into it, and waits for its main window;
    // window() is 0 when it did not appear.
    explicit RunningEditor(const std::string& workDir, const std::vector<std::string>& env = {},
                           const std::vector<std::string>& args = {});

    X11Session& x() { return m_x; }
    XWindow window() const { return m_window; }
    ChildProcess& process() { return *m_process; }
    std::string log() const;

    // Raises the main window, lets a few frames draw and reads it.
    Screenshot shoot();
    // The same for the engine view alone.
    Screenshot shootView();
    // The engine view's native window (the largest window inside the main
    // window that has none of its own); 0 when there is none.
    XWindow viewWindow();
    // Resizes the main window from the outside and waits until it has that size.
    bool resizeTo(int width, int height);

private:
    TempDir m_logDir;
    X11Session m_x;
    std::unique_ptr<ChildProcess> m_process;
    XWindow m_window = 0;
};

// Bounding box of the pixels darker than `threshold` in every channel.
PixelBox DarkBox(const Screenshot& shot, int threshold = 40);
bool IsMidGrey(const Rgb& c);
