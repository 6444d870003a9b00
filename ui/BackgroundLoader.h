// Nodes that can stand behind the effects as the scene's one background: an image or a Cocos Studio scene.
#pragma once

#include "render/Backdrop.h"

#include <string>

namespace cocos2d {
class Node;
}

namespace BackgroundLoader {

// The name the background goes by in the running scene; there is at most one.
extern const char* const kName;

// A sprite of the image at path, placed at the centre of the design area;
// autoreleased, null when the engine cannot load it.
cocos2d::Node* fromImage(const std::string& path);

// The node tree of a Cocos Studio file, where the file places it;
// autoreleased, null when it cannot be loaded, with the reason in `failure`
// when one is given.
cocos2d::Node* fromStudioFile(const std::string& path, Backdrop::Failure* failure = nullptr);

// Puts node into the running scene at z -1 under kName in place of the old
// background. False, leaving the old one where it is, for a null node or
// when there is no running scene.
bool replace(cocos2d::Node* node);

// The running scene's background, or null.
cocos2d::Node* current();
// Puts node (null: none) in place of the background there now, which is
// taken out without cleanup so that it can come back as it was. False when
// there is no running scene.
bool put(cocos2d::Node* node);

} // namespace BackgroundLoader
