// Swapping the scene's background for another and back, holding both so that either can return unchanged.
#include "ui/BackgroundStep.h"

#include "ui/BackgroundLoader.h"

#include "2d/CCNode.h"

#include <wx/translation.h>

BackgroundStep::BackgroundStep(cocos2d::Node* next)
    : wxCommand(true, wxGetTranslation(wxString::FromUTF8("更换背景"))),
      m_next(next) {
    if (m_next) m_next->retain();
}

BackgroundStep::~BackgroundStep() {
    if (m_previous) m_previous->release();
    if (m_next) m_next->release();
}

bool BackgroundStep::Do() {
    // The background found the first time is the one undo brings back; it is
    // held before the scene lets go of it.
    if (!m_seenPrevious) {
        m_previous = BackgroundLoader::current();
        if (m_previous) m_previous->retain();
        m_seenPrevious = true;
    }
    return m_next && BackgroundLoader::put(m_next);
}

bool BackgroundStep::Undo() {
    return BackgroundLoader::put(m_previous);
}
