// The sprite object: creation from an image file, its "Sprite" rows, texture-rectangle bounds and frame.
#include "editor/SpriteEditor.h"

#include "editor/NodeState.h"
#include "editor/PropertyTable.h"

#include <wx/colour.h>
#include <wx/translation.h>

#include <algorithm>
#include <new>

namespace {
struct SpriteState : NodeState {
    cocos2d::Color3B colour;
    GLubyte opacity = 255;

    bool sameAs(const ObjectState& other) const override {
        const auto* o = dynamic_cast<const SpriteState*>(&other);
        return o && NodeState::sameAs(other) && o->colour == colour && o->opacity == opacity;
    }
};

const PropertyTable<cocos2d::Sprite>& spriteRows() {
    static const PropertyTable<cocos2d::Sprite> rows{{
        {"_Sprite", "Sprite", "", PropertyKind::Category},
        {"_Color", wxTRANSLATE("叠加颜色"), wxTRANSLATE("整体叠加颜色"), PropertyKind::Colour,
         [](cocos2d::Sprite& s) -> wxAny {
             const cocos2d::Color3B& c = s.getColor();
             return wxColour(c.r, c.g, c.b, 255);
         },
         [](cocos2d::Sprite& s, const wxAny& v, wxPGProperty*) {
             const wxColour c = v.As<wxColour>();
             s.setColor(cocos2d::Color3B(c.Red(), c.Green(), c.Blue()));
         }},
        {"_Opacity", wxTRANSLATE("透明度"), wxTRANSLATE("透明度值范围：0-255"), PropertyKind::Int,
         [](cocos2d::Sprite& s) -> wxAny { return static_cast<int>(s.getOpacity()); },
         [](cocos2d::Sprite& s, const wxAny& v, wxPGProperty*) {
             s.setOpacity(static_cast<GLubyte>(std::clamp(v.As<int>(), 0, 255)));
         }},
    }};
    return rows;
}
}

SpriteEditor* SpriteEditor::create(const std::string& fileName) {
    auto* sprite = new (std::nothrow) SpriteEditor();
    if (!sprite) return nullptr;
    if (!sprite->initWithFile(fileName)) {
        // Never registered: its destructor leaves the tree and the selection alone.
        delete sprite;
        return nullptr;
    }
    sprite->autorelease();
    return sprite;
}

void SpriteEditor::createProperties() {
    EditorNode::createProperties();
    spriteRows().createProperties(*this, *this);
}

void SpriteEditor::applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) {
    EditorNode::applyProperty(property, name, value);
    spriteRows().applyProperty(*this, property, name, value);
}

std::unique_ptr<ObjectState> SpriteEditor::captureState() {
    auto state = std::make_unique<SpriteState>();
    state->capture(*this);
    state->colour = getColor();
    state->opacity = getOpacity();
    return state;
}

void SpriteEditor::restoreState(const ObjectState& state) {
    const auto* values = dynamic_cast<const SpriteState*>(&state);
    if (!values) return;
    values->restore(*this);
    if (!(getColor() == values->colour)) setColor(values->colour);
    if (getOpacity() != values->opacity) setOpacity(values->opacity);
}

cocos2d::Rect SpriteEditor::getBounds() const {
    const cocos2d::Size& size = getContentSize();
    return cocos2d::Rect(0, 0, size.width, size.height);
}

void SpriteEditor::draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) {
    cocos2d::Sprite::draw(renderer, transform, flags);
    queueSelectionFrame(renderer, transform, flags);
}
