// OpenGL entry points of the engine layer: GLEW on desktop GL 2.1.
#ifndef __CC_GL_H__
#define __CC_GL_H__

#include <GL/glew.h>

#define CC_GL_DEPTH24_STENCIL8 GL_DEPTH24_STENCIL8

#endif  // __CC_GL_H__
