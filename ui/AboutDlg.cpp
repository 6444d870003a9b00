// The about dialog: the server's about page, or a page of the program's own when the server cannot be reached.
#include "ui/AboutDlg.h"

#include "app/ServerSettings.h"

#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/webview.h>

namespace {
constexpr int kAboutPageId = 10003;

wxString OwnPage() {
    return wxS("<html><head><meta charset=\"utf-8\"></head>"
               "<body style=\"font-family: sans-serif\"><h2>Flarewick</h2><p>") +
           wxGetTranslation(wxString::FromUTF8("cocos2d-x 粒子编辑器")) + wxS("</p><p>") +
           wxString::Format(wxGetTranslation(wxString::FromUTF8("版本 %s")), wxString::FromUTF8(kProgramVersion)) +
           wxS("</p></body></html>");
}
} // namespace

AboutDlg::AboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxGetTranslation(wxString::FromUTF8("关于")), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_webView =
        wxWebView::New(this, kAboutPageId, wxString::FromUTF8(AboutPageUrl()), wxDefaultPosition, wxSize(420, 200));
    if (m_webView) {
        m_webView->Bind(wxEVT_WEBVIEW_ERROR, &AboutDlg::OnPageError, this);
        m_webView->Bind(wxEVT_WEBVIEW_LOADED, &AboutDlg::OnPageLoaded, this);
        column->Add(m_webView, 1, wxALL, 10);
    }
    column->Add(new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLI_HORIZONTAL), 0,
                wxEXPAND | wxLEFT | wxRIGHT, 10);
    m_buttonOK = new wxButton(this, wxID_OK, wxGetTranslation("OK"));
    m_buttonOK->SetDefault();
    column->Add(m_buttonOK, 0, wxALIGN_RIGHT | wxALL, 15);
    SetSizerAndFit(column);
}

void AboutDlg::OnPageError(wxWebViewEvent& event) {
    // Only a failure of the page itself counts.
    if (m_ownPage || event.GetURL() != wxString::FromUTF8(AboutPageUrl())) return;
    m_ownPage = true;
    CallAfter([this] { ShowOwnPage(); });
}

// The web view follows a failure with an error page of its own, which may
// arrive before or after the program's page: whenever it finishes loading,
// the program's page goes back over it.
void AboutDlg::OnPageLoaded(wxWebViewEvent& event) {
    if (m_ownPage && event.GetURL() == wxString::FromUTF8(AboutPageUrl())) ShowOwnPage();
}

void AboutDlg::ShowOwnPage() {
    constexpr int kMostReplacements = 4; // never a loop with a stubborn view
    if (m_replacements >= kMostReplacements) return;
    ++m_replacements;
    m_webView->SetPage(OwnPage(), "about:blank");
}
