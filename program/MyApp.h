// The application object: starts the editor and shows the main window.
#pragma once

#include <wx/app.h>

#include <vector>

class MainFrame;

class MyApp : public wxApp {
public:
    bool OnInit() override;

    // The command line: flarewick [--help] [--version] [FILE...]
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    bool OnCmdLineHelp(wxCmdLineParser& parser) override;
    bool OnCmdLineError(wxCmdLineParser& parser) override;

    // The command line as the system gave it: the toolkit drops arguments
    // its locale cannot convert, file names with them included.
    static void keepArguments(int argc, char** argv);
    // Answers --help, --version and a wrong option before any window or
    // display is needed: the exit status, or -1 when the editor is to start.
    static int answerCommandLine(int argc, char** argv);

    // The process's exit status when start-up ends before the editor runs
    // (help, version, a wrong option); -1 when it did not.
    static int startUpExitStatus();

private:
    std::vector<wxString> m_files;    // named on the command line, absolute
    MainFrame* m_mainFrame = nullptr; // not owned: the toolkit destroys top-level windows
};

wxDECLARE_APP(MyApp);
