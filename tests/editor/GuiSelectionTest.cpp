// The selection keeps the page, the frames (in pixels) and the tree highlight in step.
#include "EditorSceneFixture.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SpriteEditor.h"

#include "2d/CCSprite.h"

using cocos2d::Vec2;

namespace {
// Frame of a 40 x 40 box around (x, y): its four edge midpoints and corners.
const Vec2 kEdges[] = {{0, -20}, {0, 20}, {-20, 0}, {20, 0}, {-20, -20}, {20, 20}};
}

class GuiSelection : public EditorSceneFixture {
protected:
    void expectFrame(int x, int y, int r, int g, int b) {
        for (const Vec2& e : kEdges)
            EXPECT_TRUE(colourNear(x + static_cast<int>(e.x), y + static_cast<int>(e.y), r, g, b))
                << "frame of (" << x << "," << y << ") at offset " << e.x << "," << e.y;
    }
    // Red pixels anywhere in the frame buffer, with the box they fall in.
    int redPixelsOutside(int x, int y, int half) {
        int count = 0;
        for (int py = 0; py < kHeight; ++py)
            for (int px = 0; px < kWidth; ++px) {
                const cocos2d::Color4B c = pixel(px, py);
                const bool red = c.r > 200 && c.g < 60 && c.b < 60;
                const bool inBox = std::abs(px - x) <= half + 1 && std::abs(py - y) <= half + 1;
                if (red && !inBox) ++count;
            }
        return count;
    }
};

TEST_F(GuiSelection, ClickOnEmptySpaceEmptiesThePageWhitensTheFrameAndDropsTheHighlight) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    node->setPosition(100, 100);
    drawFrame();
    expectFrame(100, 100, 255, 0, 0);
    EXPECT_GT(pageSize(), 0u);
    EXPECT_EQ(highlighted().size(), 1u);

    selection()->selectAt(Vec2(300, 250));
    EXPECT_TRUE(selection()->selection.empty());
    EXPECT_FALSE(node->isSelected());
    EXPECT_EQ(pageSize(), 0u);
    EXPECT_EQ(highlighted().size(), 0u);
    drawFrame();
    expectFrame(100, 100, 255, 255, 255);
    EXPECT_EQ(redPixelsOutside(0, 0, -2), 0); // an empty box: no red pixel anywhere
}

TEST_F(GuiSelection, ClickOnTheSelectedObjectKeepsThePageAndWhatWasTypedIntoIt) {
    auto* node = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(node, wxS("Particle2D")));
    drainPool();
    wxPGProperty* rotation = row("_Rotation");
    ASSERT_NE(rotation, nullptr);
    // A value on the page that the node does not have: a rebuild would lose it.
    m_page->SetPropertyValue(rotation, 33.0);
    ASSERT_TRUE(typeInto(row("_Name"), wxS("typed")));

    selection()->selectAt(node->getPosition());
    EXPECT_EQ(row("_Rotation"), rotation);
    EXPECT_DOUBLE_EQ(row("_Rotation")->GetValue().GetDouble(), 33.0);
    EXPECT_EQ(row("_Name")->GetValue().GetString(), wxS("typed"));
    EXPECT_EQ(node->getRotation(), 0.f);
    ASSERT_EQ(selection()->selection.size(), 1u);
    EXPECT_TRUE(node->isSelected());
}

TEST_F(GuiSelection, SelectingThroughTheTreeLeavesExactlyOneRedFrame) {
    auto* a = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(a, wxS("Particle2D")));
    selection()->clearSelection();
    auto* b = TestEditorNode::create();
    ASSERT_TRUE(RegisterEditorObject(b, wxS("Particle2D")));
    drainPool();
    a->setPosition(100, 100);
    b->setPosition(300, 200);
    ASSERT_TRUE(b->isSelected());

    clickRow(a->treeItem);
    ASSERT_TRUE(pumpUntil([&] { return a->isSelected(); })) << "the click on the row did not select its object";
    EXPECT_FALSE(b->isSelected());
    ASSERT_EQ(selection()->selection.size(), 1u);
    EXPECT_EQ(selection()->selection.front(), static_cast<EditorObject*>(a));

    drawFrame();
    expectFrame(100, 100, 255, 0, 0);
    expectFrame(300, 200, 255, 255, 255);
    EXPECT_EQ(redPixelsOutside(100, 100, 20), 0);
}

TEST_F(GuiSelection, FramesAreDrawnOverLaterOpaqueSprites) {
    auto* node = TestEditorNode::create(200, 150);
    m_scene->addChild(node);
    selection()->select(node);
    // An opaque green sprite drawn after the node, covering its whole frame.
    auto* cover = cocos2d::Sprite::create(makePng("cover.png", 100, 100, cocos2d::Color4B(0, 255, 0, 255)));
    ASSERT_NE(cover, nullptr);
    cover->setPosition(200, 150);
    m_scene->addChild(cover);
    drawFrame();
    expectFrame(200, 150, 255, 0, 0);
    EXPECT_TRUE(colourNear(200, 150, 0, 255, 0, 0));
}

TEST_F(GuiSelection, SpriteFrameRunsAroundItsImage) {
    SpriteEditor* sprite = SpriteEditor::create(makePng("img.png", 64, 32, cocos2d::Color4B(0, 0, 255, 255)));
    ASSERT_NE(sprite, nullptr);
    m_scene->addChild(sprite);
    sprite->setPosition(200, 150);
    drawFrame();
    // White frame along the image's edges 168..232 by 134..166.
    EXPECT_TRUE(colourNear(200, 134, 255, 255, 255));
    EXPECT_TRUE(colourNear(200, 166, 255, 255, 255));
    EXPECT_TRUE(colourNear(168, 150, 255, 255, 255));
    EXPECT_TRUE(colourNear(232, 150, 255, 255, 255));
    selection()->select(sprite);
    drawFrame();
    EXPECT_TRUE(colourNear(168, 150, 255, 0, 0));
    EXPECT_TRUE(colourNear(232, 150, 255, 0, 0));
}
