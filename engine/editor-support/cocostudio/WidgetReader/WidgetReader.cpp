// WidgetReader: size adaptation, transform, colour, opacity, anchor and flips of a widget.
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"

#include "editor-support/cocostudio/CsbValues.h"
#include "ui/UIWidget.h"

using namespace cocos2d;

namespace cocostudio {

void WidgetReader::setPropsWithFlatBuffers(ui::Widget* widget, const flatbuffers::WidgetOptions* options) {
    widget->setCascadeColorEnabled(true);
    widget->setCascadeOpacityEnabled(true);
    widget->setAnchorPoint(Vec2::ZERO);

    widget->setUnifySizeEnabled(true);
    widget->ignoreContentAdaptWithSize(options->ignoreSize());
    widget->setUnifySizeEnabled(false);
    widget->ignoreContentAdaptWithSize(false);
    widget->setContentSize(csb::size(options->size()));

    widget->setTag(options->tag());
    widget->setTouchEnabled(options->touchEnabled());
    widget->setName(csb::str(options->name()));

    const flatbuffers::Position* position = options->position();
    widget->setPosition(position ? csb::finite(position->x(), 0.0f, csb::kMaxCoordinate) : 0.0f,
                        position ? csb::finite(position->y(), 0.0f, csb::kMaxCoordinate) : 0.0f);
    const flatbuffers::Scale* scale = options->scale();
    widget->setScaleX(scale ? csb::finite(scale->scaleX(), 1.0f, csb::kMaxScale) : 1.0f);
    widget->setScaleY(scale ? csb::finite(scale->scaleY(), 1.0f, csb::kMaxScale) : 1.0f);
    const flatbuffers::RotationSkew* rotation = options->rotationSkew();
    widget->setRotationSkewX(rotation ? csb::finite(rotation->rotationSkewX(), 0.0f, csb::kMaxCoordinate) : 0.0f);
    widget->setRotationSkewY(rotation ? csb::finite(rotation->rotationSkewY(), 0.0f, csb::kMaxCoordinate) : 0.0f);
    widget->setVisible(options->visible());
    widget->setLocalZOrder(options->zOrder());
    widget->setColor(csb::rgb(options->color()));
    widget->setOpacity(options->alpha());
    const flatbuffers::AnchorPoint* anchor = options->anchorPoint();
    widget->setAnchorPoint(anchor ? Vec2(csb::finite(anchor->scaleX(), 0.0f, csb::kMaxScale),
                                         csb::finite(anchor->scaleY(), 0.0f, csb::kMaxScale))
                                  : Vec2::ZERO);
    widget->setFlippedX(options->flipX());
    widget->setFlippedY(options->flipY());
}

Node* WidgetReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    // Every widget's options begin with the widget options.
    auto* options = reinterpret_cast<const flatbuffers::SingleNodeOptions*>(table)->nodeOptions();
    if (options == nullptr) return nullptr;
    ui::Widget* widget = ui::Widget::create();
    setPropsWithFlatBuffers(widget, options);
    return widget;
}

} // namespace cocostudio
