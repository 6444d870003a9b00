// The default camera's viewport.
#include "2d/CCCamera.h"

#include <cmath>

#include "platform/CCGL.h"

NS_CC_BEGIN

experimental::Viewport Camera::_defaultViewport;

void Camera::applyDefaultViewport() {
    if (glGetString(GL_VERSION) == nullptr) return;
    // Edges rounded to whole pixels: truncating the size would drop the last row or column
    // whenever the scale leaves it a hair below an integer (960 x 1000/960 = 999.99994).
    const auto& vp = _defaultViewport;
    long left = std::lround(vp._left), bottom = std::lround(vp._bottom);
    long right = std::lround(vp._left + vp._width), top = std::lround(vp._bottom + vp._height);
    glViewport(GLint(left), GLint(bottom), GLsizei(right - left), GLsizei(top - bottom));
}

NS_CC_END
