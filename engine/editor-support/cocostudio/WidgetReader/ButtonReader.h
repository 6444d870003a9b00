// ButtonReader: a button with its state images, title, font and nine-slice size.
#ifndef __COCOSTUDIO_BUTTONREADER_H__
#define __COCOSTUDIO_BUTTONREADER_H__

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

class CC_DLL ButtonReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_BUTTONREADER_H__
