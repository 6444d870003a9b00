// The about dialog: the project's about page in a web view, a line and the OK button.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>

class wxWebView;
class wxWebViewEvent;

class AboutDlg : public wxDialog {
public:
    explicit AboutDlg(wxWindow* parent);

    wxWebView* m_webView = nullptr;
    wxButton* m_buttonOK = nullptr;
    // Whether the program's own page replaced an unreachable server's.
    bool showsOwnPage() const { return m_ownPage; }

private:
    void OnPageError(wxWebViewEvent& event);
    void OnPageLoaded(wxWebViewEvent& event);
    void ShowOwnPage();

    bool m_ownPage = false;
    int m_replacements = 0;
};
