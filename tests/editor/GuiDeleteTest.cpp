// Deleting the selection: the scene loses the node and its children, the tree their rows, nothing stays lit.
#include "EditorSceneFixture.h"

#include "editor/RegisterEditorObject.h"
#include "editor/ObjectTreeData.h"
#include "editor/SpriteEditor.h"

using GuiDelete = EditorSceneFixture;

TEST_F(GuiDelete, WithNothingSelectedNothingHappens) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    selection()->clearSelection();
    drainPool();
    selection()->deleteSelected();
    drainPool();
    EXPECT_EQ(node->getParent(), m_scene);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(TestEditorNode::alive, 1);
}

TEST_F(GuiDelete, RemovesTheSelectedNodeWithItsChildrenAndEveryRowAmongThem) {
    // keep: an unrelated object; top > sprite > (plain node > leaf)
    auto* keep = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(keep, wxS("Particle2D")));
    selection()->clearSelection();
    auto* top = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(top, wxS("Particle2D")));
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 16, 16, cocos2d::Color4B(9, 9, 9, 255)));
    ASSERT_TRUE(RegisterEditorObject(sprite, wxS("Sprite")));
    auto* plain = cocos2d::Node::create();
    sprite->addChild(plain);
    auto* leaf = TestEditorNode::create();
    leaf->treeItem = m_tree->AppendItem(m_tree->GetRootItem(), wxS("Particle2D"), -1, -1, new ObjectTreeData(leaf));
    plain->addChild(leaf);
    drainPool();
    ASSERT_EQ(rows().size(), 4u);
    ASSERT_EQ(TestEditorNode::alive, 3);

    selection()->select(top);
    selection()->deleteSelected();
    drainPool();

    EXPECT_TRUE(selection()->selection.empty());
    EXPECT_EQ(pageSize(), 0u);
    EXPECT_EQ(m_scene->getChildrenCount(), 1);
    EXPECT_EQ(TestEditorNode::alive, 1);
    const wxArrayTreeItemIds left = rows();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], keep->treeItem);
    EXPECT_EQ(highlighted().size(), 0u);
    // The tree still works for what is left.
    clickRow(keep->treeItem);
    EXPECT_TRUE(pumpUntil([&] { return keep->isSelected(); }));
}

TEST_F(GuiDelete, AnObjectThatWasNeverRegisteredLeavesTheTreeAlone) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    {
        TestEditorNode* loose = TestEditorNode::create();
        (void)loose;
        drainPool(); // destroyed with no row
    }
    EXPECT_EQ(rows().size(), 1u);
    ASSERT_EQ(highlighted().size(), 1u);
    EXPECT_TRUE(node->isSelected());
}

TEST_F(GuiDelete, AnObjectRemovedBehindTheSelectionsBackLeavesIt) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    ASSERT_EQ(selection()->selection.size(), 1u);
    // Not through deleteSelected: the scene drops the node while it is selected.
    m_scene->removeAllChildren();
    drainPool();
    EXPECT_EQ(TestEditorNode::alive, 0);
    EXPECT_TRUE(selection()->selection.empty());
    EXPECT_EQ(pageSize(), 0u);
    EXPECT_EQ(rows().size(), 0u);
    EXPECT_EQ(highlighted().size(), 0u);
    // Edits and moves after that reach nothing and do not crash.
    selection()->applyToSelection(nullptr, wxS("_Name"), wxAny(wxString(wxS("x"))));
    selection()->moveSelectedBy(cocos2d::Vec2(1, 1));
    selection()->deleteSelected();
}
