// Program entry: quiet the toolkit's assertions, then run MyApp.
#include "program/MyApp.h"

#include <wx/log.h>

#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv) {
    // The engine view needs GLX, so run on X11 (XWayland on Wayland desktops).
    setenv("GDK_BACKEND", "x11", 0);
    wxDisableAsserts();
    wxLog::SetLogLevel(wxLOG_Info);
    const int status = wxEntry(argc, argv);
    return MyApp::startUpExitStatus() >= 0 ? MyApp::startUpExitStatus() : status;
}
