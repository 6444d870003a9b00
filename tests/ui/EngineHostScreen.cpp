// Starting the real program under X and reading the engine view's design area from the screen.
#include "EngineHostScreen.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {
const char* const kTitle = "Flarewick(Cocos2dx)";

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
} // namespace

RunningEditor::RunningEditor(const std::string& workDir, const std::vector<std::string>& env,
                             const std::vector<std::string>& args) {
    for (const char* folder : {"rc", "res"}) {
        const std::string link = workDir + "/" + folder;
        if (access(link.c_str(), F_OK) != 0) symlink((std::string(FW_SOURCE_DIR) + "/" + folder).c_str(), link.c_str());
    }
    m_process = std::make_unique<ChildProcess>(FW_FLAREWICK_EXE, args, workDir, env, m_logDir.file("log.txt"));
    if (m_x.ok()) m_window = m_x.waitForWindow(kTitle, 30);
}

std::string RunningEditor::log() const {
    return ReadFileText(m_logDir.file("log.txt"));
}

Screenshot RunningEditor::shoot() {
    // Other test programs may share the X server; the raise puts ours on
    // top and the frame pump repaints it within a few ticks.
    XRaiseWindow(m_x.display(), m_window);
    XSync(m_x.display(), False);
    Sleep(300);
    return m_x.grabWindow(m_window);
}

bool RunningEditor::resizeTo(int width, int height) {
    XResizeWindow(m_x.display(), m_window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(m_x.display(), False);
    for (int i = 0; i < 100; ++i) {
        int x, y, w, h;
        if (m_x.geometry(m_window, x, y, w, h) && w == width && h == height) {
            Sleep(300); // the size event, the re-layout and a few frames
            return true;
        }
        Sleep(50);
    }
    return false;
}

XWindow RunningEditor::viewWindow() {
    XWindow best = 0;
    long bestArea = 0;
    std::vector<XWindow> pending = m_x.children(m_window);
    while (!pending.empty()) {
        XWindow w = pending.back();
        pending.pop_back();
        std::vector<XWindow> inner = m_x.children(w);
        if (!inner.empty()) {
            pending.insert(pending.end(), inner.begin(), inner.end());
            continue;
        }
        int x, y, width, height;
        if (!m_x.mapped(w) || !m_x.geometry(w, x, y, width, height)) continue;
        if (static_cast<long>(width) * height > bestArea) {
            bestArea = static_cast<long>(width) * height;
            best = w;
        }
    }
    return best;
}

Screenshot RunningEditor::shootView() {
    shoot();
    return m_x.grabWindow(viewWindow());
}

PixelBox DarkBox(const Screenshot& shot, int threshold) {
    int minX = shot.width, minY = shot.height, maxX = -1, maxY = -1;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            Rgb c = shot.at(x, y);
            if (c.r < threshold && c.g < threshold && c.b < threshold) {
                if (x < minX) minX = x;
                if (x > maxX) maxX = x;
                if (y < minY) minY = y;
                if (y > maxY) maxY = y;
            }
        }
    }
    if (maxX < 0) return {};
    return PixelBox{minX, minY, maxX - minX + 1, maxY - minY + 1};
}

bool IsMidGrey(const Rgb& c) {
    auto near = [](int v) { return v >= 120 && v <= 135; };
    return near(c.r) && near(c.g) && near(c.b);
}
