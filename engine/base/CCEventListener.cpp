// Base of event listeners.
#include "base/CCEventListener.h"

NS_CC_BEGIN

EventListener::EventListener()
    : _type(Type::UNKNOWN), _isRegistered(false), _fixedPriority(0), _node(nullptr), _paused(true),
      _isEnabled(true) {}

EventListener::~EventListener() {}

bool EventListener::init(Type t, const ListenerID& listenerID, const std::function<void(Event*)>& callback) {
    _onEvent = callback;
    _type = t;
    _listenerID = listenerID;
    _isRegistered = false;
    _paused = true;
    _isEnabled = true;
    return true;
}

NS_CC_END
