// Receivers of text input from the input method (text fields attach themselves).
#ifndef __CC_IME_DELEGATE_H__
#define __CC_IME_DELEGATE_H__

#include <string>

#include "math/CCGeometry.h"

NS_CC_BEGIN

struct IMEKeyboardNotificationInfo {
    Rect begin;
    Rect end;
    float duration;
};

class CC_DLL IMEDelegate {
public:
    virtual ~IMEDelegate();
    virtual bool attachWithIME();
    virtual bool detachWithIME();

protected:
    friend class IMEDispatcher;

    virtual bool canAttachWithIME() { return false; }
    virtual void didAttachWithIME() {}
    virtual bool canDetachWithIME() { return false; }
    virtual void didDetachWithIME() {}
    virtual void insertText(const char* text, size_t len) {}
    virtual void deleteBackward() {}
    virtual void deleteForward() {}
    virtual const std::string& getContentText() { return _emptyText; }
    virtual void keyboardWillShow(IMEKeyboardNotificationInfo& info) {}
    virtual void keyboardDidShow(IMEKeyboardNotificationInfo& info) {}
    virtual void keyboardWillHide(IMEKeyboardNotificationInfo& info) {}
    virtual void keyboardDidHide(IMEKeyboardNotificationInfo& info) {}

    IMEDelegate();

private:
    std::string _emptyText;
};

NS_CC_END

#endif  // __CC_IME_DELEGATE_H__
