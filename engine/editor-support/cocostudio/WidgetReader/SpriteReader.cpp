// SpriteReader: node properties first, then the texture, blend, colour and flips.
#include "editor-support/cocostudio/WidgetReader/SpriteReader.h"

#include "2d/CCSpriteFrameCache.h"
#include "editor-support/cocostudio/CsbSprite.h"
#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

namespace cocostudio {

Node* SpriteReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::SpriteOptions*>(table);
    const flatbuffers::WidgetOptions* nodeOptions = options->nodeOptions();
    if (nodeOptions == nullptr) return nullptr;
    CsbSprite* sprite = CsbSprite::create();
    if (sprite == nullptr) return nullptr;
    NodeReader::setPropsWithFlatBuffers(sprite, nodeOptions);

    // Setting the texture makes the content size the image's (or the
    // frame's original size). A missing image leaves the sprite without a
    // picture (nothing is drawn) but keeps the node and its children.
    if (const flatbuffers::ResourceData* file = options->fileNameData()) {
        const std::string path = csb::str(file->path());
        SpriteFrame* frame =
            file->resourceType() == 1 ? SpriteFrameCache::getInstance()->getSpriteFrameByName(path) : nullptr;
        if (file->resourceType() == 0 && !path.empty() && FileUtils::getInstance()->isFileExist(path)) {
            sprite->setTexture(path);
        } else if (frame) {
            sprite->showSpriteFrame(frame);
        } else if (!path.empty()) {
            log("CSLoader: sprite image %s not found", path.c_str());
        }
    }

    BlendFunc blend;
    if (csb::blendFunc(options->blendFunc(), blend)) sprite->setBlendFunc(blend);

    // The colour's own alpha, not the alpha field, is the sprite's opacity.
    const Color4B color = csb::rgba(nodeOptions->color());
    if (color.a != 255) sprite->setOpacity(color.a);
    if (color.r != 255 || color.g != 255 || color.b != 255) sprite->setColor(Color3B(color.r, color.g, color.b));
    if (nodeOptions->flipX()) sprite->setFlippedX(true);
    if (nodeOptions->flipY()) sprite->setFlippedY(true);
    return sprite;
}

} // namespace cocostudio
