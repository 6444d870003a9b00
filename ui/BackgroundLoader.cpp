// Loading a background image or scene and swapping it in for the old one only once it has loaded.
#include "ui/BackgroundLoader.h"

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "editor-support/cocostudio/CsbFileReader.h"

USING_NS_CC;

namespace BackgroundLoader {

const char* const kName = "bg_for_debug_particle";

Node* fromImage(const std::string& path) {
    Sprite* sprite = Sprite::create(path);
    if (!sprite) return nullptr;
    const Size& winSize = Director::getInstance()->getWinSize();
    sprite->setPosition(winSize.width * 0.5f, winSize.height * 0.5f);
    return sprite;
}

Node* fromStudioFile(const std::string& path, std::string* reason) {
    // The engine's loader reads only names ending in ".csb"; its reader is
    // called directly so that a refusal comes with the reason.
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.compare(dot, std::string::npos, ".csb") != 0) {
        if (reason) *reason = "文件扩展名不是 .csb";
        return nullptr;
    }
    CsbFileReader reader;
    Node* node = reader.read(path);
    if (!node && reason) *reason = reader.getError();
    return node;
}

bool replace(Node* node) {
    Scene* scene = Director::getInstance()->getRunningScene();
    if (!node || !scene) return false;
    scene->removeChildByName(kName, true);
    node->setName(kName);
    scene->addChild(node, -1);
    // The new image's texture may be given the GL name the old one freed.
    scene->invalidateBackdrop();
    return true;
}

Node* current() {
    Scene* scene = Director::getInstance()->getRunningScene();
    return scene ? scene->getChildByName(kName) : nullptr;
}

bool put(Node* node) {
    Scene* scene = Director::getInstance()->getRunningScene();
    if (!scene) return false;
    if (Node* old = scene->getChildByName(kName)) {
        if (old == node) return true;
        old->removeFromParentAndCleanup(false);
    }
    if (!node) return true;
    node->setName(kName);
    scene->addChild(node, -1);
    return true;
}

} // namespace BackgroundLoader
