// Layout of the main window: the menus and tools come from tables that one builder each walks.
#include "ui/uiMainFrame.h"

#include "editor/FilePathBytes.h"
#include "ui/MainFrameIds.h"

#include <wx/aui/auibar.h>
#include <wx/bitmap.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/translation.h>

// One menu entry. A row without a label is a separator; a row with a
// submenu table opens that submenu.
struct uiMainFrame::MenuRow {
    const char* label = nullptr;
    const char* accelerator = nullptr;
    int id = wxID_ANY;
    const char* bitmap = nullptr;
    const char* help = "";
    wxMenuItem* uiMainFrame::*item = nullptr;
    const MenuTable* submenu = nullptr;
    wxItemKind kind = wxITEM_NORMAL; // check and radio entries carry no picture
};

struct uiMainFrame::MenuTable {
    const char* title;
    wxMenu* uiMainFrame::*menu;
    std::initializer_list<MenuRow> rows;
};

struct uiMainFrame::ToolRow {
    int id; // wxID_SEPARATOR for a separator
    const char* label;
    const char* tooltip;
    const char* bitmap;
    wxAuiToolBarItem* uiMainFrame::*tool;
    wxItemKind kind = wxITEM_NORMAL;
    bool dropDown = false;
};

namespace {

// Icons are files of the installation, found from the working directory; a
// missing one leaves its entry without a picture.
wxBitmap LoadIcon(const char* file) {
    return file ? wxBitmap(RunTimeFileText(file), wxBITMAP_TYPE_ANY) : wxBitmap();
}

} // namespace

uiMainFrame::uiMainFrame(wxWindow*, wxWindowID, const wxString& title, const wxPoint& pos, const wxSize& size, long)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetSizeHints(wxDefaultSize, wxDefaultSize);

    // The two creation submenus are filled by the window that owns the commands.
    static const MenuTable create = {wxTRANSLATE("创建"), &uiMainFrame::m_menuCreate, {}};
    static const MenuTable recent = {wxTRANSLATE("最近打开的文件"), &uiMainFrame::m_menuRecentFiles, {}};
    static const MenuTable fromExample = {wxTRANSLATE("从示例创建"), &uiMainFrame::m_menuCreateFromExample, {}};
    static const MenuTable window = {
        wxTRANSLATE("窗口"),
        &uiMainFrame::m_menuWindow,
        {
            {wxTRANSLATE("对象窗口"), nullptr, ID_SHOW_OBJECT_PANE, "rc/wxART_NULL.png", "",
             &uiMainFrame::m_menuItemObjectPane},
            {wxTRANSLATE("属性窗口"), nullptr, ID_SHOW_PROPERTY_PANE, "rc/wxART_NULL.png", "",
             &uiMainFrame::m_menuItemPropertyPane},
            {wxTRANSLATE("工具条"), nullptr, ID_SHOW_TOOLBAR, "rc/wxART_NULL.png", "", &uiMainFrame::m_menuItemToolbar},
        }};
    // Choices of the preview: no picture, the mark shows which one holds.
    const auto radio = [](const char* label, int id) {
        MenuRow row;
        row.label = label;
        row.id = id;
        row.kind = wxITEM_RADIO;
        return row;
    };
    static const MenuTable speed = {wxTRANSLATE("速度"),
                                    &uiMainFrame::m_menuSpeed,
                                    {radio("0.1×", ID_PREVIEW_SPEED_FIRST), radio("0.25×", ID_PREVIEW_SPEED_FIRST + 1),
                                     radio("0.5×", ID_PREVIEW_SPEED_FIRST + 2), radio("1×", ID_PREVIEW_SPEED_FIRST + 3),
                                     radio("2×", ID_PREVIEW_SPEED_FIRST + 4), radio("4×", ID_PREVIEW_SPEED_FIRST + 5)}};
    static const MenuTable motion = {wxTRANSLATE("发射器运动"),
                                     &uiMainFrame::m_menuMotion,
                                     {radio(wxTRANSLATE("静止"), ID_PREVIEW_MOTION_FIRST),
                                      radio(wxTRANSLATE("左右往返"), ID_PREVIEW_MOTION_FIRST + 1),
                                      radio(wxTRANSLATE("圆周"), ID_PREVIEW_MOTION_FIRST + 2),
                                      radio(wxTRANSLATE("8字形"), ID_PREVIEW_MOTION_FIRST + 3)}};
    static const MenuTable menus[] = {
        {wxTRANSLATE("文件(&F)"),
         &uiMainFrame::m_menuFile,
         {
             {wxTRANSLATE("新建(&N)"), "CTRL+N", wxID_NEW, "rc/wxART_NEW.png", "", &uiMainFrame::m_menuItemNew},
             {wxTRANSLATE("打开(&O)"), "CTRL+O", wxID_OPEN, "rc/wxART_FILE_OPEN.png", "", &uiMainFrame::m_menuItemOpen},
             {wxTRANSLATE("保存(&S)"), "CTRL+S", wxID_SAVE, "rc/wxART_FILE_SAVE.png", "", &uiMainFrame::m_menuItemSave},
             {wxTRANSLATE("另存为"), "CTRL+SHIFT+S", wxID_SAVEAS, "rc/wxART_FILE_SAVE_AS.png", "",
              &uiMainFrame::m_menuItemSaveAs},
             {wxTRANSLATE("导出动画…"), nullptr, ID_EXPORT_ANIMATION, "rc/wxART_NULL.png"},
             {wxTRANSLATE("最近打开的文件"), nullptr, wxID_ANY, "rc/wxART_FILE_OPEN.png", "", nullptr, &recent},
             {},
             {wxTRANSLATE("关闭(&Q)"), "CTRL+Q", wxID_EXIT, "rc/wxART_QUIT.png", "", &uiMainFrame::m_menuItemClose},
         }},
        {wxTRANSLATE("编辑(&E)"),
         &uiMainFrame::m_menuEdit,
         {
             {wxTRANSLATE("撤销(&U)"), "CTRL+Z", wxID_UNDO, "rc/wxART_UNDO.png"},
             {wxTRANSLATE("重做(&R)"), "CTRL+Y", wxID_REDO, "rc/wxART_REDO.png"},
             {},
             {wxTRANSLATE("创建"), nullptr, wxID_ANY, "rc/wxART_PLUS.png", "", nullptr, &create},
             {wxTRANSLATE("从示例创建"), nullptr, wxID_ANY, "rc/wxART_PLUS.png", "", nullptr, &fromExample},
             {},
             {wxTRANSLATE("删除(&D)"), nullptr, wxID_DELETE, "rc/wxART_DELETE.png"},
             {},
             {wxTRANSLATE("重播"), "CTRL+R", ID_REPLAY, "rc/ID_REPLAY.png"},
             {},
             {wxTRANSLATE("动作窗口"), nullptr, ID_ACTION_WINDOW, "rc/wxART_NULL.png"},
         }},
        {wxTRANSLATE("预览(&V)"),
         &uiMainFrame::m_menuPreview,
         {
             {wxTRANSLATE("暂停/继续"), nullptr, ID_PREVIEW_PAUSE, nullptr, "", nullptr, nullptr, wxITEM_CHECK},
             {wxTRANSLATE("单步"), nullptr, ID_PREVIEW_STEP, "rc/ID_PREVIEW_STEP.png"},
             {wxTRANSLATE("速度"), nullptr, wxID_ANY, "rc/ID_PREVIEW_SPEED.png", "", nullptr, &speed},
             {wxTRANSLATE("随机种子…"), nullptr, ID_PREVIEW_SEED, "rc/wxART_NULL.png"},
             {wxTRANSLATE("发射器运动"), nullptr, wxID_ANY, "rc/wxART_NULL.png", "", nullptr, &motion},
             {},
             {wxTRANSLATE("显示发射区域"), nullptr, ID_PREVIEW_SPAWN_AREA, nullptr, "", nullptr, nullptr, wxITEM_CHECK},
         }},
        {wxTRANSLATE("设置(&S)"),
         &uiMainFrame::m_menuSettings,
         {
             {wxTRANSLATE("设置分辨率"), nullptr, ID_SET_RESOLUTION, "rc/wxART_NULL.png",
              wxTRANSLATE("设置设计分辨率")},
             {wxTRANSLATE("添加工作目录"), nullptr, ID_ADD_WORK_PATH, "rc/wxART_NULL.png"},
             {wxTRANSLATE("窗口"), nullptr, wxID_ANY, "rc/wxART_NULL.png", "", nullptr, &window},
         }},
        {wxTRANSLATE("帮助(&H)"),
         &uiMainFrame::m_menuHelp,
         {
             {wxTRANSLATE("帮助"), "F1", wxID_HELP, "rc/wxART_HELP.png"},
             {wxTRANSLATE("检测更新"), nullptr, ID_CHECK_UPDATE, "rc/wxART_GO_DOWN.png"},
             {},
             {wxTRANSLATE("关于..."), nullptr, wxID_ABOUT, "rc/wxART_NULL.png"},
         }},
    };
    static const ToolRow tools[] = {
        {wxID_NEW, "tool", wxTRANSLATE("新建"), "rc/wxART_NEW.png", &uiMainFrame::m_toolNew},
        {wxID_OPEN, "tool", wxTRANSLATE("打开"), "rc/wxART_FILE_OPEN.png", &uiMainFrame::m_toolOpen},
        {wxID_SAVE, "tool", wxTRANSLATE("保存"), "rc/wxART_FILE_SAVE.png", &uiMainFrame::m_toolSave},
        {wxID_SAVEAS, "tool", wxTRANSLATE("另存为"), "rc/wxART_FILE_SAVE_AS.png", &uiMainFrame::m_toolSaveAs},
        {wxID_UNDO, "tool", wxTRANSLATE("撤销"), "rc/wxART_UNDO.png", &uiMainFrame::m_toolUndo},
        {wxID_REDO, "tool", wxTRANSLATE("重做"), "rc/wxART_REDO.png", &uiMainFrame::m_toolRedo},
        {wxID_SEPARATOR, nullptr, nullptr, nullptr, nullptr},
        {ID_NEW_PARTICLE, "tool", wxTRANSLATE("新创建粒子"), "rc/wxART_PLUS.png", &uiMainFrame::m_toolNewParticle},
        {wxID_DELETE, "tool", wxTRANSLATE("删除"), "rc/wxART_DELETE.png", &uiMainFrame::m_toolDelete},
        {wxID_SEPARATOR, nullptr, nullptr, nullptr, nullptr},
        {ID_REPLAY, "replay", "", "rc/ID_REPLAY.png", &uiMainFrame::m_toolReplay},
        {wxID_SEPARATOR, nullptr, nullptr, nullptr, nullptr},
        {ID_PREVIEW_PAUSE, "tool", wxTRANSLATE("暂停/继续"), "rc/ID_PREVIEW_PAUSE.png", &uiMainFrame::m_toolPause,
         wxITEM_CHECK},
        {ID_PREVIEW_STEP, "tool", wxTRANSLATE("单步"), "rc/ID_PREVIEW_STEP.png", &uiMainFrame::m_toolStep},
        {ID_PREVIEW_SPEED, "tool", wxTRANSLATE("速度"), "rc/ID_PREVIEW_SPEED.png", &uiMainFrame::m_toolSpeed,
         wxITEM_NORMAL, true},
    };

    m_menubar = new wxMenuBar(0);
    for (const MenuTable& table : menus)
        m_menubar->Append(buildMenu(table), wxGetTranslation(wxString::FromUTF8(table.title)));
    SetMenuBar(m_menubar);

    m_statusBar = CreateStatusBar(1, wxSTB_SIZEGRIP, wxID_ANY);

    m_toolBar = new wxAuiToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxAUI_TB_HORZ_LAYOUT);
    for (const ToolRow& row : tools) {
        if (row.id == wxID_SEPARATOR) {
            m_toolBar->AddSeparator();
            continue;
        }
        const wxString tooltip = wxGetTranslation(wxString::FromUTF8(row.tooltip));
        this->*row.tool = m_toolBar->AddTool(row.id, wxString::FromUTF8(row.label), LoadIcon(row.bitmap), wxNullBitmap,
                                             row.kind, tooltip, wxEmptyString, nullptr);
        if (row.dropDown) m_toolBar->SetToolDropDown(row.id, true);
    }
    m_toolBar->Realize();

    Centre(wxBOTH);
}

wxMenu* uiMainFrame::buildMenu(const MenuTable& table) {
    auto* menu = new wxMenu();
    this->*table.menu = menu;
    for (const MenuRow& row : table.rows) {
        if (!row.label) {
            menu->AppendSeparator();
            continue;
        }
        wxString text = wxGetTranslation(wxString::FromUTF8(row.label));
        if (row.accelerator) text << wxS('\t') << row.accelerator;
        const wxString help = wxGetTranslation(wxString::FromUTF8(row.help));
        wxMenuItem* item;
        if (row.submenu) {
            item = new wxMenuItem(menu, row.id, text, help, wxITEM_NORMAL, buildMenu(*row.submenu));
            item->SetBitmap(LoadIcon(row.bitmap));
        } else {
            item = new wxMenuItem(menu, row.id, text, help, row.kind);
            if (row.kind == wxITEM_NORMAL) item->SetBitmap(LoadIcon(row.bitmap));
        }
        menu->Append(item);
        if (row.item) this->*row.item = item;
    }
    return menu;
}
