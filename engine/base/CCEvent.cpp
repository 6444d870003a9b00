// Base of the engine's events.
#include "base/CCEvent.h"

NS_CC_BEGIN

Event::Event(Type type) : _type(type), _isStopped(false), _currentTarget(nullptr) {}

Event::~Event() {}

NS_CC_END
