// Accelerators pressed as real keys wherever the focus is, and panes closed with their close buttons.
#include "MainFrameFixture.h"

#include "editor/EditorObject.h"
#include "editor/ObjectTree.h"
#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include <wx/aui/auibar.h>
#include <wx/aui/dockart.h>
#include <wx/propgrid/manager.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <cstdlib>

using GuiMainFrameKeys = GuiMainFrameFixture;

TEST_F(GuiMainFrameKeys, EveryAcceleratorReachesItsCommandFromTheViewTreeAndGrid) {
    // The commands themselves are tested elsewhere; here each key only has to
    // arrive at the main window as its command.
    std::vector<int> commands;
    m_frame->Bind(wxEVT_MENU, [&](wxCommandEvent& event) { commands.push_back(event.GetId()); });
    struct Key {
        int code;
        int modifiers;
        int command;
        const char* name;
    };
    const Key keys[] = {
        {'N', wxMOD_CONTROL, wxID_NEW, "Ctrl+N"},  {'O', wxMOD_CONTROL, wxID_OPEN, "Ctrl+O"},
        {'S', wxMOD_CONTROL, wxID_SAVE, "Ctrl+S"}, {'S', wxMOD_CONTROL | wxMOD_SHIFT, wxID_SAVEAS, "Ctrl+Shift+S"},
        {'Q', wxMOD_CONTROL, wxID_EXIT, "Ctrl+Q"}, {'R', wxMOD_CONTROL, 1000, "Ctrl+R"},
        {WXK_F1, wxMOD_NONE, wxID_HELP, "F1"},
    };
    struct Target {
        wxWindow* window;
        const char* name;
    };
    const Target targets[] = {{m_frame->engineView(), "view"},
                              {m_frame->objectTree(), "tree"},
                              {m_frame->propertyGridManager()->GetGrid(), "grid"}};
    focusFrame();
    wxUIActionSimulator user;
    for (const Target& target : targets) {
        target.window->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == target.window; }, 2)) << target.name;
        for (const Key& key : keys) {
            SCOPED_TRACE(testing::Message() << key.name << " in the " << target.name);
            commands.clear();
            user.Char(key.code, key.modifiers);
            pumpUntil([&] { return !commands.empty(); }, 1);
            EXPECT_EQ(commands, std::vector<int>{key.command});
        }
    }
}

TEST_F(GuiMainFrameKeys, CloseButtonsHideTheObjectsPropertiesAndToolbarPanes) {
    wxAuiManager& panes = m_frame->paneManager();
    wxAuiToolBar* toolbar = nullptr;
    for (size_t i = 0; i < panes.GetAllPanes().size(); ++i)
        if (auto* bar = dynamic_cast<wxAuiToolBar*>(panes.GetAllPanes()[i].window)) toolbar = bar;
    ASSERT_NE(toolbar, nullptr);
    wxWindow* windows[] = {toolbar, m_frame->objectTree(), m_frame->propertyGridManager()->GetParent()};
    const int caption = panes.GetArtProvider()->GetMetric(wxAUI_DOCKART_CAPTION_SIZE);
    const int button = panes.GetArtProvider()->GetMetric(wxAUI_DOCKART_PANE_BUTTON_SIZE);

    focusFrame();
    wxUIActionSimulator user;
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "pane " << i);
        wxWindow* window = windows[i];
        ASSERT_TRUE(panes.GetPane(window).IsShown());
        // The close button is the last one on the caption bar over the pane.
        // The toolbar's pane is as wide as the column above the view, wider
        // than its tools.
        wxRect rect = window->GetRect();
        if (window == toolbar) rect.SetRight(m_frame->engineView()->GetRect().GetRight());
        const wxPoint target =
            m_frame->ClientToScreen(wxPoint(rect.GetRight() - button / 2, rect.GetTop() - caption / 2 - 1));
        // Onto the caption first, then the button, as a hand would come.
        user.MouseMove(target - wxPoint(40, 0));
        pump(80);
        user.MouseMove(target);
        pump(80);
        user.MouseClick();
        ASSERT_TRUE(pumpUntil([&] { return !panes.GetPane(window).IsShown(); }, 2));
        EXPECT_FALSE(window->IsShown());
        for (size_t j = i + 1; j < 3; ++j) EXPECT_TRUE(panes.GetPane(windows[j]).IsShown()) << j;
    }
    // The view fills what is left, and the design area is centred in it again.
    wxGLViewImpl* view = m_frame->engineView();
    EXPECT_TRUE(view->IsShown());
    EXPECT_GT(view->GetClientSize().x, 1200);
    pump(200);
    const cocos2d::Rect drawn = view->getViewPortRect();
    EXPECT_NEAR(drawn.origin.x * 2 + drawn.size.width, view->GetClientSize().x, 2);
    EXPECT_NEAR(drawn.origin.y * 2 + drawn.size.height, view->GetClientSize().y, 2);
}

TEST_F(GuiMainFrameKeys, ARightClickOutsideTheViewOpensThePaneMenuAtThePointer) {
    PopupWatch seen(m_frame->paneMenu());
    // Room below the status bar for the whole menu, so that it opens at the pointer.
    m_frame->Move(0, 0);
    pump(200);
    focusFrame();
    // The status bar has no menu of its own.
    const wxRect bar = m_frame->GetStatusBar()->GetScreenRect();
    const wxPoint at(bar.x + 300, bar.y + bar.height / 2);
    wxUIActionSimulator user;
    user.MouseMove(at);
    pump(80);
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(pumpUntil([&] { return seen.shown; }, 4)) << "the pane menu did not open";
    EXPECT_NEAR(seen.x, at.x, 4);
    EXPECT_NEAR(seen.y, at.y, 4);
}

TEST_F(GuiMainFrameKeys, DeleteRemovesTheSelectionFromTheViewAndTreeButNotTheGrid) {
    command(wxID_NEW);
    command(wxID_NEW);
    ASSERT_EQ(treeRows().size(), 2u);
    focusFrame();
    wxUIActionSimulator user;

    // In the grid, Delete belongs to the grid.
    m_frame->propertyGridManager()->GetGrid()->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == m_frame->propertyGridManager()->GetGrid(); }, 2));
    user.Char(WXK_DELETE);
    pump(200);
    EXPECT_EQ(treeRows().size(), 2u) << "Delete in the grid deleted an object";

    m_frame->engineView()->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == m_frame->engineView(); }, 2));
    user.Char(WXK_DELETE);
    ASSERT_TRUE(pumpUntil([&] { return treeRows().size() == 1u; }, 2)) << "Delete in the view";

    m_frame->objectTree()->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == m_frame->objectTree(); }, 2));
    command(wxID_NEW); // selected, with its row
    m_frame->objectTree()->SetFocus();
    pump(100);
    ASSERT_EQ(treeRows().size(), 2u);
    user.Char(WXK_DELETE);
    ASSERT_TRUE(pumpUntil([&] { return treeRows().size() == 1u; }, 2)) << "Delete in the tree";
}

TEST_F(GuiMainFrameKeys, UpAndDownInTheTreeMoveTheSelectionAlongTheRows) {
    for (int i = 0; i < 3; ++i) command(wxID_NEW);
    ASSERT_EQ(treeRows().size(), 3u);
    ASSERT_EQ(selection().size(), 1u);
    EditorObject* last = selection().front();
    focusFrame();
    m_frame->objectTree()->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == m_frame->objectTree(); }, 2));
    wxUIActionSimulator user;

    user.Char(WXK_UP);
    ASSERT_TRUE(pumpUntil([&] { return !selection().empty() && selection().front() != last; }, 2));
    EditorObject* middle = selection().front();
    EXPECT_EQ(selection().size(), 1u);
    user.Char(WXK_UP);
    ASSERT_TRUE(pumpUntil([&] { return !selection().empty() && selection().front() != middle; }, 2));
    EditorObject* first = selection().front();
    EXPECT_NE(first, last);
    user.Char(WXK_DOWN);
    ASSERT_TRUE(pumpUntil([&] { return !selection().empty() && selection().front() == middle; }, 2));
    // Accelerators still work in the tree.
    user.Char('N', wxMOD_CONTROL);
    EXPECT_TRUE(pumpUntil([&] { return treeRows().size() == 4u; }, 2));
}
