// Button: a widget showing its normal, pressed or disabled image filling its size, with a title on top.
#ifndef __UIBUTTON_H__
#define __UIBUTTON_H__

#include <string>

#include "ui/UIWidget.h"

NS_CC_BEGIN

class Label;

namespace ui {

class Scale9Sprite;

class CC_DLL Button : public Widget {
public:
    static Button* create();
    static Button* create(const std::string& normalImage, const std::string& selectedImage = "",
                          const std::string& disableImage = "", TextureResType texType = TextureResType::LOCAL);

    void loadTextureNormal(const std::string& normal, TextureResType texType = TextureResType::LOCAL);
    void loadTexturePressed(const std::string& selected, TextureResType texType = TextureResType::LOCAL);
    void loadTextureDisabled(const std::string& disabled, TextureResType texType = TextureResType::LOCAL);
    bool isNormalTextureLoaded() const { return _normalTextureLoaded; }

    void setScale9Enabled(bool enabled);
    bool isScale9Enabled() const { return _scale9Enabled; }
    void setCapInsets(const Rect& capInsets);
    const Rect& getCapInsetsNormalRenderer() const { return _capInsets; }

    void setTitleText(const std::string& text);
    std::string getTitleText() const;
    void setTitleColor(const Color3B& color);
    Color3B getTitleColor() const;
    void setTitleFontSize(float size);
    float getTitleFontSize() const { return _fontSize; }
    // A font file found through the search paths, or else a system font name.
    void setTitleFontName(const std::string& fontName);
    const std::string& getTitleFontName() const { return _fontName; }
    Label* getTitleRenderer() const { return _titleRenderer; }

    Scale9Sprite* getRendererNormal() const { return _buttonNormalRenderer; }
    Scale9Sprite* getRendererClicked() const { return _buttonClickedRenderer; }
    Scale9Sprite* getRendererDisabled() const { return _buttonDisabledRenderer; }

    virtual Size getVirtualRendererSize() const override;

    virtual bool init() override;
    Button() = default;

protected:
    virtual void onSizeChanged() override;
    virtual void onBrightChanged() override;
    // Loads one state's image; returns whether it loaded.
    bool loadInto(Scale9Sprite* renderer, const std::string& file, TextureResType texType, Size& size);

    Scale9Sprite* _buttonNormalRenderer = nullptr;
    Scale9Sprite* _buttonClickedRenderer = nullptr;
    Scale9Sprite* _buttonDisabledRenderer = nullptr;
    Label* _titleRenderer = nullptr;
    Size _normalTextureSize;
    Size _pressedTextureSize;
    Size _disabledTextureSize;
    bool _normalTextureLoaded = false;
    bool _pressedTextureLoaded = false;
    bool _disabledTextureLoaded = false;
    bool _scale9Enabled = false;
    Rect _capInsets;
    float _fontSize = 14;
    std::string _fontName;
};

} // namespace ui

NS_CC_END

#endif // __UIBUTTON_H__
