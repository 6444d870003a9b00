// Property factories of EditorNode and the start-up registration of the grid extensions.
#include "editor/PropertyExtention.h"

#include "editor/EditorNode.h"

#include <wx/propgrid/advprops.h>
#include <wx/propgrid/manager.h>
#include <wx/propgrid/props.h>

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
