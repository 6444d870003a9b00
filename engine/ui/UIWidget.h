// Widget: the base of the UI widgets: a protected node with a custom size, bright/enabled state and flips.
#ifndef __UIWIDGET_H__
#define __UIWIDGET_H__

#include "2d/CCProtectedNode.h"

NS_CC_BEGIN

namespace ui {

class CC_DLL Widget : public ProtectedNode {
public:
    enum class TextureResType { LOCAL = 0, PLIST = 1 };

    static Widget* create();

    virtual void setEnabled(bool enabled) { _enabled = enabled; }
    bool isEnabled() const { return _enabled; }
    virtual void setBright(bool bright);
    bool isBright() const { return _bright; }
    // Stored only: background widgets never take input.
    virtual void setTouchEnabled(bool enabled) { _touchEnabled = enabled; }
    bool isTouchEnabled() const { return _touchEnabled; }

    // Ignoring the custom size makes the content size the renderer's own.
    virtual void ignoreContentAdaptWithSize(bool ignore);
    bool isIgnoreContentAdaptWithSize() const { return _ignoreSize; }
    void setUnifySizeEnabled(bool enable) { _unifySize = enable; }
    bool isUnifySizeEnabled() const { return _unifySize; }
    virtual void setContentSize(const Size& size) override;
    const Size& getCustomSize() const { return _customSize; }
    virtual Size getVirtualRendererSize() const { return _contentSize; }

    // A flip is a negative scale on that axis, hidden from the scale getters.
    virtual void setFlippedX(bool flippedX);
    bool isFlippedX() const { return _flippedX; }
    virtual void setFlippedY(bool flippedY);
    bool isFlippedY() const { return _flippedY; }
    virtual void setScaleX(float scaleX) override;
    virtual void setScaleY(float scaleY) override;
    virtual void setScale(float scale) override;
    virtual void setScale(float scaleX, float scaleY) override;
    virtual float getScaleX() const override;
    virtual float getScaleY() const override;

    virtual bool init() override;
    Widget() = default;

protected:
    // Called whenever the content size changes, to fit the renderers to it.
    virtual void onSizeChanged() {}
    virtual void onBrightChanged() {}
    // The renderer's size changed: follow it when the custom size is ignored.
    void updateContentSizeWithTextureSize(const Size& size);

    bool _enabled = true;
    bool _bright = true;
    bool _touchEnabled = false;
    bool _ignoreSize = false;
    bool _unifySize = false;
    bool _flippedX = false;
    bool _flippedY = false;
    Size _customSize;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Widget)
};

} // namespace ui

NS_CC_END

#endif // __UIWIDGET_H__
