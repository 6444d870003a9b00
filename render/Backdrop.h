// What stands behind an effect: a picture centred in the design area or a Cocos Studio scene, remembering its file.
#pragma once

#include <string>

namespace cocos2d {
class Node;
}

namespace Backdrop {

// A sprite of the image at path, placed at the centre of the design area;
// autoreleased, null when the engine cannot load it.
cocos2d::Node* fromImage(const std::string& path);

// The node tree of a Cocos Studio file, where the file places it;
// autoreleased, null when it cannot be loaded, with the reason in `reason`
// when one is given.
cocos2d::Node* fromStudioFile(const std::string& path, std::string* reason = nullptr);

// Either of the two by the file's extension (".csb" a scene).
cocos2d::Node* fromFile(const std::string& path, std::string* reason = nullptr);

// The file a node of the two loaders came from; empty for any other node or null.
std::string sourceOf(const cocos2d::Node* node);

} // namespace Backdrop
