// EventDispatcher: registration, ordering and synchronous delivery of events.
#include "base/CCEventDispatcher.h"

#include <algorithm>
#include <unordered_map>

#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventCustom.h"
#include "base/CCEventListenerCustom.h"
#include "base/CCEventListenerMouse.h"

NS_CC_BEGIN

EventDispatcher::EventDispatcher() : _inDispatch(0), _isEnabled(false) {}

EventDispatcher::~EventDispatcher() {
    for (auto l : _listeners) l->release();
    for (auto l : _toAdd) l->release();
}

EventListener::ListenerID EventDispatcher::listenerIDForEvent(Event* event) {
    switch (event->getType()) {
        case Event::Type::MOUSE:
            return EventListenerMouse::LISTENER_ID;
        case Event::Type::CUSTOM:
            return static_cast<EventCustom*>(event)->getEventName();
        case Event::Type::TOUCH:
            return "__cc_touch_all_at_once";
        case Event::Type::KEYBOARD:
            return "__cc_keyboard";
        case Event::Type::ACCELERATION:
            return "__cc_acceleration";
        case Event::Type::FOCUS:
            return "__cc_focus_event";
        case Event::Type::GAME_CONTROLLER:
            return "__cc_controller";
    }
    return "";
}

void EventDispatcher::addEventListener(EventListener* listener) {
    listener->retain();
    if (_inDispatch == 0) {
        forceAddEventListener(listener);
    } else {
        _toAdd.push_back(listener);
    }
}

void EventDispatcher::forceAddEventListener(EventListener* listener) {
    _listeners.push_back(listener);
}

void EventDispatcher::addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node) {
    if (listener == nullptr || node == nullptr || listener->isRegistered()) return;
    if (!listener->checkAvailable()) return;
    listener->setSceneGraphPriority(node);
    listener->setFixedPriority(0);
    listener->setRegistered(true);
    addEventListener(listener);
    // Paused until its node runs.
    listener->setPaused(!node->isRunning());
}

void EventDispatcher::addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority) {
    if (listener == nullptr || listener->isRegistered() || fixedPriority == 0) return;
    if (!listener->checkAvailable()) return;
    listener->setSceneGraphPriority(nullptr);
    listener->setFixedPriority(fixedPriority);
    listener->setRegistered(true);
    listener->setPaused(false);
    addEventListener(listener);
}

EventListenerCustom* EventDispatcher::addCustomEventListener(const std::string& eventName,
                                                             const std::function<void(EventCustom*)>& callback) {
    EventListenerCustom* listener = EventListenerCustom::create(eventName, callback);
    addEventListenerWithFixedPriority(listener, 1);
    return listener;
}

void EventDispatcher::removeListenerIf(const std::function<bool(EventListener*)>& pred) {
    for (auto l : _listeners) {
        if (l->isRegistered() && pred(l)) {
            l->setRegistered(false);
            l->setSceneGraphPriority(nullptr);
        }
    }
    for (auto it = _toAdd.begin(); it != _toAdd.end();) {
        if (pred(*it)) {
            (*it)->setRegistered(false);
            (*it)->release();
            it = _toAdd.erase(it);
        } else {
            ++it;
        }
    }
    if (_inDispatch == 0) cleanRemoved();
}

void EventDispatcher::cleanRemoved() {
    for (auto it = _listeners.begin(); it != _listeners.end();) {
        if (!(*it)->isRegistered()) {
            (*it)->release();
            it = _listeners.erase(it);
        } else {
            ++it;
        }
    }
}

void EventDispatcher::removeEventListener(EventListener* listener) {
    if (listener == nullptr) return;
    removeListenerIf([listener](EventListener* l) { return l == listener; });
}

void EventDispatcher::removeEventListenersForType(EventListener::Type listenerType) {
    removeListenerIf([listenerType](EventListener* l) { return l->getType() == listenerType; });
}

static void collectSubtree(Node* target, bool recursive, std::vector<Node*>* out) {
    out->push_back(target);
    if (recursive) {
        for (auto child : target->getChildren()) collectSubtree(child, true, out);
    }
}

void EventDispatcher::removeEventListenersForTarget(Node* target, bool recursive) {
    if (target == nullptr) return;
    std::vector<Node*> nodes;
    collectSubtree(target, recursive, &nodes);
    removeListenerIf([&nodes](EventListener* l) {
        return l->getSceneGraphPriority() != nullptr &&
               std::find(nodes.begin(), nodes.end(), l->getSceneGraphPriority()) != nodes.end();
    });
}

void EventDispatcher::removeCustomEventListeners(const std::string& customEventName) {
    removeListenerIf([&customEventName](EventListener* l) { return l->getListenerID() == customEventName; });
}

void EventDispatcher::removeAllEventListeners() {
    removeListenerIf([](EventListener*) { return true; });
}

void EventDispatcher::pauseEventListenersForTarget(Node* target, bool recursive) {
    std::vector<Node*> nodes;
    collectSubtree(target, recursive, &nodes);
    for (auto l : _listeners) {
        if (std::find(nodes.begin(), nodes.end(), l->getSceneGraphPriority()) != nodes.end()) l->setPaused(true);
    }
    for (auto l : _toAdd) {
        if (std::find(nodes.begin(), nodes.end(), l->getSceneGraphPriority()) != nodes.end()) l->setPaused(true);
    }
}

void EventDispatcher::resumeEventListenersForTarget(Node* target, bool recursive) {
    std::vector<Node*> nodes;
    collectSubtree(target, recursive, &nodes);
    for (auto l : _listeners) {
        if (std::find(nodes.begin(), nodes.end(), l->getSceneGraphPriority()) != nodes.end()) l->setPaused(false);
    }
    for (auto l : _toAdd) {
        if (std::find(nodes.begin(), nodes.end(), l->getSceneGraphPriority()) != nodes.end()) l->setPaused(false);
    }
}

void EventDispatcher::setPriority(EventListener* listener, int fixedPriority) {
    if (listener == nullptr || listener->getSceneGraphPriority() != nullptr) return;
    if (fixedPriority != 0) listener->setFixedPriority(fixedPriority);
}

bool EventDispatcher::hasEventListener(const EventListener::ListenerID& listenerID) const {
    for (auto l : _listeners) {
        if (l->isRegistered() && l->getListenerID() == listenerID) return true;
    }
    return false;
}

// Visit order of the running scene (children with local Z < 0, the node, the rest).
static void visitOrder(Node* node, std::unordered_map<Node*, int>* order, int* counter) {
    std::vector<Node*> children(node->getChildren().begin(), node->getChildren().end());
    std::stable_sort(children.begin(), children.end(), [](Node* a, Node* b) {
        return a->getLocalZOrder() < b->getLocalZOrder() ||
               (a->getLocalZOrder() == b->getLocalZOrder() && a->getOrderOfArrival() < b->getOrderOfArrival());
    });
    size_t i = 0;
    for (; i < children.size() && children[i]->getLocalZOrder() < 0; ++i) visitOrder(children[i], order, counter);
    (*order)[node] = (*counter)++;
    for (; i < children.size(); ++i) visitOrder(children[i], order, counter);
}

void EventDispatcher::sortedSceneGraphListeners(const std::vector<EventListener*>& in,
                                                std::vector<EventListener*>* out) {
    Scene* scene = Director::getInstance()->getRunningScene();
    if (scene == nullptr || in.empty()) return;
    std::unordered_map<Node*, int> order;
    int counter = 0;
    visitOrder(scene, &order, &counter);
    std::vector<std::pair<EventListener*, int>> items;
    for (auto l : in) {
        auto it = order.find(l->getSceneGraphPriority());
        if (it != order.end()) items.emplace_back(l, it->second);
    }
    // Front-most first: higher global Z, then drawn later.
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        float za = a.first->getSceneGraphPriority()->getGlobalZOrder();
        float zb = b.first->getSceneGraphPriority()->getGlobalZOrder();
        if (za != zb) return za > zb;
        return a.second > b.second;
    });
    for (auto& item : items) out->push_back(item.first);
}

void EventDispatcher::dispatchEvent(Event* event) {
    if (!_isEnabled || event == nullptr) return;

    const EventListener::ListenerID id = listenerIDForEvent(event);
    std::vector<EventListener*> fixedNeg, fixedPos, sceneGraph, ordered;
    for (auto l : _listeners) {
        if (l->getListenerID() != id) continue;
        if (l->getSceneGraphPriority() != nullptr)
            sceneGraph.push_back(l);
        else if (l->getFixedPriority() < 0)
            fixedNeg.push_back(l);
        else
            fixedPos.push_back(l);
    }
    if (fixedNeg.empty() && fixedPos.empty() && sceneGraph.empty()) return;

    auto byPriority = [](EventListener* a, EventListener* b) { return a->getFixedPriority() < b->getFixedPriority(); };
    std::stable_sort(fixedNeg.begin(), fixedNeg.end(), byPriority);
    std::stable_sort(fixedPos.begin(), fixedPos.end(), byPriority);
    ordered = fixedNeg;
    sortedSceneGraphListeners(sceneGraph, &ordered);
    ordered.insert(ordered.end(), fixedPos.begin(), fixedPos.end());

    // Keep the listeners alive while their callbacks run.
    for (auto l : ordered) l->retain();
    ++_inDispatch;
    event->_isStopped = false;
    for (auto l : ordered) {
        if (event->isStopped()) break;
        if (l->isEnabled() && !l->isPaused() && l->isRegistered() && l->_onEvent) {
            event->setCurrentTarget(l->getSceneGraphPriority());
            l->_onEvent(event);
        }
    }
    event->setCurrentTarget(nullptr);
    --_inDispatch;
    for (auto l : ordered) l->release();

    if (_inDispatch == 0) {
        cleanRemoved();
        for (auto l : _toAdd) {
            if (l->isRegistered()) {
                forceAddEventListener(l);
            } else {
                l->release();
            }
        }
        _toAdd.clear();
    }
}

void EventDispatcher::dispatchCustomEvent(const std::string& eventName, void* optionalUserData) {
    EventCustom ev(eventName);
    ev.setUserData(optionalUserData);
    dispatchEvent(&ev);
}

NS_CC_END
