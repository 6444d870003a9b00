// Director: scene switching, the frame (update, draw, swap), projection, matrix stacks, purge.
#include "base/CCDirector.h"

#include <cmath>

#include "2d/CCCamera.h"
#include "2d/CCDrawingPrimitives.h"
#include "2d/CCScene.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCScheduler.h"
#include "base/ccMacros.h"
#include "platform/CCApplication.h"
#include "platform/CCFileUtils.h"
#include "platform/CCGLView.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramStateCache.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTextureCache.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

static Director* s_SharedDirector = nullptr;

const char* Director::EVENT_BEFORE_SET_NEXT_SCENE = "director_before_set_next_scene";
const char* Director::EVENT_AFTER_SET_NEXT_SCENE = "director_after_set_next_scene";
const char* Director::EVENT_PROJECTION_CHANGED = "director_projection_changed";
const char* Director::EVENT_AFTER_DRAW = "director_after_draw";
const char* Director::EVENT_AFTER_VISIT = "director_after_visit";
const char* Director::EVENT_BEFORE_UPDATE = "director_before_update";
const char* Director::EVENT_AFTER_UPDATE = "director_after_update";
const char* Director::EVENT_RESET = "director_reset";
const char* Director::EVENT_BEFORE_DRAW = "director_before_draw";

Director* Director::getInstance() {
    if (!s_SharedDirector) {
        s_SharedDirector = new (std::nothrow) Director;
        s_SharedDirector->init();
    }
    return s_SharedDirector;
}

Director::Director()
    : _purgeDirectorInNextLoop(false),
      _restartDirectorInNextLoop(false),
      _scheduler(nullptr),
      _eventDispatcher(nullptr),
      _eventProjectionChanged(nullptr),
      _eventBeforeDraw(nullptr),
      _eventAfterDraw(nullptr),
      _eventAfterVisit(nullptr),
      _eventBeforeUpdate(nullptr),
      _eventAfterUpdate(nullptr),
      _eventResetDirector(nullptr),
      _beforeSetNextScene(nullptr),
      _afterSetNextScene(nullptr),
      _deltaTime(0.0f),
      _deltaTimePassedByCaller(false),
      _openGLView(nullptr),
      _textureCache(nullptr),
      _animationInterval(1.0f / 60),
      _oldAnimationInterval(1.0f / 60),
      _displayStats(false),
      _accumDt(0.0f),
      _frameRate(0.0f),
      _secondsPerFrame(1.0f),
      _paused(false),
      _invalid(false),
      _totalFrames(0),
      _runningScene(nullptr),
      _nextScene(nullptr),
      _sendCleanupToScene(false),
      _nextDeltaTimeZero(false),
      _projection(Projection::DEFAULT),
      _contentScaleFactor(1.0f),
      _notificationNode(nullptr),
      _renderer(nullptr),
      _clearColor(0, 0, 0, 1),
      _isStatusLabelUpdated(true) {}

bool Director::init() {
    setDefaultValues();

    _scenesStack.reserve(15);
    _lastUpdate = std::chrono::steady_clock::now();

    _scheduler = new (std::nothrow) Scheduler();

    // Dispatching stays off until a view is set, as in the engine.
    _eventDispatcher = new (std::nothrow) EventDispatcher();
    _eventDispatcher->setEnabled(false);

    _beforeSetNextScene = new (std::nothrow) EventCustom(EVENT_BEFORE_SET_NEXT_SCENE);
    _beforeSetNextScene->setUserData(this);
    _afterSetNextScene = new (std::nothrow) EventCustom(EVENT_AFTER_SET_NEXT_SCENE);
    _afterSetNextScene->setUserData(this);
    _eventAfterDraw = new (std::nothrow) EventCustom(EVENT_AFTER_DRAW);
    _eventAfterDraw->setUserData(this);
    _eventBeforeDraw = new (std::nothrow) EventCustom(EVENT_BEFORE_DRAW);
    _eventBeforeDraw->setUserData(this);
    _eventAfterVisit = new (std::nothrow) EventCustom(EVENT_AFTER_VISIT);
    _eventAfterVisit->setUserData(this);
    _eventBeforeUpdate = new (std::nothrow) EventCustom(EVENT_BEFORE_UPDATE);
    _eventBeforeUpdate->setUserData(this);
    _eventAfterUpdate = new (std::nothrow) EventCustom(EVENT_AFTER_UPDATE);
    _eventAfterUpdate->setUserData(this);
    _eventProjectionChanged = new (std::nothrow) EventCustom(EVENT_PROJECTION_CHANGED);
    _eventProjectionChanged->setUserData(this);
    _eventResetDirector = new (std::nothrow) EventCustom(EVENT_RESET);

    _textureCache = new (std::nothrow) TextureCache();

    initMatrixStack();

    _renderer = new (std::nothrow) Renderer;
    return true;
}

Director::~Director() {
    CC_SAFE_RELEASE(_scheduler);

    delete _beforeSetNextScene;
    delete _afterSetNextScene;
    delete _eventBeforeUpdate;
    delete _eventAfterUpdate;
    delete _eventAfterDraw;
    delete _eventBeforeDraw;
    delete _eventAfterVisit;
    delete _eventProjectionChanged;
    delete _eventResetDirector;

    delete _renderer;
    CC_SAFE_RELEASE(_eventDispatcher);

    s_SharedDirector = nullptr;
}

void Director::setDefaultValues() {
    _animationInterval = _oldAnimationInterval = 1.0f / 60;
    _displayStats = false;
    _projection = Projection::_3D;
}

bool Director::isGLReady() const {
    return _openGLView != nullptr && glUseProgram != nullptr;
}

void Director::setGLDefaultValues() {
    CCASSERT(_openGLView, "opengl view should not be null");
    setAlphaBlending(true);
    setDepthTest(false);
    setProjection(_projection);
}

void Director::mainLoop() {
    if (_purgeDirectorInNextLoop) {
        _purgeDirectorInNextLoop = false;
        purgeDirector();
    } else if (_restartDirectorInNextLoop) {
        _restartDirectorInNextLoop = false;
        restartDirector();
    } else if (!_invalid) {
        drawScene();
        PoolManager::getInstance()->getCurrentPool()->clear();
    }
}

void Director::mainLoop(float dt) {
    _deltaTime = dt;
    _deltaTimePassedByCaller = true;
    mainLoop();
    _deltaTimePassedByCaller = false;
}

void Director::drawScene() {
    calculateDeltaTime();

    if (_openGLView) {
        _openGLView->pollEvents();
    }

    if (!_paused) {
        _eventDispatcher->dispatchEvent(_eventBeforeUpdate);
        _scheduler->update(_deltaTime);
        _eventDispatcher->dispatchEvent(_eventAfterUpdate);
    }

    _renderer->clear();
    _eventDispatcher->dispatchEvent(_eventBeforeDraw);

    // A scene set by runWithScene/replaceScene takes over here, so that its
    // nodes are not deleted while the previous frame still ran.
    if (_nextScene) {
        setNextScene();
    }

    pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);

    if (_runningScene) {
        _renderer->clearDrawStats();
        if (_openGLView)
            _openGLView->renderScene(_runningScene, _renderer);
        else
            _runningScene->render(_renderer, Mat4::IDENTITY, nullptr);
        _eventDispatcher->dispatchEvent(_eventAfterVisit);
    }

    if (_notificationNode) {
        _notificationNode->visit(_renderer, Mat4::IDENTITY, 0);
    }

    updateFrameRate();

    _renderer->render();

    _eventDispatcher->dispatchEvent(_eventAfterDraw);

    popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);

    _totalFrames++;

    if (_openGLView) {
        _openGLView->swapBuffers();
    }
}

void Director::calculateDeltaTime() {
    auto now = std::chrono::steady_clock::now();
    if (_nextDeltaTimeZero) {
        _deltaTime = 0;
        _nextDeltaTimeZero = false;
        _lastUpdate = now;
    } else {
        if (!_deltaTimePassedByCaller) {
            _deltaTime = std::chrono::duration_cast<std::chrono::microseconds>(now - _lastUpdate).count() / 1000000.0f;
            _lastUpdate = now;
        }
        _deltaTime = std::max(0.0f, _deltaTime);
    }
}

float Director::getDeltaTime() const {
    return _deltaTime;
}

void Director::updateFrameRate() {
    if (_deltaTime > 0) _frameRate = 1.0f / _deltaTime;
}

void Director::setOpenGLView(GLView* openGLView) {
    CCASSERT(openGLView, "opengl view should not be null");
    if (openGLView == nullptr) return;

    if (_openGLView != openGLView) {
        if (_openGLView) _openGLView->release();
        _openGLView = openGLView;
        _openGLView->retain();

        _winSizeInPoints = _openGLView->getDesignResolutionSize();
        _isStatusLabelUpdated = true;

        if (isGLReady()) {
            setGLDefaultValues();
        }
        _renderer->initGLView();

        if (_eventDispatcher) {
            _eventDispatcher->setEnabled(true);
        }
    }
}

TextureCache* Director::getTextureCache() const {
    return _textureCache;
}

void Director::setNextDeltaTimeZero(bool nextDeltaTimeZero) {
    _nextDeltaTimeZero = nextDeltaTimeZero;
}

// ---- matrix stacks ----

void Director::initMatrixStack() {
    while (!_modelViewMatrixStack.empty()) _modelViewMatrixStack.pop();
    _projectionMatrixStackList.clear();
    while (!_textureMatrixStack.empty()) _textureMatrixStack.pop();

    _modelViewMatrixStack.push(Mat4::IDENTITY);
    std::stack<Mat4> projectionMatrixStack;
    projectionMatrixStack.push(Mat4::IDENTITY);
    _projectionMatrixStackList.push_back(projectionMatrixStack);
    _textureMatrixStack.push(Mat4::IDENTITY);
}

void Director::resetMatrixStack() {
    initMatrixStack();
}

void Director::initProjectionMatrixStack(size_t stackCount) {
    _projectionMatrixStackList.clear();
    std::stack<Mat4> projectionMatrixStack;
    projectionMatrixStack.push(Mat4::IDENTITY);
    for (size_t i = 0; i < stackCount; ++i) _projectionMatrixStackList.push_back(projectionMatrixStack);
}

size_t Director::getProjectionMatrixStackSize() {
    return _projectionMatrixStackList.size();
}

void Director::popMatrix(MATRIX_STACK_TYPE type) {
    std::stack<Mat4>* s = nullptr;
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW)
        s = &_modelViewMatrixStack;
    else if (type == MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION)
        s = &_projectionMatrixStackList[0];
    else
        s = &_textureMatrixStack;
    // The engine does not check; an underflow here would corrupt the stack.
    if (s->size() > 1) s->pop();
}

void Director::popProjectionMatrix(size_t index) {
    if (_projectionMatrixStackList[index].size() > 1) _projectionMatrixStackList[index].pop();
}

void Director::loadIdentityMatrix(MATRIX_STACK_TYPE type) {
    loadMatrix(type, Mat4::IDENTITY);
}

void Director::loadProjectionIdentityMatrix(size_t index) {
    _projectionMatrixStackList[index].top() = Mat4::IDENTITY;
}

void Director::loadMatrix(MATRIX_STACK_TYPE type, const Mat4& mat) {
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW)
        _modelViewMatrixStack.top() = mat;
    else if (type == MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION)
        _projectionMatrixStackList[0].top() = mat;
    else
        _textureMatrixStack.top() = mat;
}

void Director::loadProjectionMatrix(const Mat4& mat, size_t index) {
    _projectionMatrixStackList[index].top() = mat;
}

void Director::multiplyMatrix(MATRIX_STACK_TYPE type, const Mat4& mat) {
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW)
        _modelViewMatrixStack.top() *= mat;
    else if (type == MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION)
        _projectionMatrixStackList[0].top() *= mat;
    else
        _textureMatrixStack.top() *= mat;
}

void Director::multiplyProjectionMatrix(const Mat4& mat, size_t index) {
    _projectionMatrixStackList[index].top() *= mat;
}

void Director::pushMatrix(MATRIX_STACK_TYPE type) {
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW)
        _modelViewMatrixStack.push(_modelViewMatrixStack.top());
    else if (type == MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION)
        _projectionMatrixStackList[0].push(_projectionMatrixStackList[0].top());
    else
        _textureMatrixStack.push(_textureMatrixStack.top());
}

void Director::pushProjectionMatrix(size_t index) {
    _projectionMatrixStackList[index].push(_projectionMatrixStackList[index].top());
}

const Mat4& Director::getMatrix(MATRIX_STACK_TYPE type) const {
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW) return _modelViewMatrixStack.top();
    if (type == MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION) return _projectionMatrixStackList[0].top();
    return _textureMatrixStack.top();
}

const Mat4& Director::getProjectionMatrix(size_t index) const {
    return _projectionMatrixStackList[index].top();
}

// ---- projection and GL defaults ----

void Director::setProjection(Projection projection) {
    Size size = _winSizeInPoints;
    if (size.width == 0 || size.height == 0) {
        log("cocos2d: warning, Director::setProjection() failed because size is 0");
        return;
    }

    setViewport();

    switch (projection) {
        case Projection::_2D: {
            Mat4 orthoMatrix;
            Mat4::createOrthographicOffCenter(0, size.width, 0, size.height, -1024, 1024, &orthoMatrix);
            for (size_t i = 0; i < _projectionMatrixStackList.size(); ++i) {
                loadProjectionMatrix(orthoMatrix, i);
            }
            loadIdentityMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
            break;
        }
        case Projection::_3D: {
            float zeye = this->getZEye();
            Mat4 matrixPerspective, matrixLookup;
            Mat4::createPerspective(60, (GLfloat)size.width / size.height, 10, zeye + size.height / 2,
                                    &matrixPerspective);
            Vec3 eye(size.width / 2, size.height / 2, zeye), center(size.width / 2, size.height / 2, 0.0f),
                up(0.0f, 1.0f, 0.0f);
            Mat4::createLookAt(eye, center, up, &matrixLookup);
            Mat4 proj3d = matrixPerspective * matrixLookup;
            for (size_t i = 0; i < _projectionMatrixStackList.size(); ++i) {
                loadProjectionMatrix(proj3d, i);
            }
            loadIdentityMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
            break;
        }
        case Projection::CUSTOM:
            break;
    }

    _projection = projection;
    GL::setProjectionMatrixDirty();
    _eventDispatcher->dispatchEvent(_eventProjectionChanged);
}

void Director::purgeCachedData() {
    if (s_SharedDirector->getOpenGLView()) {
        _textureCache->removeUnusedTextures();
    }
}

float Director::getZEye() const {
    return (_winSizeInPoints.height / 1.1547005383792515f);
}

void Director::setAlphaBlending(bool on) {
    if (!isGLReady()) return;
    if (on) {
        GL::blendFunc(CC_BLEND_SRC, CC_BLEND_DST);
    } else {
        GL::blendFunc(GL_ONE, GL_ZERO);
    }
}

void Director::setDepthTest(bool on) {
    _renderer->setDepthTest(on);
}

void Director::setClearColor(const Color4F& clearColor) {
    _clearColor = clearColor;
    _renderer->setClearColor(clearColor);
}

const Color4F& Director::getClearColor() const {
    return _clearColor;
}

// ---- sizes ----

const Size& Director::getWinSize() const {
    return _winSizeInPoints;
}

Size Director::getWinSizeInPixels() const {
    return Size(_winSizeInPoints.width * _contentScaleFactor, _winSizeInPoints.height * _contentScaleFactor);
}

Size Director::getVisibleSize() const {
    if (_openGLView) return _openGLView->getVisibleSize();
    return Size::ZERO;
}

Vec2 Director::getVisibleOrigin() const {
    if (_openGLView) return _openGLView->getVisibleOrigin();
    return Vec2::ZERO;
}

Rect Director::getSafeAreaRect() const {
    if (_openGLView) return _openGLView->getSafeAreaRect();
    return Rect::ZERO;
}

Vec2 Director::convertToGL(const Vec2& uiPoint) {
    Mat4 transform;
    Mat4::multiply(getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION),
                   getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW), &transform);
    Mat4 transformInv = transform.getInversed();

    // Calculate z=0 using -> transform*[0, 0, 0, 1]/w
    float zClip = transform.m[14] / transform.m[15];

    Size glSize = _openGLView ? _openGLView->getDesignResolutionSize() : _winSizeInPoints;
    if (glSize.width == 0 || glSize.height == 0) return Vec2(uiPoint.x, -uiPoint.y);
    Vec4 clipCoord(2.0f * uiPoint.x / glSize.width - 1.0f, 1.0f - 2.0f * uiPoint.y / glSize.height, zClip, 1);

    Vec4 glCoord;
    transformInv.transformVector(clipCoord, &glCoord);
    float factor = 1.0f / glCoord.w;
    return Vec2(glCoord.x * factor, glCoord.y * factor);
}

Vec2 Director::convertToUI(const Vec2& glPoint) {
    Mat4 transform;
    Mat4::multiply(getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION),
                   getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW), &transform);

    Vec4 clipCoord;
    Vec4 glCoord(glPoint.x, glPoint.y, 0.0, 1);
    transform.transformVector(glCoord, &clipCoord);

    // Screen y is flipped against GL's.
    clipCoord.x = clipCoord.x / clipCoord.w;
    clipCoord.y = clipCoord.y / clipCoord.w;
    clipCoord.z = clipCoord.z / clipCoord.w;

    Size glSize = _openGLView ? _openGLView->getDesignResolutionSize() : _winSizeInPoints;
    float factor = 1.0f / glCoord.w;
    return Vec2(glSize.width * (clipCoord.x * 0.5f + 0.5f) * factor,
                glSize.height * (-clipCoord.y * 0.5f + 0.5f) * factor);
}

void Director::setViewport() {
    if (_openGLView) {
        _openGLView->setViewPortInPoints(0, 0, _winSizeInPoints.width, _winSizeInPoints.height);
    }
}

// ---- scenes ----

void Director::runWithScene(Scene* scene) {
    CCASSERT(scene != nullptr, "This command can only be used to start the Director. There is already a scene present.");
    CCASSERT(_runningScene == nullptr, "_runningScene should be null");
    if (scene == nullptr) return;
    pushScene(scene);
    startAnimation();
}

void Director::replaceScene(Scene* scene) {
    CCASSERT(scene != nullptr, "the scene should not be null");
    if (scene == nullptr) return;

    if (_runningScene == nullptr) {
        runWithScene(scene);
        return;
    }
    if (scene == _nextScene) return;

    if (_nextScene) {
        if (_nextScene->isRunning()) {
            _nextScene->onExit();
        }
        _nextScene->cleanup();
        _nextScene = nullptr;
    }

    ssize_t index = _scenesStack.size() - 1;
    _sendCleanupToScene = true;
    _scenesStack.replace(index, scene);
    _nextScene = scene;
}

void Director::pushScene(Scene* scene) {
    CCASSERT(scene, "the scene should not null");
    if (scene == nullptr) return;
    _sendCleanupToScene = false;
    _scenesStack.pushBack(scene);
    _nextScene = scene;
}

void Director::popScene() {
    CCASSERT(_runningScene != nullptr, "running scene should not null");
    if (!_scenesStack.empty()) _scenesStack.popBack();
    ssize_t c = _scenesStack.size();
    if (c == 0) {
        end();
    } else {
        _sendCleanupToScene = true;
        _nextScene = _scenesStack.at(c - 1);
    }
}

void Director::popToRootScene() {
    popToSceneStackLevel(1);
}

void Director::popToSceneStackLevel(int level) {
    ssize_t c = _scenesStack.size();
    if (level == 0) {
        end();
        return;
    }
    if (level >= c) return;

    auto firstOnStackScene = _scenesStack.back();
    if (firstOnStackScene == _runningScene) {
        _scenesStack.popBack();
        --c;
    }
    while (c > level) {
        auto current = _scenesStack.back();
        if (current->isRunning()) {
            current->onExit();
        }
        current->cleanup();
        _scenesStack.popBack();
        --c;
    }
    _nextScene = _scenesStack.back();
    _sendCleanupToScene = true;
}

void Director::end() {
    _purgeDirectorInNextLoop = true;
}

void Director::restart() {
    _restartDirectorInNextLoop = true;
}

void Director::reset() {
    if (_runningScene) {
        _runningScene->onExit();
        _runningScene->cleanup();
        _runningScene->release();
    }
    _runningScene = nullptr;
    _nextScene = nullptr;

    if (_eventDispatcher) _eventDispatcher->dispatchEvent(_eventResetDirector);

    _scheduler->unscheduleAll();

    if (_eventDispatcher) _eventDispatcher->removeAllEventListeners();

    if (_notificationNode) {
        _notificationNode->onExit();
        _notificationNode->cleanup();
        _notificationNode->release();
    }
    _notificationNode = nullptr;

    _scenesStack.clear();

    stopAnimation();

    DrawPrimitives::free();

    // Purge the caches while the GL context still exists.
    GLProgramStateCache::destroyInstance();
    GLProgramCache::destroyInstance();
    FileUtils::destroyInstance();

    GL::invalidateStateCache();

    if (_textureCache) {
        _textureCache->removeAllTextures();
        _textureCache->release();
        _textureCache = nullptr;
    }
}

void Director::purgeDirector() {
    reset();

    // The view releases itself in end(); that balances setOpenGLView's retain.
    if (_openGLView) {
        GLView* view = _openGLView;
        _openGLView = nullptr;
        view->end();
    }

    release();
}

void Director::restartDirector() {
    reset();
    _textureCache = new (std::nothrow) TextureCache();
    PoolManager::getInstance()->getCurrentPool()->clear();
    startAnimation();
}

void Director::setNextScene() {
    _eventDispatcher->dispatchEvent(_beforeSetNextScene);

    if (_runningScene) {
        _runningScene->onExitTransitionDidStart();
        _runningScene->onExit();
    }
    if (_sendCleanupToScene && _runningScene) {
        _runningScene->cleanup();
    }
    if (_runningScene) {
        _runningScene->release();
    }
    _runningScene = _nextScene;
    _nextScene->retain();
    _nextScene = nullptr;

    if (_runningScene) {
        _runningScene->onEnter();
        _runningScene->onEnterTransitionDidFinish();
    }

    _eventDispatcher->dispatchEvent(_afterSetNextScene);
}

void Director::pause() {
    if (_paused) return;
    _oldAnimationInterval = _animationInterval;
    setAnimationInterval(1 / 4.0f);
    _paused = true;
}

void Director::resume() {
    if (!_paused) return;
    setAnimationInterval(_oldAnimationInterval);
    _paused = false;
    _deltaTime = 0;
    setNextDeltaTimeZero(true);
}

void Director::setAnimationInterval(float interval) {
    _animationInterval = interval;
    if (!_invalid) {
        stopAnimation();
        startAnimation();
    }
}

void Director::stopAnimation() {
    _invalid = true;
}

void Director::startAnimation() {
    _lastUpdate = std::chrono::steady_clock::now();
    _invalid = false;
    _cocos2d_thread_id = std::this_thread::get_id();
    // The engine asserts an Application exists; a director driven by tests may have none.
    if (Application::getInstance()) {
        Application::getInstance()->setAnimationInterval(_animationInterval);
    }
    setNextDeltaTimeZero(true);
}

void Director::setNotificationNode(Node* node) {
    if (_notificationNode != nullptr) {
        _notificationNode->onExitTransitionDidStart();
        _notificationNode->onExit();
        _notificationNode->cleanup();
    }
    CC_SAFE_RELEASE(_notificationNode);
    _notificationNode = node;
    if (node == nullptr) return;
    _notificationNode->onEnter();
    _notificationNode->onEnterTransitionDidFinish();
    CC_SAFE_RETAIN(_notificationNode);
}

void Director::setContentScaleFactor(float scaleFactor) {
    if (scaleFactor != _contentScaleFactor) {
        _contentScaleFactor = scaleFactor;
        _isStatusLabelUpdated = true;
    }
}

void Director::setScheduler(Scheduler* scheduler) {
    if (_scheduler != scheduler) {
        CC_SAFE_RETAIN(scheduler);
        CC_SAFE_RELEASE(_scheduler);
        _scheduler = scheduler;
    }
}

void Director::setEventDispatcher(EventDispatcher* dispatcher) {
    if (_eventDispatcher != dispatcher) {
        CC_SAFE_RETAIN(dispatcher);
        CC_SAFE_RELEASE(_eventDispatcher);
        _eventDispatcher = dispatcher;
    }
}

NS_CC_END
