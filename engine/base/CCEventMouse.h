// Mouse events: button presses and releases, moves and wheel scrolls, in design points.
#ifndef __CCMOUSEEVENT_H__
#define __CCMOUSEEVENT_H__

#include "base/CCEvent.h"
#include "math/CCGeometry.h"

#define MOUSE_BUTTON_LEFT 0
#define MOUSE_BUTTON_RIGHT 1
#define MOUSE_BUTTON_MIDDLE 2
#define MOUSE_BUTTON_4 3
#define MOUSE_BUTTON_5 4
#define MOUSE_BUTTON_6 5
#define MOUSE_BUTTON_7 6
#define MOUSE_BUTTON_8 7

NS_CC_BEGIN

class CC_DLL EventMouse : public Event {
public:
    enum class MouseEventType {
        MOUSE_NONE,
        MOUSE_DOWN,
        MOUSE_UP,
        MOUSE_MOVE,
        MOUSE_SCROLL,
    };

    enum class MouseButton {
        BUTTON_UNSET = -1,
        BUTTON_LEFT = 0,
        BUTTON_RIGHT = 1,
        BUTTON_MIDDLE = 2,
        BUTTON_4 = 3,
        BUTTON_5 = 4,
        BUTTON_6 = 5,
        BUTTON_7 = 6,
        BUTTON_8 = 7
    };

    EventMouse(MouseEventType mouseEventCode);

    void setScrollData(float scrollX, float scrollY) {
        _scrollX = scrollX;
        _scrollY = scrollY;
    }
    float getScrollX() const { return _scrollX; }
    float getScrollY() const { return _scrollY; }

    // Design points, origin at the bottom left.
    void setCursorPosition(float x, float y) {
        _x = x;
        _y = y;
        _prevPoint = _point;
        _point.x = x;
        _point.y = y;
        if (!_startPointCaptured) {
            _startPoint = _point;
            _startPointCaptured = true;
        }
    }

    void setMouseButton(MouseButton button) { _mouseButton = button; }
    MouseButton getMouseButton() const { return _mouseButton; }
    float getCursorX() const { return _x; }
    float getCursorY() const { return _y; }

    // The point converted with Director::convertToGL (y flipped again: the engine's desktop quirk).
    Vec2 getLocation() const;
    Vec2 getPreviousLocation() const;
    Vec2 getStartLocation() const;
    Vec2 getDelta() const;
    // The point exactly as set.
    Vec2 getLocationInView() const;
    Vec2 getPreviousLocationInView() const;
    Vec2 getStartLocationInView() const;

    MouseEventType getMouseEventType() const { return _mouseEventType; }

private:
    MouseEventType _mouseEventType;
    MouseButton _mouseButton;
    float _x;
    float _y;
    float _scrollX;
    float _scrollY;

    bool _startPointCaptured;
    Vec2 _startPoint;
    Vec2 _point;
    Vec2 _prevPoint;

    friend class EventListenerMouse;
};

NS_CC_END

#endif  // __CCMOUSEEVENT_H__
