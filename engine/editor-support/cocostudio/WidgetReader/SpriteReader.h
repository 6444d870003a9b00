// SpriteReader: a sprite from an image file, with the node properties, blend, tint and flips.
#ifndef __COCOSTUDIO_SPRITEREADER_H__
#define __COCOSTUDIO_SPRITEREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
}

NS_CC_BEGIN
class Node;
class CsbFileReader;
NS_CC_END

namespace cocostudio {

class CC_DLL SpriteReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_SPRITEREADER_H__
