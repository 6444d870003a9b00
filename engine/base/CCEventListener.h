// Base of event listeners: a callback for one kind of event, registered with the EventDispatcher.
#ifndef __CCEVENTLISTENER_H__
#define __CCEVENTLISTENER_H__

#include <functional>
#include <string>

#include "base/CCRef.h"

NS_CC_BEGIN

class Event;
class Node;

class CC_DLL EventListener : public Ref {
public:
    enum class Type {
        UNKNOWN,
        TOUCH_ONE_BY_ONE,
        TOUCH_ALL_AT_ONCE,
        KEYBOARD,
        MOUSE,
        ACCELERATION,
        FOCUS,
        GAME_CONTROLLER,
        CUSTOM
    };

    typedef std::string ListenerID;

    EventListener();
    bool init(Type t, const ListenerID& listenerID, const std::function<void(Event*)>& callback);
    virtual ~EventListener();

    virtual bool checkAvailable() = 0;
    virtual EventListener* clone() = 0;

    void setEnabled(bool enabled) { _isEnabled = enabled; }
    bool isEnabled() const { return _isEnabled; }

protected:
    void setPaused(bool paused) { _paused = paused; }
    bool isPaused() const { return _paused; }
    void setRegistered(bool registered) { _isRegistered = registered; }
    bool isRegistered() const { return _isRegistered; }
    Type getType() const { return _type; }
    const ListenerID& getListenerID() const { return _listenerID; }
    void setFixedPriority(int fixedPriority) { _fixedPriority = fixedPriority; }
    int getFixedPriority() const { return _fixedPriority; }
    void setSceneGraphPriority(Node* node) { _node = node; }
    Node* getSceneGraphPriority() const { return _node; }

    std::function<void(Event*)> _onEvent;
    Type _type;
    ListenerID _listenerID;
    bool _isRegistered;
    int _fixedPriority;
    Node* _node;
    bool _paused;
    bool _isEnabled;

    friend class EventDispatcher;
};

NS_CC_END

#endif  // __CCEVENTLISTENER_H__
