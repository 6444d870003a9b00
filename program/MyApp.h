// The application object: starts the editor and shows the main window.
#pragma once

#include <wx/app.h>

class MainFrame;

class MyApp : public wxApp {
public:
    bool OnInit() override;

private:
    MainFrame* m_mainFrame = nullptr;  // not owned: the toolkit destroys top-level windows
};

wxDECLARE_APP(MyApp);
