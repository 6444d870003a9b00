// Base of the engine's events.
#ifndef __CCEVENT_H__
#define __CCEVENT_H__

#include "base/CCRef.h"

NS_CC_BEGIN

class Node;

class CC_DLL Event : public Ref {
public:
    enum class Type {
        TOUCH,
        KEYBOARD,
        ACCELERATION,
        MOUSE,
        FOCUS,
        GAME_CONTROLLER,
        CUSTOM
    };

    Event(Type type);
    virtual ~Event();

    Type getType() const { return _type; }
    // Ends the dispatch of this event after the current listener.
    void stopPropagation() { _isStopped = true; }
    bool isStopped() const { return _isStopped; }
    // The node of the scene-graph listener being called, null for fixed-priority ones.
    Node* getCurrentTarget() { return _currentTarget; }

protected:
    void setCurrentTarget(Node* target) { _currentTarget = target; }

    Type _type;
    bool _isStopped;
    Node* _currentTarget;

    friend class EventDispatcher;
};

NS_CC_END

#endif  // __CCEVENT_H__
