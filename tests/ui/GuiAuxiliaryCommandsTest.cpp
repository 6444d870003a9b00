// The main window's auxiliary commands: panes back from the "窗口" menu and the pane menu, the design resolution,
// sprites, work paths, about.
#include "MainFrameFixture.h"

#include "EngineHostScreen.h"

#include "app/EditorConfig.h"
#include "editor/ObjectTree.h"
#include "ui/AddWorkPathDlg.h"
#include "ui/AboutDlg.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/SettingWHDlg.h"
#include "view/wxCCGLViewImpl.h"

#include "LocalHttpServer.h"
#include "UiToolkit.h"
#include "X11Window.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTextureCache.h"

#include <json/reader.h>
#include <wx/aui/auibar.h>
#include <wx/aui/dockart.h>
#include <wx/menu.h>
#include <wx/aui/framemanager.h>
#include <wx/image.h>
#include <wx/propgrid/manager.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

#include <gtk/gtk.h>

#include <filesystem>
#include <fstream>
#include <functional>

USING_NS_CC;

namespace {

namespace fs = std::filesystem;

// A particle file whose texture is named and nowhere embedded: white light
// that takes the texture's colour, for ever.
std::string ParticlePlist(const std::string& texture) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>maxParticles</key><integer>80</integer><key>duration</key><real>-1</real><key>emitterType</key><integer>0</integer>
<key>particleLifespan</key><real>3</real><key>speed</key><real>5</real><key>angle</key><real>90</real>
<key>startParticleSize</key><real>60</real><key>finishParticleSize</key><real>-1</real>
<key>startColorRed</key><real>1</real><key>startColorGreen</key><real>1</real><key>startColorBlue</key><real>1</real>
<key>startColorAlpha</key><real>1</real><key>finishColorRed</key><real>1</real><key>finishColorGreen</key><real>1</real>
<key>finishColorBlue</key><real>1</real><key>finishColorAlpha</key><real>1</real>
<key>blendFuncSource</key><integer>770</integer><key>blendFuncDestination</key><integer>1</integer>
<key>textureFileName</key><string>)" +
           texture + R"(</string>
</dict></plist>
)";
}

bool Greenish(const Rgb& c) {
    return c.g > 150 && c.r < 90 && c.b < 90;
}

class GuiAuxiliaryCommands : public GuiMainFrameFixture {
protected:
    wxWindow* toolbarWindow() {
        wxAuiManager& panes = m_frame->paneManager();
        for (size_t i = 0; i < panes.GetAllPanes().size(); ++i)
            if (auto* bar = dynamic_cast<wxAuiToolBar*>(panes.GetAllPanes()[i].window)) return bar;
        return nullptr;
    }
    std::vector<wxWindow*> paneWindows() {
        return {m_frame->objectTree(), m_frame->propertyGridManager()->GetParent(), toolbarWindow()};
    }
    bool shown(wxWindow* window) { return m_frame->paneManager().GetPane(window).IsShown(); }

    // A real click on the close button at the right end of the pane's caption.
    void closeWithItsButton(wxWindow* window) {
        wxAuiManager& panes = m_frame->paneManager();
        const int caption = panes.GetArtProvider()->GetMetric(wxAUI_DOCKART_CAPTION_SIZE);
        const int button = panes.GetArtProvider()->GetMetric(wxAUI_DOCKART_PANE_BUTTON_SIZE);
        // The close button is the last one on the caption bar over the pane;
        // the toolbar's pane is wider than its tools.
        wxRect rect = window->GetRect();
        if (window == toolbarWindow()) rect.SetRight(panes.GetPane(window).rect.GetRight() - 1);
        const wxPoint target =
            m_frame->ClientToScreen(wxPoint(rect.GetRight() - button / 2, rect.GetTop() - caption / 2 - 1));
        // Under load the caption's hover state can lag behind the pointer,
        // and a click then goes unanswered; a user would click again.
        wxUIActionSimulator user;
        for (int attempt = 0; attempt < 3 && shown(window); ++attempt) {
            user.MouseMove(target - wxPoint(40, 0));
            pump(150);
            user.MouseMove(target);
            pump(150);
            user.MouseClick();
            pumpUntil([&] { return !shown(window); }, 1);
        }
        ASSERT_FALSE(shown(window)) << "the close button was not hit";
    }

    // Opens the pane menu as the keyboard's menu key does and picks entry
    // `index` with the arrow keys; returns where the menu appeared on screen.
    wxPoint pickFromPaneMenu(int index) {
        wxPoint at(-1, -1);
        StepScript script(250);
        script.then([&] {
            GtkWidget* top = gtk_widget_get_toplevel(m_frame->paneMenu()->m_menu);
            if (top && gtk_widget_get_window(top)) gdk_window_get_origin(gtk_widget_get_window(top), &at.x, &at.y);
            wxUIActionSimulator keys;
            for (int i = 0; i <= index; ++i) keys.Char(WXK_DOWN);
            keys.Char(WXK_RETURN);
        });
        script.then([&] {
            wxUIActionSimulator keys;
            keys.Char(WXK_ESCAPE); // only if the menu is still open
        });
        script.start();
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, m_frame->GetId(), wxPoint(-1, -1));
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
        script.Stop();
        pump(200);
        return at;
    }

    Screenshot grabView(X11Session& x11) {
        m_frame->Raise();
        pump(300);
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
        const wxSize size = view->GetClientSize();
        return x11.grab(origin.x, origin.y, size.x, size.y);
    }

    Json::Value storedConfig() {
        std::ifstream in(m_work->file("editor-config.json"));
        Json::Value v;
        Json::CharReaderBuilder b;
        std::string errors;
        EXPECT_TRUE(Json::parseFromStream(b, in, &v, &errors)) << errors;
        return v;
    }
};

TEST_F(GuiAuxiliaryCommands, ClosedPanesComeBackThroughTheWindowMenuAndThePaneMenu) {
    focusFrame();
    const std::vector<wxWindow*> windows = paneWindows();
    ASSERT_NE(windows[2], nullptr);
    const int ids[] = {ID_SHOW_OBJECT_PANE, ID_SHOW_PROPERTY_PANE, ID_SHOW_TOOLBAR};

    // An entry does nothing while its pane is visible: the layout stays.
    const wxString layout = m_frame->paneManager().SavePerspective();
    for (int id : ids) command(id);
    pump(100);
    EXPECT_EQ(m_frame->paneManager().SavePerspective(), layout);
    for (wxWindow* w : windows) EXPECT_TRUE(shown(w));

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "pane " << i);
        closeWithItsButton(windows[i]);
        command(ids[i]);
        pump(100);
        EXPECT_TRUE(shown(windows[i])) << "the \"窗口\" entry did not bring it back";
        EXPECT_TRUE(windows[i]->IsShown());

        closeWithItsButton(windows[i]);
        const wxPoint menuAt = pickFromPaneMenu(i);
        EXPECT_TRUE(pumpUntil([&] { return shown(windows[i]); }, 2)) << "the pane menu did not bring it back";
        // Opened from the keyboard, the menu sits at the window's centre.
        const wxPoint centre = m_frame->ClientToScreen(wxPoint(m_frame->GetSize().x / 2, m_frame->GetSize().y / 2));
        EXPECT_NEAR(menuAt.x, centre.x, 12);
        EXPECT_NEAR(menuAt.y, centre.y, 12);
    }
}

TEST_F(GuiAuxiliaryCommands, DesignResolutionDialogCancelOkAndTheAreaFollows) {
    m_dialogs.Unregister();  // the dialog is shown and used for real
    MessageBoxCatcher boxes; // answers the refusal notice
    X11Session x11;
    ASSERT_TRUE(x11.ok());
    const std::string stored = "{ \"Mine\": \"keep\", \"WorkPathes\": [] }";
    m_work->write("editor-config.json", stored);
    ASSERT_TRUE(LoadEditorConfig());

    SettingWHDlg* dialog = nullptr;
    struct Catch : wxModalDialogHook {
        SettingWHDlg** seen;
        explicit Catch(SettingWHDlg** s) : seen(s) { Register(); }
        ~Catch() override { Unregister(); }
        int Enter(wxDialog* d) override {
            if (auto* w = dynamic_cast<SettingWHDlg*>(d)) *seen = w;
            return wxID_NONE;
        }
        void Exit(wxDialog*) override {}
    } catcher(&dialog);

    PixelBox before = DarkBox(grabView(x11));
    ASSERT_FALSE(before.empty());
    EXPECT_GT(before.height, before.width) << "640 x 960 is upright";

    // Close: the dialog showed 640 and 960, and nothing changes.
    int shownWidth = -1, shownHeight = -1;
    {
        StepScript script;
        script.then([&] {
            ASSERT_NE(dialog, nullptr);
            shownWidth = dialog->m_spinWidth->GetValue();
            shownHeight = dialog->m_spinHeight->GetValue();
            dialog->m_spinWidth->SetValue(100);
            ClickCentre(dialog->m_buttonClose);
        });
        script.then([&] {
            if (dialog && dialog->IsModal()) dialog->EndModal(wxID_ABORT);
        });
        script.start();
        command(ID_SET_RESOLUTION);
        script.Stop();
    }
    EXPECT_EQ(shownWidth, 640);
    EXPECT_EQ(shownHeight, 960);
    EXPECT_EQ(m_work->read("editor-config.json"), stored);
    EXPECT_EQ(m_frame->engineHost().designWidth(), 640);
    EXPECT_EQ(Director::getInstance()->getWinSize().width, 640);

    // OK with 0 is refused and the dialog stays; then OK with 960 x 640.
    dialog = nullptr;
    bool stayedOpen = false;
    {
        StepScript script;
        script.then([&] {
            ASSERT_NE(dialog, nullptr);
            dialog->m_spinWidth->SetValue(0);
            ClickCentre(dialog->m_buttonOK);
        });
        script.then([&] {
            stayedOpen = dialog->IsModal();
            dialog->m_spinWidth->SetValue(960);
            dialog->m_spinHeight->SetValue(640);
            ClickCentre(dialog->m_buttonOK);
        });
        script.then([&] {
            if (dialog && dialog->IsModal()) dialog->EndModal(wxID_ABORT);
        });
        script.start();
        command(ID_SET_RESOLUTION);
        script.Stop();
    }
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], "设计分辨率的宽和高必须大于0！");
    EXPECT_EQ(boxes.captions[0], "提示");
    EXPECT_EQ(m_frame->engineHost().designWidth(), 960);
    EXPECT_EQ(m_frame->engineHost().designHeight(), 640);
    EXPECT_EQ(Director::getInstance()->getWinSize().width, 960);
    EXPECT_EQ(Director::getInstance()->getWinSize().height, 640);

    Json::Value file = storedConfig();
    EXPECT_TRUE(file["DesignWidth"].isInt());
    EXPECT_EQ(file["DesignWidth"].asInt(), 960);
    EXPECT_TRUE(file["DesignHeight"].isInt());
    EXPECT_EQ(file["DesignHeight"].asInt(), 640);
    EXPECT_EQ(file["Mine"].asString(), "keep");

    // The black design area on screen has the new shape: 3:2 across.
    PixelBox after = DarkBox(grabView(x11));
    ASSERT_FALSE(after.empty());
    EXPECT_NEAR(static_cast<double>(after.width) / after.height, 1.5, 0.03);
    m_dialogs.Register();
}

TEST_F(GuiAuxiliaryCommands, SpriteEntryPlacesASpriteOrNothingWithoutItsPicture) {
    command(ID_CREATE_FIRST + 1);
    ASSERT_EQ(selection().size(), 1u);
    EXPECT_EQ(treeRows(), std::vector<wxString>{"Sprite"});

    // The picture gone from every search path: nothing added, the selection kept.
    command(ID_CREATE_FIRST); // a particle system, selected
    ASSERT_EQ(selection().size(), 1u);
    EditorObject* selected = selection().front();
    const int children = sceneChildCount();
    FileUtils* files = FileUtils::getInstance();
    const std::vector<std::string> paths = files->getSearchPaths();
    files->setSearchPaths({m_work->file("nowhere")});
    Director::getInstance()->getTextureCache()->removeAllTextures();
    ASSERT_EQ(files->fullPathForFilename("Sprite.png"), "");
    command(ID_CREATE_FIRST + 1);
    EXPECT_EQ(selection(), std::vector<EditorObject*>{selected});
    EXPECT_EQ(treeRows(), (std::vector<wxString>{"Sprite", "Particle2D *"}));
    EXPECT_EQ(sceneChildCount(), children);
    // The third id of the range does nothing.
    command(ID_CREATE_FIRST + 2);
    EXPECT_EQ(treeRows().size(), 2u);
    files->setSearchPaths(paths);
}

TEST_F(GuiAuxiliaryCommands, TextureInAWorkPathAddedWhileRunningIsFoundUntilThePathIsDeleted) {
    X11Session x11;
    ASSERT_TRUE(x11.ok());
    fs::create_directories(m_work->file("docs"));
    fs::create_directories(m_work->file("textures"));
    wxImage green(32, 32);
    green.SetRGB(wxRect(0, 0, 32, 32), 0, 255, 0);
    ASSERT_TRUE(green.SaveFile(wxString::FromUTF8(m_work->file("textures/work-only.png")), wxBITMAP_TYPE_PNG));
    std::ofstream(m_work->file("docs/first.plist")) << ParticlePlist("work-only.png");
    std::ofstream(m_work->file("docs/second.plist")) << ParticlePlist("work-only.png");

    command(ID_ADD_WORK_PATH);
    AddWorkPathDlg& paths = m_frame->workPathDialog();
    ASSERT_TRUE(pumpUntil([&] { return paths.IsShown(); }, 2));
    paths.Raise();
    pump(300);
    paths.setAskDirectory([&](wxWindow*) { return wxString::FromUTF8(m_work->file("textures")); });
    ClickCentre(paths.m_buttonAdd);
    ASSERT_TRUE(pumpUntil([&] { return paths.m_listWorkPaths->GetCount() == 1; }, 2));

    answerPaths({wxString::FromUTF8(m_work->file("docs/first.plist"))});
    command(wxID_OPEN);
    ASSERT_EQ(treeRows().size(), 1u);
    pump(800);
    auto greenPixels = [&] {
        Screenshot shot = grabView(x11);
        return std::count_if(shot.pixels.begin(), shot.pixels.end(), Greenish);
    };
    EXPECT_GT(greenPixels(), 500) << "the texture from the work path is not on screen";

    // Delete the work path (a real click on the row, then on "删除"), and the
    // shown object; a fresh copy of the file no longer finds the texture.
    paths.Raise();
    pump(300);
    ClickAt(paths.m_listWorkPaths, 20, 8);
    pump(150);
    ClickCentre(paths.m_buttonDelete);
    ASSERT_TRUE(pumpUntil([&] { return paths.m_listWorkPaths->GetCount() == 0; }, 2));
    command(wxID_DELETE);
    ASSERT_TRUE(treeRows().empty());
    answerPaths({wxString::FromUTF8(m_work->file("docs/second.plist"))});
    command(wxID_OPEN);
    pump(800);
    EXPECT_EQ(greenPixels(), 0) << "the deleted work path still supplied the texture";
    EXPECT_EQ(storedConfig()["WorkPathes"].size(), 0u);
    paths.Hide();
}

TEST_F(GuiAuxiliaryCommands, AboutOpensAndClosesWithAndWithoutAServer) {
    m_dialogs.Unregister();
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::page("<html><body>about from the test server</body></html>"));
    int deadPort;
    {
        LocalHttpServer gone;
        deadPort = gone.port();
    }
    const std::string nobody = "127.0.0.1:" + std::to_string(deadPort);
    for (bool withServer : {true, false}) {
        SCOPED_TRACE(withServer ? "with a server" : "without a server");
        setenv("FLAREWICK_SERVER", withServer ? server.hostPort().c_str() : nobody.c_str(), 1);
        AboutDlg* about = nullptr;
        struct Catch : wxModalDialogHook {
            AboutDlg** seen;
            explicit Catch(AboutDlg** s) : seen(s) { Register(); }
            ~Catch() override { Unregister(); }
            int Enter(wxDialog* d) override {
                if (auto* a = dynamic_cast<AboutDlg*>(d)) *seen = a;
                return wxID_NONE;
            }
            void Exit(wxDialog*) override {}
        } catcher(&about);
        // The page is read until it shows what is expected (or 15 s pass),
        // then a real click on OK closes the dialog.
        const std::string expected = withServer ? "about from the test server" : "1.7";
        std::string page;
        bool clicked = false;
        int polls = 0;
        wxTimer poll;
        poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (!about) return;
            if (clicked) {
                if (about->IsModal() && ++polls > 40) about->EndModal(wxID_ABORT); // the click did not land
                return;
            }
            EXPECT_EQ(about->GetTitle().utf8_string(), "关于");
            page = about->m_webView->GetPageSource().utf8_string();
            if (page.find(expected) != std::string::npos || ++polls > 75) {
                clicked = true;
                polls = 0;
                ClickCentre(about->m_buttonOK);
            }
        });
        poll.Start(200);
        command(wxID_ABOUT);
        poll.Stop();
        EXPECT_NE(page.find(expected), std::string::npos) << page;
        EXPECT_TRUE(clicked);
    }
    unsetenv("FLAREWICK_SERVER");
    m_dialogs.Register();
}

} // namespace
