// NodeReader: the common node properties of a scene file, applied the way the engine's reader applies them.
#ifndef __COCOSTUDIO_NODEREADER_H__
#define __COCOSTUDIO_NODEREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
struct WidgetOptions;
} // namespace flatbuffers

NS_CC_BEGIN
class Node;
NS_CC_END

namespace cocostudio {

class CC_DLL NodeReader {
public:
    // Scale, rotation, anchor, z-order and visibility are only set when they
    // differ from the tool's defaults, so a node keeps its class's own
    // defaults for them (a sprite's centred anchor, for one).
    static void setPropsWithFlatBuffers(cocos2d::Node* node, const flatbuffers::WidgetOptions* options);
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_NODEREADER_H__
