// Listener of mouse events: one optional callback per mouse event type.
#ifndef __cocos2d_libs__CCMouseEventListener__
#define __cocos2d_libs__CCMouseEventListener__

#include "base/CCEventListener.h"
#include "base/CCEventMouse.h"

NS_CC_BEGIN

class CC_DLL EventListenerMouse : public EventListener {
public:
    static const std::string LISTENER_ID;

    static EventListenerMouse* create();

    virtual EventListenerMouse* clone() override;
    virtual bool checkAvailable() override;

    std::function<void(EventMouse* event)> onMouseDown;
    std::function<void(EventMouse* event)> onMouseUp;
    std::function<void(EventMouse* event)> onMouseMove;
    std::function<void(EventMouse* event)> onMouseScroll;

    EventListenerMouse();
    bool init();
};

NS_CC_END

#endif  // __cocos2d_libs__CCMouseEventListener__
