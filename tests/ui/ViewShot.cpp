// Reading the engine view from the screen and mapping design points onto its pixels.
#include "ViewShot.h"

#include "view/wxCCGLViewImpl.h"

#include <cmath>

ViewShot ViewShot::of(wxGLViewImpl* view) {
    ViewShot seen;
    const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
    const wxSize size = view->GetClientSize();
    X11Session x11;
    if (x11.ok()) seen.shot = x11.grab(origin.x, origin.y, size.x, size.y);
    // The view maps pixels to design points; two of them give the way back.
    const cocos2d::Vec2 a = view->toDesignPoint(0, 0), b = view->toDesignPoint(100, 100);
    seen.scaleX = (b.x - a.x) / 100;
    seen.scaleY = (b.y - a.y) / 100;
    seen.origin = a;
    return seen;
}

wxPoint ViewShot::pixelOf(const cocos2d::Vec2& design) const {
    return wxPoint(static_cast<int>(std::lround((design.x - origin.x) / scaleX)),
                   static_cast<int>(std::lround((design.y - origin.y) / scaleY)));
}

bool ViewShot::redNear(const cocos2d::Vec2& design) const {
    const wxPoint at = pixelOf(design);
    for (int y = at.y - 2; y <= at.y + 2; ++y)
        for (int x = at.x - 2; x <= at.x + 2; ++x) {
            if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) continue;
            const Rgb c = shot.at(x, y);
            if (c.r > 200 && c.g < 70 && c.b < 70) return true;
        }
    return false;
}
