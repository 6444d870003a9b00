// Input-method dispatching to the attached delegate.
#include "base/CCIMEDispatcher.h"

#include <algorithm>

NS_CC_BEGIN

IMEDelegate::IMEDelegate() {
    IMEDispatcher::sharedDispatcher()->addDelegate(this);
}

IMEDelegate::~IMEDelegate() {
    IMEDispatcher::sharedDispatcher()->removeDelegate(this);
}

bool IMEDelegate::attachWithIME() {
    return IMEDispatcher::sharedDispatcher()->attachDelegateWithIME(this);
}

bool IMEDelegate::detachWithIME() {
    return IMEDispatcher::sharedDispatcher()->detachDelegateWithIME(this);
}

IMEDispatcher::IMEDispatcher() : _delegateWithIme(nullptr) {}

IMEDispatcher::~IMEDispatcher() {}

IMEDispatcher* IMEDispatcher::sharedDispatcher() {
    static IMEDispatcher instance;
    return &instance;
}

void IMEDispatcher::addDelegate(IMEDelegate* delegate) {
    if (!delegate) return;
    if (std::find(_delegates.begin(), _delegates.end(), delegate) != _delegates.end()) return;
    _delegates.push_front(delegate);
}

bool IMEDispatcher::attachDelegateWithIME(IMEDelegate* delegate) {
    if (!delegate) return false;
    if (std::find(_delegates.begin(), _delegates.end(), delegate) == _delegates.end()) return false;
    if (_delegateWithIme) {
        if (_delegateWithIme != delegate) {
            if (!_delegateWithIme->canDetachWithIME() || !delegate->canAttachWithIME()) return false;
            IMEDelegate* oldDelegate = _delegateWithIme;
            _delegateWithIme = nullptr;
            oldDelegate->didDetachWithIME();
            _delegateWithIme = delegate;
            delegate->didAttachWithIME();
        }
        return true;
    }
    if (!delegate->canAttachWithIME()) return false;
    _delegateWithIme = delegate;
    delegate->didAttachWithIME();
    return true;
}

bool IMEDispatcher::detachDelegateWithIME(IMEDelegate* delegate) {
    if (!delegate || _delegateWithIme != delegate || !delegate->canDetachWithIME()) return false;
    _delegateWithIme = nullptr;
    delegate->didDetachWithIME();
    return true;
}

void IMEDispatcher::removeDelegate(IMEDelegate* delegate) {
    if (!delegate) return;
    if (_delegateWithIme == delegate) _delegateWithIme = nullptr;
    _delegates.remove(delegate);
}

void IMEDispatcher::dispatchInsertText(const char* text, size_t len) {
    if (_delegateWithIme && text && len > 0) _delegateWithIme->insertText(text, len);
}

void IMEDispatcher::dispatchDeleteBackward() {
    if (_delegateWithIme) _delegateWithIme->deleteBackward();
}

void IMEDispatcher::dispatchDeleteForward() {
    if (_delegateWithIme) _delegateWithIme->deleteForward();
}

const std::string& IMEDispatcher::getContentText() {
    if (_delegateWithIme) return _delegateWithIme->getContentText();
    return _emptyText;
}

bool IMEDispatcher::isAnyDelegateAttachedWithIME() const {
    return _delegateWithIme != nullptr;
}

void IMEDispatcher::dispatchKeyboardWillShow(IMEKeyboardNotificationInfo& info) {
    for (auto d : _delegates) d->keyboardWillShow(info);
}

void IMEDispatcher::dispatchKeyboardDidShow(IMEKeyboardNotificationInfo& info) {
    for (auto d : _delegates) d->keyboardDidShow(info);
}

void IMEDispatcher::dispatchKeyboardWillHide(IMEKeyboardNotificationInfo& info) {
    for (auto d : _delegates) d->keyboardWillHide(info);
}

void IMEDispatcher::dispatchKeyboardDidHide(IMEKeyboardNotificationInfo& info) {
    for (auto d : _delegates) d->keyboardDidHide(info);
}

NS_CC_END
