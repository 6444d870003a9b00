// Property factories of EditorNode and the start-up registration of the grid extensions.
#include "editor/PropertyExtention.h"

#include "editor/EditorNode.h"
#include "editor/PropertyValue.h"

#include <wx/propgrid/advprops.h>
#include <wx/propgrid/manager.h>
#include <wx/propgrid/props.h>
#include <wx/translation.h>

namespace {
// Spin buttons on a numeric property. The additional editors normally exist
// from start-up; registering them here as well keeps a page built before
// start-up registration from silently losing its spin buttons.
void setSpinEditor(wxPropertyGridPage* page, wxPGProperty* property) {
    if (!property) return;
    if (!wxPGEditor_SpinCtrl) wxPropertyGridInterface::RegisterAdditionalEditors();
    page->SetPropertyEditor(property, wxPGEditor_SpinCtrl);
}

void setChildSpinEditors(wxPropertyGridPage* page, wxPGProperty* property, const wxString& first,
                         const wxString& second) {
    if (!property) return;
    // Looked up through the parent: the grid's own name index does not hold
    // children of non-category properties.
    setSpinEditor(page, property->GetPropertyByName(first));
    setSpinEditor(page, property->GetPropertyByName(second));
}
}

void RegisterPropertyExtensions() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterRealPointAnyConversion();
    // Referencing the class information keeps both property classes linked
    // in from the static library, so creating them by class name works.
    (void)CLASSINFO(wxPointProperty);
    (void)CLASSINFO(wxSizeProperty);
    wxPropertyGridInterface::RegisterAdditionalEditors();
}

wxPGProperty* EditorNode::appendProperty(wxPGProperty* property, const wxString& help, wxPGProperty* parent) {
    if (!propertyPage) {
        delete property;
        return nullptr;
    }
    // A parent from another page (or from none) would take the property into
    // its own tree while this page indexed it, so it is refused.
    if (parent && parent->GetParentState() != propertyPage->GetStatePtr()) {
        delete property;
        return nullptr;
    }
    property->SetHelpString(help);
    wxPGProperty* appended = parent ? propertyPage->AppendIn(parent, property) : propertyPage->Append(property);
    if (!appended) delete property;
    return appended;
}

wxPGProperty* EditorNode::addBoolProperty(const wxString& label, const wxString& name, bool value, const wxString& help,
                                          wxPGProperty* parent) {
    return appendProperty(new wxBoolProperty(label, name, value), help, parent);
}

wxPGProperty* EditorNode::addIntProperty(const wxString& label, const wxString& name, int value, const wxString& help) {
    wxPGProperty* property = appendProperty(new wxIntProperty(label, name, value), help, nullptr);
    if (property) setSpinEditor(propertyPage, property);
    return property;
}

wxPGProperty* EditorNode::addFloatProperty(const wxString& label, const wxString& name, float value,
                                           const wxString& help, wxPGProperty* parent) {
    wxPGProperty* property = appendProperty(new wxFloatProperty(label, name, static_cast<double>(value)), help, parent);
    if (property) setSpinEditor(propertyPage, property);
    return property;
}

wxPGProperty* EditorNode::addEnumProperty(const wxString& label, const wxString& name, const wxArrayString& labels,
                                          const wxArrayLong& values, int value, const wxString& help,
                                          wxPGProperty* parent) {
    // Without values the choices are numbered by position, as the grid does.
    wxPGChoices choices;
    for (size_t i = 0; i < labels.size(); ++i)
        choices.Add(labels[i], i < values.size() ? static_cast<int>(values[i]) : static_cast<int>(i));
    return appendProperty(new wxEnumProperty(label, name, choices, value), help, parent);
}

wxPGProperty* EditorNode::addPointProperty(const wxString& label, const wxString& name, const wxRealPoint& value,
                                           const wxString& help, wxPGProperty* parent) {
    wxPGProperty* property = appendProperty(new wxPointProperty(label, name, value), help, parent);
    if (property) setChildSpinEditors(propertyPage, property, wxS("X"), wxS("Y"));
    return property;
}

wxPGProperty* EditorNode::addSizeProperty(const wxString& label, const wxString& name, const wxSize& value,
                                          const wxString& help) {
    wxPGProperty* property = appendProperty(new wxSizeProperty(label, name, value), help, nullptr);
    if (property) setChildSpinEditors(propertyPage, property, wxS("Width"), wxS("Height"));
    return property;
}

wxPGProperty* EditorNode::addPropertyOfKind(PropertyKind kind, const wxString& label, const wxString& name,
                                            const wxAny& value, const wxString& help, wxPGProperty* parent,
                                            const PropertyChoices* choices) {
    // A missing or unconvertible value shows the kind's zero.
    wxAny v;
    const bool known = ToKindValue(kind, value, v);
    switch (kind) {
    case PropertyKind::Category:
        return appendProperty(new wxPropertyCategory(label, name), help, parent);
    case PropertyKind::Composite:
        return appendProperty(new wxStringProperty(label, name, wxS("<composed>")), help, parent);
    case PropertyKind::Bool:
        return addBoolProperty(label, name, known && v.As<bool>(), help, parent);
    case PropertyKind::Int: {
        const int number = known ? v.As<int>() : 0;
        if (!parent) return addIntProperty(label, name, number, help);
        wxPGProperty* property = appendProperty(new wxIntProperty(label, name, number), help, parent);
        if (property) setSpinEditor(propertyPage, property);
        return property;
    }
    case PropertyKind::Float:
        return addFloatProperty(label, name, known ? static_cast<float>(v.As<double>()) : 0.f, help, parent);
    case PropertyKind::String:
        return appendProperty(new wxStringProperty(label, name, known ? v.As<wxString>() : wxString()), help, parent);
    case PropertyKind::File:
        return appendProperty(new wxFileProperty(label, name, known ? v.As<wxString>() : wxString()), help, parent);
    case PropertyKind::Enum: {
        wxArrayString labels;
        wxArrayLong values;
        if (choices) {
            for (const PropertyChoice& choice : *choices) {
                labels.Add(wxGetTranslation(wxString::FromUTF8(choice.label)));
                values.Add(choice.value);
            }
        }
        return addEnumProperty(label, name, labels, values, known ? v.As<int>() : 0, help, parent);
    }
    case PropertyKind::Colour:
        return appendProperty(new wxColourProperty(label, name, known ? v.As<wxColour>() : *wxWHITE), help, parent);
    case PropertyKind::Point:
        return addPointProperty(label, name, known ? v.As<wxRealPoint>() : wxRealPoint(), help, parent);
    case PropertyKind::Size: {
        const wxSize size = known ? v.As<wxSize>() : wxSize(0, 0);
        if (!parent) return addSizeProperty(label, name, size, help);
        wxPGProperty* property = appendProperty(new wxSizeProperty(label, name, size), help, parent);
        if (property) setChildSpinEditors(propertyPage, property, wxS("Width"), wxS("Height"));
        return property;
    }
    }
    return nullptr;
}
