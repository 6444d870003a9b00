// The export command in the main window: where it sits in the File menu, when it can be chosen, what it starts with.
#include "MainFrameFixture.h"

#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/AnimationExport.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include <wx/menu.h>

namespace {

wxString U(const char* text) {
    return wxString::FromUTF8(text);
}

} // namespace

using GuiExportCommand = GuiMainFrameFixture;

TEST_F(GuiExportCommand, TheEntryFollowsSaveAsAndIsGreyWithoutASelectedEffect) {
    wxMenuBar* bar = m_frame->GetMenuBar();
    wxMenu* file = bar->GetMenu(0);
    const int at = file->FindItem(U("导出动画…"));
    ASSERT_EQ(at, ID_EXPORT_ANIMATION);
    size_t index = 0;
    file->FindChildItem(ID_EXPORT_ANIMATION, &index);
    EXPECT_EQ(file->FindItemByPosition(index - 1)->GetItemLabelText(), U("另存为"));

    m_frame->UpdateWindowUI();
    EXPECT_FALSE(bar->IsEnabled(ID_EXPORT_ANIMATION));
    command(wxID_NEW);
    m_frame->UpdateWindowUI();
    EXPECT_TRUE(bar->IsEnabled(ID_EXPORT_ANIMATION));
    SelectionManager::getInstance()->clearSelection();
    m_frame->UpdateWindowUI();
    EXPECT_FALSE(bar->IsEnabled(ID_EXPORT_ANIMATION));
    // The command with nothing selected does nothing, not even a dialog.
    command(ID_EXPORT_ANIMATION);
    EXPECT_EQ(m_dialogs.otherDialogs, 0);
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(GuiExportCommand, TheDialogStartsWithTheDesignSizeTheEffectsDurationAndThePreviewSeed) {
    command(wxID_NEW);
    auto* effect = AnimationExport::selectedEffect();
    ASSERT_NE(effect, nullptr);
    AnimationExport& exporter = m_frame->animationExport();
    ExportOptions o = exporter.startingOptions(effect);
    EXPECT_EQ(o.width, 640);
    EXPECT_EQ(o.height, 960);
    EXPECT_EQ(o.fps, 30);
    // The new effect is endless: two seconds of it.
    EXPECT_DOUBLE_EQ(o.seconds, 2.0);
    EXPECT_EQ(o.seed.value_or(0), 1u);
    EXPECT_EQ(o.background, ExportBackground::Transparent);
    effect->setDuration(0.75f);
    exporter.setPreviewSeed([] { return std::optional<unsigned>(42); });
    o = exporter.startingOptions(effect);
    EXPECT_DOUBLE_EQ(o.seconds, 0.75);
    EXPECT_EQ(o.seed.value_or(0), 42u);
    exporter.setPreviewSeed([] { return std::optional<unsigned>(); });
    EXPECT_EQ(exporter.startingOptions(effect).seed.value_or(0), 1u);
    exporter.setPreviewSeed(nullptr);
}
