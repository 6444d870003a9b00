// The object tree: rows of new objects, selection by real clicks, control-clicks, renaming in place.
#include "EditorSceneFixture.h"

#include "editor/ObjectTreeData.h"
#include "editor/RegisterEditorObject.h"
#include "editor/SpriteEditor.h"

#include <wx/textctrl.h>
#include <wx/uiaction.h>

using GuiObjectTree = EditorSceneFixture;

TEST_F(GuiObjectTree, IsTheOneTreeWithItsIdStyleAndHiddenRoot) {
    EXPECT_EQ(theObjectTree, m_tree);
    EXPECT_EQ(m_tree->GetId(), 10002);
    const long style = m_tree->GetWindowStyleFlag();
    const long bits[] = {wxTR_HAS_BUTTONS, wxTR_LINES_AT_ROOT, wxTR_TWIST_BUTTONS, wxTR_MULTIPLE,
                         wxTR_EDIT_LABELS, wxTR_HIDE_ROOT,     wxBORDER_NONE};
    for (long bit : bits) EXPECT_EQ(style & bit, bit) << bit;
    EXPECT_EQ(m_tree->GetItemText(m_tree->GetRootItem()), wxS("Objects"));
    wxObject* byName = wxCreateDynamicObject(wxS("ObjectTree"));
    EXPECT_NE(wxDynamicCast(byName, ObjectTree), nullptr);
    EXPECT_EQ(theObjectTree, m_tree); // a tree made by name, never created as a window, is not the tree
    delete byName;
}

TEST_F(GuiObjectTree, NewObjectRowIsAppendedAndHighlightedAlone) {
    auto* first = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(first, wxS("Particle2D")));
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 8, 8, cocos2d::Color4B(255, 0, 0, 255)));
    ASSERT_TRUE(RegisterEditorObject(sprite, wxS("Sprite")));
    auto* third = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(third, wxS("Particle2D")));
    drainPool();

    // Nested in the scene (each went under the one selected before), flat in the tree.
    EXPECT_EQ(third->getParent(), sprite);
    EXPECT_EQ(sprite->getParent(), first);
    const wxArrayTreeItemIds list = rows();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(m_tree->GetItemText(list[0]), wxS("Particle2D"));
    EXPECT_EQ(m_tree->GetItemText(list[1]), wxS("Sprite"));
    EXPECT_EQ(m_tree->GetItemText(list[2]), wxS("Particle2D"));
    EXPECT_EQ(list[2], third->treeItem);
    auto* data = dynamic_cast<ObjectTreeData*>(m_tree->GetItemData(list[1]));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->object, static_cast<EditorObject*>(sprite));
    const wxArrayTreeItemIds lit = highlighted();
    ASSERT_EQ(lit.size(), 1u);
    EXPECT_EQ(lit[0], third->treeItem);
    EXPECT_FALSE(m_tree->IsSelected(first->treeItem));
}

TEST_F(GuiObjectTree, ClickingARowSelectsItsObjectAndBuildsItsPage) {
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 8, 8, cocos2d::Color4B(255, 0, 0, 255)));
    ASSERT_TRUE(RegisterEditorObject(sprite, wxS("Sprite")));
    selection()->clearSelection();
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    EXPECT_EQ(row("_Sprite"), nullptr);

    clickRow(sprite->treeItem);
    ASSERT_TRUE(pumpUntil([&] { return sprite->isSelected(); }));
    EXPECT_FALSE(node->isSelected());
    EXPECT_NE(row("_Color"), nullptr);
    EXPECT_NE(row("_Opacity"), nullptr);
    wxPGProperty* tag = row("_Tag");

    // Clicking it again changes nothing: the same page stays.
    clickRow(sprite->treeItem);
    EXPECT_EQ(row("_Tag"), tag);
    EXPECT_EQ(selection()->selection.size(), 1u);
    ASSERT_EQ(highlighted().size(), 1u);
    EXPECT_EQ(highlighted()[0], sprite->treeItem);
}

TEST_F(GuiObjectTree, ControlClickingASecondRowLeavesOnlyThatRowHighlighted) {
    auto* a = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(a, wxS("Particle2D")));
    selection()->clearSelection();
    auto* b = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(b, wxS("Particle2D")));
    drainPool();
    clickRow(a->treeItem);
    ASSERT_TRUE(pumpUntil([&] { return a->isSelected(); }));

    clickRow(b->treeItem, true);
    ASSERT_TRUE(pumpUntil([&] { return b->isSelected(); }));
    EXPECT_FALSE(a->isSelected());
    ASSERT_EQ(selection()->selection.size(), 1u);
    const wxArrayTreeItemIds lit = highlighted();
    ASSERT_EQ(lit.size(), 1u);
    EXPECT_EQ(lit[0], b->treeItem);
}

TEST_F(GuiObjectTree, RenamingARowInPlaceLeavesTheObjectsNameAlone) {
    auto* node = TestEditorNode::create();
    node->setName("emitter");
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    m_tree->EditLabel(node->treeItem);
    auto* editor = m_tree->GetEditControl();
    ASSERT_NE(editor, nullptr);
    editor->SetValue(wxS("火焰"));
    m_tree->EndEditLabel(node->treeItem, false);
    pumpUntil([&] { return m_tree->GetItemText(node->treeItem) == wxS("火焰"); });

    EXPECT_EQ(m_tree->GetItemText(node->treeItem), wxS("火焰"));
    EXPECT_EQ(node->getName(), "emitter");
    EXPECT_EQ(row("_Name")->GetValue().GetString(), wxS("emitter"));
}

TEST_F(GuiObjectTree, RightClicksAndUnselectEventsDoNothing) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    wxRect rect;
    ASSERT_TRUE(m_tree->GetBoundingRect(node->treeItem, rect, true));
    wxUIActionSimulator simulator;
    simulator.MouseMove(m_tree->ClientToScreen(rect.GetPosition() + wxPoint(5, rect.height / 2)));
    simulator.MouseClick(wxMOUSE_BTN_RIGHT);
    pumpUntil([] { return false; }, 200);
    EXPECT_TRUE(node->isSelected());
    EXPECT_EQ(selection()->selection.size(), 1u);

    // Unselecting the row (as setSelected(false) does) reports a change that the tree ignores.
    m_tree->UnselectItem(node->treeItem);
    pumpUntil([] { return false; }, 50);
    EXPECT_TRUE(node->isSelected());
    EXPECT_EQ(selection()->selection.size(), 1u);
}
