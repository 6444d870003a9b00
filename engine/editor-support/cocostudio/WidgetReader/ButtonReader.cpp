// ButtonReader: images, title and font first, then the widget properties, then the nine-slice size.
#include "editor-support/cocostudio/WidgetReader/ButtonReader.h"

#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"
#include "platform/CCFileUtils.h"
#include "ui/UIButton.h"

using namespace cocos2d;

namespace cocostudio {

namespace {

struct Image {
    std::string name;
    ui::Widget::TextureResType type = ui::Widget::TextureResType::LOCAL;
};

// A plain file (or a cached sprite frame of that name), or a frame by name;
// other resource types load nothing.
Image imageOf(const flatbuffers::ResourceData* data) {
    Image image;
    if (data == nullptr || (data->resourceType() != 0 && data->resourceType() != 1)) return image;
    image.name = csb::str(data->path());
    if (data->resourceType() == 1) image.type = ui::Widget::TextureResType::PLIST;
    return image;
}

} // namespace

Node* ButtonReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::ButtonOptions*>(table);
    if (options->widgetOptions() == nullptr) return nullptr;
    ui::Button* button = ui::Button::create();
    const bool scale9 = options->scale9Enabled();
    button->setScale9Enabled(scale9);
    const Image normal = imageOf(options->normalData());
    const Image pressed = imageOf(options->pressedData());
    const Image disabled = imageOf(options->disabledData());
    button->loadTextureNormal(normal.name, normal.type);
    button->loadTexturePressed(pressed.name, pressed.type);
    button->loadTextureDisabled(disabled.name, disabled.type);
    if (!normal.name.empty() && !button->isNormalTextureLoaded())
        log("CSLoader: button image %s not found", normal.name.c_str());

    // A localised title would be looked up by its key; with no string table
    // the lookup gives the key itself, which is the text.
    button->setTitleText(csb::str(options->text()));
    button->setTitleColor(csb::rgb(options->textColor()));
    std::string font = csb::str(options->fontName());
    if (const flatbuffers::ResourceData* resource = options->fontResource()) {
        const std::string path = csb::str(resource->path());
        if (!path.empty() && FileUtils::getInstance()->isFileExist(path)) font = path;
    }
    button->setTitleFontName(font);
    button->setTitleFontSize(static_cast<float>(options->fontSize()));
    const bool bright = options->displaystate();
    button->setBright(bright);
    button->setEnabled(bright);

    WidgetReader::setPropsWithFlatBuffers(button, options->widgetOptions());
    if (scale9) {
        button->setUnifySizeEnabled(false);
        button->ignoreContentAdaptWithSize(false);
        button->setCapInsets(csb::capInsets(options->capInsets()));
        button->setContentSize(csb::size(options->scale9Size()));
    }
    button->setBright(bright);
    return button;
}

} // namespace cocostudio
