// The main window as a user finds it: every menu, tool, pane, the property grid and the view's context menu.
#include "MainFrameFixture.h"

#include "editor/ObjectTree.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "view/wxCCGLViewImpl.h"

#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/statusbr.h>

namespace {

// One expected menu entry: label without mnemonic marks, accelerator as
// typed in the menu text ("" for none), id (wxID_ANY for a submenu), and
// whether it is a separator.
struct Entry {
    const char* label;
    const char* accelerator;
    int id;
};
const Entry kSeparator = {nullptr, nullptr, wxID_SEPARATOR};

wxString U(const char* text) {
    return wxString::FromUTF8(text);
}

void ExpectMenu(wxMenu* menu, const std::vector<Entry>& expected, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetMenuItemCount(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        wxMenuItem* item = menu->FindItemByPosition(i);
        const Entry& e = expected[i];
        if (!e.label) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(item->GetKind(), wxITEM_NORMAL);
        EXPECT_EQ(item->GetItemLabelText(), wxMenuItem::GetLabelText(U(e.label)));
        EXPECT_EQ(item->GetItemLabel().BeforeFirst('\t'), U(e.label));
        if (e.id != wxID_ANY) {
            EXPECT_EQ(item->GetId(), e.id);
        } else {
            EXPECT_NE(item->GetSubMenu(), nullptr);
        }
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        if (*e.accelerator) {
            wxAcceleratorEntry want;
            ASSERT_TRUE(want.FromString(U(e.accelerator)));
            ASSERT_TRUE(accel);
            EXPECT_EQ(accel->GetFlags(), want.GetFlags());
            EXPECT_EQ(accel->GetKeyCode(), want.GetKeyCode());
        } else {
            EXPECT_FALSE(accel);
        }
    }
}

std::vector<Entry> Plain(const std::vector<const char*>& labels, int firstId) {
    std::vector<Entry> entries;
    for (const char* label : labels) entries.push_back({label, "", firstId++});
    return entries;
}

const std::vector<const char*> kExamples = {"Flower", "Fire",  "Fireworks", "Explosion", "Galaxy", "Meteor",
                                            "Rain",   "Smoke", "Snow",      "Spiral",    "Sun"};

bool HasBitmap(wxMenu* menu, int position) {
    return menu->FindItemByPosition(position)->GetBitmap().IsOk();
}

} // namespace

using GuiMainFrameLayout = GuiMainFrameFixture;

TEST_F(GuiMainFrameLayout, MenusHaveTheirLabelsIdsAcceleratorsAndPictures) {
    wxMenuBar* bar = m_frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 5u);
    const char* titles[] = {"文件(&F)", "编辑(&E)", "预览(&V)", "设置(&S)", "帮助(&H)"};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(bar->GetMenuLabel(i), U(titles[i]));

    ExpectMenu(bar->GetMenu(0),
               {{"新建(&N)", "CTRL+N", wxID_NEW},
                {"打开(&O)", "CTRL+O", wxID_OPEN},
                {"保存(&S)", "CTRL+S", wxID_SAVE},
                {"另存为", "CTRL+SHIFT+S", wxID_SAVEAS},
                {"导出动画…", "", ID_EXPORT_ANIMATION},
                {"最近打开的文件", "", wxID_ANY},
                kSeparator,
                {"关闭(&Q)", "CTRL+Q", wxID_EXIT}},
               "File");
    wxMenu* edit = bar->GetMenu(1);
    ExpectMenu(edit,
               {{"撤销(&U)", "CTRL+Z", wxID_UNDO},
                {"重做(&R)", "CTRL+Y", wxID_REDO},
                kSeparator,
                {"创建", "", wxID_ANY},
                {"从示例创建", "", wxID_ANY},
                kSeparator,
                {"删除(&D)", "", wxID_DELETE},
                kSeparator,
                {"重播", "CTRL+R", 1000},
                kSeparator,
                {"动作窗口", "", 1001}},
               "Edit");
    ExpectMenu(edit->FindItemByPosition(3)->GetSubMenu(), Plain({"ParticleSystem", "Sprite"}, 10200), "创建");
    ExpectMenu(edit->FindItemByPosition(4)->GetSubMenu(), Plain(kExamples, 10100), "从示例创建");
    for (size_t i = 3; i < 5; ++i) {
        wxMenu* sub = edit->FindItemByPosition(i)->GetSubMenu();
        for (size_t j = 0; j < sub->GetMenuItemCount(); ++j) EXPECT_FALSE(HasBitmap(sub, static_cast<int>(j)));
    }

    wxMenu* settings = bar->GetMenu(3);
    ExpectMenu(settings, {{"设置分辨率", "", 1002}, {"添加工作目录", "", 1003}, {"窗口", "", wxID_ANY}}, "Settings");
    EXPECT_EQ(settings->FindItemByPosition(0)->GetHelp(), U("设置设计分辨率"));
    EXPECT_EQ(settings->FindItemByPosition(1)->GetHelp(), wxString());
    ExpectMenu(settings->FindItemByPosition(2)->GetSubMenu(), Plain({"对象窗口", "属性窗口", "工具条"}, 1004), "窗口");
    ExpectMenu(bar->GetMenu(4),
               {{"帮助", "F1", wxID_HELP}, {"检测更新", "", 1007}, kSeparator, {"关于...", "", wxID_ABOUT}}, "Help");

    // Every plain entry of the menus, submenus included, shows its picture
    // (check and radio entries show their mark instead).
    for (size_t m = 0; m < bar->GetMenuCount(); ++m) {
        wxMenu* menu = bar->GetMenu(m);
        for (size_t i = 0; i < menu->GetMenuItemCount(); ++i)
            if (menu->FindItemByPosition(i)->GetKind() == wxITEM_NORMAL) {
                EXPECT_TRUE(HasBitmap(menu, static_cast<int>(i))) << "menu " << m << " entry " << i;
            }
    }
    ASSERT_EQ(m_frame->GetIcons().GetIconCount(), 1u);
    EXPECT_TRUE(m_frame->GetIcons().GetIconByIndex(0).IsOk());

    // Pointing at an entry shows the editor's own help, never the toolkit's
    // English help of a stock entry.
    for (int id : {int(wxID_UNDO), int(wxID_NEW), int(wxID_OPEN), int(wxID_EXIT), 1002}) {
        m_frame->SetStatusText(wxS("before"));
        wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, id);
        highlight.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(highlight);
        EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(), id == 1002 ? U("设置设计分辨率") : wxString()) << id;
    }
    m_frame->SetStatusText(wxString());

    wxStatusBar* status = m_frame->GetStatusBar();
    ASSERT_NE(status, nullptr);
    // The second field holds the preview's live counts.
    EXPECT_EQ(status->GetFieldsCount(), 2);
    EXPECT_TRUE(status->HasFlag(wxSTB_SIZEGRIP));

    ExpectMenu(m_frame->paneMenu(), Plain({"对象窗口", "属性窗口", "工具条"}, 1004), "pane menu");
}

TEST_F(GuiMainFrameLayout, ToolbarToolsHaveTheirKindsAndTooltipsAndPanesAreDocked) {
    wxAuiManager& panes = m_frame->paneManager();
    wxAuiToolBar* toolbar = nullptr;
    wxAuiPaneInfoArray& all = panes.GetAllPanes();
    for (size_t i = 0; i < all.size(); ++i)
        if (auto* bar = dynamic_cast<wxAuiToolBar*>(all[i].window)) toolbar = bar;
    ASSERT_NE(toolbar, nullptr) << "no toolbar pane";
    wxAuiPaneInfo& toolPane = panes.GetPane(toolbar);
    EXPECT_EQ(toolPane.dock_direction, wxAUI_DOCK_TOP);
    EXPECT_TRUE(toolPane.HasCloseButton());
    EXPECT_TRUE(toolbar->HasFlag(wxAUI_TB_HORZ_LAYOUT));

    struct Tool {
        int id;
        const char* label;
        const char* tooltip;
        wxItemKind kind = wxITEM_NORMAL;
    };
    const std::vector<Tool> expected = {{wxID_NEW, "tool", "新建"},
                                        {wxID_OPEN, "tool", "打开"},
                                        {wxID_SAVE, "tool", "保存"},
                                        {wxID_SAVEAS, "tool", "另存为"},
                                        {wxID_UNDO, "tool", "撤销"},
                                        {wxID_REDO, "tool", "重做"},
                                        {-1, nullptr, nullptr},
                                        {1008, "tool", "新创建粒子"},
                                        {wxID_DELETE, "tool", "删除"},
                                        {-1, nullptr, nullptr},
                                        {1000, "replay", ""},
                                        {-1, nullptr, nullptr},
                                        {1100, "tool", "暂停/继续", wxITEM_CHECK},
                                        {1101, "tool", "单步"},
                                        {1104, "tool", "速度 1×"}};
    ASSERT_EQ(toolbar->GetToolCount(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "tool " << i);
        wxAuiToolBarItem* tool = toolbar->FindToolByIndex(static_cast<int>(i));
        if (expected[i].id < 0) {
            EXPECT_EQ(tool->GetKind(), wxITEM_SEPARATOR);
            continue;
        }
        EXPECT_EQ(tool->GetId(), expected[i].id);
        EXPECT_EQ(tool->GetKind(), expected[i].kind);
        EXPECT_EQ(tool->GetLabel(), U(expected[i].label));
        EXPECT_EQ(tool->GetShortHelp(), U(expected[i].tooltip));
        EXPECT_EQ(tool->GetLongHelp(), wxString());
        EXPECT_TRUE(tool->GetBitmap().IsOk());
    }

    wxAuiPaneInfo& centre = panes.GetPane(wxS("notebook_content"));
    ASSERT_TRUE(centre.IsOk());
    EXPECT_EQ(centre.window, m_frame->engineView());
    EXPECT_EQ(centre.dock_direction, wxAUI_DOCK_CENTER);
    EXPECT_FALSE(centre.HasBorder());

    wxAuiPaneInfo& objects = panes.GetPane(wxS("test8"));
    ASSERT_TRUE(objects.IsOk());
    EXPECT_EQ(objects.window, m_frame->objectTree());
    EXPECT_EQ(objects.caption, U("对象"));
    EXPECT_EQ(objects.dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_EQ(objects.dock_layer, 1);
    EXPECT_TRUE(objects.HasCloseButton());
    EXPECT_TRUE(objects.HasMaximizeButton());

    wxAuiPaneInfo& properties = panes.GetPane(wxS("test9"));
    ASSERT_TRUE(properties.IsOk());
    EXPECT_EQ(properties.window, m_frame->propertyGridManager()->GetParent());
    EXPECT_EQ(properties.caption, U("属性"));
    EXPECT_EQ(properties.dock_direction, wxAUI_DOCK_RIGHT);
    EXPECT_EQ(properties.dock_layer, 1);
    EXPECT_EQ(properties.min_size, wxSize(360, 360));
    EXPECT_TRUE(properties.HasCloseButton());
    EXPECT_TRUE(properties.HasMaximizeButton());
    EXPECT_GE(properties.window->GetSize().x, 360);

    EXPECT_EQ(m_frame->GetClientSize(), wxSize(1280, 1000));
}

TEST_F(GuiMainFrameLayout, PropertyGridAndTreeAreSetUpForTheEditorObjects) {
    wxPropertyGridManager* manager = m_frame->propertyGridManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->GetId(), 10001);
    for (long flag : {wxPG_AUTO_SORT, wxPG_BOLD_MODIFIED, wxPG_SPLITTER_AUTO_CENTER, wxPG_TOOLBAR, wxPG_DESCRIPTION})
        EXPECT_TRUE(manager->HasFlag(flag)) << flag;
    EXPECT_TRUE(manager->GetExtraStyle() & wxPG_EX_MODE_BUTTONS);
    EXPECT_TRUE(manager->GetExtraStyle() & wxPG_EX_MULTIPLE_SELECTION);
    wxPropertyGrid* grid = manager->GetGrid();
    EXPECT_EQ(grid->GetVerticalSpacing(), 2);
    EXPECT_EQ(grid->GetUnspecifiedValueAppearance().GetText(), wxS("Unspecified"));
    EXPECT_EQ(grid->GetUnspecifiedValueAppearance().GetFgCol(), *wxRED);
    ASSERT_EQ(manager->GetPageCount(), 1u);
    EXPECT_EQ(manager->GetPageName(0), wxS("Properties"));

    ObjectTree* tree = m_frame->objectTree();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetId(), 10002);
    EXPECT_EQ(tree->GetItemText(tree->GetRootItem()), wxS("Objects"));
    EXPECT_EQ(tree->GetChildrenCount(tree->GetRootItem()), 0u);
}

TEST_F(GuiMainFrameLayout, ViewContextMenuHasCreateExamplesDeleteAndReplay) {
    wxMenu* menu = m_frame->engineView()->getContextMenu();
    ExpectMenu(menu,
               {{"创建(&C)", "", 1008},
                {"从示例创建", "", wxID_ANY},
                kSeparator,
                {"删除(&D)", "", wxID_DELETE},
                kSeparator,
                {"重播", "CTRL+R", 1000}},
               "view menu");
    ExpectMenu(menu->FindItemByPosition(1)->GetSubMenu(), Plain(kExamples, 10100), "view examples");
    for (int i : {0, 1, 3, 5}) EXPECT_TRUE(HasBitmap(menu, i)) << i;
}
