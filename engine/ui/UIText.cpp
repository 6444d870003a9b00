// Text: the label renderer kept at the widget's centre, sized to the text or to the widget.
#include "ui/UIText.h"

#include "2d/CCLabel.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace ui {

Text* Text::create() {
    Text* text = new (std::nothrow) Text();
    if (text && text->init()) {
        text->autorelease();
        return text;
    }
    CC_SAFE_DELETE(text);
    return nullptr;
}

Text* Text::create(const std::string& textContent, const std::string& fontName, float fontSize) {
    Text* text = create();
    if (text == nullptr) return nullptr;
    text->setFontName(fontName);
    text->setFontSize(fontSize);
    text->setString(textContent);
    return text;
}

bool Text::init() {
    if (!Widget::init()) return false;
    _labelRenderer = Label::createWithSystemFont("", "", _fontSize);
    addProtectedChild(_labelRenderer, -1, -1);
    return true;
}

void Text::setString(const std::string& text) {
    _labelRenderer->setString(text);
    labelChanged();
}

const std::string& Text::getString() const {
    return _labelRenderer->getString();
}

void Text::setFontSize(float size) {
    _fontSize = size;
    _labelRenderer->setSystemFontSize(size);
    labelChanged();
}

void Text::setFontName(const std::string& name) {
    _fontName = name;
    if (!name.empty() && FileUtils::getInstance()->isFileExist(name) &&
        _labelRenderer->setTTFConfig(TTFConfig(name, _fontSize))) {
        labelChanged();
        return;
    }
    _labelRenderer->setSystemFontName(name);
    labelChanged();
}

void Text::setTextColor(const Color4B& color) {
    _labelRenderer->setTextColor(color);
}

const Color4B& Text::getTextColor() const {
    return _labelRenderer->getTextColor();
}

void Text::setTextAreaSize(const Size& size) {
    _areaSize = size;
    _labelRenderer->setDimensions(size.width, size.height);
    labelChanged();
}

const Size& Text::getTextAreaSize() const {
    return _labelRenderer->getDimensions();
}

void Text::setTextHorizontalAlignment(TextHAlignment alignment) {
    _labelRenderer->setHorizontalAlignment(alignment);
    labelChanged();
}

TextHAlignment Text::getTextHorizontalAlignment() const {
    return _labelRenderer->getHorizontalAlignment();
}

void Text::setTextVerticalAlignment(TextVAlignment alignment) {
    _labelRenderer->setVerticalAlignment(alignment);
    labelChanged();
}

TextVAlignment Text::getTextVerticalAlignment() const {
    return _labelRenderer->getVerticalAlignment();
}

void Text::ignoreContentAdaptWithSize(bool ignore) {
    if (ignore && _labelRenderer && !_unifySize) {
        _labelRenderer->setDimensions(_areaSize.width, _areaSize.height);
    }
    Widget::ignoreContentAdaptWithSize(ignore);
    if (ignore && _labelRenderer && !_unifySize) labelChanged();
}

Size Text::getVirtualRendererSize() const {
    return _labelRenderer ? _labelRenderer->getContentSize() : Size::ZERO;
}

void Text::labelChanged() {
    updateContentSizeWithTextureSize(_labelRenderer->getContentSize());
}

void Text::onSizeChanged() {
    if (_labelRenderer == nullptr) return;
    // A given size becomes the label's box, so the text lays out inside it.
    if (!_ignoreSize && !_unifySize && !_contentSize.equals(_labelRenderer->getContentSize()))
        _labelRenderer->setDimensions(_contentSize.width, _contentSize.height);
    _labelRenderer->setPosition(_contentSize.width / 2, _contentSize.height / 2);
}

} // namespace ui

NS_CC_END
