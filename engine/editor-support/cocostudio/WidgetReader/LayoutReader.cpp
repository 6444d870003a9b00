// LayoutReader: clipping, background colours and image, the panel's colour and opacity, then its size.
#include "editor-support/cocostudio/WidgetReader/LayoutReader.h"

#include "2d/CCSpriteFrameCache.h"
#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"
#include "platform/CCFileUtils.h"
#include "ui/UILayout.h"

using namespace cocos2d;

namespace cocostudio {

Node* LayoutReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::PanelOptions*>(table);
    const flatbuffers::WidgetOptions* widgetOptions = options->widgetOptions();
    if (widgetOptions == nullptr) return nullptr;
    ui::Layout* layout = ui::Layout::create();
    layout->setClippingEnabled(options->clipEnabled());
    layout->setBackGroundImageScale9Enabled(options->backGroundScale9Enabled());

    const flatbuffers::ColorVector* vector = options->colorVector();
    layout->setBackGroundColorVector(vector ? Vec2(csb::finite(vector->vectorX(), 0.0f, csb::kMaxCoordinate),
                                                   csb::finite(vector->vectorY(), -1.0f, csb::kMaxCoordinate))
                                            : Vec2(0, -1));
    const int type = options->colorType();
    layout->setBackGroundColorType(type == 1   ? ui::Layout::BackGroundColorType::SOLID
                                   : type == 2 ? ui::Layout::BackGroundColorType::GRADIENT
                                               : ui::Layout::BackGroundColorType::NONE);
    layout->setBackGroundColor(csb::rgb(options->bgStartColor()), csb::rgb(options->bgEndColor()));
    layout->setBackGroundColor(csb::rgb(options->bgColor()));
    layout->setBackGroundColorOpacity(options->bgColorOpacity());

    if (const flatbuffers::ResourceData* image = options->backGroundImageData()) {
        const std::string path = csb::str(image->path());
        if (image->resourceType() == 0 && !path.empty() && FileUtils::getInstance()->isFileExist(path))
            layout->setBackGroundImage(path);
        else if (image->resourceType() == 1 && SpriteFrameCache::getInstance()->getSpriteFrameByName(path))
            layout->setBackGroundImage(path, ui::Widget::TextureResType::PLIST);
        else if (!path.empty())
            log("CSLoader: panel image %s not found", path.c_str());
    }
    layout->setColor(csb::rgb(widgetOptions->color()));
    layout->setOpacity(widgetOptions->alpha());

    WidgetReader::setPropsWithFlatBuffers(layout, widgetOptions);
    if (options->backGroundScale9Enabled()) {
        layout->setBackGroundImageCapInsets(csb::capInsets(options->capInsets()));
        layout->setContentSize(csb::size(options->scale9Size()));
    }
    return layout;
}

} // namespace cocostudio
