// IMEDispatcher: passes input-method text and keyboard notifications to the attached delegate.
#ifndef __CC_IME_DISPATCHER_H__
#define __CC_IME_DISPATCHER_H__

#include <list>
#include <string>

#include "base/CCIMEDelegate.h"

NS_CC_BEGIN

class CC_DLL IMEDispatcher {
public:
    ~IMEDispatcher();
    static IMEDispatcher* sharedDispatcher();

    void dispatchInsertText(const char* text, size_t len);
    void dispatchDeleteBackward();
    void dispatchDeleteForward();
    const std::string& getContentText();

    void dispatchKeyboardWillShow(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidShow(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardWillHide(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidHide(IMEKeyboardNotificationInfo& info);

    bool isAnyDelegateAttachedWithIME() const;

protected:
    friend class IMEDelegate;

    void addDelegate(IMEDelegate* delegate);
    bool attachDelegateWithIME(IMEDelegate* delegate);
    bool detachDelegateWithIME(IMEDelegate* delegate);
    void removeDelegate(IMEDelegate* delegate);

private:
    IMEDispatcher();

    std::list<IMEDelegate*> _delegates;
    IMEDelegate* _delegateWithIme;
    std::string _emptyText;
};

NS_CC_END

#endif  // __CC_IME_DISPATCHER_H__
