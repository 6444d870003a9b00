// The GL blend factors a scene file may name.
#include "editor-support/cocostudio/CsbValues.h"

NS_CC_BEGIN

namespace csb {

bool isBlendFactor(int value) {
    switch (value) {
    case GL_ZERO:
    case GL_ONE:
    case GL_SRC_COLOR:
    case GL_ONE_MINUS_SRC_COLOR:
    case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA:
    case GL_DST_ALPHA:
    case GL_ONE_MINUS_DST_ALPHA:
    case GL_DST_COLOR:
    case GL_ONE_MINUS_DST_COLOR:
        return true;
    default:
        return false;
    }
}

} // namespace csb

NS_CC_END
