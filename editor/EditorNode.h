// Editor side of an editable scene node: the "Node" page, picking box, selection frame and property factories.
//
// A concrete object derives from an engine node class first and from
// EditorNode second, and hooks the frame into the engine's drawing:
//
//   class SpriteEditor : public cocos2d::Sprite, public EditorNode {
//       void draw(cocos2d::Renderer* r, const cocos2d::Mat4& t, uint32_t f) override {
//           cocos2d::Sprite::draw(r, t, f);
//           queueSelectionFrame(r, t, f);
//       }
//   };
#pragma once

#include "editor/EditorObject.h"
#include "editor/PropertyRow.h"

#include "math/CCGeometry.h"
#include "math/Mat4.h"
#include "renderer/CCCustomCommand.h"

#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <cstdint>
#include <functional>

namespace cocos2d {
class Node;
class Renderer;
}

class wxPGProperty;

class EditorNode : public EditorObject {
public:
    ~EditorNode() override = default;

    // The common "Node" category. Subclasses call it first, then add their own.
    void createProperties() override;
    // "_Tag", "_Name", "_Position", "_Rotation", "_Size", "_AnchorPoint" reach
    // the node. Subclasses call it first, then test their own names.
    void applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) override;
    // The common node values (NodeState); subclasses extend the snapshot.
    std::unique_ptr<ObjectState> captureState() override;
    void restoreState(const ObjectState& state) override;

    // Picking and framing rectangle in the node's own space: the content size
    // centred on the origin, 40 for a side that is not greater than 0 (or NaN).
    virtual cocos2d::Rect getBounds() const;
    // Draws getBounds() as a frame with the given model-view transform: red
    // while selected, else in the current draw colour (white), unblended so
    // that the colour stays exact over any effect.
    virtual void drawSelection(const cocos2d::Mat4& transform, uint32_t flags);

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
    // The factory of a table row (PropertyTable): a property of the given kind
    // made with the factory above for that kind (or directly for category,
    // string, colour, file and composite). value holds the kind's type or one
    // convertible to it. Null, creating nothing, as for the factories.
    wxPGProperty* addPropertyOfKind(PropertyKind kind, const wxString& label, const wxString& name, const wxAny& value,
                                    const wxString& help, wxPGProperty* parent, const PropertyChoices* choices);

    // Re-initialised on every frame to draw the selection frame.
    cocos2d::CustomCommand selectionCommand;

protected:
    // Runs draw with the model-view matrix set to transform and blending
    // off, in red while selected (else white): the editor's marks are written
    // as they are, never tinted by the effect under them.
    void drawMark(const cocos2d::Mat4& transform, const std::function<void()>& draw);

    // The draw hook: call it from the engine draw override right after the
    // base class's draw. Queues selectionCommand one above the node's global
    // Z, so that the frame is drawn over all ordinary scene content.
    void queueSelectionFrame(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags);

private:
    wxPGProperty* appendProperty(wxPGProperty* property, const wxString& help, wxPGProperty* parent);
};
