// Edits typed into the page reach the node: the common rows, the sprite's colour and opacity, and a drag's end.
#include "EditorSceneFixture.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SpriteEditor.h"
#include "editor/wxRealPointVariantData.h"

#include <wx/colour.h>
#include <wx/propgrid/advprops.h>

using cocos2d::Vec2;

class GuiNodeEdits : public EditorSceneFixture {
protected:
    TestEditorNode* registered() {
        auto* node = TestEditorNode::create();
        EXPECT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
        drainPool();
        return node;
    }
    // Commits a value through the grid, as a user's edit in a non-text editor does.
    void change(const char* name, const wxVariant& value) {
        wxPGProperty* property = row(name);
        ASSERT_NE(property, nullptr) << name;
        ASSERT_TRUE(grid()->ChangePropertyValue(property, value)) << name;
    }
    wxRealPoint pointOf(const char* name) {
        wxVariant value = row(name)->GetValue();
        return wxRealPointRefFromVariant(value);
    }
};

TEST_F(GuiNodeEdits, NodeCategoryShowsTheSevenRowsFromTheNode) {
    auto* node = TestEditorNode::create();
    node->setTag(7);
    node->setName("火焰");
    node->setRotation(12.5f);
    node->setContentSize(cocos2d::Size(10.9f, -3.7f));
    node->setAnchorPoint(Vec2(0.25f, 1));
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();

    wxPGProperty* category = row("_Node");
    ASSERT_NE(category, nullptr);
    EXPECT_TRUE(category->IsCategory());
    EXPECT_EQ(category->GetLabel(), wxS("Node"));
    const char* names[] = {"_Tag", "_Name", "_Position", "_Rotation", "_Size", "_AnchorPoint"};
    const wxString labels[] = {wxS("Tag"), wxS("Name"), wxS("位置"), wxS("旋转"), wxS("大小"), wxS("锚点")};
    const wxString helps[] = {wxS("对象标记"), wxS("对象名称"), wxS("对象位置"),
                              wxS("旋转角度"), wxS("对象大小"), wxS("对象锚点")};
    ASSERT_EQ(category->GetChildCount(), 6u);
    for (unsigned i = 0; i < 6; ++i) {
        EXPECT_EQ(category->Item(i)->GetName(), wxString::FromUTF8(names[i]));
        EXPECT_EQ(category->Item(i)->GetLabel(), labels[i]);
        EXPECT_EQ(category->Item(i)->GetHelpString(), helps[i]);
    }
    EXPECT_EQ(row("_Tag")->GetValue().GetLong(), 7);
    EXPECT_EQ(row("_Name")->GetValue().GetString(), wxS("火焰"));
    EXPECT_EQ(pointOf("_Position"), wxRealPoint(kWidth / 2, kHeight / 2));
    EXPECT_DOUBLE_EQ(row("_Rotation")->GetValue().GetDouble(), 12.5);
    wxSize size;
    size << row("_Size")->GetValue();
    EXPECT_EQ(size, wxSize(10, -3));
    EXPECT_EQ(pointOf("_AnchorPoint"), wxRealPoint(0.25, 1));
}

TEST_F(GuiNodeEdits, NameAndSizeReachTheNode) {
    TestEditorNode* node = registered();
    ASSERT_TRUE(typeInto(row("_Name"), wxS("尾焰 1")));
    EXPECT_EQ(node->getName(), "尾焰 1");
    // Re-selecting shows the same text again.
    selection()->clearSelection();
    selection()->select(node);
    EXPECT_EQ(row("_Name")->GetValue().GetString(), wxS("尾焰 1"));

    wxPGProperty* sizeRow = row("_Size");
    ASSERT_TRUE(typeInto(sizeRow->GetPropertyByName(wxS("Width")), wxS("120")));
    ASSERT_TRUE(typeInto(sizeRow->GetPropertyByName(wxS("Height")), wxS("80")));
    EXPECT_EQ(node->getContentSize(), cocos2d::Size(120, 80));
    EXPECT_EQ(node->getBounds(), cocos2d::Rect(-60, -40, 120, 80));
    ASSERT_TRUE(typeInto(sizeRow->GetPropertyByName(wxS("Width")), wxS("10.7")));
    EXPECT_EQ(node->getContentSize().width, 10.f);
}

TEST_F(GuiNodeEdits, TagPositionRotationAndAnchorReachTheNode) {
    TestEditorNode* node = registered();
    ASSERT_TRUE(typeInto(row("_Tag"), wxS("42")));
    EXPECT_EQ(node->getTag(), 42);
    ASSERT_TRUE(typeInto(row("_Position")->GetPropertyByName(wxS("X")), wxS("12.5")));
    EXPECT_EQ(node->getPosition(), Vec2(12.5f, kHeight / 2));
    ASSERT_TRUE(typeInto(row("_Rotation"), wxS("-30")));
    EXPECT_EQ(node->getRotation(), -30.f);
    ASSERT_TRUE(typeInto(row("_AnchorPoint")->GetPropertyByName(wxS("Y")), wxS("0.75")));
    EXPECT_EQ(node->getAnchorPoint(), Vec2(0, 0.75f)); // a plain node is anchored at (0, 0)
    // Only the edited row's object changes: nothing is written back into the page.
    EXPECT_EQ(pointOf("_Position"), wxRealPoint(12.5, kHeight / 2));
}

TEST_F(GuiNodeEdits, SpriteColourAndOpacityReachTheSprite) {
    SpriteEditor* sprite = SpriteEditor::create(makePng("s.png", 8, 8, cocos2d::Color4B(255, 255, 255, 255)));
    ASSERT_NE(sprite, nullptr);
    ASSERT_TRUE(RegisterEditorObject(sprite, wxS("Sprite")));
    drainPool();
    wxPGProperty* category = row("_Sprite");
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->GetLabel(), wxS("Sprite"));
    EXPECT_EQ(row("_Color")->GetLabel(), wxS("叠加颜色"));
    EXPECT_EQ(row("_Color")->GetHelpString(), wxS("整体叠加颜色"));
    EXPECT_EQ(row("_Opacity")->GetLabel(), wxS("透明度"));
    EXPECT_EQ(row("_Opacity")->GetHelpString(), wxS("透明度值范围：0-255"));
    EXPECT_EQ(row("_Color")->GetParent(), category);
    wxColour shown;
    shown << row("_Color")->GetValue();
    EXPECT_EQ(shown, wxColour(255, 255, 255, 255));
    EXPECT_EQ(row("_Opacity")->GetValue().GetLong(), 255);

    wxVariant colour;
    colour << wxColour(10, 200, 30);
    change("_Color", colour);
    EXPECT_EQ(sprite->getColor(), cocos2d::Color3B(10, 200, 30));
    ASSERT_TRUE(typeInto(row("_Opacity"), wxS("128")));
    EXPECT_EQ(sprite->getOpacity(), 128);
    ASSERT_TRUE(typeInto(row("_Opacity"), wxS("300")));
    EXPECT_EQ(sprite->getOpacity(), 255);
    ASSERT_TRUE(typeInto(row("_Opacity"), wxS("-5")));
    EXPECT_EQ(sprite->getOpacity(), 0);
    // The common rows reach a sprite too.
    ASSERT_TRUE(typeInto(row("_Name"), wxS("bg")));
    EXPECT_EQ(sprite->getName(), "bg");

    // And the drawn image takes the tint.
    ASSERT_TRUE(typeInto(row("_Opacity"), wxS("255")));
    sprite->setPosition(100, 100);
    drawFrame();
    const cocos2d::Color4B drawn = pixel(100, 100);
    EXPECT_NEAR(drawn.r, 10, 3);
    EXPECT_NEAR(drawn.g, 200, 3);
    EXPECT_NEAR(drawn.b, 30, 3);
}

TEST_F(GuiNodeEdits, AfterADragThePositionRowShowsTheNewPosition) {
    TestEditorNode* node = registered();
    const Vec2 start = node->getPosition();
    m_page->SetPropertyValue(row("_Rotation"), 5.0); // a value the node does not have

    selection()->moveSelectedBy(Vec2(10, -4));
    selection()->moveSelectedBy(Vec2(2.5f, 1));
    EXPECT_EQ(node->getPosition(), start + Vec2(12.5f, -3));
    // While the button is held the page is left alone.
    EXPECT_EQ(pointOf("_Position"), wxRealPoint(start.x, start.y));
    selection()->endMove();
    EXPECT_EQ(pointOf("_Position"), wxRealPoint(start.x + 12.5, start.y - 3));
    EXPECT_EQ(row("_Position")->GetPropertyByName(wxS("X"))->GetValue().GetDouble(), start.x + 12.5);
    EXPECT_DOUBLE_EQ(row("_Rotation")->GetValue().GetDouble(), 5.0);

    // A later edit of one coordinate keeps the other where the drag left it.
    ASSERT_TRUE(typeInto(row("_Position")->GetPropertyByName(wxS("Y")), wxS("50")));
    EXPECT_EQ(node->getPosition(), Vec2(start.x + 12.5f, 50));

    // A release without a drag touches nothing.
    m_page->SetPropertyValue(row("_Position"), wxVariant(new wxRealPointVariantData(wxRealPoint(1, 1))));
    selection()->endMove();
    EXPECT_EQ(pointOf("_Position"), wxRealPoint(1, 1));
}
