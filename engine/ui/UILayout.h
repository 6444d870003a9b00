// Layout: a container widget (the tool's Panel) with a solid or gradient background colour and a background image.
#ifndef __UILAYOUT_H__
#define __UILAYOUT_H__

#include <string>

#include "ui/UIWidget.h"

NS_CC_BEGIN

class LayerColor;
class LayerGradient;

namespace ui {

class Scale9Sprite;

class CC_DLL Layout : public Widget {
public:
    enum class BackGroundColorType { NONE, SOLID, GRADIENT };

    static Layout* create();

    void setBackGroundColorType(BackGroundColorType type);
    BackGroundColorType getBackGroundColorType() const { return _colorType; }
    void setBackGroundColor(const Color3B& color);
    const Color3B& getBackGroundColor() const { return _color; }
    void setBackGroundColor(const Color3B& startColor, const Color3B& endColor);
    void setBackGroundColorOpacity(GLubyte opacity);
    GLubyte getBackGroundColorOpacity() const { return _opacity; }
    void setBackGroundColorVector(const Vec2& vector);
    const Vec2& getBackGroundColorVector() const { return _alongVector; }

    // Drawn at its own size at the centre, or nine-sliced to the whole layout.
    void setBackGroundImage(const std::string& fileName, TextureResType texType = TextureResType::LOCAL);
    void setBackGroundImageScale9Enabled(bool enabled);
    bool isBackGroundImageScale9Enabled() const { return _backGroundScale9Enabled; }
    void setBackGroundImageCapInsets(const Rect& capInsets);
    const Rect& getBackGroundImageCapInsets() const { return _backGroundImageCapInsets; }
    Scale9Sprite* getBackGroundImage() const { return _backGroundImage; }
    LayerColor* getColorRenderer() const { return _colorRender; }
    LayerGradient* getGradientRenderer() const { return _gradientRender; }

    // Stored only: children are not clipped to the layout.
    void setClippingEnabled(bool enabled) { _clippingEnabled = enabled; }
    bool isClippingEnabled() const { return _clippingEnabled; }

    virtual bool init() override;
    Layout() = default;

protected:
    virtual void onSizeChanged() override;
    void updateBackGroundImage();

    BackGroundColorType _colorType = BackGroundColorType::NONE;
    Color3B _color = Color3B::WHITE;
    Color3B _startColor = Color3B::WHITE;
    Color3B _endColor = Color3B::WHITE;
    Vec2 _alongVector = Vec2(0, -1);
    GLubyte _opacity = 255;
    LayerColor* _colorRender = nullptr;
    LayerGradient* _gradientRender = nullptr;
    Scale9Sprite* _backGroundImage = nullptr;
    bool _backGroundScale9Enabled = false;
    Rect _backGroundImageCapInsets;
    bool _clippingEnabled = false;
};

} // namespace ui

NS_CC_END

#endif // __UILAYOUT_H__
