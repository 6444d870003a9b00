// Takes editor objects out of the scene and the object tree, held, and puts them back exactly where they were.
#pragma once

#include "editor/ObjectRef.h"

#include <vector>

class SceneDetachment {
public:
    // The objects to take out; one inside another's subtree goes with it.
    explicit SceneDetachment(const std::vector<EditorObject*>& objects);

    // Out of the scene and the tree, noting each place first; the objects
    // must not be selected.
    void detach();
    // Back into their parents at their places in the drawing order, and
    // their rows (and those of the objects under them) back in the tree.
    void attach();

    const std::vector<ObjectRef>& objects() const { return m_objects; }

private:
    struct Place {
        ObjectRef node;
        ObjectRef parent;
        size_t index = 0;
        int z = 0;
    };
    struct Row {
        ObjectRef object;
        size_t index = 0;
    };

    std::vector<ObjectRef> m_objects;
    std::vector<Place> m_places;
    std::vector<Row> m_rows;
};
