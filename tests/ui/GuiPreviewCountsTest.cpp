// The status bar's live counts on a real main window: alive and cap, peak, frame rate and the two notes.
#include "MainFrameFixture.h"

#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCommands.h"
#include "ui/PreviewCounts.h"
#include "view/wxCCGLViewImpl.h"

#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <algorithm>

namespace {
wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}
} // namespace

class GuiPreviewCounts : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        // Replays start from nothing: the counts after a few steps are exact.
        SetFixedPreviewSeed(11u);
        focusFrame();
    }
    void TearDown() override {
        SetFixedPreviewSeed(std::nullopt);
        if (m_frame) m_frame->preview().clock().setPaused(false);
        GuiMainFrameFixture::TearDown();
    }

    void key(int code, int modifiers = wxMOD_NONE) { pressIn(m_frame->engineView(), code, modifiers, 40); }
    // Pauses, replays and steps, noting the most particles seen after any frame.
    int replayAndStep(ParticleSystem2DEditor* system, int frames) {
        if (!m_frame->preview().clock().paused()) key(WXK_SPACE);
        key('R', wxMOD_CONTROL);
        int most = system->getParticleCount();
        for (int i = 0; i < frames; ++i) {
            stepFrames(1);
            most = std::max(most, system->getParticleCount());
        }
        return most;
    }
    // The counts field once the timer has written it.
    wxString counts(const wxString& expected = wxString()) {
        wxStatusBar* bar = m_frame->GetStatusBar();
        if (!expected.empty())
            pumpUntil([&] { return bar->GetStatusText(1) == expected; }, 2);
        else
            pump(300);
        return bar->GetStatusText(1);
    }
};

TEST_F(GuiPreviewCounts, FlowerCountsEqualTheEngineAndTheCheckSummaryKeepsTheFirstField) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    wxStatusBar* bar = m_frame->GetStatusBar();
    ASSERT_EQ(bar->GetFieldsCount(), 2);
    bar->SetStatusText(wxS("summary"), 0);
    pump(600);
    key(WXK_SPACE);
    const int alive = flower->getParticleCount();
    ASSERT_GT(alive, 0);
    const wxString text = counts();
    EXPECT_TRUE(text.StartsWith(U("粒子 ") + wxString::Format(U("%d/250  峰值 "), alive))) << text;
    EXPECT_NE(text.Find(U("帧率 ")), wxNOT_FOUND) << text;
    EXPECT_EQ(bar->GetStatusText(0), wxS("summary"));

    // Without a selection only the frame rate is shown; paused, nothing is drawn.
    SelectionManager::getInstance()->clearSelection();
    pump(1300);
    EXPECT_EQ(counts(U("帧率 0")), U("帧率 0"));
}

TEST_F(GuiPreviewCounts, FrameRateFollowsTheFramesDrawn) {
    ASSERT_NE(newParticle(), nullptr);
    pump(1500);
    const wxString text = counts();
    long rate = 0;
    ASSERT_TRUE(text.AfterLast(' ').ToLong(&rate)) << text;
    EXPECT_GT(rate, 5) << "a live effect is drawn every tick";
    EXPECT_LE(rate, 55) << "the pump draws at most 50 frames a second";
}

TEST_F(GuiPreviewCounts, PeakAndTheNoteThatTheCapIsNeverReached) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    // Half a second of life at 62.5 a second: about 31 alive, far below 250.
    flower->setLife(0.5f);
    flower->setLifeVar(0);
    int most = replayAndStep(flower, 20);
    wxString text = counts();
    EXPECT_EQ(text.Find(U("未达到最大粒子数")), wxNOT_FOUND) << "noted before a whole life span: " << text;
    most = std::max(most, replayAndStep(flower, 0));
    for (int i = 0; i < 20; ++i) {
        stepFrames(1);
        most = std::max(most, flower->getParticleCount());
    }
    // The emitter stops; the peak stays while the count falls.
    flower->stopSystem();
    stepFrames(12);
    ASSERT_LT(flower->getParticleCount(), most);
    text = counts();
    EXPECT_TRUE(
        text.StartsWith(U("粒子 ") + wxString::Format(U("%d/250  峰值 %d  "), flower->getParticleCount(), most)))
        << text;
    EXPECT_TRUE(text.EndsWith(U("  未达到最大粒子数"))) << text;

    // A replay starts the peak over.
    replayAndStep(flower, 1);
    text = counts();
    EXPECT_TRUE(text.StartsWith(U("粒子 1/250  峰值 1  "))) << text;
}

TEST_F(GuiPreviewCounts, NoteWhenTheCapRefusesNewParticles) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    // The engine sets the rate to total / life; one a frame fills the 20 in a third of a second.
    flower->setTotalParticles(20);
    flower->setEmissionRate(60);
    replayAndStep(flower, 15);
    ASSERT_LT(flower->getParticleCount(), 20);
    EXPECT_EQ(counts().Find(U("粒子数已达上限")), wxNOT_FOUND);
    stepFrames(10);
    ASSERT_EQ(flower->getParticleCount(), 20);
    const wxString text = counts();
    EXPECT_TRUE(text.StartsWith(U("粒子 20/20  峰值 20  "))) << text;
    EXPECT_TRUE(text.EndsWith(U("  粒子数已达上限"))) << text;
}

TEST_F(GuiPreviewCounts, FieldWidensToItsTextAndNeverNarrows) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    wxStatusBar* bar = m_frame->GetStatusBar();
    // A field too narrow for its text, as a longer language's words would find it.
    const int narrow[] = {-1, 40};
    bar->SetStatusWidths(2, narrow);
    m_frame->preview().counts().refresh();
    const wxString text = bar->GetStatusText(1);
    ASSERT_FALSE(text.empty());
    wxRect field;
    ASSERT_TRUE(bar->GetFieldRect(1, field));
    EXPECT_GE(field.width, bar->GetTextExtent(text).x) << text;

    // A shorter text later keeps the width.
    const int wide = bar->GetStatusWidth(1);
    SelectionManager::getInstance()->clearSelection();
    m_frame->preview().counts().refresh();
    EXPECT_EQ(bar->GetStatusWidth(1), wide);
}
