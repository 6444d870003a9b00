// Touch events (began, moved, ended, cancelled) carrying the touches involved.
#ifndef __cocos2d_libs__TouchEvent__
#define __cocos2d_libs__TouchEvent__

#include <vector>

#include "base/CCEvent.h"

NS_CC_BEGIN

class Touch;

class CC_DLL EventTouch : public Event {
public:
    static const int MAX_TOUCHES = 15;

    enum class EventCode { BEGAN, MOVED, ENDED, CANCELLED };

    EventTouch();

    EventCode getEventCode() const { return _eventCode; }
    const std::vector<Touch*>& getTouches() const { return _touches; }
    void setEventCode(EventCode eventCode) { _eventCode = eventCode; }
    void setTouches(const std::vector<Touch*>& touches) { _touches = touches; }

private:
    EventCode _eventCode;
    std::vector<Touch*> _touches;
};

NS_CC_END

#endif  // __cocos2d_libs__TouchEvent__
