// The export command in the main window: where it sits in the File menu, when it can be chosen, what it starts with.
#include "MainFrameFixture.h"

#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"

#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/AnimationExport.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCommands.h"

#include <wx/image.h>
#include <wx/menu.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

wxString U(const std::string& text) {
    return wxString::FromUTF8(text.c_str());
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
    // The preview's fixed seed ("随机种子…"), while there is one.
    SetFixedPreviewSeed(42u);
    o = exporter.startingOptions(effect);
    EXPECT_DOUBLE_EQ(o.seconds, 0.75);
    EXPECT_EQ(o.seed.value_or(0), 42u);
    SetFixedPreviewSeed(std::nullopt);
    EXPECT_EQ(exporter.startingOptions(effect).seed.value_or(0), 1u);
}

namespace {

const std::string kRenderTool =
    std::string(FW_FLAREWICK_EXE).substr(0, std::string(FW_FLAREWICK_EXE).rfind('/')) + "/particle-render";

// One frame of the design size over the scene's background, the effect where it is.
ExportOptions OneFrame(int width, int height) {
    ExportOptions o;
    o.width = width;
    o.height = height;
    o.fps = 30;
    o.seconds = 1 / 30.0;
    o.seed = 1;
    o.background = ExportBackground::Scene;
    return o;
}

// The colour at a point of a frame counted from its bottom-left corner, as the scene counts.
std::string At(const wxImage& image, int x, int y) {
    const int row = image.GetHeight() - 1 - y;
    return std::to_string(image.GetRed(x, row)) + "," + std::to_string(image.GetGreen(x, row)) + "," +
           std::to_string(image.GetBlue(x, row));
}

} // namespace

TEST_F(GuiExportCommand, TheSceneBackgroundStaysWhereItIsAndCentringMovesItWithTheEffect) {
    wxImage picture(96, 64);
    picture.SetRGB(wxRect(0, 0, 96, 64), 30, 60, 210);
    const std::string backdrop = m_work->file("bg.png");
    ASSERT_TRUE(picture.SaveFile(wxString::FromUTF8(backdrop), wxBITMAP_TYPE_PNG));
    m_frame->documents().openPath(wxString::FromUTF8(backdrop));
    command(wxID_NEW);
    ParticleSystem2DEditor* effect = AnimationExport::selectedEffect();
    ASSERT_NE(effect, nullptr);
    effect->setPosition(cocos2d::Vec2(300, 450));
    AnimationExport& exporter = m_frame->animationExport();
    exporter.setRenderProgram(kRenderTool);

    // As in the scene: the picture in the middle of the 640 x 960 design area, black elsewhere.
    ASSERT_EQ(exporter.exportTo(effect, OneFrame(640, 960), U(m_work->file("scene"))), AnimationExport::Done);
    wxImage frame;
    ASSERT_TRUE(frame.LoadFile(U(m_work->file("scene/frame_0000.png"))));
    ASSERT_EQ(frame.GetWidth(), 640);
    EXPECT_EQ(At(frame, 340, 490), "30,60,210");
    EXPECT_EQ(At(frame, 600, 100), "0,0,0");

    // Centred in 200 x 200: the emitter moves to (100, 100), the picture's middle with it to (120, 130).
    ExportOptions centred = OneFrame(200, 200);
    centred.centred = true;
    ASSERT_EQ(exporter.exportTo(effect, centred, U(m_work->file("centred"))), AnimationExport::Done);
    ASSERT_TRUE(frame.LoadFile(U(m_work->file("centred/frame_0000.png"))));
    EXPECT_EQ(At(frame, 150, 150), "30,60,210");
    EXPECT_EQ(At(frame, 20, 190), "0,0,0");
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(GuiExportCommand, ARenderThatFailsIsReportedInABoxAndLeavesNothing) {
    command(wxID_NEW);
    AnimationExport& exporter = m_frame->animationExport();
    exporter.setRenderProgram("/bin/false");
    const wxString path = U(m_work->file("anim.gif"));
    ExportOptions o = OneFrame(32, 32);
    o.format = ExportFormat::Gif;
    ASSERT_EQ(exporter.exportTo(AnimationExport::selectedEffect(), o, path), AnimationExport::Failed);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, U("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, U("导出失败！") + wxS("\n") + path + wxS("\n") + U("渲染程序意外退出。"));

    // The render's own reason comes through, in the user's words where it is a known one.
    m_dialogs.boxes.clear();
    const std::string script = m_work->file("fails.sh");
    m_work->write("fails.sh", "#!/bin/sh\necho 'frame 1/1' >&2\necho 'particle-render: out of memory' >&2\nexit 1\n");
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    exporter.setRenderProgram(script);
    ASSERT_EQ(exporter.exportTo(AnimationExport::selectedEffect(), o, path), AnimationExport::Failed);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].message, U("导出失败！") + wxS("\n") + path + wxS("\n") + U("内存不足。"));
    std::filesystem::remove(script);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(m_work->path()))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"rc", "res"}));
}

TEST_F(GuiExportCommand, ThePreviewKeepsDrawingWhileAnExportRenders) {
    command(wxID_NEW);
    AnimationExport& exporter = m_frame->animationExport();
    exporter.setRenderProgram(kRenderTool);
    int drawn = 0;
    auto* director = cocos2d::Director::getInstance();
    auto* listener = director->getEventDispatcher()->addCustomEventListener(
        cocos2d::Director::EVENT_AFTER_DRAW, [&drawn](cocos2d::EventCustom*) { ++drawn; });
    ExportOptions o = OneFrame(320, 480);
    o.format = ExportFormat::Webp;
    o.background = ExportBackground::Transparent;
    o.seconds = 1;
    const auto start = std::chrono::steady_clock::now();
    const AnimationExport::Result result =
        exporter.exportTo(AnimationExport::selectedEffect(), o, U(m_work->file("live.webp")));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    director->getEventDispatcher()->removeEventListener(listener);
    ASSERT_EQ(result, AnimationExport::Done);
    EXPECT_TRUE(std::filesystem::exists(m_work->file("live.webp")));
    // The live effect is drawn on every tick of the pump (20 ms): at least a third of them come while the render runs.
    EXPECT_GE(drawn, static_cast<int>(seconds * 50 / 3)) << drawn << " frames in " << seconds << " s";
}
