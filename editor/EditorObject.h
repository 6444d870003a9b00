// Root of the editor side of every editable scene object: page, file, tree row, selected and locked flags.
#pragma once

#include <wx/any.h>
#include <wx/string.h>
#include <wx/treebase.h>

class wxPGProperty;
class wxPropertyGridPage;
class wxXmlNode;

class EditorObject {
public:
    EditorObject() = default;
    EditorObject(const EditorObject&) = delete;
    EditorObject& operator=(const EditorObject&) = delete;

    // A registered object takes its tree row with it (the row's data is
    // unhooked first, and no row stays highlighted); an object that never got
    // a row leaves the tree alone.
    virtual ~EditorObject();

    // Fills propertyPage, which the selection has just emptied.
    virtual void createProperties() {}
    // One committed grid change: the changed property, its full name
    // ("emitterType.speed") and its value as converted by GridValueToAny.
    virtual void applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) {}
    // Writes the object's content as children of parent (the plist "dict").
    virtual void writeXml(wxXmlNode* parent) {}
    virtual bool isSelected() const { return selected; }
    // Stores the flag and highlights or unhighlights treeItem in the object tree.
    virtual void setSelected(bool flag);
    virtual bool isLocked() const { return locked; }
    virtual void setLocked(bool flag) { locked = flag; }

    // The page named "Properties" of the main window's property grid; set by
    // whoever creates the object. Every property the object creates goes here.
    wxPropertyGridPage* propertyPage = nullptr;
    // Particle file the object was loaded from or last saved to; empty otherwise.
    wxString filePath;
    // Row in the object tree; invalid until the object is registered.
    wxTreeItemId treeItem;
    bool selected = false;
    // A locked object is skipped by picking (its children are not).
    bool locked = false;
};
