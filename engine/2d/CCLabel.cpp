// Label: font resolution, rendering the text into a texture, and drawing it as one quad.
#include "2d/CCLabel.h"

#include "2d/CCFontFreeType.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

Label* Label::create() {
    Label* label = new (std::nothrow) Label();
    if (label && label->init()) {
        label->autorelease();
        return label;
    }
    CC_SAFE_DELETE(label);
    return nullptr;
}

Label* Label::createWithSystemFont(const std::string& text, const std::string& font, float fontSize,
                                   const Size& dimensions, TextHAlignment hAlignment, TextVAlignment vAlignment) {
    Label* label = create();
    if (label == nullptr) return nullptr;
    label->_systemFont = font;
    label->_systemFontSize = fontSize;
    label->_dimensions = dimensions;
    label->_hAlignment = hAlignment;
    label->_vAlignment = vAlignment;
    label->_text = text;
    label->updateContent();
    return label;
}

Label* Label::createWithTTF(const std::string& text, const std::string& fontFilePath, float fontSize,
                            const Size& dimensions, TextHAlignment hAlignment, TextVAlignment vAlignment) {
    Label* label = create();
    if (label == nullptr) return nullptr;
    label->_dimensions = dimensions;
    label->_hAlignment = hAlignment;
    label->_vAlignment = vAlignment;
    label->_text = text;
    if (!label->setTTFConfig(TTFConfig(fontFilePath, fontSize))) return nullptr;
    return label;
}

Label::Label() {
    _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
    setAnchorPoint(Vec2(0.5f, 0.5f));
    _quad = V3F_C4B_T2F_Quad();
}

Label::~Label() {
    CC_SAFE_RELEASE(_texture);
}

void Label::setString(const std::string& text) {
    if (text == _text) return;
    _text = text;
    updateContent();
}

bool Label::setTTFConfig(const TTFConfig& config) {
    const std::string path = config.fontFilePath.empty()
                                 ? std::string()
                                 : FileUtils::getInstance()->fullPathForFilename(config.fontFilePath);
    if (FontFreeType::getFont(path) == nullptr) return false;
    _ttfConfig = config;
    _useTTF = true;
    updateContent();
    return true;
}

void Label::setSystemFontName(const std::string& font) {
    _systemFont = font;
    _useTTF = false;
    updateContent();
}

void Label::setSystemFontSize(float size) {
    _systemFontSize = size;
    if (_useTTF) _ttfConfig.fontSize = size;
    updateContent();
}

void Label::setTextColor(const Color4B& color) {
    _textColor = color;
    updateColor();
}

void Label::setAlignment(TextHAlignment hAlignment, TextVAlignment vAlignment) {
    _hAlignment = hAlignment;
    _vAlignment = vAlignment;
    updateContent();
}

void Label::setDimensions(float width, float height) {
    _dimensions = Size(width, height);
    updateContent();
}

void Label::updateContent() {
    FontFreeType* font = nullptr;
    float size = _systemFontSize;
    if (_useTTF) {
        font = FontFreeType::getFont(FileUtils::getInstance()->fullPathForFilename(_ttfConfig.fontFilePath));
        size = _ttfConfig.fontSize;
    } else if (!_systemFont.empty()) {
        font = FontFreeType::getFont(FileUtils::getInstance()->fullPathForFilename(_systemFont));
    }
    if (font == nullptr) font = FontFreeType::getFont(FontFreeType::kDefaultFontPath);
    _fontPath = font ? font->getPath() : std::string();

    _font = font;
    CC_SAFE_RELEASE_NULL(_texture);
    if (!(font && !_text.empty() && font->layout(_text, size, _dimensions, _hAlignment, _vAlignment, _layout))) {
        _layout = FontFreeType::TextLayout();
    }
    _textureDirty = _layout.width > 0 && _layout.height > 0;
    Size content(static_cast<float>(_layout.width), static_cast<float>(_layout.height));
    if (_dimensions.width > 0) content.width = _dimensions.width;
    if (_dimensions.height > 0) content.height = _dimensions.height;
    Node::setContentSize(content);

    const float w = static_cast<float>(_layout.width);
    const float h = static_cast<float>(_layout.height);
    _quad.bl.vertices.set(0, 0, 0);
    _quad.br.vertices.set(w, 0, 0);
    _quad.tl.vertices.set(0, h, 0);
    _quad.tr.vertices.set(w, h, 0);
    _quad.bl.texCoords = Tex2F(0, 1);
    _quad.br.texCoords = Tex2F(1, 1);
    _quad.tl.texCoords = Tex2F(0, 0);
    _quad.tr.texCoords = Tex2F(1, 0);
    updateColor();
}

Texture2D* Label::getTexture() const {
    if (!_textureDirty) return _texture;
    _textureDirty = false;
    FontFreeType::TextImage image;
    if (_font == nullptr || !_font->draw(_layout, image) || image.width <= 0 || image.height <= 0) return nullptr;
    _texture = new (std::nothrow) Texture2D();
    const Size pixels(static_cast<float>(image.width), static_cast<float>(image.height));
    if (_texture && !_texture->initWithData(image.rgba.data(), static_cast<ssize_t>(image.rgba.size()),
                                            Texture2D::PixelFormat::RGBA8888, image.width, image.height, pixels)) {
        CC_SAFE_RELEASE_NULL(_texture);
    }
    return _texture;
}

void Label::updateColor() {
    const Color4B color(static_cast<GLubyte>(_textColor.r * _displayedColor.r / 255),
                        static_cast<GLubyte>(_textColor.g * _displayedColor.g / 255),
                        static_cast<GLubyte>(_textColor.b * _displayedColor.b / 255),
                        static_cast<GLubyte>(_textColor.a * _displayedOpacity / 255));
    _quad.bl.colors = color;
    _quad.br.colors = color;
    _quad.tl.colors = color;
    _quad.tr.colors = color;
}

void Label::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    Texture2D* texture = getTexture();
    if (texture == nullptr || !_visible) return;
    if (getGLProgramState() == nullptr)
        setGLProgramState(
            GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
    TrianglesCommand::Triangles triangles(&_quad.tl, _indices, 4, 6);
    _trianglesCommand.init(_globalZOrder, texture, getGLProgramState(), _blendFunc, triangles, transform, flags);
    renderer->addCommand(&_trianglesCommand);
}

std::string Label::getDescription() const {
    return "<Label | " + _text + ">";
}

NS_CC_END
