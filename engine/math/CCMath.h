// The engine's math library in one include.
#ifndef __CC_MATH_H__
#define __CC_MATH_H__

#include "math/CCMathBase.h"
#include "math/Mat4.h"
#include "math/Vec2.h"
#include "math/Vec3.h"
#include "math/Vec4.h"

#endif  // __CC_MATH_H__
