// Widget: size adaptation, bright state and flips shared by every widget.
#include "ui/UIWidget.h"

NS_CC_BEGIN

namespace ui {

Widget* Widget::create() {
    Widget* widget = new (std::nothrow) Widget();
    if (widget && widget->init()) {
        widget->autorelease();
        return widget;
    }
    CC_SAFE_DELETE(widget);
    return nullptr;
}

bool Widget::init() {
    if (!ProtectedNode::init()) return false;
    setBright(true);
    ignoreContentAdaptWithSize(true);
    setAnchorPoint(Vec2(0.5f, 0.5f));
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    return true;
}

void Widget::setBright(bool bright) {
    _bright = bright;
    onBrightChanged();
}

void Widget::ignoreContentAdaptWithSize(bool ignore) {
    // With unified sizes the flag is left alone and the custom size holds.
    if (_unifySize) {
        setContentSize(_customSize);
        return;
    }
    if (_ignoreSize == ignore) return;
    _ignoreSize = ignore;
    ProtectedNode::setContentSize(_ignoreSize ? getVirtualRendererSize() : _customSize);
    onSizeChanged();
}

void Widget::setContentSize(const Size& size) {
    _customSize = size;
    ProtectedNode::setContentSize(_ignoreSize && !_unifySize ? getVirtualRendererSize() : size);
    onSizeChanged();
}

void Widget::updateContentSizeWithTextureSize(const Size& size) {
    ProtectedNode::setContentSize(_unifySize || _ignoreSize ? size : _customSize);
    onSizeChanged();
}

void Widget::setFlippedX(bool flippedX) {
    const float scale = getScaleX();
    _flippedX = flippedX;
    setScaleX(scale);
}

void Widget::setFlippedY(bool flippedY) {
    const float scale = getScaleY();
    _flippedY = flippedY;
    setScaleY(scale);
}

void Widget::setScaleX(float scaleX) {
    ProtectedNode::setScaleX(_flippedX ? -scaleX : scaleX);
}

void Widget::setScaleY(float scaleY) {
    ProtectedNode::setScaleY(_flippedY ? -scaleY : scaleY);
}

void Widget::setScale(float scale) {
    setScaleX(scale);
    setScaleY(scale);
}

void Widget::setScale(float scaleX, float scaleY) {
    setScaleX(scaleX);
    setScaleY(scaleY);
}

float Widget::getScaleX() const {
    const float scale = ProtectedNode::getScaleX();
    return _flippedX ? -scale : scale;
}

float Widget::getScaleY() const {
    const float scale = ProtectedNode::getScaleY();
    return _flippedY ? -scale : scale;
}

} // namespace ui

NS_CC_END
