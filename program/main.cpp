// Program entry: quiet the toolkit's assertions, then run MyApp.
#include "program/MyApp.h"

#include "app/InterfaceLanguage.h"
#include "editor/FilePathBytes.h"

#include "platform/CCRunTimeFiles.h"

#include <wx/log.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv) {
    // The engine view needs GLX, so run on X11 (XWayland on Wayland desktops).
    setenv("GDK_BACKEND", "x11", 0);
    // A write past the file-size limit (a quota standing in for a full disk)
    // must fail with its reason, which the editor reports and survives, not
    // end the process with the user's work in it.
    std::signal(SIGXFSZ, SIG_IGN);
    wxDisableAsserts();
    wxLog::SetLogLevel(wxLOG_Info);
    // Before anything is said, even the usage text.
    const InterfaceLanguage language = ChooseInterfaceLanguage();
    if (!UseInterfaceLanguage(language, PathText(cocos2d::executablePath())))
        std::fprintf(stderr, "flarewick: the English catalog (flarewick.mo) is missing; the interface stays Chinese\n");
    const int answered = MyApp::answerCommandLine(argc, argv);
    if (answered >= 0) return answered;
    MyApp::keepArguments(argc, argv);
    const int status = wxEntry(argc, argv);
    return MyApp::startUpExitStatus() >= 0 ? MyApp::startUpExitStatus() : status;
}
