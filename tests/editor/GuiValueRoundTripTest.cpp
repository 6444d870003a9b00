// Every kind of grid value travels from the grid through wxVariant to wxAny and back unchanged.
#include "GuiGridFixture.h"

#include "editor/PropertyExtention.h"

#include <wx/any.h>
#include <wx/propgrid/advprops.h>
#include <wx/propgrid/props.h>

using GuiValueRoundTrip = GuiGridFixture;

namespace {
// Commits value on the property as the user would, then converts what the
// grid holds to wxAny (as the change handler does) and back to wxVariant.
template <typename T>
void roundTrip(wxPropertyGrid* grid, wxPGProperty* property, const wxVariant& value, const T& expected) {
    SCOPED_TRACE(property->GetName().utf8_string());
    ASSERT_TRUE(grid->ChangePropertyValue(property, value));
    const wxVariant held = property->GetValue();
    const wxAny any = held;
    ASSERT_TRUE(any.CheckType<T>()) << "wxAny did not get the value type, grid type " << held.GetType().utf8_string();
    EXPECT_TRUE(any.As<T>() == expected);
    const wxVariant back(any);
    EXPECT_EQ(back.GetType(), held.GetType());
    EXPECT_TRUE(back == held);
    // And into the grid again: the property accepts the converted value as its own.
    grid->SetPropertyValue(property, back);
    EXPECT_TRUE(property->GetValue() == held);
}
}

TEST_F(GuiValueRoundTrip, EveryKindKeepsItsTypeAndValue) {
    wxArrayString labels;
    labels.Add(wxS("a"));
    labels.Add(wxS("b"));
    wxArrayLong values;
    values.Add(5);
    values.Add(771);
    wxPGProperty* text = m_page->Append(new wxStringProperty(wxS("Name"), wxS("_Name"), wxS("x")));
    wxPGProperty* integer = m_node.addIntProperty(wxS("Tag"), wxS("_Tag"), 0, wxS(""));
    wxPGProperty* choice = m_node.addEnumProperty(wxS("E"), wxS("e"), labels, values, 5, wxS(""), nullptr);
    wxPGProperty* real = m_node.addFloatProperty(wxS("F"), wxS("f"), 0.f, wxS(""), nullptr);
    wxPGProperty* flag = m_node.addBoolProperty(wxS("B"), wxS("b"), false, wxS(""), nullptr);
    wxPGProperty* point = m_node.addPointProperty(wxS("P"), wxS("p"), wxRealPoint(), wxS(""), nullptr);
    wxPGProperty* size = m_node.addSizeProperty(wxS("S"), wxS("s"), wxSize(), wxS(""));
    wxPGProperty* colour = m_page->Append(new wxColourProperty(wxS("C"), wxS("c"), *wxBLACK));

    roundTrip(grid(), text, wxVariant(wxS("粒子")), wxString(wxS("粒子")));
    roundTrip(grid(), integer, wxVariant(-42L), -42L);
    EXPECT_EQ(wxAny(integer->GetValue()).As<int>(), -42);
    roundTrip(grid(), choice, wxVariant(771L), 771L);
    roundTrip(grid(), real, wxVariant(2.5), 2.5);
    roundTrip(grid(), flag, wxVariant(true), true);
    wxVariant pointValue;
    pointValue << wxRealPoint(-3.5, 1e6);
    roundTrip(grid(), point, pointValue, wxRealPoint(-3.5, 1e6));
    wxVariant sizeValue;
    sizeValue << wxSize(640, 480);
    roundTrip(grid(), size, sizeValue, wxSize(640, 480));
    wxVariant colourValue;
    colourValue << wxColour(255, 128, 0);
    roundTrip(grid(), colour, colourValue, wxColour(255, 128, 0));
    EXPECT_EQ(m_changes.size(), 8u);
}
