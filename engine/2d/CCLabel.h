// Label: a text node drawn from a TrueType font with FreeType, at a size and colour, in an optional box.
#ifndef __COCOS2D_CCLABEL_H__
#define __COCOS2D_CCLABEL_H__

#include <string>

#include "2d/CCFontFreeType.h"
#include "2d/CCNode.h"
#include "base/ccTypes.h"
#include "renderer/CCTrianglesCommand.h"

NS_CC_BEGIN

class Texture2D;

struct CC_DLL TTFConfig {
    TTFConfig(const std::string& filePath = "", float size = 12) : fontFilePath(filePath), fontSize(size) {}
    std::string fontFilePath;
    float fontSize;
};

class CC_DLL Label : public Node {
public:
    static Label* create();
    // A system font name that is not a font file found through the search
    // paths draws with the default font.
    static Label* createWithSystemFont(const std::string& text, const std::string& font, float fontSize,
                                       const Size& dimensions = Size::ZERO,
                                       TextHAlignment hAlignment = TextHAlignment::LEFT,
                                       TextVAlignment vAlignment = TextVAlignment::TOP);
    // Null when the font file is missing or unreadable, as in the engine.
    static Label* createWithTTF(const std::string& text, const std::string& fontFilePath, float fontSize,
                                const Size& dimensions = Size::ZERO, TextHAlignment hAlignment = TextHAlignment::LEFT,
                                TextVAlignment vAlignment = TextVAlignment::TOP);

    virtual void setString(const std::string& text);
    virtual const std::string& getString() const { return _text; }

    virtual bool setTTFConfig(const TTFConfig& config);
    virtual const TTFConfig& getTTFConfig() const { return _ttfConfig; }
    virtual void setSystemFontName(const std::string& font);
    virtual const std::string& getSystemFontName() const { return _systemFont; }
    virtual void setSystemFontSize(float size);
    virtual float getSystemFontSize() const { return _systemFontSize; }
    // The font file the text is drawn with.
    const std::string& getFontPath() const { return _fontPath; }

    virtual void setTextColor(const Color4B& color);
    const Color4B& getTextColor() const { return _textColor; }

    void setAlignment(TextHAlignment hAlignment) { setAlignment(hAlignment, _vAlignment); }
    void setAlignment(TextHAlignment hAlignment, TextVAlignment vAlignment);
    void setHorizontalAlignment(TextHAlignment hAlignment) { setAlignment(hAlignment, _vAlignment); }
    void setVerticalAlignment(TextVAlignment vAlignment) { setAlignment(_hAlignment, vAlignment); }
    TextHAlignment getHorizontalAlignment() const { return _hAlignment; }
    TextVAlignment getVerticalAlignment() const { return _vAlignment; }

    void setDimensions(float width, float height);
    const Size& getDimensions() const { return _dimensions; }

    void setBlendFunc(const BlendFunc& blendFunc) { _blendFunc = blendFunc; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }
    // The text's image, drawn on first use after a change.
    Texture2D* getTexture() const;

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;
    virtual std::string getDescription() const override;

    Label();
    virtual ~Label();

protected:
    virtual void updateColor() override;
    // Lays the text out again and makes its size the content size.
    void updateContent();

    std::string _text;
    TTFConfig _ttfConfig;
    bool _useTTF = false;
    std::string _systemFont;
    float _systemFontSize = 12;
    std::string _fontPath;
    Color4B _textColor = Color4B::WHITE;
    TextHAlignment _hAlignment = TextHAlignment::LEFT;
    TextVAlignment _vAlignment = TextVAlignment::TOP;
    Size _dimensions;
    BlendFunc _blendFunc;
    FontFreeType* _font = nullptr;
    FontFreeType::TextLayout _layout;
    mutable bool _textureDirty = false;
    mutable Texture2D* _texture = nullptr;
    V3F_C4B_T2F_Quad _quad;
    unsigned short _indices[6] = {0, 1, 2, 3, 2, 1};
    TrianglesCommand _trianglesCommand;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Label)
};

NS_CC_END

#endif // __COCOS2D_CCLABEL_H__
