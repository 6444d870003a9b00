// Node: transforms, children and their order, visiting, colour, lifecycle and scheduling.
#include "2d/CCNode.h"

#include <algorithm>

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCTouch.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"

NS_CC_BEGIN

const int Node::INVALID_TAG;
unsigned int Node::s_globalOrderOfArrival = 0;

Node::Node()
    : _rotationX(0.0f),
      _rotationY(0.0f),
      _rotationZ_X(0.0f),
      _rotationZ_Y(0.0f),
      _scaleX(1.0f),
      _scaleY(1.0f),
      _scaleZ(1.0f),
      _positionZ(0.0f),
      _usingNormalizedPosition(false),
      _normalizedPositionDirty(false),
      _skewX(0.0f),
      _skewY(0.0f),
      _contentSize(Size::ZERO),
      _contentSizeDirty(true),
      _transformDirty(true),
      _inverseDirty(true),
      _additionalTransform(nullptr),
      _additionalTransformDirty(false),
      _transformUpdated(true),
      _localZOrder(0),
      _orderOfArrival(0),
      _globalZOrder(0),
      _parent(nullptr),
      _tag(Node::INVALID_TAG),
      _name(""),
      _hashOfName(0),
      _userData(nullptr),
      _userObject(nullptr),
      _glProgramState(nullptr),
      _running(false),
      _visible(true),
      _ignoreAnchorPointForPosition(false),
      _reorderChildDirty(false),
      _isTransitionFinished(false),
      _displayedOpacity(255),
      _realOpacity(255),
      _displayedColor(Color3B::WHITE),
      _realColor(Color3B::WHITE),
      _cascadeColorEnabled(false),
      _cascadeOpacityEnabled(false),
      _cameraMask(1) {
    _director = Director::getInstance();
    _scheduler = Director::getInstance()->getScheduler();
    _scheduler->retain();
    _eventDispatcher = Director::getInstance()->getEventDispatcher();
    _eventDispatcher->retain();
    _transform = _inverse = Mat4::IDENTITY;
}

Node* Node::create() {
    Node* ret = new (std::nothrow) Node();
    if (ret && ret->init()) {
        ret->autorelease();
    } else {
        CC_SAFE_DELETE(ret);
    }
    return ret;
}

Node::~Node() {
    CC_SAFE_RELEASE_NULL(_userObject);
    CC_SAFE_RELEASE_NULL(_glProgramState);

    for (auto& child : _children) {
        child->_parent = nullptr;
    }

    // A node deleted without cleanup must not be called back any more.
    _scheduler->unscheduleAllForTarget(this);
    _eventDispatcher->removeEventListenersForTarget(this);

    CC_SAFE_RELEASE(_eventDispatcher);
    CC_SAFE_RELEASE(_scheduler);

    delete[] _additionalTransform;
}

bool Node::init() {
    return true;
}

std::string Node::getDescription() const {
    return StringUtils::format("<Node | Tag = %d", _tag);
}

// ---- ordering ----

void Node::setLocalZOrder(int z) {
    if (getLocalZOrder() == z) return;
    _setLocalZOrder(z);
    if (_parent) {
        _parent->reorderChild(this, z);
    }
    _eventDispatcher->setDirtyForNode(this);
}

void Node::_setLocalZOrder(int z) {
    _localZOrder = z;
}

void Node::updateOrderOfArrival() {
    _orderOfArrival = (++s_globalOrderOfArrival);
}

void Node::setGlobalZOrder(float globalZOrder) {
    if (_globalZOrder != globalZOrder) {
        _globalZOrder = globalZOrder;
        _eventDispatcher->setDirtyForNode(this);
    }
}

// ---- rotation ----

float Node::getRotation() const {
    CCASSERT(_rotationZ_X == _rotationZ_Y, "CCNode#rotation. RotationX != RotationY. Don't know which one to return");
    return _rotationZ_X;
}

void Node::setRotation(float rotation) {
    if (_rotationZ_X == rotation && _rotationZ_Y == rotation) return;
    _rotationZ_X = _rotationZ_Y = rotation;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getRotationSkewX() const { return _rotationZ_X; }

void Node::setRotationSkewX(float rotationX) {
    if (_rotationZ_X == rotationX) return;
    _rotationZ_X = rotationX;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getRotationSkewY() const { return _rotationZ_Y; }

void Node::setRotationSkewY(float rotationY) {
    if (_rotationZ_Y == rotationY) return;
    _rotationZ_Y = rotationY;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::updateRotation3D() {}

// ---- scale ----

float Node::getScale() const {
    CCASSERT(_scaleX == _scaleY, "CCNode#scale. ScaleX != ScaleY. Don't know which one to return");
    return _scaleX;
}

void Node::setScale(float scale) {
    if (_scaleX == scale && _scaleY == scale && _scaleZ == scale) return;
    _scaleX = _scaleY = _scaleZ = scale;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setScale(float scaleX, float scaleY) {
    if (_scaleX == scaleX && _scaleY == scaleY) return;
    _scaleX = scaleX;
    _scaleY = scaleY;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getScaleX() const { return _scaleX; }

void Node::setScaleX(float scaleX) {
    if (_scaleX == scaleX) return;
    _scaleX = scaleX;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getScaleY() const { return _scaleY; }

void Node::setScaleY(float scaleY) {
    if (_scaleY == scaleY) return;
    _scaleY = scaleY;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getScaleZ() const { return _scaleZ; }

void Node::setScaleZ(float scaleZ) {
    if (_scaleZ == scaleZ) return;
    _scaleZ = scaleZ;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

// ---- position ----

const Vec2& Node::getPosition() const { return _position; }

void Node::getPosition(float* x, float* y) const {
    *x = _position.x;
    *y = _position.y;
}

void Node::setPosition(const Vec2& position) {
    setPosition(position.x, position.y);
}

void Node::setPosition(float x, float y) {
    if (_position.x == x && _position.y == y) return;
    _position.x = x;
    _position.y = y;
    _transformUpdated = _transformDirty = _inverseDirty = true;
    _usingNormalizedPosition = false;
}

void Node::setPosition3D(const Vec3& position) {
    setPositionZ(position.z);
    setPosition(position.x, position.y);
}

Vec3 Node::getPosition3D() const {
    return Vec3(_position.x, _position.y, _positionZ);
}

float Node::getPositionX() const { return _position.x; }

void Node::setPositionX(float x) { setPosition(x, _position.y); }

float Node::getPositionY() const { return _position.y; }

void Node::setPositionY(float y) { setPosition(_position.x, y); }

float Node::getPositionZ() const { return _positionZ; }

void Node::setPositionZ(float positionZ) {
    if (_positionZ == positionZ) return;
    _transformUpdated = _transformDirty = _inverseDirty = true;
    _positionZ = positionZ;
}

const Vec2& Node::getNormalizedPosition() const { return _normalizedPosition; }

void Node::setNormalizedPosition(const Vec2& position) {
    if (_normalizedPosition.equals(position) && _usingNormalizedPosition) return;
    _normalizedPosition = position;
    _usingNormalizedPosition = true;
    _normalizedPositionDirty = true;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

// ---- skew ----

float Node::getSkewX() const { return _skewX; }

void Node::setSkewX(float skewX) {
    if (_skewX == skewX) return;
    _skewX = skewX;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getSkewY() const { return _skewY; }

void Node::setSkewY(float skewY) {
    if (_skewY == skewY) return;
    _skewY = skewY;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

// ---- anchor point, size, visibility ----

const Vec2& Node::getAnchorPointInPoints() const { return _anchorPointInPoints; }

const Vec2& Node::getAnchorPoint() const { return _anchorPoint; }

void Node::setAnchorPoint(const Vec2& point) {
    if (!point.equals(_anchorPoint)) {
        _anchorPoint = point;
        _anchorPointInPoints.set(_contentSize.width * _anchorPoint.x, _contentSize.height * _anchorPoint.y);
        _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

const Size& Node::getContentSize() const { return _contentSize; }

void Node::setContentSize(const Size& size) {
    if (!size.equals(_contentSize)) {
        _contentSize = size;
        _anchorPointInPoints.set(_contentSize.width * _anchorPoint.x, _contentSize.height * _anchorPoint.y);
        _transformUpdated = _transformDirty = _inverseDirty = _contentSizeDirty = true;
    }
}

bool Node::isVisible() const { return _visible; }

void Node::setVisible(bool visible) {
    if (visible != _visible) {
        _visible = visible;
        if (_visible) _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

bool Node::isIgnoreAnchorPointForPosition() const { return _ignoreAnchorPointForPosition; }

void Node::setIgnoreAnchorPointForPosition(bool newValue) {
    if (newValue != _ignoreAnchorPointForPosition) {
        _ignoreAnchorPointForPosition = newValue;
        _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

// ---- tag, name, user data ----

int Node::getTag() const { return _tag; }

void Node::setTag(int tag) { _tag = tag; }

const std::string& Node::getName() const { return _name; }

void Node::setName(const std::string& name) {
    _name = name;
    std::hash<std::string> h;
    _hashOfName = h(name);
}

void Node::setUserData(void* userData) { _userData = userData; }

void Node::setUserObject(Ref* userObject) {
    CC_SAFE_RETAIN(userObject);
    CC_SAFE_RELEASE(_userObject);
    _userObject = userObject;
}

// ---- shader ----

GLProgram* Node::getGLProgram() const {
    return _glProgramState ? _glProgramState->getGLProgram() : nullptr;
}

void Node::setGLProgram(GLProgram* glProgram) {
    if (_glProgramState == nullptr || (_glProgramState && _glProgramState->getGLProgram() != glProgram)) {
        CC_SAFE_RELEASE(_glProgramState);
        _glProgramState = glProgram ? GLProgramState::getOrCreateWithGLProgram(glProgram) : nullptr;
        CC_SAFE_RETAIN(_glProgramState);
    }
}

GLProgramState* Node::getGLProgramState() const { return _glProgramState; }

void Node::setGLProgramState(GLProgramState* glProgramState) {
    if (glProgramState != _glProgramState) {
        CC_SAFE_RETAIN(glProgramState);
        CC_SAFE_RELEASE(_glProgramState);
        _glProgramState = glProgramState;
    }
}

Scene* Node::getScene() const {
    if (!_parent) return nullptr;
    auto sceneNode = _parent;
    while (sceneNode->_parent) {
        sceneNode = sceneNode->_parent;
    }
    return dynamic_cast<Scene*>(sceneNode);
}

Rect Node::getBoundingBox() const {
    Rect rect(0, 0, _contentSize.width, _contentSize.height);
    return RectApplyAffineTransform(rect, getNodeToParentAffineTransform());
}

// ---- children ----

void Node::childrenAlloc() {
    _children.reserve(4);
}

Node* Node::getChildByTag(int tag) const {
    CCASSERT(tag != Node::INVALID_TAG, "Invalid tag");
    for (const auto child : _children) {
        if (child && child->_tag == tag) return child;
    }
    return nullptr;
}

Node* Node::getChildByName(const std::string& name) const {
    CCASSERT(!name.empty(), "Invalid name");
    std::hash<std::string> h;
    size_t hash = h(name);
    for (const auto& child : _children) {
        if (child->_hashOfName == hash && child->_name.compare(name) == 0) return child;
    }
    return nullptr;
}

void Node::addChild(Node* child, int localZOrder, int tag) {
    addChildHelper(child, localZOrder, tag, "", true);
}

void Node::addChild(Node* child, int localZOrder, const std::string& name) {
    addChildHelper(child, localZOrder, INVALID_TAG, name, false);
}

void Node::addChildHelper(Node* child, int localZOrder, int tag, const std::string& name, bool setTag) {
    if (child == nullptr || child == this) return;
    if (child->_parent != nullptr) {
        CCLOG("child already added. It can't be added again");
        return;
    }
    for (Node* p = this; p != nullptr; p = p->_parent) {
        if (p == child) return;  // would make a cycle
    }

    if (_children.empty()) {
        this->childrenAlloc();
    }

    this->insertChild(child, localZOrder);

    if (setTag)
        child->setTag(tag);
    else
        child->setName(name);

    child->setParent(this);
    child->updateOrderOfArrival();

    if (_running) {
        child->onEnter();
        if (_isTransitionFinished) {
            child->onEnterTransitionDidFinish();
        }
    }

    if (_cascadeColorEnabled) updateCascadeColor();
    if (_cascadeOpacityEnabled) updateCascadeOpacity();
}

void Node::addChild(Node* child, int zOrder) {
    if (child == nullptr) return;
    this->addChild(child, zOrder, child->_name);
}

void Node::addChild(Node* child) {
    if (child == nullptr) return;
    this->addChild(child, child->_localZOrder, child->_name);
}

ssize_t Node::getChildrenCount() const { return _children.size(); }

void Node::setParent(Node* parent) {
    _parent = parent;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::insertChild(Node* child, int z) {
    _transformUpdated = true;
    _reorderChildDirty = true;
    _children.pushBack(child);
    child->_setLocalZOrder(z);
}

void Node::removeFromParent() {
    this->removeFromParentAndCleanup(true);
}

void Node::removeFromParentAndCleanup(bool cleanup) {
    if (_parent != nullptr) {
        _parent->removeChild(this, cleanup);
    }
}

void Node::removeChild(Node* child, bool cleanup) {
    if (_children.empty() || child == nullptr) return;
    ssize_t index = _children.getIndex(child);
    if (index != -1) this->detachChild(child, index, cleanup);
}

void Node::removeChildByTag(int tag, bool cleanup) {
    Node* child = this->getChildByTag(tag);
    if (child == nullptr) {
        CCLOG("cocos2d: removeChildByTag(tag = %d): child not found!", tag);
    } else {
        this->removeChild(child, cleanup);
    }
}

void Node::removeChildByName(const std::string& name, bool cleanup) {
    Node* child = this->getChildByName(name);
    if (child == nullptr) {
        CCLOG("cocos2d: removeChildByName(name = %s): child not found!", name.c_str());
    } else {
        this->removeChild(child, cleanup);
    }
}

void Node::removeAllChildren() {
    this->removeAllChildrenWithCleanup(true);
}

void Node::removeAllChildrenWithCleanup(bool cleanup) {
    // Keep the children alive while the callbacks run; they may touch siblings.
    Vector<Node*> children = _children;
    for (const auto& child : children) {
        if (_running) {
            child->onExitTransitionDidStart();
            child->onExit();
        }
        if (cleanup) {
            child->cleanup();
        }
        child->setParent(nullptr);
    }
    _children.clear();
}

void Node::detachChild(Node* child, ssize_t childIndex, bool doCleanup) {
    // The child stays alive until it is erased from the list below.
    if (_running) {
        child->onExitTransitionDidStart();
        child->onExit();
    }
    if (doCleanup) {
        child->cleanup();
    }
    child->setParent(nullptr);
    // onExit may have reordered the list.
    ssize_t index = _children.getIndex(child);
    if (index != -1) _children.erase(index);
    (void)childIndex;
}

void Node::reorderChild(Node* child, int zOrder) {
    if (child == nullptr) return;
    _reorderChildDirty = true;
    child->updateOrderOfArrival();
    child->_setLocalZOrder(zOrder);
}

void Node::sortAllChildren() {
    if (_reorderChildDirty) {
        sortNodes(_children);
        _reorderChildDirty = false;
        _eventDispatcher->setDirtyForNode(this);
    }
}

// ---- drawing ----

void Node::draw() {
    auto renderer = Director::getInstance()->getRenderer();
    draw(renderer, _modelViewTransform, FLAGS_TRANSFORM_DIRTY);
}

void Node::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {}

void Node::visit() {
    auto renderer = Director::getInstance()->getRenderer();
    auto& parentTransform = Director::getInstance()->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    visit(renderer, parentTransform, FLAGS_TRANSFORM_DIRTY);
}

uint32_t Node::processParentFlags(const Mat4& parentTransform, uint32_t parentFlags) {
    if (_usingNormalizedPosition && _parent) {
        if ((parentFlags & FLAGS_CONTENT_SIZE_DIRTY) || _normalizedPositionDirty) {
            auto& s = _parent->getContentSize();
            _position.x = _normalizedPosition.x * s.width;
            _position.y = _normalizedPosition.y * s.height;
            _transformUpdated = _transformDirty = _inverseDirty = true;
            _normalizedPositionDirty = false;
        }
    }

    uint32_t flags = parentFlags;
    flags |= (_transformUpdated ? FLAGS_TRANSFORM_DIRTY : 0);
    flags |= (_contentSizeDirty ? FLAGS_CONTENT_SIZE_DIRTY : 0);

    if (flags & FLAGS_DIRTY_MASK) _modelViewTransform = this->transform(parentTransform);

    _transformUpdated = false;
    _contentSizeDirty = false;
    return flags;
}

void Node::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) {
    if (!_visible) return;

    uint32_t flags = processParentFlags(parentTransform, parentFlags);

    // Legacy drawing code reads the model-view matrix from the director's stack.
    Director::getInstance()->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    Director::getInstance()->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, _modelViewTransform);

    int i = 0;
    if (!_children.empty()) {
        sortAllChildren();
        for (auto size = _children.size(); i < size; ++i) {
            auto node = _children.at(i);
            if (node && node->_localZOrder < 0)
                node->visit(renderer, _modelViewTransform, flags);
            else
                break;
        }
        this->draw(renderer, _modelViewTransform, flags);
        for (auto it = _children.cbegin() + i; it != _children.cend(); ++it) {
            (*it)->visit(renderer, _modelViewTransform, flags);
        }
    } else {
        this->draw(renderer, _modelViewTransform, flags);
    }

    Director::getInstance()->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
}

Mat4 Node::transform(const Mat4& parentTransform) {
    return parentTransform * this->getNodeToParentTransform();
}

// ---- lifecycle ----

void Node::onEnter() {
    if (_onEnterCallback) _onEnterCallback();
    _isTransitionFinished = false;
    for (const auto& child : _children) child->onEnter();
    this->resume();
    _running = true;
}

void Node::onEnterTransitionDidFinish() {
    if (_onEnterTransitionDidFinishCallback) _onEnterTransitionDidFinishCallback();
    _isTransitionFinished = true;
    for (const auto& child : _children) child->onEnterTransitionDidFinish();
}

void Node::onExitTransitionDidStart() {
    if (_onExitTransitionDidStartCallback) _onExitTransitionDidStartCallback();
    for (const auto& child : _children) child->onExitTransitionDidStart();
}

void Node::onExit() {
    if (_onExitCallback) _onExitCallback();
    this->pause();
    _running = false;
    for (const auto& child : _children) child->onExit();
}

bool Node::isRunning() const { return _running; }

void Node::cleanup() {
    this->unscheduleAllCallbacks();
    _eventDispatcher->removeEventListenersForTarget(this);
    for (const auto& child : _children) child->cleanup();
}

// ---- scheduling ----

void Node::setEventDispatcher(EventDispatcher* dispatcher) {
    if (dispatcher != _eventDispatcher) {
        _eventDispatcher->removeEventListenersForTarget(this);
        CC_SAFE_RETAIN(dispatcher);
        CC_SAFE_RELEASE(_eventDispatcher);
        _eventDispatcher = dispatcher;
    }
}

void Node::setScheduler(Scheduler* scheduler) {
    if (scheduler != _scheduler) {
        this->unscheduleAllCallbacks();
        CC_SAFE_RETAIN(scheduler);
        CC_SAFE_RELEASE(_scheduler);
        _scheduler = scheduler;
    }
}

bool Node::isScheduled(SEL_SCHEDULE selector) const {
    return _scheduler->isScheduled(selector, this);
}

bool Node::isScheduled(const std::string& key) const {
    return _scheduler->isScheduled(key, this);
}

void Node::scheduleUpdate() {
    scheduleUpdateWithPriority(0);
}

void Node::scheduleUpdateWithPriority(int priority) {
    _scheduler->scheduleUpdate(this, priority, !_running);
}

void Node::unscheduleUpdate() {
    _scheduler->unscheduleUpdate(this);
}

void Node::schedule(SEL_SCHEDULE selector) {
    this->schedule(selector, 0.0f, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval) {
    this->schedule(selector, interval, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay) {
    if (selector == nullptr) return;
    _scheduler->schedule(selector, this, interval, repeat, delay, !_running);
}

void Node::schedule(const std::function<void(float)>& callback, const std::string& key) {
    _scheduler->schedule(callback, this, 0, !_running, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, const std::string& key) {
    _scheduler->schedule(callback, this, interval, !_running, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, unsigned int repeat, float delay,
                    const std::string& key) {
    _scheduler->schedule(callback, this, interval, repeat, delay, !_running, key);
}

void Node::scheduleOnce(SEL_SCHEDULE selector, float delay) {
    this->schedule(selector, 0.0f, 0, delay);
}

void Node::scheduleOnce(const std::function<void(float)>& callback, float delay, const std::string& key) {
    _scheduler->schedule(callback, this, 0, 0, delay, !_running, key);
}

void Node::unschedule(SEL_SCHEDULE selector) {
    if (selector == nullptr) return;
    _scheduler->unschedule(selector, this);
}

void Node::unschedule(const std::string& key) {
    _scheduler->unschedule(key, this);
}

void Node::unscheduleAllCallbacks() {
    _scheduler->unscheduleAllForTarget(this);
}

void Node::resume() {
    _scheduler->resumeTarget(this);
    _eventDispatcher->resumeEventListenersForTarget(this);
}

void Node::pause() {
    _scheduler->pauseTarget(this);
    _eventDispatcher->pauseEventListenersForTarget(this);
}

void Node::update(float fDelta) {}

// ---- transforms ----

void Node::updateTransform() {
    for (const auto& child : _children) child->updateTransform();
}

AffineTransform Node::getNodeToParentAffineTransform() const {
    AffineTransform ret;
    GLToCGAffine(getNodeToParentTransform().m, &ret);
    return ret;
}

Mat4 Node::getNodeToParentTransform(Node* ancestor) const {
    Mat4 t(this->getNodeToParentTransform());
    for (Node* p = _parent; p != nullptr && p != ancestor; p = p->getParent()) {
        t = p->getNodeToParentTransform() * t;
    }
    return t;
}

AffineTransform Node::getNodeToParentAffineTransform(Node* ancestor) const {
    AffineTransform t(this->getNodeToParentAffineTransform());
    for (Node* p = _parent; p != nullptr && p != ancestor; p = p->getParent()) {
        t = AffineTransformConcat(t, p->getNodeToParentAffineTransform());
    }
    return t;
}

const Mat4& Node::getNodeToParentTransform() const {
    if (_transformDirty) {
        float x = _position.x;
        float y = _position.y;
        float z = _positionZ;

        if (_ignoreAnchorPointForPosition) {
            x += _anchorPointInPoints.x;
            y += _anchorPointInPoints.y;
        }

        bool needsSkewMatrix = (_skewX || _skewY);

        // Rotation: positive angles turn clockwise, hence the negated Z angle.
        Mat4::createRotationZ(-CC_DEGREES_TO_RADIANS(_rotationZ_X), &_transform);
        if (_rotationZ_X != _rotationZ_Y) {
            float radiansX = -CC_DEGREES_TO_RADIANS(_rotationZ_X);
            float radiansY = -CC_DEGREES_TO_RADIANS(_rotationZ_Y);
            float cx = std::cos(radiansX);
            float sx = std::sin(radiansX);
            float cy = std::cos(radiansY);
            float sy = std::sin(radiansY);
            _transform.m[0] = cy;
            _transform.m[1] = sy;
            _transform.m[4] = -sx;
            _transform.m[5] = cx;
        }
        if (_rotationX != 0.0f) _transform.rotateX(CC_DEGREES_TO_RADIANS(_rotationX));
        if (_rotationY != 0.0f) _transform.rotateY(CC_DEGREES_TO_RADIANS(_rotationY));

        _transform.m[12] = x;
        _transform.m[13] = y;
        _transform.m[14] = z;

        if (_scaleX != 1.f) {
            _transform.m[0] *= _scaleX;
            _transform.m[1] *= _scaleX;
            _transform.m[2] *= _scaleX;
        }
        if (_scaleY != 1.f) {
            _transform.m[4] *= _scaleY;
            _transform.m[5] *= _scaleY;
            _transform.m[6] *= _scaleY;
        }
        if (_scaleZ != 1.f) {
            _transform.m[8] *= _scaleZ;
            _transform.m[9] *= _scaleZ;
            _transform.m[10] *= _scaleZ;
        }

        if (needsSkewMatrix) {
            float skewMatArray[16] = {1, std::tan(CC_DEGREES_TO_RADIANS(_skewY)), 0, 0,
                                      std::tan(CC_DEGREES_TO_RADIANS(_skewX)), 1, 0, 0,
                                      0, 0, 1, 0,
                                      0, 0, 0, 1};
            Mat4 skewMatrix(skewMatArray);
            _transform = _transform * skewMatrix;
        }

        if (!_anchorPointInPoints.isZero()) {
            _transform.m[12] += _transform.m[0] * -_anchorPointInPoints.x + _transform.m[4] * -_anchorPointInPoints.y;
            _transform.m[13] += _transform.m[1] * -_anchorPointInPoints.x + _transform.m[5] * -_anchorPointInPoints.y;
            _transform.m[14] += _transform.m[2] * -_anchorPointInPoints.x + _transform.m[6] * -_anchorPointInPoints.y;
        }

        if (_additionalTransform) {
            // _additionalTransform[0] keeps the plain transform, [1] the additional one.
            _additionalTransform[0] = _transform;
            _transform = _transform * _additionalTransform[1];
        }
        _transformDirty = false;
    }
    return _transform;
}

void Node::setNodeToParentTransform(const Mat4& transform) {
    _transform = transform;
    _transformDirty = false;
    _transformUpdated = true;
    if (_additionalTransform) _additionalTransform[0] = transform;
}

void Node::setAdditionalTransform(const AffineTransform& additionalTransform) {
    Mat4 tmp;
    CGAffineToGL(additionalTransform, tmp.m);
    setAdditionalTransform(&tmp);
}

void Node::setAdditionalTransform(const Mat4& additionalTransform) {
    setAdditionalTransform(&additionalTransform);
}

void Node::setAdditionalTransform(const Mat4* additionalTransform) {
    if (additionalTransform == nullptr) {
        delete[] _additionalTransform;
        _additionalTransform = nullptr;
    } else {
        if (!_additionalTransform) _additionalTransform = new Mat4[2];
        _additionalTransform[1] = *additionalTransform;
    }
    _transformUpdated = _additionalTransformDirty = _inverseDirty = _transformDirty = true;
}

AffineTransform Node::getParentToNodeAffineTransform() const {
    AffineTransform ret;
    GLToCGAffine(getParentToNodeTransform().m, &ret);
    return ret;
}

const Mat4& Node::getParentToNodeTransform() const {
    if (_inverseDirty) {
        _inverse = getNodeToParentTransform().getInversed();
        _inverseDirty = false;
    }
    return _inverse;
}

AffineTransform Node::getNodeToWorldAffineTransform() const {
    return this->getNodeToParentAffineTransform(nullptr);
}

Mat4 Node::getNodeToWorldTransform() const {
    return this->getNodeToParentTransform(nullptr);
}

AffineTransform Node::getWorldToNodeAffineTransform() const {
    return AffineTransformInvert(this->getNodeToWorldAffineTransform());
}

Mat4 Node::getWorldToNodeTransform() const {
    return getNodeToWorldTransform().getInversed();
}

Vec2 Node::convertToNodeSpace(const Vec2& worldPoint) const {
    Mat4 tmp = getWorldToNodeTransform();
    Vec3 vec3(worldPoint.x, worldPoint.y, 0);
    Vec3 ret;
    tmp.transformPoint(vec3, &ret);
    return Vec2(ret.x, ret.y);
}

Vec2 Node::convertToWorldSpace(const Vec2& nodePoint) const {
    Mat4 tmp = getNodeToWorldTransform();
    Vec3 vec3(nodePoint.x, nodePoint.y, 0);
    Vec3 ret;
    tmp.transformPoint(vec3, &ret);
    return Vec2(ret.x, ret.y);
}

Vec2 Node::convertToNodeSpaceAR(const Vec2& worldPoint) const {
    Vec2 nodePoint(convertToNodeSpace(worldPoint));
    return nodePoint - _anchorPointInPoints;
}

Vec2 Node::convertToWorldSpaceAR(const Vec2& nodePoint) const {
    return convertToWorldSpace(nodePoint + _anchorPointInPoints);
}

Vec2 Node::convertToWindowSpace(const Vec2& nodePoint) const {
    Vec2 worldPoint(this->convertToWorldSpace(nodePoint));
    return Director::getInstance()->convertToUI(worldPoint);
}

Vec2 Node::convertTouchToNodeSpace(Touch* touch) const {
    return this->convertToNodeSpace(touch->getLocation());
}

Vec2 Node::convertTouchToNodeSpaceAR(Touch* touch) const {
    Vec2 point = touch->getLocation();
    return this->convertToNodeSpaceAR(point);
}

// ---- colour and opacity ----

GLubyte Node::getOpacity() const { return _realOpacity; }

GLubyte Node::getDisplayedOpacity() const { return _displayedOpacity; }

void Node::setOpacity(GLubyte opacity) {
    _displayedOpacity = _realOpacity = opacity;
    updateCascadeOpacity();
}

void Node::updateDisplayedOpacity(GLubyte parentOpacity) {
    _displayedOpacity = static_cast<GLubyte>(_realOpacity * parentOpacity / 255.0);
    updateColor();
    if (_cascadeOpacityEnabled) {
        for (const auto& child : _children) child->updateDisplayedOpacity(_displayedOpacity);
    }
}

bool Node::isCascadeOpacityEnabled() const { return _cascadeOpacityEnabled; }

void Node::setCascadeOpacityEnabled(bool cascadeOpacityEnabled) {
    if (_cascadeOpacityEnabled == cascadeOpacityEnabled) return;
    _cascadeOpacityEnabled = cascadeOpacityEnabled;
    if (cascadeOpacityEnabled)
        updateCascadeOpacity();
    else
        disableCascadeOpacity();
}

void Node::updateCascadeOpacity() {
    GLubyte parentOpacity = 255;
    if (_parent != nullptr && _parent->isCascadeOpacityEnabled()) parentOpacity = _parent->getDisplayedOpacity();
    updateDisplayedOpacity(parentOpacity);
}

void Node::disableCascadeOpacity() {
    _displayedOpacity = _realOpacity;
    for (const auto& child : _children) child->updateDisplayedOpacity(255);
}

const Color3B& Node::getColor() const { return _realColor; }

const Color3B& Node::getDisplayedColor() const { return _displayedColor; }

void Node::setColor(const Color3B& color) {
    _displayedColor = _realColor = color;
    updateCascadeColor();
}

void Node::updateDisplayedColor(const Color3B& parentColor) {
    _displayedColor.r = static_cast<GLubyte>(_realColor.r * parentColor.r / 255.0);
    _displayedColor.g = static_cast<GLubyte>(_realColor.g * parentColor.g / 255.0);
    _displayedColor.b = static_cast<GLubyte>(_realColor.b * parentColor.b / 255.0);
    updateColor();
    if (_cascadeColorEnabled) {
        for (const auto& child : _children) child->updateDisplayedColor(_displayedColor);
    }
}

bool Node::isCascadeColorEnabled() const { return _cascadeColorEnabled; }

void Node::setCascadeColorEnabled(bool cascadeColorEnabled) {
    if (_cascadeColorEnabled == cascadeColorEnabled) return;
    _cascadeColorEnabled = cascadeColorEnabled;
    if (_cascadeColorEnabled)
        updateCascadeColor();
    else
        disableCascadeColor();
}

void Node::updateCascadeColor() {
    Color3B parentColor = Color3B::WHITE;
    if (_parent && _parent->isCascadeColorEnabled()) parentColor = _parent->getDisplayedColor();
    updateDisplayedColor(parentColor);
}

void Node::disableCascadeColor() {
    for (const auto& child : _children) child->updateDisplayedColor(Color3B::WHITE);
}

void Node::setCameraMask(unsigned short mask, bool applyChildren) {
    _cameraMask = mask;
    if (applyChildren) {
        for (const auto& child : _children) child->setCameraMask(mask, applyChildren);
    }
}

NS_CC_END
