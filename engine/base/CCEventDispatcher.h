// EventDispatcher: delivers events synchronously to registered listeners in the engine's order:
// fixed priority < 0, then scene-graph listeners (front-most node first), then fixed priority > 0.
#ifndef __CC_EVENT_DISPATCHER_H__
#define __CC_EVENT_DISPATCHER_H__

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCEventListener.h"
#include "base/CCRef.h"

NS_CC_BEGIN

class Event;
class EventCustom;
class EventListenerCustom;
class Node;

class CC_DLL EventDispatcher : public Ref {
public:
    EventDispatcher();
    ~EventDispatcher();

    // The listener runs while its node is running; nodes in front come first.
    void addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node);
    // Priority 0 is reserved for scene-graph listeners.
    void addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority);
    EventListenerCustom* addCustomEventListener(const std::string& eventName,
                                                const std::function<void(EventCustom*)>& callback);

    void removeEventListener(EventListener* listener);
    void removeEventListenersForType(EventListener::Type listenerType);
    void removeEventListenersForTarget(Node* target, bool recursive = false);
    void removeCustomEventListeners(const std::string& customEventName);
    void removeAllEventListeners();

    void pauseEventListenersForTarget(Node* target, bool recursive = false);
    void resumeEventListenersForTarget(Node* target, bool recursive = false);

    void setPriority(EventListener* listener, int fixedPriority);
    void setEnabled(bool isEnabled) { _isEnabled = isEnabled; }
    bool isEnabled() const { return _isEnabled; }

    // Synchronous; dropped while the dispatcher is disabled.
    void dispatchEvent(Event* event);
    void dispatchCustomEvent(const std::string& eventName, void* optionalUserData = nullptr);

    bool hasEventListener(const EventListener::ListenerID& listenerID) const;

    // Called by nodes when their order changes (kept for API compatibility; the
    // order is computed at each dispatch).
    void setDirtyForNode(Node* node) {}

protected:
    static EventListener::ListenerID listenerIDForEvent(Event* event);
    void addEventListener(EventListener* listener);
    void forceAddEventListener(EventListener* listener);
    void sortedSceneGraphListeners(const std::vector<EventListener*>& in, std::vector<EventListener*>* out);
    void cleanRemoved();
    void removeListenerIf(const std::function<bool(EventListener*)>& pred);

    std::vector<EventListener*> _listeners;  // all registered, in order of registration
    std::vector<EventListener*> _toAdd;      // added during a dispatch
    int _inDispatch;
    bool _isEnabled;
};

NS_CC_END

#endif  // __CC_EVENT_DISPATCHER_H__
