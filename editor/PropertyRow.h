// One declared row of a property page: what the grid shows and how the value travels to and from the object.
//
// Rows are gathered in a PropertyTable (editor/PropertyTable.h, which has the
// usage notes); this header only defines the row and its parts.
#pragma once

#include <wx/any.h>

#include <vector>

class wxPGProperty;

// What the grid shows for a row, and the one type its value travels as
// (a getter returns it, a setter receives exactly it inside the wxAny):
enum class PropertyKind {
    Category,  // wxPropertyCategory; no value, no getter
    Bool,      // bool
    Int,       // int (spin control)
    Float,     // double (spin control); a getter may return float
    String,    // wxString
    Enum,      // int, one of the row's choices
    Colour,    // wxColour
    Point,     // wxRealPoint (children "X", "Y" with spin controls)
    Size,      // wxSize (children "Width", "Height" with spin controls)
    File,      // wxString, a path
    Composite, // a parent row showing "<composed>"; no value, no getter
};

// One entry of an enumeration row's list; the label is UTF-8.
struct PropertyChoice {
    const char* label;
    long value;
};
using PropertyChoices = std::vector<PropertyChoice>;

// Nothing extra: the default payload of a row.
struct NoRowExtra {};

// A row for objects of type Object (the engine node, or the editor class
// itself when a setter needs its fields or its page). Texts are UTF-8.
// Extra is free for a table's own per-row data (plist keys, for instance).
template <class Object, class Extra = NoRowExtra>
struct PropertyRow {
    // Own name; the grid's full name of a child is "parent.name".
    const char* name;
    const char* label;
    const char* help;
    PropertyKind kind;
    // Value shown when the page is built; null for Category and Composite.
    wxAny (*get)(Object& object) = nullptr;
    // Writes a committed edit back; value holds the kind's type (above).
    // property is the grid's changed property, for setters that rebuild or
    // refresh rows. Null: the row is shown but edits are ignored.
    void (*set)(Object& object, const wxAny& value, wxPGProperty* property) = nullptr;
    // Own name of an earlier row of the same table to append into (a
    // Composite, Enum or Point row, never a Category); null: top level, that
    // is into the category appended last.
    const char* parent = nullptr;
    // Choices of an Enum row.
    const PropertyChoices* choices = nullptr;
    // Runs right after the row's property is on the page, to append rows that
    // depend on the object's state (an emitter mode's group) into it.
    void (*fill)(Object& object, wxPGProperty* property) = nullptr;
    Extra extra = {};
};
