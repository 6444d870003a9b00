// An event identified by its name, with a user-data pointer.
#ifndef __CCCUSTOMEVENT_H__
#define __CCCUSTOMEVENT_H__

#include <string>

#include "base/CCEvent.h"

NS_CC_BEGIN

class CC_DLL EventCustom : public Event {
public:
    EventCustom(const std::string& eventName);
    void setUserData(void* data) { _userData = data; }
    void* getUserData() const { return _userData; }
    const std::string& getEventName() const { return _eventName; }

protected:
    void* _userData;
    std::string _eventName;
};

NS_CC_END

#endif  // __CCCUSTOMEVENT_H__
