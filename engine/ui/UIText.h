// Text: a widget showing a label in a font, size and colour, sized by its text unless given a size.
#ifndef __UITEXT_H__
#define __UITEXT_H__

#include <string>

#include "ui/UIWidget.h"

NS_CC_BEGIN

class Label;

namespace ui {

class CC_DLL Text : public Widget {
public:
    static Text* create();
    static Text* create(const std::string& textContent, const std::string& fontName, float fontSize);

    void setString(const std::string& text);
    const std::string& getString() const;
    void setFontSize(float size);
    float getFontSize() const { return _fontSize; }
    // A font file found through the search paths, or else a system font name.
    void setFontName(const std::string& name);
    const std::string& getFontName() const { return _fontName; }
    void setTextColor(const Color4B& color);
    const Color4B& getTextColor() const;
    void setTextAreaSize(const Size& size);
    const Size& getTextAreaSize() const;
    void setTextHorizontalAlignment(TextHAlignment alignment);
    TextHAlignment getTextHorizontalAlignment() const;
    void setTextVerticalAlignment(TextVAlignment alignment);
    TextVAlignment getTextVerticalAlignment() const;
    void setTouchScaleChangeEnabled(bool enabled) { _touchScaleChangeEnabled = enabled; }
    bool isTouchScaleChangeEnabled() const { return _touchScaleChangeEnabled; }

    // Ignoring the custom size gives the label back its own text area.
    virtual void ignoreContentAdaptWithSize(bool ignore) override;
    virtual Size getVirtualRendererSize() const override;
    Label* getVirtualRenderer() const { return _labelRenderer; }

    virtual bool init() override;
    Text() = default;

protected:
    virtual void onSizeChanged() override;
    void labelChanged();

    Label* _labelRenderer = nullptr;
    Size _areaSize;
    float _fontSize = 10;
    std::string _fontName;
    bool _touchScaleChangeEnabled = false;
};

} // namespace ui

NS_CC_END

#endif // __UITEXT_H__
