// Starts the toolkit once in a test process and lets it run for a while (every GUI test program uses these).
#include "WxToolkit.h"

#include <wx/app.h>
#include <wx/init.h>

#include <glib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace {
// The editor keeps recovery files under the user's state folder; a test
// process keeps them in a folder of its own, gone when it ends.
struct PrivateStateFolder {
    PrivateStateFolder() {
        char name[] = "/tmp/flarewick-test-state-XXXXXX";
        if (mkdtemp(name)) {
            path = name;
            setenv("XDG_STATE_HOME", name, 1);
        }
    }
    ~PrivateStateFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};
} // namespace

bool StartToolkit() {
    static bool started = false;
    if (started) return true;
    static int argc = 1;
    static char name[] = "flarewick_tests";
    static char* argv[] = {name, nullptr};
    setenv("GDK_BACKEND", "x11", 0);
    // The file chooser would log dconf warnings without a settings store.
    setenv("GSETTINGS_BACKEND", "memory", 0);
    static PrivateStateFolder stateFolder;
    wxDisableAsserts();
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return false;
    if (!wxTheApp->CallOnInit()) return false;
    started = true;
    return true;
}

void PumpEvents(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        if (wxTheApp) wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
