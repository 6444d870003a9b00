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

// Why a file gave no node. `reason` is a whole sentence, untranslated, for the
// interface to look up in its catalog; it holds "%s" where `detail` belongs
// when there is one. Neither names the file: the one showing it does.
struct Failure {
    std::string reason;
    std::string detail;
    // The sentence with its detail, as written (for the command-line tools).
    std::string message() const;
};

// The node tree of a Cocos Studio file, where the file places it;
// autoreleased, null when it cannot be loaded, with the reason in `failure`
// when one is given.
cocos2d::Node* fromStudioFile(const std::string& path, Failure* failure = nullptr);

// Either of the two by the file's extension (".csb" a scene).
cocos2d::Node* fromFile(const std::string& path, Failure* failure = nullptr);

// The file a node of the two loaders came from; empty for any other node or null.
std::string sourceOf(const cocos2d::Node* node);

} // namespace Backdrop
