// Touch events.
#include "base/CCEventTouch.h"

NS_CC_BEGIN

EventTouch::EventTouch() : Event(Type::TOUCH), _eventCode(EventCode::BEGAN) {
    _touches.reserve(MAX_TOUCHES);
}

NS_CC_END
