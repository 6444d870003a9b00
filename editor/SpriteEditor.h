// A reference sprite placed in the scene: an engine sprite that is also an editable node.
#pragma once

#include "editor/EditorNode.h"

#include "2d/CCSprite.h"

#include <string>

class SpriteEditor : public cocos2d::Sprite, public EditorNode {
public:
    // The sprite of an image file found through the engine's search paths,
    // autoreleased; null (nothing left behind) when it cannot be loaded.
    static SpriteEditor* create(const std::string& fileName);

    // "Node", then "Sprite" with "_Color" and "_Opacity".
    void createProperties() override;
    // The common rows first, then "_Color" and "_Opacity".
    void applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) override;
    // The node values, the colour and the opacity.
    std::unique_ptr<ObjectState> captureState() override;
    void restoreState(const ObjectState& state) override;
    // The texture rectangle from (0, 0): exactly the drawn image.
    cocos2d::Rect getBounds() const override;
    void draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) override;

protected:
    SpriteEditor() = default;
    ~SpriteEditor() override = default;
};
