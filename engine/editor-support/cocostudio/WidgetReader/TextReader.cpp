// TextReader: font and text first, the widget properties next (the node colour kept), then colour and size.
#include "editor-support/cocostudio/WidgetReader/TextReader.h"

#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"
#include "platform/CCFileUtils.h"
#include "ui/UIText.h"

using namespace cocos2d;

namespace cocostudio {

Node* TextReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::TextOptions*>(table);
    const flatbuffers::WidgetOptions* widgetOptions = options->widgetOptions();
    if (widgetOptions == nullptr) return nullptr;
    ui::Text* text = ui::Text::create();
    text->setTouchScaleChangeEnabled(options->touchScaleEnable());
    text->setFontSize(static_cast<float>(options->fontSize()));
    const int areaWidth = std::max(0, std::min(options->areaWidth(), static_cast<int>(csb::kMaxExtent)));
    const int areaHeight = std::max(0, std::min(options->areaHeight(), static_cast<int>(csb::kMaxExtent)));
    if (areaWidth != 0 || areaHeight != 0)
        text->setTextAreaSize(Size(static_cast<float>(areaWidth), static_cast<float>(areaHeight)));

    std::string font = csb::str(options->fontName());
    if (const flatbuffers::ResourceData* resource = options->fontResource()) {
        const std::string path = csb::str(resource->path());
        if (!path.empty() && FileUtils::getInstance()->isFileExist(path)) font = path;
    }
    text->setFontName(font);

    const int h = options->hAlignment(), v = options->vAlignment();
    text->setTextHorizontalAlignment(h == 1   ? TextHAlignment::CENTER
                                     : h == 2 ? TextHAlignment::RIGHT
                                              : TextHAlignment::LEFT);
    text->setTextVerticalAlignment(v == 1   ? TextVAlignment::CENTER
                                   : v == 2 ? TextVAlignment::BOTTOM
                                            : TextVAlignment::TOP);
    text->setString(csb::str(options->text()));

    // The file's colour is the text's; the node itself stays as it was.
    const Color3B nodeColor = text->getColor();
    WidgetReader::setPropsWithFlatBuffers(text, widgetOptions);
    text->setColor(nodeColor);
    text->setTextColor(csb::rgba(widgetOptions->color()));

    if (!options->isCustomSize()) text->ignoreContentAdaptWithSize(true);
    return text;
}

} // namespace cocostudio
