// The editor's main window.
#pragma once

#include <wx/frame.h>

class MainFrame : public wxFrame {
public:
    explicit MainFrame(wxWindow* parent);

private:
    wxDECLARE_EVENT_TABLE();
};
