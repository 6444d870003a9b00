// Named events.
#include "base/CCEventCustom.h"

NS_CC_BEGIN

EventCustom::EventCustom(const std::string& eventName)
    : Event(Type::CUSTOM), _userData(nullptr), _eventName(eventName) {}

NS_CC_END
