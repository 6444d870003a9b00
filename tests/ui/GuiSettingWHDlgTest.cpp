// The design-resolution dialog as a user meets it: controls, arrow limits, OK, close and the refusal of 0.
#include "ui/SettingWHDlg.h"

#include "UiToolkit.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/statbox.h>

#include <algorithm>
#include <cstdio>

namespace {

class GuiSettingWHDlg : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartToolkit()) << "no X display: run the GUI tests under Xvfb";
        frame = new wxFrame(nullptr, wxID_ANY, "host", wxPoint(50, 50), wxSize(600, 500));
        frame->Show();
        PumpEvents(100);
    }
    void TearDown() override {
        if (frame) frame->Destroy();
        PumpEvents(50);
    }
    wxFrame* frame = nullptr;
};

TEST_F(GuiSettingWHDlg, ControlsRangesAndLabels) {
    SettingWHDlg dlg(frame, 4711, "", wxDefaultPosition, wxSize(309, 159), wxRESIZE_BORDER);
    EXPECT_NE(dlg.GetId(), 4711);
    EXPECT_FALSE(dlg.HasFlag(wxRESIZE_BORDER));
    EXPECT_GE(dlg.GetSize().x, 309);
    EXPECT_GE(dlg.GetSize().y, 159);
    std::printf("dialog %d x %d, field %d px\n", dlg.GetSize().x, dlg.GetSize().y, dlg.m_spinWidth->GetSize().x);
    EXPECT_EQ(dlg.m_staticTextWidth->GetLabel(), "width");
    EXPECT_EQ(dlg.m_staticTextHeight->GetLabel(), "height");
    for (wxSpinCtrl* field : {dlg.m_spinWidth, dlg.m_spinHeight}) {
        EXPECT_EQ(field->GetMin(), 0);
        EXPECT_EQ(field->GetMax(), 99999);
        EXPECT_EQ(field->GetValue(), 0);
        EXPECT_EQ(field->GetName(), "wxSpinCtrl");
        EXPECT_TRUE(field->HasFlag(wxSP_ARROW_KEYS));
        EXPECT_FALSE(field->HasFlag(wxALIGN_RIGHT));
        EXPECT_TRUE(dynamic_cast<wxStaticBox*>(field->GetParent())) << "inside the \"分辨率\" box";
    }
    auto* box = dynamic_cast<wxStaticBox*>(dlg.m_spinWidth->GetParent());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetLabel().utf8_string(), "分辨率");
    EXPECT_EQ(dlg.m_buttonOK->GetId(), wxID_OK);
    EXPECT_EQ(dlg.m_buttonOK->GetLabel().utf8_string(), "确定");
    EXPECT_EQ(dlg.m_buttonClose->GetId(), wxID_CANCEL);
    EXPECT_EQ(dlg.m_buttonClose->GetLabel().utf8_string(), "关闭");
    EXPECT_EQ(dlg.GetDefaultItem(), dlg.m_buttonOK);
    // Width before height, OK left of close.
    EXPECT_LT(dlg.m_spinWidth->GetPosition().x, dlg.m_spinHeight->GetPosition().x);
    EXPECT_LT(dlg.m_buttonOK->GetPosition().x, dlg.m_buttonClose->GetPosition().x);
}

// The arrows of a GTK spin button are its right-hand part: "+" at the very
// right, "−" just left of it.
void ClickArrow(wxSpinCtrl* field, bool up) {
    wxSize size = field->GetSize();
    int buttonWidth = 0;
    // The text part is at least a few characters wide; the two buttons share
    // the rest. Measured from the right: "+" is the last square.
    buttonWidth = std::min(size.y, size.x / 3);
    int x = up ? size.x - buttonWidth / 2 : size.x - buttonWidth - buttonWidth / 2;
    ClickAt(field, x, size.y / 2);
    PumpEvents(150);
}

TEST_F(GuiSettingWHDlg, ArrowsStopAtZeroAndAtTheLargestValue) {
    auto* dlg = new SettingWHDlg(frame, wxID_ANY, "");
    dlg->Show();
    PumpEvents(300);
    dlg->m_spinWidth->SetValue(99998);
    ClickArrow(dlg->m_spinWidth, true);
    EXPECT_EQ(dlg->m_spinWidth->GetValue(), 99999) << "the up arrow was not hit";
    ClickArrow(dlg->m_spinWidth, true);
    EXPECT_EQ(dlg->m_spinWidth->GetValue(), 99999);

    dlg->m_spinHeight->SetValue(1);
    ClickArrow(dlg->m_spinHeight, false);
    EXPECT_EQ(dlg->m_spinHeight->GetValue(), 0) << "the down arrow was not hit";
    ClickArrow(dlg->m_spinHeight, false);
    EXPECT_EQ(dlg->m_spinHeight->GetValue(), 0);
    dlg->Destroy();
}

TEST_F(GuiSettingWHDlg, ZeroIsRefusedAtOkAndTheDialogStaysOpen) {
    SettingWHDlg dlg(frame, wxID_ANY, "");
    dlg.m_spinWidth->SetValue(0);
    dlg.m_spinHeight->SetValue(960);
    MessageBoxCatcher boxes;
    bool openAfterRefusal = false;
    StepScript script;
    script.then([&] { ClickCentre(dlg.m_buttonOK); })
        .then([&] {
            openAfterRefusal = dlg.IsModal();
            dlg.m_spinWidth->SetValue(800);
            dlg.m_spinHeight->SetValue(0);
            ClickCentre(dlg.m_buttonOK);
        })
        .then([&] {
            dlg.m_spinHeight->SetValue(600);
            ClickCentre(dlg.m_buttonOK);
        })
        .then([&] {
            if (dlg.IsModal()) dlg.EndModal(wxID_ABORT); // the click did not land
        });
    script.start();
    int result = dlg.ShowModal();
    script.Stop();

    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(result, wxID_OK);
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[0], "设计分辨率的宽和高必须大于0！");
    EXPECT_EQ(boxes.captions[0], "提示");
    EXPECT_EQ(dlg.m_spinWidth->GetValue(), 800);
    EXPECT_EQ(dlg.m_spinHeight->GetValue(), 600);
}

TEST_F(GuiSettingWHDlg, CloseButtonCancels) {
    SettingWHDlg dlg(frame, wxID_ANY, "");
    dlg.m_spinWidth->SetValue(0); // not checked on close
    MessageBoxCatcher boxes;
    StepScript script;
    script.then([&] { ClickCentre(dlg.m_buttonClose); }).then([&] {
        if (dlg.IsModal()) dlg.EndModal(wxID_ABORT);
    });
    script.start();
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
    script.Stop();
    EXPECT_TRUE(boxes.messages.empty());
}

} // namespace
