// Registering new objects: page, place, parent choice, row, selection; and factories that fail.
#include "EditorSceneFixture.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SpriteEditor.h"

#include "support/EngineTestSupport.h"

#include <fstream>

using cocos2d::Vec2;

using GuiRegistration = EditorSceneFixture;

TEST_F(GuiRegistration, WithNothingSelectedTheObjectGoesIntoTheSceneAtTheCentre) {
    auto* node = TestEditorNode::create(5, 5);
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    EXPECT_EQ(node->getParent(), m_scene);
    EXPECT_EQ(node->getPosition(), Vec2(kWidth * 0.5f, kHeight * 0.5f));
    EXPECT_EQ(node->propertyPage, m_page);
    EXPECT_TRUE(node->treeItem.IsOk());
    ASSERT_EQ(selection()->selection.size(), 1u);
    EXPECT_EQ(selection()->selection.front(), static_cast<EditorObject*>(node));
    EXPECT_TRUE(node->isSelected());
    EXPECT_NE(row("_Node"), nullptr);
}

TEST_F(GuiRegistration, UnderTheFirstSelectedNodeAtTheOrigin) {
    auto* parent = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(parent, wxS("Particle2D")));
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 8, 8, cocos2d::Color4B(1, 2, 3, 255)));
    ASSERT_TRUE(RegisterEditorObject(sprite, wxS("Sprite")));
    drainPool();
    EXPECT_EQ(sprite->getParent(), parent);
    EXPECT_EQ(sprite->getPosition(), Vec2(0, 0));
    EXPECT_TRUE(sprite->isSelected());
    EXPECT_FALSE(parent->isSelected());
    EXPECT_EQ(rows().size(), 2u);

    // An opened file always goes into the scene.
    auto* opened = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(opened, wxS("Particle2D"), NewObjectParent::Scene));
    drainPool();
    EXPECT_EQ(opened->getParent(), m_scene);
    EXPECT_EQ(opened->getPosition(), Vec2(kWidth * 0.5f, kHeight * 0.5f));
}

TEST_F(GuiRegistration, AFactoryThatFailsLeavesTreeAndSelectionAsTheyWere) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    wxPGProperty* tag = row("_Tag");

    EXPECT_EQ(SpriteEditor::create("missing.png"), nullptr);
    std::ofstream(m_folder + "/broken.png") << "not an image";
    EXPECT_EQ(SpriteEditor::create("broken.png"), nullptr);
    EXPECT_EQ(SpriteEditor::create(""), nullptr);
    EXPECT_FALSE(RegisterEditorObject(nullptr, wxS("Sprite")));
    drainPool();

    EXPECT_EQ(rows().size(), 1u);
    ASSERT_EQ(selection()->selection.size(), 1u);
    EXPECT_EQ(selection()->selection.front(), static_cast<EditorObject*>(node));
    EXPECT_EQ(row("_Tag"), tag);
    ASSERT_EQ(highlighted().size(), 1u);
    EXPECT_EQ(highlighted()[0], node->treeItem);
}

TEST_F(GuiRegistration, WithoutARunningSceneNothingIsRegistered) {
    auto* node = TestEditorNode::create();
    node->retain();
    PurgeDirector();
    EXPECT_FALSE(RegisterEditorObject(node, wxS("Particle2D")));
    EXPECT_FALSE(node->treeItem.IsOk());
    EXPECT_EQ(rows().size(), 0u);
    EXPECT_TRUE(selection()->selection.empty());
    node->release();
}
