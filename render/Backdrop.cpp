// Backdrop nodes carry their file along, so that a render elsewhere can load the same picture or scene.
#include "Backdrop.h"

#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "editor-support/cocostudio/CsbFileReader.h"
#include "platform/CCUserText.h"

USING_NS_CC;

namespace {

// Hung on the node as its user object: nodes of the two loaders say where they came from.
class BackdropSource : public Ref {
public:
    explicit BackdropSource(const std::string& p) : path(p) { autorelease(); }
    std::string path;
};

bool isStudioFile(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    return dot != std::string::npos && path.compare(dot, std::string::npos, ".csb") == 0;
}

Node* remember(Node* node, const std::string& path) {
    if (node) node->setUserObject(new BackdropSource(path));
    return node;
}

} // namespace

namespace Backdrop {

Node* fromImage(const std::string& path) {
    Sprite* sprite = Sprite::create(path);
    if (!sprite) return nullptr;
    const Size& winSize = Director::getInstance()->getWinSize();
    sprite->setPosition(winSize.width * 0.5f, winSize.height * 0.5f);
    return remember(sprite, path);
}

std::string Failure::message() const {
    const size_t slot = reason.find("%s");
    return slot == std::string::npos ? reason : reason.substr(0, slot) + detail + reason.substr(slot + 2);
}

Node* fromStudioFile(const std::string& path, Failure* failure) {
    // The engine's loader reads only names ending in ".csb"; its reader is
    // called directly so that a refusal comes with the reason.
    if (!isStudioFile(path)) {
        if (failure) *failure = {CC_USER_TEXT("文件扩展名不是 .csb"), std::string()};
        return nullptr;
    }
    CsbFileReader reader;
    Node* node = reader.read(path);
    if (!node && failure) *failure = {reader.getError(), reader.getErrorDetail()};
    return remember(node, path);
}

Node* fromFile(const std::string& path, Failure* failure) {
    if (isStudioFile(path)) return fromStudioFile(path, failure);
    Node* node = fromImage(path);
    // Only the command-line render loads pictures through here.
    if (!node && failure) *failure = {"cannot load the image", std::string()};
    return node;
}

std::string sourceOf(const Node* node) {
    const auto* source = node ? dynamic_cast<const BackdropSource*>(node->getUserObject()) : nullptr;
    return source ? source->path : std::string();
}

} // namespace Backdrop
