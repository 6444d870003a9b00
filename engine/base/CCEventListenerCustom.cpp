// Listener of named custom events.
#include "base/CCEventListenerCustom.h"

#include "base/CCEventCustom.h"

NS_CC_BEGIN

EventListenerCustom::EventListenerCustom() : _onCustomEvent(nullptr) {}

EventListenerCustom* EventListenerCustom::create(const std::string& eventName,
                                                 const std::function<void(EventCustom*)>& callback) {
    EventListenerCustom* ret = new (std::nothrow) EventListenerCustom();
    if (ret && ret->init(eventName, callback)) {
        ret->autorelease();
    } else {
        CC_SAFE_DELETE(ret);
    }
    return ret;
}

bool EventListenerCustom::init(const ListenerID& listenerId, const std::function<void(EventCustom*)>& callback) {
    _onCustomEvent = callback;
    auto listener = [this](Event* event) {
        if (_onCustomEvent != nullptr) _onCustomEvent(static_cast<EventCustom*>(event));
    };
    return EventListener::init(EventListener::Type::CUSTOM, listenerId, listener);
}

EventListenerCustom* EventListenerCustom::clone() {
    EventListenerCustom* ret = new (std::nothrow) EventListenerCustom();
    if (ret && ret->init(_listenerID, _onCustomEvent)) {
        ret->autorelease();
    } else {
        CC_SAFE_DELETE(ret);
    }
    return ret;
}

bool EventListenerCustom::checkAvailable() {
    return _onCustomEvent != nullptr;
}

NS_CC_END
