// Scene: the root node the director visits and renders.
#include "2d/CCScene.h"

#include "2d/CCCamera.h"
#include "base/CCDirector.h"
#include "renderer/CCRenderer.h"

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

NS_CC_END
