// One touch (or the mouse acting as touch 0), in design points with y downwards as set.
#ifndef __CC_TOUCH_H__
#define __CC_TOUCH_H__

#include "base/CCRef.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

class CC_DLL Touch : public Ref {
public:
    enum class DispatchMode { ALL_AT_ONCE, ONE_BY_ONE };

    Touch() : _id(0), _startPointCaptured(false), _curForce(0.f), _maxForce(0.f) {}

    // GL coordinates (y upwards) through the director.
    Vec2 getLocation() const;
    Vec2 getPreviousLocation() const;
    Vec2 getStartLocation() const;
    Vec2 getDelta() const;
    Vec2 getLocationInView() const { return _point; }
    Vec2 getPreviousLocationInView() const { return _prevPoint; }
    Vec2 getStartLocationInView() const { return _startPoint; }

    void setTouchInfo(int id, float x, float y) {
        _id = id;
        _prevPoint = _point;
        _point.x = x;
        _point.y = y;
        _curForce = 0.0f;
        _maxForce = 0.0f;
        if (!_startPointCaptured) {
            _startPoint = _point;
            _startPointCaptured = true;
            _prevPoint = _point;
        }
    }
    void setTouchInfo(int id, float x, float y, float force, float maxForce) {
        setTouchInfo(id, x, y);
        _curForce = force;
        _maxForce = maxForce;
    }
    int getID() const { return _id; }
    float getCurrentForce() const { return _curForce; }
    float getMaxForce() const { return _maxForce; }

private:
    int _id;
    bool _startPointCaptured;
    Vec2 _startPoint;
    Vec2 _point;
    Vec2 _prevPoint;
    float _curForce;
    float _maxForce;
};

NS_CC_END

#endif  // __CC_TOUCH_H__
