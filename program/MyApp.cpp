// Start-up: configuration, image and resource handlers, the main window.
#include "program/MyApp.h"

#include "app/EditorConfig.h"
#include "app/UpdateCheck.h"
#include "editor/PropertyExtention.h"
#include "ui/MainFrame.h"

#include "platform/CCCommon.h"

#include <wx/image.h>
#include <wx/msgdlg.h>

#include <cstdio>
#include <wx/xrc/xh_ribbon.h>
#include <wx/xrc/xmlres.h>

bool MyApp::OnInit() {
    // The answer is acted on once the main window is on screen.
    HoldUpdateAnswers();
    SendUpdateCheck();
    LoadEditorConfig();

    if (!wxApp::OnInit()) return false;

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
    return true;
}
