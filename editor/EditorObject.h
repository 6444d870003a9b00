// Root of the editor side of every editable scene object.
#pragma once

class wxPropertyGridPage;

class EditorObject {
public:
    virtual ~EditorObject() = default;

    // The page named "Properties" of the main window's property grid; set by
    // whoever creates the object. Every property the object creates goes here.
    wxPropertyGridPage* propertyPage = nullptr;
};
