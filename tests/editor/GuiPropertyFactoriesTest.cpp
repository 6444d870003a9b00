// Property factories of EditorNode on a real property grid: placement, help texts and editors.
#include "GuiGridFixture.h"

#include "editor/PropertyExtention.h"

#include <wx/propgrid/advprops.h>
#include <wx/propgrid/props.h>
#include <wx/spinbutt.h>

namespace {
wxArrayString blendLabels() {
    wxArrayString labels;
    labels.Add(wxS("GL_ZERO"));
    labels.Add(wxS("GL_ONE"));
    labels.Add(wxS("GL_SRC_ALPHA"));
    return labels;
}

wxArrayLong blendValues() {
    wxArrayLong values;
    values.Add(0);
    values.Add(1);
    values.Add(770);
    return values;
}
}

using GuiPropertyFactories = GuiGridFixture;

TEST_F(GuiPropertyFactories, TopLevelPropertiesLandInTheLastCategory) {
    auto* node = m_page->Append(new wxPropertyCategory(wxS("Node"), wxS("_Node")));
    wxPGProperty* tag = m_node.addIntProperty(wxS("Tag"), wxS("_Tag"), 7, wxS("对象标记"));
    wxPGProperty* size = m_node.addSizeProperty(wxS("大小"), wxS("_Size"), wxSize(3, 4), wxS("对象大小"));
    auto* other = m_page->Append(new wxPropertyCategory(wxS("关键参数"), wxS("common")));
    wxPGProperty* angle = m_node.addFloatProperty(wxS("角度"), wxS("angle"), 90.f, wxS("help"), nullptr);
    wxPGProperty* flag = m_node.addBoolProperty(wxS("B"), wxS("flag"), true, wxS(""), nullptr);

    ASSERT_NE(tag, nullptr);
    ASSERT_NE(size, nullptr);
    ASSERT_NE(angle, nullptr);
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(tag->GetParent(), node);
    EXPECT_EQ(size->GetParent(), node);
    EXPECT_EQ(angle->GetParent(), other);
    EXPECT_EQ(flag->GetParent(), other);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("_Tag")), tag);
    EXPECT_EQ(tag->GetHelpString(), wxS("对象标记"));
    EXPECT_EQ(size->GetHelpString(), wxS("对象大小"));
    EXPECT_EQ(tag->GetValue().GetLong(), 7);
    EXPECT_EQ(angle->GetValue().GetDouble(), 90.0);
}

TEST_F(GuiPropertyFactories, PropertiesGivenAParentGoUnderIt) {
    m_page->Append(new wxPropertyCategory(wxS("关键参数"), wxS("common")));
    wxArrayString modes;
    modes.Add(wxS("重力"));
    modes.Add(wxS("半径"));
    auto* mode = m_page->Append(new wxEnumProperty(wxS("发射模式"), wxS("emitterType"), modes));
    wxPGProperty* gravity =
        m_node.addPointProperty(wxS("重力矢量"), wxS("gravity"), wxRealPoint(0, -100), wxS("重力矢量方向"), mode);
    wxPGProperty* speed = m_node.addFloatProperty(wxS("速度"), wxS("speed"), 60.f, wxS("粒子速度"), mode);
    wxPGProperty* dir = m_node.addBoolProperty(wxS("转向"), wxS("rotationIsDir"), false, wxS(""), mode);
    wxPGProperty* src =
        m_node.addEnumProperty(wxS("Src"), wxS("blendFuncSource"), blendLabels(), blendValues(), 770, wxS(""), mode);

    ASSERT_NE(gravity, nullptr);
    ASSERT_NE(speed, nullptr);
    ASSERT_NE(dir, nullptr);
    ASSERT_NE(src, nullptr);
    for (wxPGProperty* p : {gravity, speed, dir, src}) EXPECT_EQ(p->GetParent(), mode);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("emitterType.gravity")), gravity);
    EXPECT_EQ(gravity->GetName(), wxS("emitterType.gravity"));
    EXPECT_EQ(speed->GetName(), wxS("emitterType.speed"));
    // The children of a nested point still get their spin buttons.
    EXPECT_EQ(m_page->GetPropertyByName(wxS("emitterType.gravity.Y"))->GetEditorClass(), wxPGEditor_SpinCtrl);
    EXPECT_EQ(src->GetValue().GetLong(), 770);
    EXPECT_EQ(src->GetValueAsString(), wxS("GL_SRC_ALPHA"));
}

TEST_F(GuiPropertyFactories, SpinButtonsExactlyOnNumericProperties) {
    m_page->Append(new wxPropertyCategory(wxS("Node"), wxS("_Node")));
    wxPGProperty* i = m_node.addIntProperty(wxS("I"), wxS("i"), 1, wxS(""));
    wxPGProperty* f = m_node.addFloatProperty(wxS("F"), wxS("f"), 1.5f, wxS(""), nullptr);
    wxPGProperty* p = m_node.addPointProperty(wxS("P"), wxS("p"), wxRealPoint(1, 2), wxS(""), nullptr);
    wxPGProperty* s = m_node.addSizeProperty(wxS("S"), wxS("s"), wxSize(1, 2), wxS(""));
    wxPGProperty* b = m_node.addBoolProperty(wxS("B"), wxS("b"), true, wxS(""), nullptr);
    wxPGProperty* e = m_node.addEnumProperty(wxS("E"), wxS("e"), blendLabels(), blendValues(), 1, wxS(""), nullptr);

    const std::vector<wxPGProperty*> numeric = {i, f, p->Item(0), p->Item(1), s->Item(0), s->Item(1)};
    for (wxPGProperty* prop : numeric) {
        SCOPED_TRACE(prop->GetName().utf8_string());
        EXPECT_EQ(prop->GetEditorClass(), wxPGEditor_SpinCtrl);
        // The real editor window: selecting the row creates the spin buttons.
        ASSERT_TRUE(grid()->SelectProperty(prop, false));
        EXPECT_NE(wxDynamicCast(grid()->GetEditorControlSecondary(), wxSpinButton), nullptr);
    }
    // The composed rows edit their text; bool and enumeration keep the defaults.
    const wxBoolProperty plainBool(wxS("x"));
    const wxEnumProperty plainEnum(wxS("y"));
    EXPECT_EQ(p->GetEditorClass(), wxPGEditor_TextCtrl);
    EXPECT_EQ(s->GetEditorClass(), wxPGEditor_TextCtrl);
    EXPECT_EQ(b->GetEditorClass(), plainBool.GetEditorClass());
    EXPECT_EQ(e->GetEditorClass(), plainEnum.GetEditorClass());
    for (wxPGProperty* prop : {p, s, b, e}) {
        SCOPED_TRACE(prop->GetName().utf8_string());
        EXPECT_NE(prop->GetEditorClass(), wxPGEditor_SpinCtrl);
        ASSERT_TRUE(grid()->SelectProperty(prop, false));
        EXPECT_EQ(wxDynamicCast(grid()->GetEditorControlSecondary(), wxSpinButton), nullptr);
    }
}

TEST_F(GuiPropertyFactories, EnumWithoutValuesNumbersChoicesByPosition) {
    wxPGProperty* e = m_node.addEnumProperty(wxS("E"), wxS("e"), blendLabels(), wxArrayLong(), 2, wxS(""), nullptr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetValueAsString(), wxS("GL_SRC_ALPHA"));
}

TEST_F(GuiPropertyFactories, NoPageOrForeignParentGivesNullWithoutCrashing) {
    // A parent that is not on the page, and one on another page of the manager.
    wxPropertyCategory stray(wxS("stray"), wxS("stray"));
    EXPECT_EQ(m_node.addFloatProperty(wxS("F"), wxS("f"), 1.f, wxS(""), &stray), nullptr);
    EXPECT_EQ(stray.GetChildCount(), 0u);
    wxPropertyGridPage* other = m_manager->AddPage(wxS("Other"));
    wxPGProperty* foreign = other->Append(new wxPropertyCategory(wxS("Foreign"), wxS("foreign")));
    EXPECT_EQ(m_node.addBoolProperty(wxS("B"), wxS("b"), true, wxS(""), foreign), nullptr);
    EXPECT_EQ(foreign->GetChildCount(), 0u);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("f")), nullptr);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("b")), nullptr);

    EditorNode pageless;
    EXPECT_EQ(pageless.addIntProperty(wxS("I"), wxS("i"), 1, wxS("")), nullptr);
    EXPECT_EQ(pageless.addPointProperty(wxS("P"), wxS("p"), wxRealPoint(), wxS(""), nullptr), nullptr);
}

TEST_F(GuiPropertyFactories, ComposedClassesAreCreatedByName) {
    wxObject* pointObject = wxCreateDynamicObject(wxS("wxPointProperty"));
    wxObject* sizeObject = wxCreateDynamicObject(wxS("wxSizeProperty"));
    auto* point = wxDynamicCast(pointObject, wxPointProperty);
    auto* size = wxDynamicCast(sizeObject, wxSizeProperty);
    ASSERT_NE(point, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(point->IsKindOf(wxCLASSINFO(wxPGProperty)));
    EXPECT_TRUE(size->IsKindOf(wxCLASSINFO(wxPGProperty)));

    const wxPointProperty labelled(wxPG_LABEL, wxPG_LABEL);
    EXPECT_EQ(point->GetLabel(), labelled.GetLabel());
    EXPECT_EQ(point->GetName(), labelled.GetName());

    wxVariant pointValue = point->GetValue();
    ASSERT_EQ(pointValue.GetType(), wxS("wxRealPoint"));
    EXPECT_EQ(wxRealPointRefFromVariant(pointValue), wxRealPoint(0, 0));
    const wxVariant sizeValue = size->GetValue();
    ASSERT_EQ(sizeValue.GetType(), wxS("wxSize"));
    EXPECT_EQ(wxSizeRefFromVariant(sizeValue), wxSize(0, 0));
    ASSERT_EQ(point->GetChildCount(), 2u);
    ASSERT_EQ(size->GetChildCount(), 2u);
    EXPECT_EQ(point->Item(0)->GetName(), wxS("X"));
    EXPECT_EQ(point->Item(1)->GetName(), wxS("Y"));
    EXPECT_EQ(size->Item(0)->GetLabel(), wxS("Width"));
    EXPECT_EQ(size->Item(1)->GetLabel(), wxS("Height"));
    delete point;
    delete size;
}
