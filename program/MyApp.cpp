// Start-up: configuration, image and resource handlers, the main window.
#include "program/MyApp.h"

#include "app/EditorConfig.h"
#include "app/UpdateCheck.h"
#include "editor/FilePathBytes.h"
#include "editor/PropertyExtention.h"
#include "ui/MainFrame.h"

#include "platform/CCCommon.h"

#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/msgout.h>
#include <wx/msgdlg.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <wx/xrc/xh_ribbon.h>
#include <wx/xrc/xmlres.h>

namespace {
int g_startUpExitStatus = -1;
std::vector<std::string> g_arguments;

// The file names among the arguments: all but the options, and everything after "--".
std::vector<std::string> FileArguments() {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (size_t i = 1; i < g_arguments.size(); ++i) {
        const std::string& argument = g_arguments[i];
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            files.push_back(argument);
    }
    return files;
}
const char* const kVersion = "1.7";
void DescribeCommandLine(wxCmdLineParser& parser);
void PrintUsage(wxCmdLineParser& parser);
void PrintUsageLine();
} // namespace

void MyApp::keepArguments(int argc, char** argv) {
    g_arguments.assign(argv, argv + argc);
}

int MyApp::startUpExitStatus() {
    return g_startUpExitStatus;
}

int MyApp::answerCommandLine(int argc, char** argv) {
    bool options = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (argv[i][0] == '-' && argv[i][1] != '\0') options = true;
    if (!options) return -1;
    // Before the toolkit starts: asking for help needs no display. The
    // parser's complaint goes to standard error.
    wxMessageOutputStderr complaints;
    wxMessageOutput* const previous = wxMessageOutput::Set(&complaints);
    wxCmdLineParser parser(argc, argv);
    DescribeCommandLine(parser);
    const int parsed = parser.Parse(false);
    wxMessageOutput::Set(previous);
    switch (parsed) {
    case -1:
        PrintUsage(parser);
        return 0;
    case 0:
        if (!parser.Found("version")) return -1;
        std::printf("Flarewick %s\n", kVersion);
        return 0;
    default:
        PrintUsageLine();
        return 2;
    }
}

void MyApp::OnInitCmdLine(wxCmdLineParser& parser) {
    DescribeCommandLine(parser);
}

namespace {
void DescribeCommandLine(wxCmdLineParser& parser) {
    parser.SetLogo(wxString::FromUTF8("Flarewick ") + kVersion);
    parser.AddSwitch("h", "help", wxGetTranslation(wxString::FromUTF8("显示用法并退出")), wxCMD_LINE_OPTION_HELP);
    parser.AddLongSwitch("version", wxGetTranslation(wxString::FromUTF8("显示版本号并退出")));
    parser.AddParam(wxGetTranslation(wxString::FromUTF8("文件")), wxCMD_LINE_VAL_STRING,
                    wxCMD_LINE_PARAM_OPTIONAL | wxCMD_LINE_PARAM_MULTIPLE);
}

void PrintUsage(wxCmdLineParser& parser) {
    std::printf("%s", static_cast<const char*>(parser.GetUsageString().utf8_str()));
}

// The parser has said what was wrong; one line says what is right.
void PrintUsageLine() {
    std::fprintf(
        stderr, "%s\n",
        wxGetTranslation(wxString::FromUTF8("用法：flarewick [--help] [--version] [文件...]")).utf8_str().data());
}
} // namespace

bool MyApp::OnCmdLineParsed(wxCmdLineParser& parser) {
    if (parser.Found("version")) {
        std::printf("Flarewick %s\n", kVersion);
        g_startUpExitStatus = 0;
        return false;
    }
    for (const std::string& name : FileArguments()) {
        wxFileName file(PathText(name));
        file.MakeAbsolute();
        m_files.push_back(file.GetFullPath());
    }
    return true;
}

bool MyApp::OnCmdLineHelp(wxCmdLineParser& parser) {
    PrintUsage(parser);
    g_startUpExitStatus = 0;
    return false;
}

bool MyApp::OnCmdLineError(wxCmdLineParser&) {
    PrintUsageLine();
    g_startUpExitStatus = 2;
    return false;
}

bool MyApp::OnInit() {
    // The command line first: asking for help or the version starts nothing.
    if (!wxApp::OnInit()) return false;
    // The answer is acted on once the main window is on screen.
    HoldUpdateAnswers();
    SendUpdateCheck();
    LoadEditorConfig();

    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxXPMHandler);
    wxImage::AddHandler(new wxJPEGHandler);
    // The window icon "rc/Icon.ico" is an ICO file, which GTK builds do not
    // read without this handler.
    wxImage::AddHandler(new wxICOHandler);

    wxXmlResource::Get()->AddHandler(new wxRibbonXmlHandler);

    // Point and size values in the grid, and the spin-control editor, must be
    // known before the first property page is built.
    RegisterPropertyExtensions();

    // The engine reports OpenGL start-up problems through its own message box.
    // The text also goes to standard error, so it survives in logs of
    // unattended runs.
    cocos2d::setMessageBoxHandler([](const char* msg, const char* title) {
        std::fprintf(stderr, "%s: %s\n", title ? title : "", msg ? msg : "");
        wxMessageBox(wxString::FromUTF8(msg ? msg : ""), wxString::FromUTF8(title ? title : ""), wxOK | wxCENTRE);
    });

    m_mainFrame = new MainFrame(nullptr);
    m_mainFrame->Show(true);
    m_mainFrame->openAtStart(m_files);
    return true;
}
