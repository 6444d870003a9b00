// ImageView: loading the image and fitting its renderer to the widget's size.
#include "ui/UIImageView.h"

#include "2d/CCSpriteFrameCache.h"
#include "ui/UIScale9Sprite.h"

NS_CC_BEGIN

namespace ui {

Rect clampCapInsets(const Rect& capInsets, const Size& textureSize) {
    Rect r = capInsets;
    if (r.size.width > textureSize.width) {
        r.origin.x = textureSize.width > 0 ? static_cast<float>(static_cast<int>(textureSize.width) / 2) : 0;
        r.size.width = textureSize.width > 0 ? 1 : 0;
    }
    if (r.size.height > textureSize.height) {
        r.origin.y = textureSize.height > 0 ? static_cast<float>(static_cast<int>(textureSize.height) / 2) : 0;
        r.size.height = textureSize.height > 0 ? 1 : 0;
    }
    return r;
}

ImageView* ImageView::create() {
    ImageView* view = new (std::nothrow) ImageView();
    if (view && view->init()) {
        view->autorelease();
        return view;
    }
    CC_SAFE_DELETE(view);
    return nullptr;
}

ImageView* ImageView::create(const std::string& imageFileName, TextureResType texType) {
    ImageView* view = create();
    if (view) view->loadTexture(imageFileName, texType);
    return view;
}

bool ImageView::init() {
    if (!Widget::init()) return false;
    _imageRenderer = Scale9Sprite::create();
    addProtectedChild(_imageRenderer, -1, -1);
    return true;
}

void ImageView::loadTexture(const std::string& fileName, TextureResType texType) {
    if (fileName.empty()) return;
    _textureLoaded =
        texType == TextureResType::LOCAL
            ? _imageRenderer->initWithFileOrFrame(fileName)
            : _imageRenderer->initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(fileName));
    if (!_textureLoaded) _imageRenderer->resetTexture();
    _imageTextureSize = _imageRenderer->getOriginalSize();
    setCapInsets(_capInsets);
    updateContentSizeWithTextureSize(_imageTextureSize);
}

void ImageView::setScale9Enabled(bool enabled) {
    _scale9Enabled = enabled;
    _imageRenderer->setScale9Enabled(enabled);
    onSizeChanged();
}

void ImageView::setCapInsets(const Rect& capInsets) {
    _capInsets = clampCapInsets(capInsets, _imageTextureSize);
    _imageRenderer->setCapInsets(_capInsets);
}

void ImageView::onSizeChanged() {
    if (_imageRenderer == nullptr) return;
    _imageRenderer->setPreferredSize(_contentSize);
    _imageRenderer->setPosition(_contentSize.width / 2, _contentSize.height / 2);
}

} // namespace ui

NS_CC_END
