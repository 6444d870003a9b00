// Immediate-mode drawing with the position / uniform-colour shader and client-side arrays.
#include "2d/CCDrawingPrimitives.h"

#include <cmath>
#include <vector>

#include "base/CCDirector.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCRenderer.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

namespace DrawPrimitives {

namespace {
bool s_initialized = false;
GLProgram* s_shader = nullptr;
int s_colorLocation = -1;
Color4F s_color(1.0f, 1.0f, 1.0f, 1.0f);
int s_pointSizeLocation = -1;
GLfloat s_pointSize = 1.0f;

bool lazyInit() {
    if (glGetString(GL_VERSION) == nullptr || glUseProgram == nullptr) return false;
    if (!s_initialized) {
        s_shader = GLProgramCache::getInstance()->getGLProgram(GLProgram::SHADER_NAME_POSITION_U_COLOR);
        if (s_shader == nullptr) return false;
        s_shader->retain();
        s_colorLocation = s_shader->getUniformLocation("u_color");
        s_pointSizeLocation = s_shader->getUniformLocation("u_pointSize");
        s_initialized = true;
    }
    return s_shader != nullptr && s_shader->isLinked();
}

// Uses the program with the current matrices and colour, and points a_position at the vertices.
bool prepare(const GLfloat* vertices) {
    if (!lazyInit()) return false;
    s_shader->use();
    s_shader->setUniformsForBuiltins();
    s_shader->setUniformLocationWith4fv(s_colorLocation, (GLfloat*)&s_color.r, 1);
    GL::enableVertexAttribs(GL::VERTEX_ATTRIB_FLAG_POSITION);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_POSITION, 2, GL_FLOAT, GL_FALSE, 0, vertices);
    return true;
}

void countDraw(unsigned int vertices) {
    auto renderer = Director::getInstance()->getRenderer();
    renderer->addDrawnBatches(1);
    renderer->addDrawnVertices(vertices);
}
}  // namespace

void init() {
    free();
    lazyInit();
}

void free() {
    CC_SAFE_RELEASE_NULL(s_shader);
    s_initialized = false;
}

void drawPoint(const Vec2& point) {
    GLfloat v[2] = {point.x, point.y};
    if (!prepare(v)) return;
    s_shader->setUniformLocationWith1f(s_pointSizeLocation, s_pointSize);
    glDrawArrays(GL_POINTS, 0, 1);
    countDraw(1);
}

void drawPoints(const Vec2* points, unsigned int numberOfPoints) {
    if (numberOfPoints == 0) return;
    std::vector<GLfloat> v(numberOfPoints * 2);
    for (unsigned int i = 0; i < numberOfPoints; i++) {
        v[i * 2] = points[i].x;
        v[i * 2 + 1] = points[i].y;
    }
    if (!prepare(v.data())) return;
    s_shader->setUniformLocationWith1f(s_pointSizeLocation, s_pointSize);
    glDrawArrays(GL_POINTS, 0, (GLsizei)numberOfPoints);
    countDraw(numberOfPoints);
}

void drawLine(const Vec2& origin, const Vec2& destination) {
    GLfloat v[4] = {origin.x, origin.y, destination.x, destination.y};
    if (!prepare(v)) return;
    glDrawArrays(GL_LINES, 0, 2);
    countDraw(2);
}

void drawRect(Vec2 origin, Vec2 destination) {
    drawLine(Vec2(origin.x, origin.y), Vec2(destination.x, origin.y));
    drawLine(Vec2(destination.x, origin.y), Vec2(destination.x, destination.y));
    drawLine(Vec2(destination.x, destination.y), Vec2(origin.x, destination.y));
    drawLine(Vec2(origin.x, destination.y), Vec2(origin.x, origin.y));
}

void drawSolidRect(Vec2 origin, Vec2 destination, Color4F color) {
    Vec2 vertices[] = {origin, Vec2(destination.x, origin.y), destination, Vec2(origin.x, destination.y)};
    drawSolidPoly(vertices, 4, color);
}

void drawPoly(const Vec2* poli, unsigned int numberOfPoints, bool closePolygon) {
    if (numberOfPoints == 0) return;
    std::vector<GLfloat> v(numberOfPoints * 2);
    for (unsigned int i = 0; i < numberOfPoints; i++) {
        v[i * 2] = poli[i].x;
        v[i * 2 + 1] = poli[i].y;
    }
    if (!prepare(v.data())) return;
    glDrawArrays(closePolygon ? GL_LINE_LOOP : GL_LINE_STRIP, 0, (GLsizei)numberOfPoints);
    countDraw(numberOfPoints);
}

void drawSolidPoly(const Vec2* poli, unsigned int numberOfPoints, Color4F color) {
    if (numberOfPoints == 0) return;
    Color4F saved = s_color;
    s_color = color;
    std::vector<GLfloat> v(numberOfPoints * 2);
    for (unsigned int i = 0; i < numberOfPoints; i++) {
        v[i * 2] = poli[i].x;
        v[i * 2 + 1] = poli[i].y;
    }
    if (prepare(v.data())) {
        glDrawArrays(GL_TRIANGLE_FAN, 0, (GLsizei)numberOfPoints);
        countDraw(numberOfPoints);
    }
    s_color = saved;
}

static std::vector<GLfloat> circleVertices(const Vec2& center, float radius, float angle, unsigned int segments,
                                           bool drawLineToCenter, float scaleX, float scaleY) {
    const float coef = 2.0f * (float)M_PI / segments;
    std::vector<GLfloat> v;
    v.reserve((segments + 2) * 2);
    for (unsigned int i = 0; i <= segments; i++) {
        float rads = i * coef;
        v.push_back(radius * std::cos(rads + angle) * scaleX + center.x);
        v.push_back(radius * std::sin(rads + angle) * scaleY + center.y);
    }
    if (drawLineToCenter) {
        v.push_back(center.x);
        v.push_back(center.y);
    }
    return v;
}

void drawCircle(const Vec2& center, float radius, float angle, unsigned int segments, bool drawLineToCenter,
                float scaleX, float scaleY) {
    if (segments == 0) return;
    auto v = circleVertices(center, radius, angle, segments, drawLineToCenter, scaleX, scaleY);
    if (!prepare(v.data())) return;
    glDrawArrays(GL_LINE_STRIP, 0, (GLsizei)(v.size() / 2));
    countDraw((unsigned int)(v.size() / 2));
}

void drawCircle(const Vec2& center, float radius, float angle, unsigned int segments, bool drawLineToCenter) {
    drawCircle(center, radius, angle, segments, drawLineToCenter, 1.0f, 1.0f);
}

void drawSolidCircle(const Vec2& center, float radius, float angle, unsigned int segments, float scaleX,
                     float scaleY) {
    if (segments == 0) return;
    auto v = circleVertices(center, radius, angle, segments, false, scaleX, scaleY);
    if (!prepare(v.data())) return;
    glDrawArrays(GL_TRIANGLE_FAN, 0, (GLsizei)(v.size() / 2));
    countDraw((unsigned int)(v.size() / 2));
}

void drawSolidCircle(const Vec2& center, float radius, float angle, unsigned int segments) {
    drawSolidCircle(center, radius, angle, segments, 1.0f, 1.0f);
}

void setDrawColor4F(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    s_color.r = r;
    s_color.g = g;
    s_color.b = b;
    s_color.a = a;
}

void setDrawColor4B(GLubyte r, GLubyte g, GLubyte b, GLubyte a) {
    s_color.r = r / 255.0f;
    s_color.g = g / 255.0f;
    s_color.b = b / 255.0f;
    s_color.a = a / 255.0f;
}

void setPointSize(GLfloat pointSize) {
    s_pointSize = pointSize * Director::getInstance()->getContentScaleFactor();
}

}  // namespace DrawPrimitives

NS_CC_END
