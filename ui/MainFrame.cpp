// The editor's main window.
#include "ui/MainFrame.h"

wxBEGIN_EVENT_TABLE(MainFrame, wxFrame)
wxEND_EVENT_TABLE()

MainFrame::MainFrame(wxWindow* parent)
    : wxFrame(parent, wxID_ANY, wxString::FromUTF8("Flarewick(Cocos2dx)")) {
    SetClientSize(1280, 1000);
}
