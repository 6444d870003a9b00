// Touches.
#include "base/CCTouch.h"

#include "base/CCDirector.h"

NS_CC_BEGIN

Vec2 Touch::getLocation() const { return Director::getInstance()->convertToGL(_point); }
Vec2 Touch::getPreviousLocation() const { return Director::getInstance()->convertToGL(_prevPoint); }
Vec2 Touch::getStartLocation() const { return Director::getInstance()->convertToGL(_startPoint); }
Vec2 Touch::getDelta() const { return getLocation() - getPreviousLocation(); }

NS_CC_END
