// Start-up: configuration, image and resource handlers, the main window.
#include "app/MyApp.h"

#include "app/EditorConfig.h"
#include "editor/PropertyExtention.h"
#include "ui/MainFrame.h"

#include <wx/image.h>
#include <wx/xrc/xh_ribbon.h>
#include <wx/xrc/xmlres.h>

bool MyApp::OnInit() {
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

    m_mainFrame = new MainFrame(nullptr);
    m_mainFrame->Show(true);
    return true;
}
