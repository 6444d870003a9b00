// ImageView: a widget showing one image that fills its size, stretched or nine-sliced.
#ifndef __UIIMAGEVIEW_H__
#define __UIIMAGEVIEW_H__

#include <string>

#include "ui/UIWidget.h"

NS_CC_BEGIN

namespace ui {

class Scale9Sprite;

class CC_DLL ImageView : public Widget {
public:
    static ImageView* create();
    static ImageView* create(const std::string& imageFileName, TextureResType texType = TextureResType::LOCAL);

    // Sprite-frame names (PLIST) are not cached by this engine: no image.
    void loadTexture(const std::string& fileName, TextureResType texType = TextureResType::LOCAL);
    bool isTextureLoaded() const { return _textureLoaded; }
    void setScale9Enabled(bool enabled);
    bool isScale9Enabled() const { return _scale9Enabled; }
    void setCapInsets(const Rect& capInsets);
    const Rect& getCapInsets() const { return _capInsets; }

    virtual Size getVirtualRendererSize() const override { return _imageTextureSize; }
    Scale9Sprite* getRenderer() const { return _imageRenderer; }

    virtual bool init() override;
    ImageView() = default;

protected:
    virtual void onSizeChanged() override;

    Scale9Sprite* _imageRenderer = nullptr;
    Size _imageTextureSize;
    bool _textureLoaded = false;
    bool _scale9Enabled = false;
    Rect _capInsets;
};

// The engine's clamp of cap insets against the loaded image: a centre wider
// or taller than the image moves to the image's middle, one pixel wide.
Rect clampCapInsets(const Rect& capInsets, const Size& textureSize);

} // namespace ui

NS_CC_END

#endif // __UIIMAGEVIEW_H__
