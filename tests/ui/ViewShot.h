// A screenshot of the engine view that knows where design points fall on it.
#pragma once

#include "X11Window.h"

#include "math/Vec2.h"

#include <wx/gdicmn.h>

class wxGLViewImpl;

struct ViewShot {
    // Reads the view's pixels now.
    static ViewShot of(wxGLViewImpl* view);

    // The view's client pixel of a design point.
    wxPoint pixelOf(const cocos2d::Vec2& design) const;
    // A pure red (the selection's mark) within two pixels of a design point.
    bool redNear(const cocos2d::Vec2& design) const;

    Screenshot shot;
    cocos2d::Vec2 origin; // the design point of pixel (0, 0)
    float scaleX = 1, scaleY = 1;
};
