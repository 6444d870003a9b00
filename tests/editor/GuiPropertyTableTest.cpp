// Property rows declared as data: the page they build and the edits they dispatch, on a real grid.
#include "GuiGridFixture.h"

#include "editor/PropertyTable.h"

#include <wx/colour.h>
#include <wx/propgrid/advprops.h>
#include <wx/propgrid/props.h>

namespace {
// A stand-in for an engine object with one value of every kind.
struct Thing {
    int mode = 1;
    int src = 770;
    double speed = 2.5;
    wxRealPoint gravity{0, -10};
    wxColour colour{10, 20, 30};
    wxString file = wxS("a.png");
    bool flag = true;
    int groupsAppended = 0;
    wxPGProperty* lastProperty = nullptr;
};

const PropertyChoices modes{{"重力模式", 0}, {"半径模式", 1}};
const PropertyChoices factors{
    {"GL_ZERO", 0}, {"GL_ONE", 1}, {"GL_SRC_ALPHA", 0x302}, {"GL_ONE_MINUS_SRC_ALPHA", 0x303}};

// The group appended into "mode" by the fill hook; its names are "mode.<name>".
const PropertyTable<Thing>& group() {
    static const PropertyTable<Thing> rows{
        "mode",
        {
            {"speed", "速度", "粒子速度", PropertyKind::Float, [](Thing& t) -> wxAny { return t.speed; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.speed = v.As<double>(); }},
            {"gravity", "重力矢量", "", PropertyKind::Point, [](Thing& t) -> wxAny { return t.gravity; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.gravity = v.As<wxRealPoint>(); }},
        }};
    return rows;
}

struct TableFixture : GuiGridFixture {
    Thing thing;
    const PropertyTable<Thing>& page() {
        static const PropertyTable<Thing> rows{{
            {"common", "关键参数", "", PropertyKind::Category},
            {"mode", "发射模式", "模式帮助", PropertyKind::Enum, [](Thing& t) -> wxAny { return t.mode; },
             [](Thing& t, const wxAny& v, wxPGProperty* p) {
                 t.mode = v.As<int>();
                 t.lastProperty = p;
             },
             nullptr, &modes,
             [](Thing& t, wxPGProperty* p) {
                 ++t.groupsAppended;
                 group().createProperties(*fixture, t, p);
             }},
            {"blendFunc", "混合模式", "混合帮助", PropertyKind::Composite},
            {"blendFuncSource", "Src", "", PropertyKind::Enum, [](Thing& t) -> wxAny { return t.src; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.src = v.As<int>(); }, "blendFunc", &factors},
            {"display", "显示相关", "", PropertyKind::Category},
            {"colour", "起始颜色", "", PropertyKind::Colour, [](Thing& t) -> wxAny { return t.colour; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.colour = v.As<wxColour>(); }},
            {"file", "发射图片", "", PropertyKind::File, [](Thing& t) -> wxAny { return t.file; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.file = v.As<wxString>(); }},
            {"flag", "标志", "", PropertyKind::Bool, [](Thing& t) -> wxAny { return t.flag; },
             [](Thing& t, const wxAny& v, wxPGProperty*) { t.flag = v.As<bool>(); }},
            {"shownOnly", "只读", "", PropertyKind::Int, [](Thing&) -> wxAny { return 5; }},
            {"orphan", "孤儿", "", PropertyKind::Int, [](Thing&) -> wxAny { return 1; }, nullptr, "nowhere"},
        }};
        return rows;
    }
    void SetUp() override {
        GuiGridFixture::SetUp();
        fixture = &m_node;
    }
    static EditorNode* fixture;
};
EditorNode* TableFixture::fixture = nullptr;
}

using GuiPropertyTable = TableFixture;

TEST_F(GuiPropertyTable, BuildsRowsInOrderWithCategoriesChildrenAndChoices) {
    page().createProperties(m_node, thing);

    wxPGProperty* common = m_page->GetPropertyByName(wxS("common"));
    wxPGProperty* mode = m_page->GetPropertyByName(wxS("mode"));
    ASSERT_NE(common, nullptr);
    ASSERT_NE(mode, nullptr);
    EXPECT_TRUE(common->IsCategory());
    EXPECT_EQ(common->GetLabel(), wxS("关键参数"));
    EXPECT_EQ(mode->GetParent(), common);
    EXPECT_EQ(mode->GetHelpString(), wxS("模式帮助"));
    ASSERT_EQ(mode->GetChoices().GetCount(), 2u);
    EXPECT_EQ(mode->GetChoices().GetLabel(1), wxS("半径模式"));
    EXPECT_EQ(mode->GetValue().GetLong(), 1);

    // The fill hook appended the group into "mode", with the dotted names the grid reports.
    EXPECT_EQ(thing.groupsAppended, 1);
    ASSERT_EQ(mode->GetChildCount(), 2u);
    EXPECT_EQ(mode->Item(0)->GetName(), wxS("mode.speed"));
    EXPECT_DOUBLE_EQ(mode->Item(0)->GetValue().GetDouble(), 2.5);
    EXPECT_EQ(mode->Item(1)->GetName(), wxS("mode.gravity"));

    wxPGProperty* blend = m_page->GetPropertyByName(wxS("blendFunc"));
    ASSERT_NE(blend, nullptr);
    // The grid's idiom for a parent that shows its children's values as its own text.
    EXPECT_EQ(blend->GetValueAsString(), wxS("GL_SRC_ALPHA"));
    ASSERT_EQ(blend->GetChildCount(), 1u);
    EXPECT_EQ(blend->Item(0)->GetName(), wxS("blendFunc.blendFuncSource"));
    EXPECT_EQ(blend->Item(0)->GetValue().GetLong(), 0x302);

    wxPGProperty* display = m_page->GetPropertyByName(wxS("display"));
    wxPGProperty* colour = m_page->GetPropertyByName(wxS("colour"));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->GetParent(), display);
    wxColour shown;
    shown << colour->GetValue();
    EXPECT_EQ(shown, wxColour(10, 20, 30));
    EXPECT_NE(wxDynamicCast(m_page->GetPropertyByName(wxS("file")), wxFileProperty), nullptr);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("shownOnly"))->GetValue().GetLong(), 5);
    // A row whose parent is not an earlier row is left off rather than put elsewhere.
    EXPECT_EQ(m_page->GetPropertyByName(wxS("orphan")), nullptr);
    EXPECT_EQ(page().fullName(9), wxS("orphan"));
}

TEST_F(GuiPropertyTable, DispatchesOnFullNamesWithTheKindsType) {
    page().createProperties(m_node, thing);
    wxPGProperty* mode = m_page->GetPropertyByName(wxS("mode"));

    EXPECT_TRUE(page().applyProperty(thing, mode, wxS("mode"), wxAny(0L)));
    EXPECT_EQ(thing.mode, 0);
    EXPECT_EQ(thing.lastProperty, mode);
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("blendFunc.blendFuncSource"), wxAny(1L)));
    EXPECT_EQ(thing.src, 1);
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("colour"), wxAny(wxColour(1, 2, 3))));
    EXPECT_EQ(thing.colour, wxColour(1, 2, 3));
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("file"), wxAny(wxString(wxS("b.png")))));
    EXPECT_EQ(thing.file, wxS("b.png"));
    EXPECT_TRUE(group().applyProperty(thing, nullptr, wxS("mode.speed"), wxAny(7.25)));
    EXPECT_DOUBLE_EQ(thing.speed, 7.25);
    EXPECT_TRUE(group().applyProperty(thing, nullptr, wxS("mode.gravity"), wxAny(wxRealPoint(3, 4))));
    EXPECT_EQ(thing.gravity, wxRealPoint(3, 4));

    // Own names without their parent, other cases and unknown names are not the table's.
    EXPECT_FALSE(group().applyProperty(thing, nullptr, wxS("speed"), wxAny(1.0)));
    EXPECT_FALSE(page().applyProperty(thing, nullptr, wxS("Mode"), wxAny(1L)));
    EXPECT_FALSE(page().applyProperty(thing, nullptr, wxS("blendFuncSource"), wxAny(1L)));

    // A value of the wrong type is matched but dropped before the setter.
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("colour"), wxAny(5L)));
    EXPECT_EQ(thing.colour, wxColour(1, 2, 3));
    EXPECT_TRUE(group().applyProperty(thing, nullptr, wxS("mode.speed"), wxAny(wxString(wxS("fast")))));
    EXPECT_DOUBLE_EQ(thing.speed, 7.25);
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("mode"), wxAny(1e12)));
    EXPECT_EQ(thing.mode, 0);
    // A row without a setter takes no edit and raises nothing.
    EXPECT_TRUE(page().applyProperty(thing, nullptr, wxS("shownOnly"), wxAny(9L)));
}

TEST_F(GuiPropertyTable, GridEditsReachTheSetterThroughTheGridConversion) {
    page().createProperties(m_node, thing);
    m_manager->Bind(wxEVT_PG_CHANGED, [this](wxPropertyGridEvent& event) {
        wxPGProperty* property = event.GetProperty();
        const wxAny value = GridValueToAny(property->GetValue());
        page().applyProperty(thing, property, property->GetName(), value) ||
            group().applyProperty(thing, property, property->GetName(), value);
    });
    wxPGProperty* mode = m_page->GetPropertyByName(wxS("mode"));
    ASSERT_TRUE(typeInto(mode->Item(0), wxS("12.5")));
    EXPECT_DOUBLE_EQ(thing.speed, 12.5);
    // A child of a point reports the point itself with the recomposed value.
    wxPGProperty* gravity = mode->Item(1);
    ASSERT_TRUE(typeInto(gravity->Item(0), wxS("6")));
    EXPECT_EQ(thing.gravity, wxRealPoint(6, -10));
}
