// Loading a background image or scene and swapping it in for the old one only once it has loaded.
#include "ui/BackgroundLoader.h"

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"

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

Node* fromStudioFile(const std::string&) {
    return nullptr;
}

bool replace(Node* node) {
    Scene* scene = Director::getInstance()->getRunningScene();
    if (!node || !scene) return false;
    scene->removeChildByName(kName, true);
    node->setName(kName);
    scene->addChild(node, -1);
    return true;
}

} // namespace BackgroundLoader
