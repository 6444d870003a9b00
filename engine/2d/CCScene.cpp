// Scene: the root node the director visits and renders.
#include "2d/CCScene.h"

#include "2d/CCCamera.h"
#include "base/CCDirector.h"
#include "renderer/CCRenderer.h"
#include "2d/CCBackdropCache.h"

NS_CC_BEGIN

Scene::Scene() {
    _ignoreAnchorPointForPosition = true;
    setAnchorPoint(Vec2(0.5f, 0.5f));
}

Scene::~Scene() {}

bool Scene::init() {
    auto size = Director::getInstance()->getWinSize();
    return initWithSize(size);
}

bool Scene::initWithSize(const Size& size) {
    setContentSize(size);
    return true;
}

Scene* Scene::create() {
    Scene* ret = new (std::nothrow) Scene();
    if (ret && ret->init()) {
        ret->autorelease();
        return ret;
    }
    CC_SAFE_DELETE(ret);
    return nullptr;
}

Scene* Scene::createWithSize(const Size& size) {
    Scene* ret = new (std::nothrow) Scene();
    if (ret && ret->initWithSize(size)) {
        ret->autorelease();
        return ret;
    }
    CC_SAFE_DELETE(ret);
    return nullptr;
}

std::string Scene::getDescription() const {
    return StringUtils::format("<Scene | tag = %d>", _tag);
}

void Scene::render(Renderer* renderer, const Mat4& eyeTransform, const Mat4* eyeProjection) {
    auto director = Director::getInstance();
    const auto& transform = getNodeToParentTransform();

    director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION);
    if (eyeProjection) {
        director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION, *eyeProjection * eyeTransform);
    }
    if (renderer->isGLReady()) Camera::applyDefaultViewport();

    // The engine passes the scene's own transform as the parent one (identity in normal use).
    visit(renderer, transform, 0);
    renderer->render();

    director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION);
}

void Scene::setBackdropCaching(bool enabled) {
    if (enabled == isBackdropCaching()) return;
    _backdropCache.reset(enabled ? new BackdropCache() : nullptr);
}

void Scene::invalidateBackdrop() {
    if (_backdropCache) _backdropCache->invalidate();
}

void Scene::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) {
    if (_backdropCache) _backdropCache->beginBackdrop(renderer);
    Node::visit(renderer, parentTransform, parentFlags);
}

// Reached right after the children behind the scene have queued their draws.
void Scene::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    Node::draw(renderer, transform, flags);
    if (_backdropCache) _backdropCache->endBackdrop(renderer, *this);
}

NS_CC_END
