// ImageViewReader: an image widget, stretched or nine-sliced to its size.
#ifndef __COCOSTUDIO_IMAGEVIEWREADER_H__
#define __COCOSTUDIO_IMAGEVIEWREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
struct WidgetOptions;
} // namespace flatbuffers

NS_CC_BEGIN
class Node;
class CsbFileReader;
namespace ui {
class Widget;
}
NS_CC_END

namespace cocostudio {

class CC_DLL ImageViewReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_IMAGEVIEWREADER_H__
