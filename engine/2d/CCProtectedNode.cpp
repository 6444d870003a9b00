// ProtectedNode: protected children attached, sorted, visited, entered and coloured like ordinary ones.
#include "2d/CCProtectedNode.h"

#include "base/CCDirector.h"

NS_CC_BEGIN

ProtectedNode* ProtectedNode::create() {
    ProtectedNode* node = new (std::nothrow) ProtectedNode();
    if (node && node->init()) {
        node->autorelease();
        return node;
    }
    CC_SAFE_DELETE(node);
    return nullptr;
}

ProtectedNode::~ProtectedNode() {
    for (Node* child : _protectedChildren) child->setParent(nullptr);
}

void ProtectedNode::addProtectedChild(Node* child) {
    if (child) addProtectedChild(child, child->getLocalZOrder(), child->getTag());
}

void ProtectedNode::addProtectedChild(Node* child, int localZOrder) {
    if (child) addProtectedChild(child, localZOrder, child->getTag());
}

void ProtectedNode::addProtectedChild(Node* child, int localZOrder, int tag) {
    if (child == nullptr || child->getParent() != nullptr || child == this) return;
    _protectedChildren.pushBack(child);
    _reorderProtectedChildDirty = true;
    child->_setLocalZOrder(localZOrder);
    child->setTag(tag);
    child->setParent(this);
    child->updateOrderOfArrival();
    if (_running) {
        child->onEnter();
        if (_isTransitionFinished) child->onEnterTransitionDidFinish();
    }
    if (_cascadeColorEnabled) child->updateDisplayedColor(_displayedColor);
    if (_cascadeOpacityEnabled) child->updateDisplayedOpacity(_displayedOpacity);
}

Node* ProtectedNode::getProtectedChildByTag(int tag) {
    for (Node* child : _protectedChildren) {
        if (child->getTag() == tag) return child;
    }
    return nullptr;
}

void ProtectedNode::removeProtectedChild(Node* child, bool cleanup) {
    if (child == nullptr || !_protectedChildren.contains(child)) return;
    if (_running) child->onExit();
    if (cleanup) child->cleanup();
    child->setParent(nullptr);
    _protectedChildren.eraseObject(child);
}

void ProtectedNode::removeAllProtectedChildren() {
    while (!_protectedChildren.empty()) removeProtectedChild(_protectedChildren.back(), true);
}

void ProtectedNode::sortAllProtectedChildren() {
    if (_reorderProtectedChildDirty) {
        sortNodes(_protectedChildren);
        _reorderProtectedChildDirty = false;
    }
}

void ProtectedNode::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) {
    if (!_visible) return;
    const uint32_t flags = processParentFlags(parentTransform, parentFlags);
    Director* director = Director::getInstance();
    director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, _modelViewTransform);

    sortAllChildren();
    sortAllProtectedChildren();
    ssize_t i = 0, j = 0;
    for (; i < _children.size() && _children.at(i)->getLocalZOrder() < 0; ++i)
        _children.at(i)->visit(renderer, _modelViewTransform, flags);
    for (; j < _protectedChildren.size() && _protectedChildren.at(j)->getLocalZOrder() < 0; ++j)
        _protectedChildren.at(j)->visit(renderer, _modelViewTransform, flags);
    draw(renderer, _modelViewTransform, flags);
    for (; j < _protectedChildren.size(); ++j) _protectedChildren.at(j)->visit(renderer, _modelViewTransform, flags);
    for (; i < _children.size(); ++i) _children.at(i)->visit(renderer, _modelViewTransform, flags);

    director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
}

void ProtectedNode::onEnter() {
    Node::onEnter();
    for (Node* child : _protectedChildren) child->onEnter();
}

void ProtectedNode::onExit() {
    Node::onExit();
    for (Node* child : _protectedChildren) child->onExit();
}

void ProtectedNode::cleanup() {
    Node::cleanup();
    for (Node* child : _protectedChildren) child->cleanup();
}

void ProtectedNode::updateDisplayedOpacity(GLubyte parentOpacity) {
    Node::updateDisplayedOpacity(parentOpacity);
    if (_cascadeOpacityEnabled) {
        for (Node* child : _protectedChildren) child->updateDisplayedOpacity(_displayedOpacity);
    }
}

void ProtectedNode::updateDisplayedColor(const Color3B& parentColor) {
    Node::updateDisplayedColor(parentColor);
    if (_cascadeColorEnabled) {
        for (Node* child : _protectedChildren) child->updateDisplayedColor(_displayedColor);
    }
}

void ProtectedNode::disableCascadeColor() {
    Node::disableCascadeColor();
    for (Node* child : _protectedChildren) child->updateDisplayedColor(Color3B::WHITE);
}

void ProtectedNode::disableCascadeOpacity() {
    Node::disableCascadeOpacity();
    for (Node* child : _protectedChildren) child->updateDisplayedOpacity(255);
}

NS_CC_END
