// The update prompts as the user meets them: real message boxes with the notice caption, answered by real clicks.
#include "app/UpdatePrompts.h"

#include "UiToolkit.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>

namespace {

TEST(GuiUpdatePrompts, YesNoBoxAndNoticeShowWithTheNoticeCaption) {
    ASSERT_TRUE(StartToolkit()) << "no X display: run the GUI tests under Xvfb";
    auto* frame = new wxFrame(nullptr, wxID_ANY, "host", wxPoint(50, 50), wxSize(400, 300));
    frame->Show();
    PumpEvents(200);

    MessageBoxClicker clicker;
    clicker.answerNext(wxID_NO);
    clicker.answerNext(wxID_YES);
    clicker.answerNext(wxID_OK);
    UpdatePrompts& prompts = CurrentUpdatePrompts();
    EXPECT_FALSE(prompts.AskYesNo(wxString::FromUTF8("有新版本")));
    EXPECT_TRUE(prompts.AskYesNo(wxString::FromUTF8("有新版本")));
    prompts.Notify(wxString::FromUTF8("已是最新版本无需更新！"));

    ASSERT_EQ(clicker.shown.size(), 3u);
    EXPECT_EQ(clicker.closed, 3);
    EXPECT_EQ(clicker.shown[0].caption, "提示");
    EXPECT_EQ(clicker.shown[0].message, "有新版本");
    EXPECT_TRUE(clicker.shown[0].yesNo);
    EXPECT_EQ(clicker.shown[2].caption, "提示");
    EXPECT_EQ(clicker.shown[2].message, "已是最新版本无需更新！");
    EXPECT_FALSE(clicker.shown[2].yesNo);
    frame->Destroy();
    PumpEvents(50);
}

} // namespace
