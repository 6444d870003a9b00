// Live counts: the per-frame watch of every effect, the frame rate, and the status bar field written from a timer.
#include "ui/PreviewCounts.h"

#include "editor/SelectionManager.h"
#include "ui/EngineHost.h"
#include "ui/MainFrameIds.h"

#include "2d/CCParticleSystem.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCScheduler.h"

#include <wx/frame.h>
#include <wx/statusbr.h>

#include <cmath>

USING_NS_CC;

namespace {
constexpr int kRefreshMilliseconds = 250;
// After the effects' own updates (priority 1), so that each frame's count is its final one.
constexpr int kWatchPriority = 2;
constexpr int kCountsField = 1;
constexpr int kCountsWidth = 360;
// Room for the field's border and inner margins beside the text itself.
constexpr int kFieldPadding = 24;

// The field never narrows, so that it does not jump as the numbers change;
// it widens when a text needs more room (other languages run longer).
void FitField(wxStatusBar* bar, const wxString& text) {
    const int needed = bar->GetTextExtent(text).x + kFieldPadding;
    if (needed <= bar->GetStatusWidth(kCountsField)) return;
    const int widths[] = {-1, needed};
    bar->SetStatusWidths(2, widths);
}

} // namespace

PreviewCounts::PreviewCounts(wxFrame* frame, EngineHost& host)
    : m_frame(frame),
      m_host(host),
      m_timer(this, ID_PREVIEW_COUNTS_TIMER) {
    if (wxStatusBar* bar = frame->GetStatusBar()) {
        const int widths[] = {-1, kCountsWidth};
        bar->SetFieldsCount(2, widths);
        // Writing the field repaints only the bar, never the engine view.
        host.ignoreEventsOf(bar);
    }
    host.ignoreEventsOf(&m_timer);
    Director::getInstance()->getScheduler()->schedulePerFrame(
        [this](float dt) { m_watch.watchFrame(Director::getInstance()->getRunningScene(), dt); }, this, kWatchPriority,
        false);
    m_watching = true;
    m_timer.Start(kRefreshMilliseconds);
}

PreviewCounts::~PreviewCounts() {
    stop();
}

void PreviewCounts::stop() {
    m_timer.Stop();
    if (!m_watching) return;
    m_watching = false;
    Director::getInstance()->getScheduler()->unscheduleUpdate(this);
}

void PreviewCounts::restart(const ParticleSystem* system) {
    m_watch.restart(system);
}

void PreviewCounts::restartAll() {
    m_watch.restartAll();
}

wxString PreviewCounts::textFor(const ParticleSystem* selected) const {
    const int rate = static_cast<int>(std::lround(m_frameRate));
    if (!selected) return wxString::Format(wxGetTranslation(wxString::FromUTF8("帧率 %d")), rate);
    const EffectWatch::Watch watch = m_watch.of(selected);
    const int total = selected->getTotalParticles();
    wxString text = wxString::Format(wxGetTranslation(wxString::FromUTF8("粒子 %d/%d  峰值 %d  帧率 %d")),
                                     selected->getParticleCount(), total, watch.peak, rate);
    // A whole life span shows whether the cap is ever reached.
    const float lifeSpan = selected->getLife() + std::fabs(selected->getLifeVar());
    if (watch.capped)
        text << wxS("  ") << wxGetTranslation(wxString::FromUTF8("粒子数已达上限"));
    else if (watch.age > 0 && watch.age >= lifeSpan && watch.peak < total)
        text << wxS("  ") << wxGetTranslation(wxString::FromUTF8("未达到最大粒子数"));
    return text;
}

void PreviewCounts::refresh() {
    const Clock::time_point now = Clock::now();
    m_frameSamples.emplace_back(now, m_host.framesDrawn());
    while (m_frameSamples.size() > 2 && now - m_frameSamples[1].first >= std::chrono::seconds(1))
        m_frameSamples.pop_front();
    const auto& oldest = m_frameSamples.front();
    const double seconds = std::chrono::duration<double>(now - oldest.first).count();
    m_frameRate = seconds > 0 ? static_cast<double>(m_host.framesDrawn() - oldest.second) / seconds : 0;

    const auto& selection = SelectionManager::getInstance()->selection;
    const auto* selected = selection.empty() ? nullptr : dynamic_cast<const ParticleSystem*>(selection.front());
    const wxString text = textFor(selected);
    wxStatusBar* bar = m_frame->GetStatusBar();
    if (!bar) return;
    if (text == m_shown) return;
    FitField(bar, text);
    m_shown = text;
    bar->SetStatusText(text, kCountsField);
}

void PreviewCounts::OnTimer(wxTimerEvent&) {
    refresh();
}

// clang-format off
wxBEGIN_EVENT_TABLE(PreviewCounts, wxEvtHandler)
    EVT_TIMER(ID_PREVIEW_COUNTS_TIMER, PreviewCounts::OnTimer)
wxEND_EVENT_TABLE()
