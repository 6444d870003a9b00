// The particle-file notice: runs the game-behaviour checks and shows their findings in the interface's language.
#include "ui/ParticleCheckNotice.h"

#include "editor/FilePathBytes.h"
#include "tools/particle-check/ParticleCheckTexts.h"
#include "tools/particle-check/ParticleChecker.h"

#include <wx/aui/framemanager.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/translation.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
const int kCloseId = wxID_CLOSE;
// Our own colours on both sides, so the notice reads the same on a light and a dark theme.
const wxColour kBackground(255, 244, 206);
const wxColour kForeground(60, 40, 0);

// A finding may quote a file name whose bytes are not UTF-8.
std::vector<wxString> argumentTexts(const std::vector<std::string>& args) {
    std::vector<wxString> texts;
    for (const std::string& arg : args) texts.push_back(PathText(arg));
    return texts;
}
} // namespace

const wxString ParticleCheckNotice::kPaneName = wxS("particle_check");

ParticleCheckNotice::ParticleCheckNotice(wxWindow* parent, wxAuiManager& mgr) : wxPanel(parent, wxID_ANY), m_mgr(mgr) {
    SetBackgroundColour(kBackground);
    m_text = new wxStaticText(this, wxID_ANY, wxEmptyString);
    m_text->SetForegroundColour(kForeground);
    m_close = new wxButton(this, kCloseId, wxGetTranslation(wxString::FromUTF8("关闭")));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_text, 1, wxALL | wxALIGN_CENTER_VERTICAL, 6);
    row->Add(m_close, 0, wxALL | wxALIGN_TOP, 4);
    SetSizer(row);
    m_mgr.AddPane(
        this,
        wxAuiPaneInfo().Name(kPaneName).Top().Row(1).CaptionVisible(false).PaneBorder(false).Resizable(false).Hide());
    // Until the docking manager next lays out, the new panel would sit in
    // the window's corner as a small yellow square.
    m_mgr.Update();
}

void ParticleCheckNotice::checkFile(const wxString& path) {
    const std::vector<ParticleFinding> findings = ParticleChecker().checkFile(PathBytes(path));
    if (findings.empty()) {
        m_summaries.erase(path);
        m_message.clear();
        showPane(false);
        return;
    }
    const ParticleCheckTexts::Summary counts = ParticleCheckTexts::summary(findings);
    const wxString summary =
        ParticleCheckTexts::fill(wxGetTranslation(wxString::FromUTF8(counts.templateZh)), argumentTexts(counts.args));
    m_summaries[path] = summary;
    m_message = summary + wxS("  ") + path;
    for (const ParticleFinding& f : findings)
        m_message << wxS("\n• ")
                  << ParticleCheckTexts::fill(
                         wxGetTranslation(wxString::FromUTF8(ParticleCheckTexts::templateZh(f.code))),
                         argumentTexts(f.args));
    m_text->SetLabel(m_message);
    // The notice spans the column of the engine view; lines wrap inside it,
    // beside the close button.
    const wxAuiPaneInfo& centre = m_mgr.GetPane(wxS("notebook_content"));
    const int column = centre.IsOk() && centre.window ? centre.window->GetSize().x : GetParent()->GetClientSize().x;
    m_text->Wrap(std::max(200, column - m_close->GetBestSize().x - 24));
    showPane(true);
}

void ParticleCheckNotice::showSummaryFor(wxFrame* frame, const wxString& selectedPath) {
    const auto found = selectedPath.empty() ? m_summaries.end() : m_summaries.find(selectedPath);
    const wxString wanted = found == m_summaries.end() ? wxString() : found->second;
    if (wanted == m_statusText) return;
    m_statusText = wanted;
    frame->SetStatusText(wanted);
}

bool ParticleCheckNotice::isShownAsPane() const {
    return m_mgr.GetPane(const_cast<ParticleCheckNotice*>(this)).IsShown();
}

void ParticleCheckNotice::OnClose(wxCommandEvent&) {
    showPane(false);
}

void ParticleCheckNotice::showPane(bool show) {
    wxAuiPaneInfo& pane = m_mgr.GetPane(this);
    if (show) {
        Layout();
        pane.BestSize(GetBestSize()).MinSize(-1, GetBestSize().y);
    }
    pane.Show(show);
    m_mgr.Update();
}

// clang-format off
wxBEGIN_EVENT_TABLE(ParticleCheckNotice, wxPanel)
    EVT_BUTTON(kCloseId, ParticleCheckNotice::OnClose)
wxEND_EVENT_TABLE()
