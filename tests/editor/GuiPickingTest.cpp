// Picking in the scene: nesting, transforms, sibling and child order, locked objects, particle and sprite boxes.
#include "EditorSceneFixture.h"

#include "editor/SpriteEditor.h"

using cocos2d::Vec2;

using GuiPicking = EditorSceneFixture;

TEST_F(GuiPicking, FindsAChildThroughMovedRotatedAndScaledAncestors) {
    // grandparent moved; parent moved, turned 90° clockwise and doubled
    auto* grandparent = cocos2d::Node::create();
    grandparent->setPosition(200, 100);
    auto* parent = cocos2d::Node::create();
    parent->setPosition(100, 100);
    parent->setRotation(90);
    parent->setScale(2);
    auto* child = TestEditorNode::create(40, 0);
    m_scene->addChild(grandparent);
    grandparent->addChild(parent);
    parent->addChild(child);
    // (40, 0) doubled is (80, 0), turned clockwise (0, -80), moved to (300, 120);
    // the 40 x 40 box doubled spans 260..340 by 80..160 in the scene.
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(300, 120)), child);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(338, 158)), child);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(262, 82)), child);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(342, 120)), nullptr);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(300, 162)), nullptr);
    // Where the child would be without the parent's turn: nothing.
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(380, 200)), nullptr);

    selection()->selectAt(Vec2(300, 120));
    ASSERT_EQ(selection()->selection.size(), 1u);
    EXPECT_EQ(selection()->selection.front(), static_cast<EditorObject*>(child));
}

TEST_F(GuiPicking, ChildWinsOverItsParentAndTheLaterSiblingWins) {
    auto* parent = TestEditorNode::create(100, 100);
    auto* child = TestEditorNode::create(10, 10);
    m_scene->addChild(parent);
    parent->addChild(child);
    // Overlap of the parent's box (80..120) and the child's (90..130 in the scene).
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(105, 105)), child);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(85, 85)), parent);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(125, 125)), child);

    auto* first = TestEditorNode::create(300, 100);
    auto* second = TestEditorNode::create(310, 100);
    m_scene->addChild(first);
    m_scene->addChild(second);
    drawFrame(); // the scene sorts its children as it draws; equal Z keeps the order of adding
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(305, 100)), second);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(285, 100)), first);
}

TEST_F(GuiPicking, LockedObjectIsSkippedButItsChildIsFound) {
    auto* locked = TestEditorNode::create(200, 150);
    auto* child = TestEditorNode::create(30, 0);
    m_scene->addChild(locked);
    locked->addChild(child);
    locked->setLocked(true);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(190, 150)), nullptr);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(235, 150)), child);
    // A locked child lets its parent be found under it.
    locked->setLocked(false);
    child->setLocked(true);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(215, 150)), locked);
}

TEST_F(GuiPicking, ParticleSizedNodeIsPickedInTheFortySquareAroundItsPosition) {
    auto* emitter = TestEditorNode::create(100, 100);
    m_scene->addChild(emitter);
    ASSERT_EQ(emitter->getContentSize().width, 0);
    for (const Vec2& inside : {Vec2(100, 100), Vec2(80, 80), Vec2(120, 120), Vec2(80, 119.5f), Vec2(119.9f, 80.1f)})
        EXPECT_EQ(selection()->hitTest(m_scene, inside), emitter) << inside.x << "," << inside.y;
    for (const Vec2& outside : {Vec2(79.5f, 100), Vec2(120.5f, 100), Vec2(100, 79.5f), Vec2(100, 120.5f)})
        EXPECT_EQ(selection()->hitTest(m_scene, outside), nullptr) << outside.x << "," << outside.y;
    // A scale of the node itself scales its box too.
    emitter->setScale(0.5f);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(109, 100)), emitter);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(111, 100)), nullptr);
}

TEST_F(GuiPicking, SpriteIsPickedExactlyOnItsImageWhateverItsAnchor) {
    SpriteEditor* sprite = SpriteEditor::create(makePng("box.png", 64, 32, cocos2d::Color4B(0, 0, 255, 255)));
    ASSERT_NE(sprite, nullptr);
    m_scene->addChild(sprite);
    sprite->setPosition(200, 150);
    EXPECT_EQ(sprite->getBounds().origin, Vec2(0, 0));
    EXPECT_EQ(sprite->getBounds().size, cocos2d::Size(64, 32));

    // Default anchor (0.5, 0.5): the image spans 168..232 by 134..166.
    for (const Vec2& inside : {Vec2(168.5f, 134.5f), Vec2(231.5f, 165.5f), Vec2(200, 150)})
        EXPECT_EQ(selection()->hitTest(m_scene, inside), sprite) << inside.x << "," << inside.y;
    for (const Vec2& outside : {Vec2(167.5f, 150), Vec2(232.5f, 150), Vec2(200, 133.5f), Vec2(200, 166.5f)})
        EXPECT_EQ(selection()->hitTest(m_scene, outside), nullptr) << outside.x << "," << outside.y;

    // Anchor (0, 0): the image spans 200..264 by 150..182.
    sprite->setAnchorPoint(Vec2(0, 0));
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(263.5f, 181.5f)), sprite);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(199.5f, 160)), nullptr);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(170, 140)), nullptr);

    // And where the engine draws it: the image's pixels are exactly the picked area.
    drawFrame();
    EXPECT_EQ(pixel(230, 170).b, 255);
    EXPECT_EQ(pixel(198, 170).b, 0);
}

TEST_F(GuiPicking, SpriteOverAParticleSizedParentIsPickedOnTheOverlap) {
    auto* emitter = TestEditorNode::create(100, 100);
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 64, 32, cocos2d::Color4B(255, 255, 0, 255)));
    ASSERT_NE(sprite, nullptr);
    m_scene->addChild(emitter);
    emitter->addChild(sprite); // at (0, 0): centred on the emitter
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(100, 100)), sprite);
    EXPECT_EQ(selection()->hitTest(m_scene, Vec2(100, 118)), emitter); // above the image, inside the square
}
