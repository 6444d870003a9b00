// Director: the engine's singleton that owns the running scene and runs one frame per mainLoop().
#ifndef __CCDIRECTOR_H__
#define __CCDIRECTOR_H__

#include <chrono>
#include <stack>
#include <thread>
#include <vector>

#include "base/CCRef.h"
#include "base/CCVector.h"
#include "base/ccTypes.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class Scene;
class GLView;
class Node;
class Scheduler;
class EventDispatcher;
class EventCustom;
class EventListenerCustom;
class TextureCache;
class Renderer;

// Matrix stacks of the director, read by shaders when commands execute.
enum class MATRIX_STACK_TYPE {
    MATRIX_STACK_MODELVIEW,
    MATRIX_STACK_PROJECTION,
    MATRIX_STACK_TEXTURE
};

class CC_DLL Director : public Ref {
public:
    static const char* EVENT_BEFORE_SET_NEXT_SCENE;
    static const char* EVENT_AFTER_SET_NEXT_SCENE;
    static const char* EVENT_PROJECTION_CHANGED;
    static const char* EVENT_BEFORE_UPDATE;
    static const char* EVENT_AFTER_UPDATE;
    static const char* EVENT_RESET;
    static const char* EVENT_AFTER_VISIT;
    static const char* EVENT_AFTER_DRAW;
    static const char* EVENT_BEFORE_DRAW;

    enum class Projection {
        _2D,
        _3D,
        CUSTOM,
        DEFAULT = _3D,
    };

    // The one director; created on first use (again after a purge).
    static Director* getInstance();
    CC_DEPRECATED_ATTRIBUTE static Director* sharedDirector() { return Director::getInstance(); }

    Director();
    ~Director();
    bool init();

    // ---- attributes ----
    Scene* getRunningScene() { return _runningScene; }
    float getAnimationInterval() { return _animationInterval; }
    void setAnimationInterval(float interval);
    bool isDisplayStats() { return _displayStats; }
    void setDisplayStats(bool displayStats) { _displayStats = displayStats; }
    float getSecondsPerFrame() { return _secondsPerFrame; }
    GLView* getOpenGLView() { return _openGLView; }
    // Retains the view, takes its design size, sets the GL defaults and
    // enables event dispatching.
    void setOpenGLView(GLView* openGLView);
    TextureCache* getTextureCache() const;
    bool isNextDeltaTimeZero() { return _nextDeltaTimeZero; }
    void setNextDeltaTimeZero(bool nextDeltaTimeZero);
    bool isPaused() { return _paused; }
    unsigned int getTotalFrames() { return _totalFrames; }
    Projection getProjection() { return _projection; }
    void setProjection(Projection projection);
    void setViewport();
    bool isSendCleanupToScene() { return _sendCleanupToScene; }
    Node* getNotificationNode() const { return _notificationNode; }
    void setNotificationNode(Node* node);

    // ---- window size ----
    // The design size in points.
    const Size& getWinSize() const;
    Size getWinSizeInPixels() const;
    Size getVisibleSize() const;
    Vec2 getVisibleOrigin() const;
    Rect getSafeAreaRect() const;
    Vec2 convertToGL(const Vec2& point);
    Vec2 convertToUI(const Vec2& point);
    float getZEye() const;

    // ---- scenes ----
    void runWithScene(Scene* scene);
    void pushScene(Scene* scene);
    void popScene();
    void popToRootScene();
    void popToSceneStackLevel(int level);
    void replaceScene(Scene* scene);

    // Purges the director in the next mainLoop() (ends the view too).
    void end();
    void pause();
    void resume();
    void restart();
    virtual void stopAnimation();
    virtual void startAnimation();
    // One frame: poll, update, clear, visit and render the scene, swap.
    void drawScene();

    void purgeCachedData();
    void setDefaultValues();
    void setGLDefaultValues();
    void setAlphaBlending(bool on);
    void setClearColor(const Color4F& clearColor);
    const Color4F& getClearColor() const;
    void setDepthTest(bool on);

    // One step of the main loop: a frame, then the autorelease pool is drained;
    // or the purge requested by end().
    void mainLoop();
    void mainLoop(float dt);

    void setContentScaleFactor(float scaleFactor);
    float getContentScaleFactor() const { return _contentScaleFactor; }

    Scheduler* getScheduler() const { return _scheduler; }
    void setScheduler(Scheduler* scheduler);
    EventDispatcher* getEventDispatcher() const { return _eventDispatcher; }
    void setEventDispatcher(EventDispatcher* dispatcher);
    Renderer* getRenderer() const { return _renderer; }

    float getDeltaTime() const;
    float getFrameRate() const { return _frameRate; }

    // ---- matrix stacks ----
    void pushMatrix(MATRIX_STACK_TYPE type);
    void pushProjectionMatrix(size_t index);
    void popMatrix(MATRIX_STACK_TYPE type);
    void popProjectionMatrix(size_t index);
    void loadIdentityMatrix(MATRIX_STACK_TYPE type);
    void loadProjectionIdentityMatrix(size_t index);
    void loadMatrix(MATRIX_STACK_TYPE type, const Mat4& mat);
    void loadProjectionMatrix(const Mat4& mat, size_t index);
    void multiplyMatrix(MATRIX_STACK_TYPE type, const Mat4& mat);
    void multiplyProjectionMatrix(const Mat4& mat, size_t index);
    const Mat4& getMatrix(MATRIX_STACK_TYPE type) const;
    const Mat4& getProjectionMatrix(size_t index) const;
    void resetMatrixStack();
    void initProjectionMatrixStack(size_t stackCount);
    size_t getProjectionMatrixStackSize();

    const std::thread::id& getCocos2dThreadId() const { return _cocos2d_thread_id; }
    bool isValid() const { return !_invalid; }

protected:
    void reset();
    void purgeDirector();
    void restartDirector();
    void setNextScene();
    void updateFrameRate();
    void initMatrixStack();
    void calculateDeltaTime();
    bool isGLReady() const;

    bool _purgeDirectorInNextLoop;
    bool _restartDirectorInNextLoop;

    Scheduler* _scheduler;
    EventDispatcher* _eventDispatcher;
    EventCustom* _eventProjectionChanged;
    EventCustom* _eventBeforeDraw;
    EventCustom* _eventAfterDraw;
    EventCustom* _eventAfterVisit;
    EventCustom* _eventBeforeUpdate;
    EventCustom* _eventAfterUpdate;
    EventCustom* _eventResetDirector;
    EventCustom* _beforeSetNextScene;
    EventCustom* _afterSetNextScene;

    float _deltaTime;
    bool _deltaTimePassedByCaller;

    GLView* _openGLView;
    TextureCache* _textureCache;

    float _animationInterval;
    float _oldAnimationInterval;

    bool _displayStats;
    float _accumDt;
    float _frameRate;
    float _secondsPerFrame;

    bool _paused;
    bool _invalid;
    unsigned int _totalFrames;

    Scene* _runningScene;
    Scene* _nextScene;
    bool _sendCleanupToScene;
    Vector<Scene*> _scenesStack;

    std::chrono::steady_clock::time_point _lastUpdate;
    bool _nextDeltaTimeZero;

    Projection _projection;
    Size _winSizeInPoints;
    float _contentScaleFactor;

    Node* _notificationNode;
    Renderer* _renderer;
    Color4F _clearColor;

    std::stack<Mat4> _modelViewMatrixStack;
    std::vector<std::stack<Mat4>> _projectionMatrixStackList;
    std::stack<Mat4> _textureMatrixStack;

    std::thread::id _cocos2d_thread_id;
    bool _isStatusLabelUpdated;

    friend class GLView;
};

NS_CC_END

#endif  // __CCDIRECTOR_H__
