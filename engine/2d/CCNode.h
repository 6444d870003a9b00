// Node: the scene-graph element with transform, children, ordering, colour and scheduling.
#ifndef __CCNODE_H__
#define __CCNODE_H__

#include <cstdint>
#include <functional>
#include <string>

#include "base/CCRef.h"
#include "base/CCConsole.h"
#include "base/CCScheduler.h"
#include "base/CCVector.h"
#include "base/ccMacros.h"
#include "base/ccTypes.h"
#include "math/CCAffineTransform.h"
#include "math/CCGeometry.h"
#include "math/CCMath.h"

NS_CC_BEGIN

class Director;
class EventDispatcher;
class Scene;
class Renderer;
class GLProgram;
class GLProgramState;
class Touch;
class Component;

enum {
    kNodeOnEnter,
    kNodeOnExit,
    kNodeOnEnterTransitionDidFinish,
    kNodeOnExitTransitionDidStart,
    kNodeOnCleanup
};

class CC_DLL Node : public Ref {
public:
    static const int INVALID_TAG = -1;

    enum {
        FLAGS_TRANSFORM_DIRTY = (1 << 0),
        FLAGS_CONTENT_SIZE_DIRTY = (1 << 1),
        FLAGS_RENDER_AS_3D = (1 << 3),

        FLAGS_DIRTY_MASK = (FLAGS_TRANSFORM_DIRTY | FLAGS_CONTENT_SIZE_DIRTY),
    };

    static Node* create();

    virtual std::string getDescription() const;

    // ---- ordering ----
    virtual void setLocalZOrder(int localZOrder);
    CC_DEPRECATED_ATTRIBUTE virtual void setZOrder(int localZOrder) { setLocalZOrder(localZOrder); }
    virtual void _setLocalZOrder(int z);
    void updateOrderOfArrival();
    virtual int getLocalZOrder() const { return _localZOrder; }
    CC_DEPRECATED_ATTRIBUTE virtual int getZOrder() const { return getLocalZOrder(); }
    virtual void setGlobalZOrder(float globalZOrder);
    virtual float getGlobalZOrder() const { return _globalZOrder; }
    // Arrival number among siblings of equal local Z (larger = added later).
    unsigned int getOrderOfArrival() const { return _orderOfArrival; }

    // ---- scale ----
    virtual void setScaleX(float scaleX);
    virtual float getScaleX() const;
    virtual void setScaleY(float scaleY);
    virtual float getScaleY() const;
    virtual void setScaleZ(float scaleZ);
    virtual float getScaleZ() const;
    virtual void setScale(float scale);
    virtual float getScale() const;
    virtual void setScale(float scaleX, float scaleY);

    // ---- position ----
    virtual void setPosition(const Vec2& position);
    virtual void setNormalizedPosition(const Vec2& position);
    virtual const Vec2& getPosition() const;
    virtual const Vec2& getNormalizedPosition() const;
    virtual void setPosition(float x, float y);
    virtual void getPosition(float* x, float* y) const;
    virtual void setPositionX(float x);
    virtual float getPositionX() const;
    virtual void setPositionY(float y);
    virtual float getPositionY() const;
    virtual void setPosition3D(const Vec3& position);
    virtual Vec3 getPosition3D() const;
    virtual void setPositionZ(float positionZ);
    virtual float getPositionZ() const;

    // ---- skew ----
    virtual void setSkewX(float skewX);
    virtual float getSkewX() const;
    virtual void setSkewY(float skewY);
    virtual float getSkewY() const;

    // ---- anchor point and size ----
    virtual void setAnchorPoint(const Vec2& anchorPoint);
    virtual const Vec2& getAnchorPoint() const;
    virtual const Vec2& getAnchorPointInPoints() const;
    virtual void setContentSize(const Size& contentSize);
    virtual const Size& getContentSize() const;

    // ---- visibility ----
    virtual void setVisible(bool visible);
    virtual bool isVisible() const;

    // ---- rotation (degrees, positive = clockwise) ----
    virtual void setRotation(float rotation);
    virtual float getRotation() const;
    virtual void setRotationSkewX(float rotationX);
    virtual float getRotationSkewX() const;
    virtual void setRotationSkewY(float rotationY);
    virtual float getRotationSkewY() const;

    virtual void setIgnoreAnchorPointForPosition(bool ignore);
    CC_DEPRECATED_ATTRIBUTE virtual void ignoreAnchorPointForPosition(bool ignore) {
        setIgnoreAnchorPointForPosition(ignore);
    }
    virtual bool isIgnoreAnchorPointForPosition() const;

    // ---- children ----
    virtual void addChild(Node* child);
    virtual void addChild(Node* child, int localZOrder);
    virtual void addChild(Node* child, int localZOrder, int tag);
    virtual void addChild(Node* child, int localZOrder, const std::string& name);
    virtual Node* getChildByTag(int tag) const;
    virtual Node* getChildByName(const std::string& name) const;
    template <typename T>
    T getChildByName(const std::string& name) const {
        return static_cast<T>(getChildByName(name));
    }
    virtual Vector<Node*>& getChildren() { return _children; }
    virtual const Vector<Node*>& getChildren() const { return _children; }
    virtual ssize_t getChildrenCount() const;
    virtual void setParent(Node* parent);
    virtual Node* getParent() { return _parent; }
    virtual const Node* getParent() const { return _parent; }

    virtual void removeFromParent();
    virtual void removeFromParentAndCleanup(bool cleanup);
    virtual void removeChild(Node* child, bool cleanup = true);
    virtual void removeChildByTag(int tag, bool cleanup = true);
    virtual void removeChildByName(const std::string& name, bool cleanup = true);
    virtual void removeAllChildren();
    virtual void removeAllChildrenWithCleanup(bool cleanup);
    virtual void reorderChild(Node* child, int localZOrder);
    // Orders the children by local Z, then by arrival; runs only when needed.
    virtual void sortAllChildren();

    template <typename _T>
    inline static void sortNodes(cocos2d::Vector<_T*>& nodes) {
        static_assert(std::is_base_of<Node, _T>::value, "Node::sortNodes: Only accept derived of Node!");
        std::stable_sort(std::begin(nodes), std::end(nodes), [](_T* n1, _T* n2) {
            return (n1->_localZOrder < n2->_localZOrder ||
                    (n1->_localZOrder == n2->_localZOrder && n1->_orderOfArrival < n2->_orderOfArrival));
        });
    }

    // ---- tag, name, user data ----
    virtual int getTag() const;
    virtual void setTag(int tag);
    virtual const std::string& getName() const;
    virtual void setName(const std::string& name);
    virtual void* getUserData() { return _userData; }
    virtual const void* getUserData() const { return _userData; }
    virtual void setUserData(void* userData);
    virtual Ref* getUserObject() { return _userObject; }
    virtual const Ref* getUserObject() const { return _userObject; }
    virtual void setUserObject(Ref* userObject);

    // ---- shader ----
    GLProgram* getGLProgram() const;
    virtual void setGLProgram(GLProgram* glprogram);
    GLProgramState* getGLProgramState() const;
    virtual void setGLProgramState(GLProgramState* glProgramState);

    // ---- lifecycle ----
    virtual bool isRunning() const;
    virtual void onEnter();
    virtual void onEnterTransitionDidFinish();
    virtual void onExit();
    virtual void onExitTransitionDidStart();
    // Stops everything scheduled for this node and its subtree and removes its listeners.
    virtual void cleanup();

    void setOnEnterCallback(const std::function<void()>& callback) { _onEnterCallback = callback; }
    const std::function<void()>& getOnEnterCallback() const { return _onEnterCallback; }
    void setOnExitCallback(const std::function<void()>& callback) { _onExitCallback = callback; }
    const std::function<void()>& getOnExitCallback() const { return _onExitCallback; }

    // ---- drawing ----
    // Queues render commands; nothing is drawn here.
    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags);
    virtual void draw() final;
    // Children with local Z < 0, then this node, then the other children.
    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags);
    virtual void visit() final;

    virtual Scene* getScene() const;

    // The node's rectangle (0, 0, content size) in its parent's space.
    virtual Rect getBoundingBox() const;

    // ---- scheduling ----
    virtual void setScheduler(Scheduler* scheduler);
    virtual Scheduler* getScheduler() { return _scheduler; }
    virtual const Scheduler* getScheduler() const { return _scheduler; }
    virtual void setEventDispatcher(EventDispatcher* dispatcher);
    virtual EventDispatcher* getEventDispatcher() const { return _eventDispatcher; }

    bool isScheduled(SEL_SCHEDULE selector) const;
    bool isScheduled(const std::string& key) const;
    void scheduleUpdate();
    void scheduleUpdateWithPriority(int priority);
    void unscheduleUpdate();
    void schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay);
    void schedule(SEL_SCHEDULE selector, float interval);
    void scheduleOnce(SEL_SCHEDULE selector, float delay);
    void scheduleOnce(const std::function<void(float)>& callback, float delay, const std::string& key);
    void schedule(SEL_SCHEDULE selector);
    void schedule(const std::function<void(float)>& callback, const std::string& key);
    void schedule(const std::function<void(float)>& callback, float interval, const std::string& key);
    void schedule(const std::function<void(float)>& callback, float interval, unsigned int repeat, float delay,
                  const std::string& key);
    void unschedule(SEL_SCHEDULE selector);
    void unschedule(const std::string& key);
    void unscheduleAllCallbacks();
    virtual void resume();
    virtual void pause();
    // Called every frame once scheduleUpdate() was called.
    virtual void update(float delta);

    // ---- transforms ----
    virtual void updateTransform();
    virtual const Mat4& getNodeToParentTransform() const;
    virtual Mat4 getNodeToParentTransform(Node* ancestor) const;
    virtual AffineTransform getNodeToParentAffineTransform() const;
    virtual AffineTransform getNodeToParentAffineTransform(Node* ancestor) const;
    virtual void setNodeToParentTransform(const Mat4& transform);
    virtual const Mat4& getParentToNodeTransform() const;
    virtual AffineTransform getParentToNodeAffineTransform() const;
    virtual Mat4 getNodeToWorldTransform() const;
    virtual AffineTransform getNodeToWorldAffineTransform() const;
    virtual Mat4 getWorldToNodeTransform() const;
    virtual AffineTransform getWorldToNodeAffineTransform() const;

    Vec2 convertToNodeSpace(const Vec2& worldPoint) const;
    Vec2 convertToWorldSpace(const Vec2& nodePoint) const;
    Vec2 convertToNodeSpaceAR(const Vec2& worldPoint) const;
    Vec2 convertToWorldSpaceAR(const Vec2& nodePoint) const;
    Vec2 convertTouchToNodeSpace(Touch* touch) const;
    Vec2 convertTouchToNodeSpaceAR(Touch* touch) const;

    void setAdditionalTransform(const Mat4* additionalTransform);
    void setAdditionalTransform(const Mat4& additionalTransform);
    void setAdditionalTransform(const AffineTransform& additionalTransform);

    // ---- colour and opacity ----
    virtual GLubyte getOpacity() const;
    virtual GLubyte getDisplayedOpacity() const;
    virtual void setOpacity(GLubyte opacity);
    virtual void updateDisplayedOpacity(GLubyte parentOpacity);
    virtual bool isCascadeOpacityEnabled() const;
    virtual void setCascadeOpacityEnabled(bool cascadeOpacityEnabled);
    virtual const Color3B& getColor() const;
    virtual const Color3B& getDisplayedColor() const;
    virtual void setColor(const Color3B& color);
    virtual void updateDisplayedColor(const Color3B& parentColor);
    virtual bool isCascadeColorEnabled() const;
    virtual void setCascadeColorEnabled(bool cascadeColorEnabled);
    virtual void setOpacityModifyRGB(bool value) {}
    virtual bool isOpacityModifyRGB() const { return false; }

    virtual void setCameraMask(unsigned short mask, bool applyChildren = true);
    virtual unsigned short getCameraMask() const { return _cameraMask; }

    // The model-view matrix computed by the last visit.
    const Mat4& getModelViewTransform() const { return _modelViewTransform; }

    Node();
    virtual ~Node();

    virtual bool init();

protected:
    void childrenAlloc();
    void insertChild(Node* child, int z);
    void detachChild(Node* child, ssize_t index, bool doCleanup);
    Vec2 convertToWindowSpace(const Vec2& nodePoint) const;
    Mat4 transform(const Mat4& parentTransform);
    uint32_t processParentFlags(const Mat4& parentTransform, uint32_t parentFlags);
    virtual void updateCascadeOpacity();
    virtual void disableCascadeOpacity();
    virtual void updateCascadeColor();
    virtual void disableCascadeColor();
    virtual void updateColor() {}
    void updateRotation3D();

private:
    void addChildHelper(Node* child, int localZOrder, int tag, const std::string& name, bool setTag);

protected:
    float _rotationX;
    float _rotationY;
    float _rotationZ_X;
    float _rotationZ_Y;

    float _scaleX;
    float _scaleY;
    float _scaleZ;

    Vec2 _position;
    float _positionZ;
    Vec2 _normalizedPosition;
    bool _usingNormalizedPosition;
    bool _normalizedPositionDirty;

    float _skewX;
    float _skewY;

    Vec2 _anchorPointInPoints;
    Vec2 _anchorPoint;

    Size _contentSize;
    bool _contentSizeDirty;

    Mat4 _modelViewTransform;

    mutable Mat4 _transform;
    mutable bool _transformDirty;
    mutable Mat4 _inverse;
    mutable bool _inverseDirty;
    mutable Mat4* _additionalTransform;
    mutable bool _additionalTransformDirty;
    bool _transformUpdated;

    int _localZOrder;
    unsigned int _orderOfArrival;
    float _globalZOrder;

    static unsigned int s_globalOrderOfArrival;

    Vector<Node*> _children;
    Node* _parent;
    Director* _director;

    int _tag;
    std::string _name;
    size_t _hashOfName;

    void* _userData;
    Ref* _userObject;

    GLProgramState* _glProgramState;

    Scheduler* _scheduler;
    EventDispatcher* _eventDispatcher;

    bool _running;
    bool _visible;
    bool _ignoreAnchorPointForPosition;
    bool _reorderChildDirty;
    bool _isTransitionFinished;

    GLubyte _displayedOpacity;
    GLubyte _realOpacity;
    Color3B _displayedColor;
    Color3B _realColor;
    bool _cascadeColorEnabled;
    bool _cascadeOpacityEnabled;

    unsigned short _cameraMask;

    std::function<void()> _onEnterCallback;
    std::function<void()> _onExitCallback;
    std::function<void()> _onEnterTransitionDidFinishCallback;
    std::function<void()> _onExitTransitionDidStartCallback;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Node)
};

NS_CC_END

#endif  // __CCNODE_H__
