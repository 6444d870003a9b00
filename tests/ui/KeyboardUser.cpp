// xdotool keys as the user presses them; the chooser's name field takes a whole path.
#include "KeyboardUser.h"

#include "EngineHostScreen.h"

#include <chrono>
#include <cstdlib>
#include <thread>

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool Keys(const std::string& keys) {
    return Run("xdotool key --clearmodifiers " + keys);
}

bool Type(const std::string& text) {
    return Run("xdotool type --delay 15 '" + text + "'");
}

bool Focus(XWindow w) {
    return Run("xdotool windowfocus --sync " + std::to_string(w));
}

bool KeyboardUser::focusMain() {
    return Focus(m_editor.window());
}

bool KeyboardUser::choose(const std::string& title, const std::string& path, bool openDialog) {
    XWindow chooser = m_editor.x().waitForWindow(title, 10);
    if (!chooser || !Focus(chooser)) return false;
    Sleep(300);
    // An open chooser needs Ctrl+L for a location field; a save chooser's
    // name field takes a whole path.
    if (openDialog && !Keys("ctrl+l")) return false;
    Sleep(200);
    if (!Type(path)) return false;
    Sleep(200);
    if (!Keys("Return")) return false;
    for (int i = 0; i < 100; ++i) {
        if (!m_editor.x().mapped(chooser)) return true;
        Sleep(100);
    }
    return false;
}
