// Immediate-mode drawing of points, lines, rectangles and polygons in the current
// model-view matrix (draws at once: call it from a CustomCommand callback).
#ifndef __CCDRAWING_PRIMITIVES__
#define __CCDRAWING_PRIMITIVES__

#include "base/ccTypes.h"
#include "math/CCMath.h"

NS_CC_BEGIN

namespace DrawPrimitives {

void CC_DLL init();
// Releases the shader; the director calls it when it is purged.
void CC_DLL free();

void CC_DLL drawPoint(const Vec2& point);
void CC_DLL drawPoints(const Vec2* points, unsigned int numberOfPoints);
void CC_DLL drawLine(const Vec2& origin, const Vec2& destination);
// Four lines: (o.x,o.y) (d.x,o.y) (d.x,d.y) (o.x,d.y) back to the origin.
void CC_DLL drawRect(Vec2 origin, Vec2 destination);
void CC_DLL drawSolidRect(Vec2 origin, Vec2 destination, Color4F color);
void CC_DLL drawPoly(const Vec2* vertices, unsigned int numOfVertices, bool closePolygon);
void CC_DLL drawSolidPoly(const Vec2* poli, unsigned int numberOfPoints, Color4F color);
void CC_DLL drawCircle(const Vec2& center, float radius, float angle, unsigned int segments, bool drawLineToCenter,
                       float scaleX, float scaleY);
void CC_DLL drawCircle(const Vec2& center, float radius, float angle, unsigned int segments, bool drawLineToCenter);
void CC_DLL drawSolidCircle(const Vec2& center, float radius, float angle, unsigned int segments, float scaleX,
                            float scaleY);
void CC_DLL drawSolidCircle(const Vec2& center, float radius, float angle, unsigned int segments);

// Colour as given (not premultiplied); default opaque white.
void CC_DLL setDrawColor4F(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void CC_DLL setDrawColor4B(GLubyte r, GLubyte g, GLubyte b, GLubyte a);
void CC_DLL setPointSize(GLfloat pointSize);

}  // namespace DrawPrimitives

NS_CC_END

#endif  // __CCDRAWING_PRIMITIVES__
