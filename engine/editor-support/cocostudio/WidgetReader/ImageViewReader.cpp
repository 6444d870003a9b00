// ImageViewReader: the image first, then the widget properties, then the nine-slice size.
#include "editor-support/cocostudio/WidgetReader/ImageViewReader.h"

#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"
#include "ui/UIImageView.h"

using namespace cocos2d;

namespace cocostudio {

Node* ImageViewReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::ImageViewOptions*>(table);
    if (options->widgetOptions() == nullptr) return nullptr;
    ui::ImageView* view = ui::ImageView::create();
    // A plain file, else a cached sprite frame of that name; or a frame by name.
    if (const flatbuffers::ResourceData* file = options->fileNameData()) {
        const std::string path = csb::str(file->path());
        if (file->resourceType() == 0 || file->resourceType() == 1) {
            view->loadTexture(path, file->resourceType() == 0 ? ui::Widget::TextureResType::LOCAL
                                                              : ui::Widget::TextureResType::PLIST);
        }
        if (!path.empty() && !view->isTextureLoaded()) log("CSLoader: image %s not found", path.c_str());
    }
    view->setScale9Enabled(options->scale9Enabled());
    WidgetReader::setPropsWithFlatBuffers(view, options->widgetOptions());
    if (options->scale9Enabled()) {
        view->setContentSize(csb::size(options->scale9Size()));
        view->setCapInsets(csb::capInsets(options->capInsets()));
    }
    return view;
}

} // namespace cocostudio
