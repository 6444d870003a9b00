// Point and size properties on a real grid: children, composed text and committed child edits.
#include "GuiGridFixture.h"

#include "editor/PropertyExtention.h"

#include <wx/any.h>

using GuiComposedProperties = GuiGridFixture;

namespace {
wxRealPoint pointOf(wxPGProperty* property) {
    wxVariant value = property->GetValue();
    return value.GetType() == wxS("wxRealPoint") ? wxRealPointRefFromVariant(value) : wxRealPoint(-999, -999);
}

wxSize sizeOf(wxPGProperty* property) {
    const wxVariant value = property->GetValue();
    return value.GetType() == wxS("wxSize") ? wxSizeRefFromVariant(value) : wxSize(-999, -999);
}
}

TEST_F(GuiComposedProperties, PointShowsItsCoordinatesInChildrenAndParentText) {
    wxPGProperty* p =
        m_node.addPointProperty(wxS("位置"), wxS("_Position"), wxRealPoint(12.5, 40), wxS("对象位置"), nullptr);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(m_page->GetPropertyByName(wxS("_Position.X"))->GetValueAsString(), wxS("12.5"));
    EXPECT_EQ(m_page->GetPropertyByName(wxS("_Position.Y"))->GetValueAsString(), wxS("40"));
    EXPECT_EQ(p->GetValueAsString(), wxS("12.5; 40"));

    // Setting the parent's value through the grid refreshes both children.
    wxVariant moved;
    moved << wxRealPoint(-1.25, 3);
    m_page->SetPropertyValue(p, moved);
    EXPECT_EQ(p->Item(0)->GetValue().GetDouble(), -1.25);
    EXPECT_EQ(p->Item(1)->GetValue().GetDouble(), 3.0);
    EXPECT_EQ(p->GetValueAsString(), wxS("-1.25; 3"));
}

TEST_F(GuiComposedProperties, SizeShowsIntegersInChildrenAndParentText) {
    wxPGProperty* s = m_node.addSizeProperty(wxS("大小"), wxS("_Size"), wxSize(120, 80), wxS(""));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Item(0)->GetValueAsString(), wxS("120"));
    EXPECT_EQ(s->Item(1)->GetValueAsString(), wxS("80"));
    EXPECT_EQ(s->GetValueAsString(), wxS("120; 80"));
}

TEST_F(GuiComposedProperties, TypedWidthIsTruncatedTowardZero) {
    wxPGProperty* s = m_node.addSizeProperty(wxS("大小"), wxS("_Size"), wxSize(5, 6), wxS(""));
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(typeInto(s->Item(0), wxS("10.7")));
    EXPECT_EQ(sizeOf(s), wxSize(10, 6));
    ASSERT_TRUE(typeInto(s->Item(0), wxS("-3.9")));
    EXPECT_EQ(sizeOf(s), wxSize(-3, 6));
    ASSERT_TRUE(typeInto(s->Item(1), wxS("99.99")));
    EXPECT_EQ(sizeOf(s), wxSize(-3, 99));
    // The children show what the size now holds.
    EXPECT_EQ(s->Item(0)->GetValue().GetDouble(), -3.0);
    EXPECT_EQ(s->GetValueAsString(), wxS("-3; 99"));
}

TEST_F(GuiComposedProperties, TypedCoordinateIsStoredInSinglePrecision) {
    wxPGProperty* p = m_node.addPointProperty(wxS("P"), wxS("p"), wxRealPoint(1, 2), wxS(""), nullptr);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(typeInto(p->Item(0), wxS("0.1")));
    const wxRealPoint stored = pointOf(p);
    EXPECT_EQ(stored.x, static_cast<double>(0.1f));
    EXPECT_NE(stored.x, 0.1);
    EXPECT_EQ(stored.y, 2.0);
}

TEST_F(GuiComposedProperties, CommittedChildEditIsReportedOnTheParent) {
    wxPGProperty* p = m_node.addPointProperty(wxS("位置"), wxS("_Position"), wxRealPoint(12.5, 40), wxS(""), nullptr);
    wxPGProperty* s = m_node.addSizeProperty(wxS("大小"), wxS("_Size"), wxSize(120, 80), wxS(""));
    ASSERT_NE(p, nullptr);
    ASSERT_NE(s, nullptr);

    ASSERT_TRUE(grid()->ChangePropertyValue(p->Item(1), wxVariant(7.75)));
    ASSERT_EQ(m_changes.size(), 1u);
    EXPECT_EQ(m_changes[0].property, p);
    EXPECT_EQ(m_changes[0].name, wxS("_Position"));
    // The value the editor objects receive: the recomposed point as wxAny.
    const wxAny pointAny = m_changes[0].value;
    ASSERT_TRUE(pointAny.CheckType<wxRealPoint>());
    EXPECT_EQ(pointAny.As<wxRealPoint>(), wxRealPoint(12.5, 7.75));

    ASSERT_TRUE(typeInto(s->Item(0), wxS("64.5")));
    ASSERT_EQ(m_changes.size(), 2u);
    EXPECT_EQ(m_changes[1].property, s);
    EXPECT_EQ(m_changes[1].name, wxS("_Size"));
    const wxAny sizeAny = m_changes[1].value;
    ASSERT_TRUE(sizeAny.CheckType<wxSize>());
    EXPECT_EQ(sizeAny.As<wxSize>(), wxSize(64, 80));
}

TEST_F(GuiComposedProperties, RejectedTextLeavesTheValueAlone) {
    wxPGProperty* s = m_node.addSizeProperty(wxS("大小"), wxS("_Size"), wxSize(5, 6), wxS(""));
    ASSERT_NE(s, nullptr);
    typeInto(s->Item(0), wxS("abc")); // the grid refuses the text itself
    EXPECT_EQ(sizeOf(s), wxSize(5, 6));
    EXPECT_TRUE(m_changes.empty());
}

TEST_F(GuiComposedProperties, TypingIntoTheParentRowSetsBothChildren) {
    wxPGProperty* p = m_node.addPointProperty(wxS("P"), wxS("p"), wxRealPoint(1, 2), wxS(""), nullptr);
    wxPGProperty* s = m_node.addSizeProperty(wxS("S"), wxS("s"), wxSize(1, 2), wxS(""));
    ASSERT_NE(p, nullptr);
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(typeInto(p, wxS("3.5; -0.1")));
    EXPECT_EQ(pointOf(p), wxRealPoint(3.5, static_cast<double>(-0.1f)));
    ASSERT_TRUE(typeInto(s, wxS("800.9; 600")));
    EXPECT_EQ(sizeOf(s), wxSize(800, 600));
    ASSERT_EQ(m_changes.size(), 2u);
    EXPECT_EQ(m_changes[0].property, p);
    EXPECT_EQ(m_changes[1].property, s);
}
