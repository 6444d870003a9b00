// Root of the editor side of every editable scene object: page, file, tree row, selected and locked flags.
#pragma once

#include "editor/ObjectState.h"

#include <wx/any.h>
#include <wx/string.h>
#include <wx/treebase.h>

#include <memory>

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

    // Everything an edit can change, for putting it back exactly; null for an
    // object whose edits cannot be taken back.
    virtual std::unique_ptr<ObjectState> captureState() { return nullptr; }
    // Puts back what captureState returned, through the engine's setters.
    virtual void restoreState(const ObjectState& state) {}

    // Whether the object is kept in a file of its own (Save writes it).
    virtual bool keepsFile() const { return false; }
    // A kept object differs from its file: never saved, or changed since.
    bool hasUnsavedChanges() const { return keepsFile() && revision != savedRevision; }
    void markSaved() { savedRevision = revision; }
    // The tree row's text: the file's name once there is one, else
    // treeLabel; " *" follows while there are unsaved changes.
    wxString rowText() const;

    // Tells this object from every other one of the run, also from one made
    // later at the same address.
    const long objectId = nextObjectId();

    // The page named "Properties" of the main window's property grid; set by
    // whoever creates the object. Every property the object creates goes here.
    wxPropertyGridPage* propertyPage = nullptr;
    // Particle file the object was loaded from or last saved to; empty otherwise.
    wxString filePath;
    // Row in the object tree; invalid until the object is registered.
    wxTreeItemId treeItem;
    // The row's name while the object has no file ("Particle2D", "Sprite").
    wxString treeLabel;
    // Which edit the object's values come from: each undoable change gives
    // it a number of its own, and taking the change back gives the old one.
    long revision = 0;
    // The revision last written to the file; never equal to one before the first save.
    long savedRevision = -1;
    bool selected = false;
    // A locked object is skipped by picking (its children are not).
    bool locked = false;

private:
    static long nextObjectId();
};
