// Scene graph: transforms and conversions, child order, removal, colour, autorelease pool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "2d/CCLayer.h"
#include "2d/CCSprite.h"
#include "renderer/CCTexture2D.h"
#include "base/CCAutoreleasePool.h"
#include "renderer/CCRenderer.h"
#include "support/EngineTestSupport.h"

using namespace cocos2d;

namespace {

void ExpectVec(const Vec2& actual, float x, float y, float tol = 1e-3f) {
    EXPECT_NEAR(actual.x, x, tol);
    EXPECT_NEAR(actual.y, y, tol);
}

// A node that records when it is drawn and when it is destroyed.
class TracingNode : public Node {
public:
    static TracingNode* create(const std::string& label, std::vector<std::string>* drawn, int* destroyed) {
        auto* n = new TracingNode();
        n->m_label = label;
        n->m_drawn = drawn;
        n->m_destroyed = destroyed;
        n->init();
        n->autorelease();
        return n;
    }
    ~TracingNode() override {
        if (m_destroyed) ++*m_destroyed;
    }
    void draw(Renderer*, const Mat4&, uint32_t) override {
        if (m_drawn) m_drawn->push_back(m_label);
    }
    void update(float dt) override { updates.push_back(dt); }
    std::vector<float> updates;

private:
    std::string m_label;
    std::vector<std::string>* m_drawn = nullptr;
    int* m_destroyed = nullptr;
};

using NodeTransform = EngineTest;
using NodeChildren = EngineTest;
using AutoreleasePoolTest = EngineTest;

TEST_F(NodeTransform, DefaultsFollowTheEngine) {
    Node* n = Node::create();
    EXPECT_EQ(n->getTag(), Node::INVALID_TAG);
    EXPECT_EQ(n->getAnchorPoint(), Vec2::ZERO);
    EXPECT_FLOAT_EQ(n->getScale(), 1.0f);
    EXPECT_TRUE(n->isVisible());
    EXPECT_FALSE(n->isIgnoreAnchorPointForPosition());
    EXPECT_EQ(n->getColor(), Color3B::WHITE);
    EXPECT_EQ(n->getOpacity(), 255);
    Scene* s = Scene::create();
    EXPECT_TRUE(s->isIgnoreAnchorPointForPosition());
    EXPECT_EQ(s->getAnchorPoint(), Vec2(0.5f, 0.5f));
}

TEST_F(NodeTransform, AnchorRotationAndScaleOfOneNode) {
    Node* n = Node::create();
    n->setContentSize(Size(100, 50));
    n->setAnchorPoint(Vec2(0.5f, 0.5f));
    n->setPosition(200, 100);
    // The anchor lands on the position.
    ExpectVec(n->convertToWorldSpace(Vec2(50, 25)), 200, 100);
    ExpectVec(n->convertToWorldSpace(Vec2(0, 0)), 150, 75);
    ExpectVec(n->convertToWorldSpaceAR(Vec2::ZERO), 200, 100);

    // Positive rotation turns clockwise: local +x goes to world -y.
    n->setRotation(90);
    ExpectVec(n->convertToWorldSpace(Vec2(60, 25)), 200, 90);
    n->setRotation(0);

    n->setScale(2.0f);
    ExpectVec(n->convertToWorldSpace(Vec2(0, 0)), 100, 50);
    ExpectVec(n->convertToNodeSpace(Vec2(100, 50)), 0, 0);
    ExpectVec(n->convertToNodeSpaceAR(Vec2(200, 100)), 0, 0);

    Rect box = n->getBoundingBox();
    EXPECT_NEAR(box.origin.x, 100, 1e-3);
    EXPECT_NEAR(box.origin.y, 50, 1e-3);
    EXPECT_NEAR(box.size.width, 200, 1e-3);
    EXPECT_NEAR(box.size.height, 100, 1e-3);
}

TEST_F(NodeTransform, NestedNodesConvertBothWays) {
    Node* parent = Node::create();
    parent->setContentSize(Size(200, 100));
    parent->setAnchorPoint(Vec2(0.5f, 0.5f));
    parent->setPosition(300, 300);
    parent->setRotation(90);
    parent->setScale(2.0f);

    Node* child = Node::create();
    child->setContentSize(Size(20, 10));
    child->setAnchorPoint(Vec2(0, 0));
    child->setPosition(100, 50);  // the parent's centre
    child->setScaleX(0.5f);
    parent->addChild(child);

    // The child's origin is the parent's anchor, which sits at (300, 300).
    ExpectVec(child->convertToWorldSpace(Vec2::ZERO), 300, 300);
    // Child +x: scaled 0.5 then 2 = 1 per unit, rotated clockwise onto world -y.
    ExpectVec(child->convertToWorldSpace(Vec2(10, 0)), 300, 290);
    // Child +y: scaled 2, rotated onto world +x.
    ExpectVec(child->convertToWorldSpace(Vec2(0, 5)), 310, 300);

    Vec2 world(317, 283);
    ExpectVec(child->convertToWorldSpace(child->convertToNodeSpace(world)), 317, 283);
    ExpectVec(child->convertToNodeSpace(Vec2(310, 290)), 10, 5);

    Mat4 w2n = child->getWorldToNodeTransform();
    Mat4 n2w = child->getNodeToWorldTransform();
    Mat4 product = n2w * w2n;
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(product.m[i], Mat4::IDENTITY.m[i], 1e-4) << i;
}

TEST_F(NodeTransform, IgnoreAnchorPointKeepsTheOriginAtThePosition) {
    Node* n = Node::create();
    n->setContentSize(Size(40, 40));
    n->setAnchorPoint(Vec2(0.5f, 0.5f));
    n->setIgnoreAnchorPointForPosition(true);
    n->setPosition(10, 10);
    ExpectVec(n->convertToWorldSpace(Vec2::ZERO), 10, 10);
    // Rotation and scale still turn about the anchor.
    n->setRotation(180);
    ExpectVec(n->convertToWorldSpace(Vec2(20, 20)), 30, 30);
    ExpectVec(n->convertToWorldSpace(Vec2::ZERO), 50, 50);
}

TEST_F(NodeTransform, SkewFollowsTheEngineFormula) {
    Node* n = Node::create();
    n->setSkewX(45);
    ExpectVec(n->convertToWorldSpace(Vec2(0, 10)), 10, 10);
    n->setSkewX(0);
    n->setSkewY(45);
    ExpectVec(n->convertToWorldSpace(Vec2(10, 0)), 10, 10);
}

TEST_F(NodeChildren, VisitOrderIsLocalZThenArrival) {
    std::vector<std::string> drawn;
    Node* root = TracingNode::create("root", &drawn, nullptr);
    root->addChild(TracingNode::create("a0", &drawn, nullptr), 0);
    root->addChild(TracingNode::create("m1", &drawn, nullptr), -1);
    root->addChild(TracingNode::create("p2", &drawn, nullptr), 2);
    root->addChild(TracingNode::create("b0", &drawn, nullptr), 0);
    root->addChild(TracingNode::create("m5", &drawn, nullptr), -5);
    root->addChild(TracingNode::create("c0", &drawn, nullptr));

    Renderer renderer;
    root->visit(&renderer, Mat4::IDENTITY, 0);
    std::vector<std::string> expected = {"m5", "m1", "root", "a0", "b0", "c0", "p2"};
    EXPECT_EQ(drawn, expected);

    // Reordering moves a child after its new equal-Z siblings.
    Node* first = root->getChildren().at(2);  // sorted: m5 m1 a0 ...
    first->setLocalZOrder(0);                 // unchanged z: no reorder
    drawn.clear();
    root->visit(&renderer, Mat4::IDENTITY, 0);
    EXPECT_EQ(drawn, expected);

    root->reorderChild(first, 0);
    drawn.clear();
    root->visit(&renderer, Mat4::IDENTITY, 0);
    expected = {"m5", "m1", "root", "b0", "c0", "a0", "p2"};
    EXPECT_EQ(drawn, expected);

    // Invisible nodes draw nothing, children included.
    root->setVisible(false);
    drawn.clear();
    root->visit(&renderer, Mat4::IDENTITY, 0);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(NodeChildren, LookupByNameAndTag) {
    Node* root = Node::create();
    Node* a = Node::create();
    a->setName("default_bg_layer");
    root->addChild(a, -1);
    Node* b = Node::create();
    root->addChild(b, 0, 7);
    Node* c = Node::create();
    root->addChild(c, 0, std::string("named"));
    c->setTag(3);

    EXPECT_EQ(root->getChildByName("default_bg_layer"), a);
    EXPECT_EQ(root->getChildByName<Node*>("named"), c);
    EXPECT_EQ(root->getChildByName("missing"), nullptr);
    EXPECT_EQ(root->getChildByTag(7), b);
    EXPECT_EQ(root->getChildByTag(3), c);
    EXPECT_EQ(root->getChildrenCount(), 3);
    EXPECT_EQ(a->getParent(), root);
    EXPECT_EQ(a->getLocalZOrder(), -1);

    // A node with a parent cannot be added again.
    Node* other = Node::create();
    other->addChild(a);
    EXPECT_EQ(a->getParent(), root);
    EXPECT_EQ(other->getChildrenCount(), 0);
}

TEST_F(NodeChildren, RemoveFromParentAndCleanupReleasesTheSubtree) {
    int destroyed = 0;
    Scene* scene = Scene::create();
    scene->retain();
    Node* top = TracingNode::create("top", nullptr, &destroyed);
    scene->addChild(top);
    Node* mid = TracingNode::create("mid", nullptr, &destroyed);
    top->addChild(mid);
    mid->addChild(TracingNode::create("leaf1", nullptr, &destroyed));
    mid->addChild(TracingNode::create("leaf2", nullptr, &destroyed));
    top->addChild(TracingNode::create("leaf3", nullptr, &destroyed));
    PoolManager::getInstance()->getCurrentPool()->clear();  // only the graph owns them now
    EXPECT_EQ(destroyed, 0);

    auto* updating = static_cast<TracingNode*>(mid->getChildren().at(0));
    updating->scheduleUpdate();
    EXPECT_TRUE(Director::getInstance()->getScheduler()->isTargetPaused(updating));

    top->removeFromParentAndCleanup(true);
    EXPECT_EQ(destroyed, 5);
    EXPECT_EQ(scene->getChildrenCount(), 0);

    // Nothing of the removed subtree is updated any more.
    Director::getInstance()->getScheduler()->update(0.1f);

    // Without a parent nothing happens.
    Node* lone = TracingNode::create("lone", nullptr, &destroyed);
    lone->removeFromParentAndCleanup(true);
    EXPECT_EQ(lone->getReferenceCount(), 1u);
    scene->release();
}

TEST_F(NodeChildren, RemoveAllChildrenAndRunningState) {
    int destroyed = 0;
    Scene* scene = Scene::create();
    scene->retain();
    scene->onEnter();
    Node* a = TracingNode::create("a", nullptr, &destroyed);
    scene->addChild(a);
    EXPECT_TRUE(a->isRunning());
    Node* b = TracingNode::create("b", nullptr, &destroyed);
    b->retain();
    scene->addChild(b);
    PoolManager::getInstance()->getCurrentPool()->clear();
    scene->removeAllChildren();
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(b->isRunning());
    EXPECT_EQ(b->getParent(), nullptr);
    b->release();
    EXPECT_EQ(destroyed, 2);
    scene->onExit();
    scene->release();
}

TEST_F(NodeChildren, OpacityAndColourCascadeWhenEnabled) {
    Node* parent = Node::create();
    Node* child = Node::create();
    parent->addChild(child);
    parent->setOpacity(128);
    EXPECT_EQ(child->getDisplayedOpacity(), 255);
    parent->setCascadeOpacityEnabled(true);
    EXPECT_EQ(child->getDisplayedOpacity(), 128);
    child->setOpacity(128);
    EXPECT_EQ(child->getDisplayedOpacity(), 64);
    EXPECT_EQ(child->getOpacity(), 128);

    parent->setColor(Color3B(255, 0, 0));
    parent->setCascadeColorEnabled(true);
    EXPECT_EQ(child->getDisplayedColor(), Color3B(255, 0, 0));
    EXPECT_EQ(child->getColor(), Color3B::WHITE);
    parent->setCascadeColorEnabled(false);
    EXPECT_EQ(child->getDisplayedColor(), Color3B::WHITE);
}

TEST_F(NodeChildren, LayerColorDefaults) {
    LayerColor* layer = LayerColor::create(Color4B(0, 0, 0, 255));
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->getContentSize(), Director::getInstance()->getWinSize());
    EXPECT_TRUE(layer->isIgnoreAnchorPointForPosition());
    EXPECT_EQ(layer->getBlendFunc(), BlendFunc::ALPHA_NON_PREMULTIPLIED);
    EXPECT_EQ(layer->getOpacity(), 255);
    LayerColor* sized = LayerColor::create(Color4B(10, 20, 30, 40), 64, 32);
    EXPECT_EQ(sized->getContentSize(), Size(64, 32));
    EXPECT_EQ(sized->getColor(), Color3B(10, 20, 30));
    EXPECT_EQ(sized->getOpacity(), 40);
}

TEST_F(AutoreleasePoolTest, DrainReleasesOncePerAutorelease) {
    int destroyed = 0;
    auto* kept = TracingNode::create("kept", nullptr, &destroyed);
    auto* dropped = TracingNode::create("dropped", nullptr, &destroyed);
    EXPECT_EQ(kept->getReferenceCount(), 1u);
    EXPECT_TRUE(PoolManager::getInstance()->isObjectInPools(kept));
    kept->retain();
    auto* twice = TracingNode::create("twice", nullptr, &destroyed);
    twice->retain();
    twice->autorelease();  // in the pool two times now

    PoolManager::getInstance()->getCurrentPool()->clear();
    EXPECT_EQ(destroyed, 2);  // dropped and twice
    EXPECT_EQ(kept->getReferenceCount(), 1u);
    EXPECT_FALSE(PoolManager::getInstance()->isObjectInPools(kept));
    (void)dropped;
    kept->release();
    EXPECT_EQ(destroyed, 3);
}

TEST_F(AutoreleasePoolTest, TheMainLoopDrainsThePool) {
    int destroyed = 0;
    TracingNode::create("frame", nullptr, &destroyed);
    Director::getInstance()->mainLoop();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(AutoreleasePoolTest, NestedPoolBecomesCurrent) {
    int destroyed = 0;
    {
        AutoreleasePool inner("inner");
        EXPECT_EQ(PoolManager::getInstance()->getCurrentPool(), &inner);
        TracingNode::create("inner", nullptr, &destroyed);
    }
    EXPECT_EQ(destroyed, 1);
}

}  // namespace

namespace {

using SpriteNode = EngineTest;

TEST_F(SpriteNode, DefaultsWithoutATexture) {
    Sprite* sprite = Sprite::create();
    ASSERT_NE(sprite, nullptr);
    EXPECT_NE(sprite->getTexture(), nullptr);  // the 2 x 2 white stand-in
    EXPECT_EQ(sprite->getTexture()->getPixelsWide(), 2);
    EXPECT_EQ(sprite->getContentSize(), Size::ZERO);
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_FALSE(sprite->isFlippedX());
    EXPECT_EQ(Sprite::create(""), nullptr);
    EXPECT_EQ(Sprite::create("/no/such/file.png"), nullptr);

    sprite->setTextureRect(Rect(0, 0, 64, 32));
    EXPECT_EQ(sprite->getContentSize(), Size(64, 32));
    sprite->setPosition(100, 100);
    Rect box = sprite->getBoundingBox();
    EXPECT_FLOAT_EQ(box.origin.x, 68);
    EXPECT_FLOAT_EQ(box.origin.y, 84);
    // Picking in the sprite's own space: its rectangle is (0, 0)-(64, 32) whatever the anchor.
    EXPECT_TRUE(Rect(Vec2::ZERO, sprite->getContentSize()).containsPoint(sprite->convertToNodeSpace(Vec2(70, 86))));
    EXPECT_FALSE(Rect(Vec2::ZERO, sprite->getContentSize()).containsPoint(sprite->convertToNodeSpace(Vec2(66, 86))));

    // Colour and opacity reach the vertices; with opacityModifyRGB they premultiply.
    sprite->setColor(Color3B(200, 100, 50));
    sprite->setOpacity(128);
    sprite->setOpacityModifyRGB(true);
    EXPECT_EQ(sprite->getQuad().tl.colors, Color4B(100, 50, 25, 128));
    sprite->setOpacityModifyRGB(false);
    EXPECT_EQ(sprite->getQuad().br.colors, Color4B(200, 100, 50, 128));
    EXPECT_EQ(sprite->getColor(), Color3B(200, 100, 50));
    EXPECT_EQ(sprite->getOpacity(), 128);

    sprite->setBlendFunc(BlendFunc::ADDITIVE);
    EXPECT_EQ(sprite->getBlendFunc(), BlendFunc::ADDITIVE);
}

}  // namespace
