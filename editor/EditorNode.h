// Editor side of an editable scene node: builds its page of the property grid.
#pragma once

#include "editor/EditorObject.h"

#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxPGProperty;

class EditorNode : public EditorObject {
public:
    ~EditorNode() override = default;

    // Property factories: each creates one property, gives it its help text,
    // appends it to propertyPage (under parent when one is given, otherwise
    // into the page's last category) and returns it. Numeric properties get
    // the spin-control editor. They return null, creating nothing, when there
    // is no page or the parent is not on it.
    wxPGProperty* addBoolProperty(const wxString& label, const wxString& name, bool value, const wxString& help,
                                  wxPGProperty* parent);
    wxPGProperty* addIntProperty(const wxString& label, const wxString& name, int value, const wxString& help);
    wxPGProperty* addFloatProperty(const wxString& label, const wxString& name, float value, const wxString& help,
                                   wxPGProperty* parent);
    wxPGProperty* addEnumProperty(const wxString& label, const wxString& name, const wxArrayString& labels,
                                  const wxArrayLong& values, int value, const wxString& help, wxPGProperty* parent);
    wxPGProperty* addPointProperty(const wxString& label, const wxString& name, const wxRealPoint& value,
                                   const wxString& help, wxPGProperty* parent);
    wxPGProperty* addSizeProperty(const wxString& label, const wxString& name, const wxSize& value,
                                  const wxString& help);

private:
    wxPGProperty* appendProperty(wxPGProperty* property, const wxString& help, wxPGProperty* parent);
};
