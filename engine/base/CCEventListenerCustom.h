// Listener of named custom events.
#ifndef __cocos2d_libs__CCCustomEventListener__
#define __cocos2d_libs__CCCustomEventListener__

#include "base/CCEventListener.h"

NS_CC_BEGIN

class EventCustom;

class CC_DLL EventListenerCustom : public EventListener {
public:
    static EventListenerCustom* create(const std::string& eventName,
                                       const std::function<void(EventCustom*)>& callback);

    virtual bool checkAvailable() override;
    virtual EventListenerCustom* clone() override;

    EventListenerCustom();
    bool init(const ListenerID& listenerId, const std::function<void(EventCustom*)>& callback);

protected:
    std::function<void(EventCustom*)> _onCustomEvent;
};

NS_CC_END

#endif  // __cocos2d_libs__CCCustomEventListener__
