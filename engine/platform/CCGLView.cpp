// GLView: design resolution, scale factors, viewport, scissor and touches.
#include "platform/CCGLView.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "2d/CCCamera.h"
#include "2d/CCScene.h"
#include "base/CCConsole.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventTouch.h"
#include "base/CCTouch.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

namespace {
Touch* g_touches[EventTouch::MAX_TOUCHES] = {nullptr};
unsigned int g_indexBitsUsed = 0;
std::map<intptr_t, int> g_touchIdReorderMap;

int getUnUsedIndex() {
    unsigned int temp = g_indexBitsUsed;
    for (int i = 0; i < EventTouch::MAX_TOUCHES; i++) {
        if (!(temp & 0x00000001)) {
            g_indexBitsUsed |= (1u << i);
            return i;
        }
        temp >>= 1;
    }
    return -1;
}

void removeUsedIndexBit(int index) {
    if (index < 0 || index >= EventTouch::MAX_TOUCHES) return;
    unsigned int temp = 1u << index;
    temp = ~temp;
    g_indexBitsUsed &= temp;
}

bool glReady() {
    return glGetString(GL_VERSION) != nullptr;
}
}  // namespace

GLContextAttrs GLView::_glContextAttrs = {8, 8, 8, 8, 24, 8, 0};

void GLView::setGLContextAttrs(GLContextAttrs& glContextAttrs) {
    _glContextAttrs = glContextAttrs;
}

GLContextAttrs GLView::getGLContextAttrs() {
    return _glContextAttrs;
}

GLView::GLView()
    : _scaleX(1.0f), _scaleY(1.0f), _resolutionPolicy(ResolutionPolicy::UNKNOWN), _vrImpl(nullptr) {}

GLView::~GLView() {}

void GLView::pollInputEvents() {
    pollEvents();
}

void GLView::pollEvents() {}

void GLView::updateDesignResolutionSize() {
    if (_screenSize.width > 0 && _screenSize.height > 0 && _designResolutionSize.width > 0 &&
        _designResolutionSize.height > 0) {
        _scaleX = (float)_screenSize.width / _designResolutionSize.width;
        _scaleY = (float)_screenSize.height / _designResolutionSize.height;

        if (_resolutionPolicy == ResolutionPolicy::NO_BORDER) {
            _scaleX = _scaleY = std::max(_scaleX, _scaleY);
        } else if (_resolutionPolicy == ResolutionPolicy::SHOW_ALL) {
            _scaleX = _scaleY = std::min(_scaleX, _scaleY);
        } else if (_resolutionPolicy == ResolutionPolicy::FIXED_HEIGHT) {
            _scaleX = _scaleY;
            _designResolutionSize.width = std::ceil(_screenSize.width / _scaleX);
        } else if (_resolutionPolicy == ResolutionPolicy::FIXED_WIDTH) {
            _scaleY = _scaleX;
            _designResolutionSize.height = std::ceil(_screenSize.height / _scaleY);
        }

        float viewPortW = _designResolutionSize.width * _scaleX;
        float viewPortH = _designResolutionSize.height * _scaleY;
        _viewPortRect.setRect((_screenSize.width - viewPortW) / 2, (_screenSize.height - viewPortH) / 2, viewPortW,
                              viewPortH);

        auto director = Director::getInstance();
        director->_winSizeInPoints = getDesignResolutionSize();
        director->_isStatusLabelUpdated = true;
        director->setProjection(director->getProjection());

        if (glReady()) glViewport(0, 0, (GLsizei)_screenSize.width, (GLsizei)_screenSize.height);
    }
}

void GLView::setDesignResolutionSize(float width, float height, ResolutionPolicy resolutionPolicy) {
    CCASSERT(resolutionPolicy != ResolutionPolicy::UNKNOWN, "should set resolutionPolicy");
    if (width == 0.0f || height == 0.0f) return;
    _designResolutionSize.setSize(width, height);
    _resolutionPolicy = resolutionPolicy;
    updateDesignResolutionSize();
}

const Size& GLView::getDesignResolutionSize() const {
    return _designResolutionSize;
}

Size GLView::getFrameSize() const {
    return _screenSize;
}

void GLView::setFrameSize(float width, float height) {
    _screenSize = Size(width, height);
    if (_designResolutionSize.equals(Size::ZERO)) {
        _designResolutionSize = _screenSize;
    }
}

Rect GLView::getVisibleRect() const {
    Rect ret;
    ret.size = getVisibleSize();
    ret.origin = getVisibleOrigin();
    return ret;
}

Size GLView::getVisibleSize() const {
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER) {
        return Size(_screenSize.width / _scaleX, _screenSize.height / _scaleY);
    }
    return _designResolutionSize;
}

Vec2 GLView::getVisibleOrigin() const {
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER) {
        return Vec2((_designResolutionSize.width - _screenSize.width / _scaleX) / 2,
                    (_designResolutionSize.height - _screenSize.height / _scaleY) / 2);
    }
    return Vec2::ZERO;
}

void GLView::setViewPortInPoints(float x, float y, float w, float h) {
    experimental::Viewport vp(x * _scaleX + _viewPortRect.origin.x, y * _scaleY + _viewPortRect.origin.y,
                              w * _scaleX, h * _scaleY);
    Camera::setDefaultViewport(vp);
}

void GLView::setScissorInPoints(float x, float y, float w, float h) {
    if (!glReady()) return;
    glScissor((GLint)(x * _scaleX + _viewPortRect.origin.x), (GLint)(y * _scaleY + _viewPortRect.origin.y),
              (GLsizei)(w * _scaleX), (GLsizei)(h * _scaleY));
}

bool GLView::isScissorEnabled() {
    if (!glReady()) return false;
    return (GL_FALSE == glIsEnabled(GL_SCISSOR_TEST)) ? false : true;
}

Rect GLView::getScissorRect() const {
    GLfloat params[4] = {0, 0, 0, 0};
    if (glReady()) glGetFloatv(GL_SCISSOR_BOX, params);
    float x = (params[0] - _viewPortRect.origin.x) / _scaleX;
    float y = (params[1] - _viewPortRect.origin.y) / _scaleY;
    float w = params[2] / _scaleX;
    float h = params[3] / _scaleY;
    return Rect(x, y, w, h);
}

void GLView::setViewName(const std::string& viewname) {
    _viewName = viewname;
}

const std::string& GLView::getViewName() const {
    return _viewName;
}

void GLView::handleTouchesBegin(int num, intptr_t ids[], float xs[], float ys[]) {
    intptr_t id = 0;
    float x = 0.0f;
    float y = 0.0f;
    int unusedIndex = 0;
    EventTouch touchEvent;
    std::vector<Touch*> touches;

    for (int i = 0; i < num; ++i) {
        id = ids[i];
        x = xs[i];
        y = ys[i];

        auto iter = g_touchIdReorderMap.find(id);
        if (iter == g_touchIdReorderMap.end()) {
            unusedIndex = getUnUsedIndex();
            if (unusedIndex == -1) {
                log("The touches is more than MAX_TOUCHES, unusedIndex = %d", unusedIndex);
                continue;
            }
            Touch* touch = g_touches[unusedIndex] = new (std::nothrow) Touch();
            touch->setTouchInfo(unusedIndex, (x - _viewPortRect.origin.x) / _scaleX,
                                (y - _viewPortRect.origin.y) / _scaleY);
            g_touchIdReorderMap.emplace(id, unusedIndex);
            touches.push_back(touch);
        }
    }

    if (touches.empty()) return;
    touchEvent.setTouches(touches);
    touchEvent.setEventCode(EventTouch::EventCode::BEGAN);
    auto dispatcher = Director::getInstance()->getEventDispatcher();
    dispatcher->dispatchEvent(&touchEvent);
}

void GLView::handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[]) {
    handleTouchesMove(num, ids, xs, ys, nullptr, nullptr);
}

void GLView::handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[], float fs[], float ms[]) {
    EventTouch touchEvent;
    std::vector<Touch*> touches;
    for (int i = 0; i < num; ++i) {
        intptr_t id = ids[i];
        float x = xs[i];
        float y = ys[i];
        float force = fs ? fs[i] : 0.0f;
        float maxForce = ms ? ms[i] : 0.0f;

        auto iter = g_touchIdReorderMap.find(id);
        if (iter == g_touchIdReorderMap.end()) {
            log("if the index doesn't exist, it is an error");
            continue;
        }
        Touch* touch = g_touches[iter->second];
        if (touch) {
            touch->setTouchInfo(iter->second, (x - _viewPortRect.origin.x) / _scaleX,
                                (y - _viewPortRect.origin.y) / _scaleY, force, maxForce);
            touches.push_back(touch);
        } else {
            log("Moving touches with id: %ld error", (long)id);
            return;
        }
    }

    if (touches.empty()) return;
    touchEvent.setTouches(touches);
    touchEvent.setEventCode(EventTouch::EventCode::MOVED);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&touchEvent);
}

void GLView::handleTouchesOfEndOrCancel(int eventCode, int num, intptr_t ids[], float xs[], float ys[]) {
    EventTouch touchEvent;
    std::vector<Touch*> touches;
    for (int i = 0; i < num; ++i) {
        intptr_t id = ids[i];
        float x = xs[i];
        float y = ys[i];

        auto iter = g_touchIdReorderMap.find(id);
        if (iter == g_touchIdReorderMap.end()) {
            log("if the index doesn't exist, it is an error");
            continue;
        }
        Touch* touch = g_touches[iter->second];
        if (touch) {
            touch->setTouchInfo(iter->second, (x - _viewPortRect.origin.x) / _scaleX,
                                (y - _viewPortRect.origin.y) / _scaleY);
            touches.push_back(touch);
            g_touches[iter->second] = nullptr;
            removeUsedIndexBit(iter->second);
            g_touchIdReorderMap.erase(id);
        } else {
            log("Ending touches with id: %ld error", static_cast<long>(id));
            return;
        }
    }

    if (touches.empty()) return;
    touchEvent.setTouches(touches);
    touchEvent.setEventCode(static_cast<EventTouch::EventCode>(eventCode));
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&touchEvent);

    for (auto& touch : touchEvent.getTouches()) {
        touch->release();
    }
}

void GLView::handleTouchesEnd(int num, intptr_t ids[], float xs[], float ys[]) {
    handleTouchesOfEndOrCancel(static_cast<int>(EventTouch::EventCode::ENDED), num, ids, xs, ys);
}

void GLView::handleTouchesCancel(int num, intptr_t ids[], float xs[], float ys[]) {
    handleTouchesOfEndOrCancel(static_cast<int>(EventTouch::EventCode::CANCELLED), num, ids, xs, ys);
}

const Rect& GLView::getViewPortRect() const {
    return _viewPortRect;
}

std::vector<Touch*> GLView::getAllTouches() const {
    std::vector<Touch*> ret;
    int temp = static_cast<int>(g_indexBitsUsed);
    for (int i = 0; i < EventTouch::MAX_TOUCHES; i++) {
        if (temp & 0x00000001) ret.push_back(g_touches[i]);
        temp >>= 1;
    }
    return ret;
}

float GLView::getScaleX() const {
    return _scaleX;
}

float GLView::getScaleY() const {
    return _scaleY;
}

void GLView::renderScene(Scene* scene, Renderer* renderer) {
    if (scene) scene->render(renderer, Mat4::IDENTITY, nullptr);
}

NS_CC_END
