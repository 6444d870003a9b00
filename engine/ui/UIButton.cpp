// Button: the three state images fitted to the widget, the shown one chosen by the bright state, the title centred.
#include "ui/UIButton.h"

#include "2d/CCLabel.h"
#include "2d/CCSpriteFrameCache.h"
#include "platform/CCFileUtils.h"
#include "ui/UIImageView.h"
#include "ui/UIScale9Sprite.h"

NS_CC_BEGIN

namespace ui {

Button* Button::create() {
    Button* button = new (std::nothrow) Button();
    if (button && button->init()) {
        button->autorelease();
        return button;
    }
    CC_SAFE_DELETE(button);
    return nullptr;
}

Button* Button::create(const std::string& normalImage, const std::string& selectedImage,
                       const std::string& disableImage, TextureResType texType) {
    Button* button = create();
    if (button == nullptr) return nullptr;
    button->loadTextureNormal(normalImage, texType);
    button->loadTexturePressed(selectedImage, texType);
    button->loadTextureDisabled(disableImage, texType);
    return button;
}

bool Button::init() {
    if (!Widget::init()) return false;
    _buttonNormalRenderer = Scale9Sprite::create();
    _buttonClickedRenderer = Scale9Sprite::create();
    _buttonDisabledRenderer = Scale9Sprite::create();
    _titleRenderer =
        Label::createWithSystemFont("", "", _fontSize, Size::ZERO, TextHAlignment::CENTER, TextVAlignment::CENTER);
    addProtectedChild(_buttonNormalRenderer, -2, -1);
    addProtectedChild(_buttonClickedRenderer, -2, -1);
    addProtectedChild(_buttonDisabledRenderer, -2, -1);
    addProtectedChild(_titleRenderer, -1, -1);
    setTouchEnabled(true);
    onBrightChanged();
    return true;
}

bool Button::loadInto(Scale9Sprite* renderer, const std::string& file, TextureResType texType, Size& size) {
    const bool loaded =
        !file.empty() &&
        (texType == TextureResType::LOCAL
             ? renderer->initWithFileOrFrame(file)
             : renderer->initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(file)));
    if (!loaded) renderer->resetTexture();
    size = renderer->getOriginalSize();
    renderer->setCapInsets(clampCapInsets(_capInsets, size));
    return loaded;
}

void Button::loadTextureNormal(const std::string& normal, TextureResType texType) {
    if (normal.empty()) return;
    _normalTextureLoaded = loadInto(_buttonNormalRenderer, normal, texType, _normalTextureSize);
    updateContentSizeWithTextureSize(_normalTextureSize);
}

void Button::loadTexturePressed(const std::string& selected, TextureResType texType) {
    if (selected.empty()) return;
    _pressedTextureLoaded = loadInto(_buttonClickedRenderer, selected, texType, _pressedTextureSize);
    onSizeChanged();
}

void Button::loadTextureDisabled(const std::string& disabled, TextureResType texType) {
    if (disabled.empty()) return;
    _disabledTextureLoaded = loadInto(_buttonDisabledRenderer, disabled, texType, _disabledTextureSize);
    onSizeChanged();
    onBrightChanged();
}

void Button::setScale9Enabled(bool enabled) {
    _scale9Enabled = enabled;
    _buttonNormalRenderer->setScale9Enabled(enabled);
    _buttonClickedRenderer->setScale9Enabled(enabled);
    _buttonDisabledRenderer->setScale9Enabled(enabled);
    onSizeChanged();
}

void Button::setCapInsets(const Rect& capInsets) {
    _capInsets = capInsets;
    _buttonNormalRenderer->setCapInsets(clampCapInsets(capInsets, _normalTextureSize));
    _buttonClickedRenderer->setCapInsets(clampCapInsets(capInsets, _pressedTextureSize));
    _buttonDisabledRenderer->setCapInsets(clampCapInsets(capInsets, _disabledTextureSize));
}

void Button::setTitleText(const std::string& text) {
    if (text == getTitleText()) return;
    _titleRenderer->setString(text);
    onSizeChanged();
}

std::string Button::getTitleText() const {
    return _titleRenderer->getString();
}

void Button::setTitleColor(const Color3B& color) {
    _titleRenderer->setTextColor(Color4B(color));
}

Color3B Button::getTitleColor() const {
    const Color4B& c = _titleRenderer->getTextColor();
    return Color3B(c.r, c.g, c.b);
}

void Button::setTitleFontSize(float size) {
    _fontSize = size;
    _titleRenderer->setSystemFontSize(size);
    onSizeChanged();
}

void Button::setTitleFontName(const std::string& fontName) {
    _fontName = fontName;
    if (fontName.empty() || !FileUtils::getInstance()->isFileExist(fontName) ||
        !_titleRenderer->setTTFConfig(TTFConfig(fontName, _fontSize))) {
        _titleRenderer->setSystemFontName(fontName);
    }
    onSizeChanged();
}

Size Button::getVirtualRendererSize() const {
    if (!_normalTextureLoaded && _titleRenderer && !_titleRenderer->getString().empty())
        return _titleRenderer->getContentSize();
    return _normalTextureSize;
}

void Button::onSizeChanged() {
    if (_titleRenderer == nullptr) return;
    const Vec2 centre(_contentSize.width / 2, _contentSize.height / 2);
    for (Scale9Sprite* renderer : {_buttonNormalRenderer, _buttonClickedRenderer, _buttonDisabledRenderer}) {
        renderer->setPreferredSize(_contentSize);
        renderer->setPosition(centre);
    }
    _titleRenderer->setPosition(centre);
}

// The pressed image shows only while pressed, which a background never is.
// Without a disabled image the engine greys the normal one; here it is shown as is.
void Button::onBrightChanged() {
    if (_titleRenderer == nullptr) return;
    const bool disabledShown = !_bright && _disabledTextureLoaded;
    _buttonNormalRenderer->setVisible(!disabledShown);
    _buttonClickedRenderer->setVisible(false);
    _buttonDisabledRenderer->setVisible(disabledShown);
}

} // namespace ui

NS_CC_END
