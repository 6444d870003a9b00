// Test fixture: a real main window in this process, in a working directory with the program's pictures.
#include "MainFrameFixture.h"

#include "WxToolkit.h"
#include "editor/ObjectTree.h"
#include "editor/PropertyExtention.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/PreviewCommands.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/uiaction.h>

#include <glib.h>
#include <gtk/gtk.h>
#include <gdk/gdkx.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

bool g_toolkit = false;

// The toolkit with what the program registers at start-up.
bool StartMainFrameToolkit() {
    if (g_toolkit) return true;
    if (!StartToolkit()) return false;
    wxInitAllImageHandlers();
    RegisterPropertyExtensions();
    g_toolkit = true;
    return true;
}

} // namespace

int DialogRecorder::Enter(wxDialog* dialog) {
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
        boxes.push_back({box->GetCaption(), box->GetMessage()});
        return boxAnswer;
    }
    ++otherDialogs;
    return wxID_CANCEL;
}

PopupWatch::PopupWatch(wxMenu* menu) : m_menu(menu->m_menu) {
    m_source = g_timeout_add(100, Poll, this);
}

PopupWatch::~PopupWatch() {
    if (m_source) g_source_remove(m_source);
}

int PopupWatch::Poll(void* self) {
    auto* watch = static_cast<PopupWatch*>(self);
    auto* menu = static_cast<GtkWidget*>(watch->m_menu);
    if (gtk_widget_get_visible(menu)) {
        watch->shown = true;
        gdk_window_get_origin(gtk_widget_get_window(gtk_widget_get_toplevel(menu)), &watch->x, &watch->y);
        gtk_menu_popdown(GTK_MENU(menu));
        watch->m_source = 0;
        return G_SOURCE_REMOVE;
    }
    // Gives up after three seconds; the test then reports the menu missing.
    if (++watch->m_polls < 30) return G_SOURCE_CONTINUE;
    watch->m_source = 0;
    return G_SOURCE_REMOVE;
}

void GuiMainFrameFixture::SetUp() {
    ASSERT_TRUE(StartMainFrameToolkit()) << "no X display for the main window";
    // The program finds rc/ and res/ in its working directory.
    m_work = std::make_unique<TempDir>();
    ASSERT_EQ(symlink(FW_SOURCE_DIR "/rc", m_work->file("rc").c_str()), 0);
    ASSERT_EQ(symlink(FW_SOURCE_DIR "/res", m_work->file("res").c_str()), 0);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    m_oldDir = cwd;
    ASSERT_EQ(chdir(m_work->path().c_str()), 0);

    m_dialogs.Register();
    m_frame = new MainFrame(nullptr);
    m_frame->Show();
    m_requests = std::make_shared<std::vector<FileRequest>>();
    answerPaths({});
    ASSERT_TRUE(pumpUntil([this] { return m_frame->IsShownOnScreen(); }));
    pump(200);
}

void GuiMainFrameFixture::TearDown() {
    if (m_frame) {
        // The test's run ends well: a forced close would otherwise leave
        // unsaved effects to be offered to the next test's window.
        m_frame->sceneDocument().endRecovery();
        m_frame->Close(true);
        pump(200);
        wxTheApp->ProcessIdle();
    }
    m_dialogs.Unregister();
    if (!m_oldDir.empty()) {
        EXPECT_EQ(chdir(m_oldDir.c_str()), 0);
    }
}

void GuiMainFrameFixture::pump(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

bool GuiMainFrameFixture::pumpUntil(const std::function<bool()>& done, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        pump(10);
    }
    return true;
}

void GuiMainFrameFixture::command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(m_frame);
    m_frame->ProcessWindowEvent(event);
}

void GuiMainFrameFixture::answerPaths(std::vector<wxString> paths) {
    auto answers = std::make_shared<std::vector<wxString>>(std::move(paths));
    auto requests = m_requests;
    m_frame->documents().setAskPath([answers, requests](const FileRequest& request) {
        requests->push_back(request);
        if (answers->empty()) return wxString();
        wxString next = answers->front();
        answers->erase(answers->begin());
        return next;
    });
}

void GuiMainFrameFixture::focusFrame() {
    m_frame->Raise();
    GdkWindow* window = gtk_widget_get_window(static_cast<GtkWidget*>(m_frame->GetHandle()));
    ASSERT_NE(window, nullptr);
    // Without a window manager the frame gets the focus only when asked for it.
    const std::string focus =
        "xdotool windowfocus --sync " + std::to_string(gdk_x11_window_get_xid(window)) + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(focus.c_str()), 0);
    pump(100);
}

void GuiMainFrameFixture::pressIn(wxWindow* window, int code, int modifiers, int settleMs) {
    if (wxWindow::FindFocus() != window) {
        window->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == window; }, 2));
    }
    wxUIActionSimulator user;
    user.Char(code, modifiers);
    pump(settleMs);
}

ParticleSystem2DEditor* GuiMainFrameFixture::newParticle() {
    command(wxID_NEW);
    pump(100);
    return selection().empty() ? nullptr : dynamic_cast<ParticleSystem2DEditor*>(selection().front());
}

void GuiMainFrameFixture::stepFrames(int count) {
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(m_frame->preview().clock().step()) << "not paused";
        ASSERT_TRUE(pumpUntil([this] { return m_frame->engineHost().stepsQueued() == 0; }, 2));
    }
}

std::vector<EditorObject*>& GuiMainFrameFixture::selection() {
    return SelectionManager::getInstance()->selection;
}

std::vector<wxString> GuiMainFrameFixture::treeRows() {
    std::vector<wxString> rows;
    ObjectTree* tree = m_frame->objectTree();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree->GetFirstChild(tree->GetRootItem(), cookie); item.IsOk();
         item = tree->GetNextChild(tree->GetRootItem(), cookie))
        rows.push_back(tree->GetItemText(item));
    return rows;
}

int GuiMainFrameFixture::sceneChildCount() {
    return static_cast<int>(cocos2d::Director::getInstance()->getRunningScene()->getChildrenCount());
}

std::string GuiMainFrameFixture::dataPath(const std::string& relative) const {
    return std::string(FW_TESTDATA_DIR) + "/" + relative;
}
