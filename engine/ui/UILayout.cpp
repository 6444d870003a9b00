// Layout: the colour layer below the background image, both fitted to the layout's size.
#include "ui/UILayout.h"

#include "2d/CCLayerGradient.h"
#include "2d/CCSpriteFrameCache.h"
#include "ui/UIScale9Sprite.h"

NS_CC_BEGIN

namespace ui {

Layout* Layout::create() {
    Layout* layout = new (std::nothrow) Layout();
    if (layout && layout->init()) {
        layout->autorelease();
        return layout;
    }
    CC_SAFE_DELETE(layout);
    return nullptr;
}

bool Layout::init() {
    if (!Widget::init()) return false;
    ignoreContentAdaptWithSize(false);
    setContentSize(Size::ZERO);
    setAnchorPoint(Vec2::ZERO);
    return true;
}

void Layout::setBackGroundColorType(BackGroundColorType type) {
    if (_colorType == type) return;
    if (_colorRender) {
        removeProtectedChild(_colorRender, true);
        _colorRender = nullptr;
    }
    if (_gradientRender) {
        removeProtectedChild(_gradientRender, true);
        _gradientRender = nullptr;
    }
    _colorType = type;
    if (type == BackGroundColorType::SOLID) {
        _colorRender = LayerColor::create();
        _colorRender->setContentSize(_contentSize);
        _colorRender->setOpacity(_opacity);
        _colorRender->setColor(_color);
        addProtectedChild(_colorRender, -2, -1);
    } else if (type == BackGroundColorType::GRADIENT) {
        _gradientRender = LayerGradient::create();
        _gradientRender->setContentSize(_contentSize);
        _gradientRender->setStartOpacity(_opacity);
        _gradientRender->setEndOpacity(_opacity);
        _gradientRender->setStartColor(_startColor);
        _gradientRender->setEndColor(_endColor);
        _gradientRender->setVector(_alongVector);
        addProtectedChild(_gradientRender, -2, -1);
    }
}

void Layout::setBackGroundColor(const Color3B& color) {
    _color = color;
    if (_colorRender) _colorRender->setColor(color);
}

void Layout::setBackGroundColor(const Color3B& startColor, const Color3B& endColor) {
    _startColor = startColor;
    _endColor = endColor;
    if (_gradientRender) {
        _gradientRender->setStartColor(startColor);
        _gradientRender->setEndColor(endColor);
    }
}

void Layout::setBackGroundColorOpacity(GLubyte opacity) {
    _opacity = opacity;
    if (_colorRender) _colorRender->setOpacity(opacity);
    if (_gradientRender) {
        _gradientRender->setStartOpacity(opacity);
        _gradientRender->setEndOpacity(opacity);
    }
}

void Layout::setBackGroundColorVector(const Vec2& vector) {
    _alongVector = vector;
    if (_gradientRender) _gradientRender->setVector(vector);
}

void Layout::setBackGroundImage(const std::string& fileName, TextureResType texType) {
    if (fileName.empty()) return;
    if (_backGroundImage == nullptr) {
        _backGroundImage = Scale9Sprite::create();
        _backGroundImage->setScale9Enabled(_backGroundScale9Enabled);
        addProtectedChild(_backGroundImage, -1, -1);
    }
    if (texType == TextureResType::LOCAL)
        _backGroundImage->initWithFile(fileName);
    else
        _backGroundImage->initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(fileName));
    _backGroundImage->setCapInsets(_backGroundImageCapInsets);
    updateBackGroundImage();
}

void Layout::setBackGroundImageScale9Enabled(bool enabled) {
    _backGroundScale9Enabled = enabled;
    if (_backGroundImage) _backGroundImage->setScale9Enabled(enabled);
    updateBackGroundImage();
}

void Layout::setBackGroundImageCapInsets(const Rect& capInsets) {
    _backGroundImageCapInsets = capInsets;
    if (_backGroundImage) _backGroundImage->setCapInsets(capInsets);
}

void Layout::updateBackGroundImage() {
    if (_backGroundImage == nullptr) return;
    _backGroundImage->setPreferredSize(_backGroundScale9Enabled ? _contentSize : _backGroundImage->getOriginalSize());
    _backGroundImage->setPosition(_contentSize.width / 2, _contentSize.height / 2);
}

void Layout::onSizeChanged() {
    if (_colorRender) _colorRender->setContentSize(_contentSize);
    if (_gradientRender) _gradientRender->setContentSize(_contentSize);
    updateBackGroundImage();
}

} // namespace ui

NS_CC_END
