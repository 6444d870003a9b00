// The default camera's viewport.
#include "2d/CCCamera.h"

#include "platform/CCGL.h"

NS_CC_BEGIN

experimental::Viewport Camera::_defaultViewport;

void Camera::applyDefaultViewport() {
    if (glGetString(GL_VERSION) == nullptr) return;
    glViewport(GLint(_defaultViewport._left), GLint(_defaultViewport._bottom), GLsizei(_defaultViewport._width),
               GLsizei(_defaultViewport._height));
}

NS_CC_END
