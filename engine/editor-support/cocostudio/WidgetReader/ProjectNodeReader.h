// ProjectNodeReader: a scene file nested in another, carrying the nesting node's properties.
#ifndef __COCOSTUDIO_PROJECTNODEREADER_H__
#define __COCOSTUDIO_PROJECTNODEREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
}

NS_CC_BEGIN
class Node;
class CsbFileReader;
NS_CC_END

namespace cocostudio {

class CC_DLL ProjectNodeReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_PROJECTNODEREADER_H__
