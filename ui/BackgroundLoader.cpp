// Loading a background image or scene and swapping it in for the old one only once it has loaded.
#include "ui/BackgroundLoader.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "render/Backdrop.h"

USING_NS_CC;

namespace BackgroundLoader {

const char* const kName = "bg_for_debug_particle";

Node* fromImage(const std::string& path) {
    return Backdrop::fromImage(path);
}

Node* fromStudioFile(const std::string& path, Backdrop::Failure* failure) {
    return Backdrop::fromStudioFile(path, failure);
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
