// WidgetReader: the properties every widget takes from its options, and a bare widget for classes shown without their
// pictures.
#ifndef __COCOSTUDIO_WIDGETREADER_H__
#define __COCOSTUDIO_WIDGETREADER_H__

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

class CC_DLL WidgetReader {
public:
    // The common part, applied after a reader's own: every property is set,
    // whatever its value, and the anchor starts from (0, 0).
    static void setPropsWithFlatBuffers(cocos2d::ui::Widget* widget, const flatbuffers::WidgetOptions* options);
    // Widgets this loader does not draw (check boxes, sliders, text fields
    // and the like): kept as a bare widget so their transform and children remain.
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_WIDGETREADER_H__
