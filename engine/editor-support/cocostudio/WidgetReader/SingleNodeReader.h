// SingleNodeReader: a plain node that only carries a transform for its children.
#ifndef __COCOSTUDIO_SINGLENODEREADER_H__
#define __COCOSTUDIO_SINGLENODEREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
}

NS_CC_BEGIN
class Node;
NS_CC_END

namespace cocostudio {

class CC_DLL SingleNodeReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_SINGLENODEREADER_H__
