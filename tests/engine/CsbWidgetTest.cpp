// Widgets from scene files: buttons, image views, texts and panels node by node, and the nine-slice geometry.
#include <gtest/gtest.h>

#include "2d/CCFontFreeType.h"
#include "2d/CCLabel.h"
#include "2d/CCLayerGradient.h"
#include "2d/CCSprite.h"
#include "CsbSceneTestSupport.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "renderer/CCTexture2D.h"
#include "ui/UIButton.h"
#include "ui/UIImageView.h"
#include "ui/UILayout.h"
#include "ui/UIScale9Sprite.h"
#include "ui/UIText.h"

using namespace cocos2d;
using Props = CsbTestWriter::Props;
using Tree = flatbuffers::Offset<flatbuffers::NodeTree>;

namespace {

using CsbWidget = CsbSceneTest;

Node* loadOne(CsbTestWriter& w, Tree child, const std::string& file, CsbSceneTest& test) {
    (void)test;
    CsbTestWriter::save(file, w.finish(w.plainNode(Props{}, {child})));
    Node* root = CSLoader::createNode(file);
    if (root == nullptr || root->getChildrenCount() != 1) return nullptr;
    return root->getChildren().at(0);
}

Tree button(CsbTestWriter& w, const Props& p, const std::string& normal, const std::string& disabled, bool scale9,
            bool bright, const std::string& title) {
    auto wo = w.widget(p);
    auto normalData = w.resource(normal);
    auto pressedData = w.resource("");
    auto disabledData = w.resource(disabled);
    auto font = w.resource("");
    auto text = w.fbb.CreateString(title);
    auto fontName = w.fbb.CreateString("");
    const flatbuffers::Color textColor(255, 10, 200, 30);
    const flatbuffers::CapInsets insets(10, 10, 500, 20); // centre wider than the image: clamped
    const flatbuffers::FlatSize nineSize(200, 80);
    return w.node("Button",
                  flatbuffers::CreateButtonOptions(w.fbb, wo, normalData, pressedData, disabledData, font, text,
                                                   fontName, 22, &textColor, &insets, &nineSize, scale9, bright));
}

TEST_F(CsbWidget, ButtonShowsItsNormalImageAtTheFileSizeWithItsTitle) {
    CsbTestWriter w;
    Props p;
    p.name = "play";
    p.x = 320;
    p.y = 100;
    p.anchorX = 0.5f;
    p.anchorY = 0.5f;
    p.width = 120;
    p.height = 50;
    auto* b = dynamic_cast<ui::Button*>(
        loadOne(w, button(w, p, "img/sprite.png", "", false, true, "Play"), m_dir.file("b.csb"), *this));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getName(), "play");
    EXPECT_EQ(b->getPosition(), Vec2(320, 100));
    EXPECT_EQ(b->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(b->getContentSize(), Size(120, 50));
    EXPECT_TRUE(b->isNormalTextureLoaded());
    ui::Scale9Sprite* normal = b->getRendererNormal();
    EXPECT_TRUE(normal->isVisible());
    EXPECT_FALSE(b->getRendererClicked()->isVisible());
    EXPECT_FALSE(normal->isScale9Enabled());
    EXPECT_EQ(normal->getContentSize(), Size(120, 50)); // stretched to the button
    EXPECT_EQ(normal->getPosition(), Vec2(60, 25));
    EXPECT_EQ(normal->getOriginalSize(), Size(64, 64));
    EXPECT_EQ(b->getTitleText(), "Play");
    EXPECT_EQ(b->getTitleColor(), Color3B(10, 200, 30)); // alpha of the text colour ignored
    EXPECT_FLOAT_EQ(b->getTitleFontSize(), 22);
    EXPECT_EQ(b->getTitleRenderer()->getPosition(), Vec2(60, 25));
    EXPECT_EQ(b->getTitleRenderer()->getFontPath(), FontFreeType::kDefaultFontPath);
}

TEST_F(CsbWidget, NineSliceButtonTakesTheNineSliceSizeAndClampedInsets) {
    CsbTestWriter w;
    Props p;
    p.width = 10;
    p.height = 10;
    auto* b = dynamic_cast<ui::Button*>(
        loadOne(w, button(w, p, "img/sprite.png", "", true, true, ""), m_dir.file("b9.csb"), *this));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getContentSize(), Size(200, 80));
    EXPECT_TRUE(b->getRendererNormal()->isScale9Enabled());
    EXPECT_EQ(b->getRendererNormal()->getCapInsets(), Rect(32, 10, 1, 20));
    EXPECT_EQ(b->getRendererNormal()->getContentSize(), Size(200, 80));
}

TEST_F(CsbWidget, DimmedButtonShowsItsDisabledImageOnlyWhenItHasOne) {
    CsbTestWriter w1;
    Props p;
    p.width = 64;
    p.height = 64;
    auto* withImage = dynamic_cast<ui::Button*>(
        loadOne(w1, button(w1, p, "img/sprite.png", "img/fire.png", false, false, ""), m_dir.file("d1.csb"), *this));
    ASSERT_NE(withImage, nullptr);
    EXPECT_FALSE(withImage->isBright());
    EXPECT_FALSE(withImage->getRendererNormal()->isVisible());
    EXPECT_TRUE(withImage->getRendererDisabled()->isVisible());

    CsbTestWriter w2;
    auto* without = dynamic_cast<ui::Button*>(
        loadOne(w2, button(w2, p, "img/sprite.png", "", false, false, ""), m_dir.file("d2.csb"), *this));
    ASSERT_NE(without, nullptr);
    EXPECT_TRUE(without->getRendererNormal()->isVisible());
    EXPECT_FALSE(without->getRendererDisabled()->isVisible());
}

TEST_F(CsbWidget, ButtonWithoutItsImageShowsOnlyTheTitle) {
    CsbTestWriter w;
    Props p;
    p.width = 100;
    p.height = 40;
    auto* b = dynamic_cast<ui::Button*>(
        loadOne(w, button(w, p, "img/gone.png", "", false, true, "OK"), m_dir.file("b0.csb"), *this));
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->isNormalTextureLoaded());
    EXPECT_EQ(b->getRendererNormal()->getTexture(), nullptr);
    EXPECT_EQ(b->getContentSize(), Size(100, 40));
    EXPECT_EQ(b->getTitleText(), "OK");
}

Tree imageView(CsbTestWriter& w, const Props& p, const std::string& image, bool scale9) {
    auto wo = w.widget(p);
    auto file = w.resource(image);
    const flatbuffers::CapInsets insets(0, 0, 0, 0);
    const flatbuffers::FlatSize nineSize(300, 90);
    return w.node("ImageView", flatbuffers::CreateImageViewOptions(w.fbb, wo, file, &insets, &nineSize, scale9));
}

TEST_F(CsbWidget, ImageViewFillsItsSizeStretchedOrNineSliced) {
    CsbTestWriter w;
    Props p;
    p.name = "board";
    p.width = 728;
    p.height = 328;
    p.r = 255, p.g = 128, p.b = 0;
    p.alpha = 200;
    auto* view =
        dynamic_cast<ui::ImageView*>(loadOne(w, imageView(w, p, "img/sprite.png", false), m_dir.file("iv.csb"), *this));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getContentSize(), Size(728, 328));
    EXPECT_EQ(view->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(view->getRenderer()->getContentSize(), Size(728, 328));
    EXPECT_EQ(view->getRenderer()->getPosition(), Vec2(364, 164));
    EXPECT_EQ(view->getColor(), Color3B(255, 128, 0));
    EXPECT_EQ(view->getOpacity(), 200);
    // Colour and opacity cascade into the image.
    EXPECT_EQ(view->getRenderer()->getDisplayedColor(), Color3B(255, 128, 0));
    EXPECT_EQ(view->getRenderer()->getDisplayedOpacity(), 200);

    CsbTestWriter w9;
    auto* nine = dynamic_cast<ui::ImageView*>(
        loadOne(w9, imageView(w9, p, "img/sprite.png", true), m_dir.file("iv9.csb"), *this));
    ASSERT_NE(nine, nullptr);
    EXPECT_EQ(nine->getContentSize(), Size(300, 90));
    EXPECT_TRUE(nine->getRenderer()->isScale9Enabled());
    EXPECT_EQ(nine->getRenderer()->getVertexCount(), 16);
}

Tree text(CsbTestWriter& w, const Props& p, const std::string& value, const std::string& fontPath, bool custom,
          int h = 0) {
    auto wo = w.widget(p);
    auto font = w.resource(fontPath);
    auto fontName = w.fbb.CreateString("Arial");
    auto str = w.fbb.CreateString(value);
    return w.node("Text",
                  flatbuffers::CreateTextOptions(w.fbb, wo, font, fontName, 24, str, 0, 0, h, 0, false, custom));
}

TEST_F(CsbWidget, TextTakesItsLabelsSizeAndTheFileColourAsTextColour) {
    CsbTestWriter w;
    Props p;
    p.name = "score";
    p.width = 999; // ignored: the label decides
    p.height = 999;
    p.r = 255, p.g = 0, p.b = 0, p.a = 128;
    auto* t = dynamic_cast<ui::Text*>(loadOne(w, text(w, p, "Score", "", false), m_dir.file("t.csb"), *this));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getString(), "Score");
    EXPECT_FLOAT_EQ(t->getFontSize(), 24);
    EXPECT_EQ(t->getTextColor(), Color4B(255, 0, 0, 128));
    EXPECT_EQ(t->getColor(), Color3B::WHITE);
    const Size label = t->getVirtualRenderer()->getContentSize();
    EXPECT_GT(label.width, 40);
    EXPECT_EQ(t->getContentSize(), label);
    EXPECT_EQ(t->getVirtualRenderer()->getFontPath(), FontFreeType::kDefaultFontPath);
}

TEST_F(CsbWidget, CustomSizedTextKeepsTheFileSizeAndItsOwnFont) {
    std::filesystem::create_directories(m_dir.file("fonts"));
    std::filesystem::copy_file(FontFreeType::kDefaultFontPath, m_dir.file("fonts/game.ttf"));
    CsbTestWriter w;
    Props p;
    p.width = 300;
    p.height = 60;
    auto* t = dynamic_cast<ui::Text*>(
        loadOne(w, text(w, p, "Centred", "fonts/game.ttf", true, 1), m_dir.file("tc.csb"), *this));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getContentSize(), Size(300, 60));
    EXPECT_EQ(t->getVirtualRenderer()->getContentSize(), Size(300, 60));
    EXPECT_EQ(t->getTextHorizontalAlignment(), TextHAlignment::CENTER);
    EXPECT_EQ(t->getVirtualRenderer()->getFontPath(), m_dir.file("fonts/game.ttf"));
}

Tree panel(CsbTestWriter& w, const Props& p, int colorType, const std::string& image, bool scale9,
           const std::vector<Tree>& children = {}) {
    auto wo = w.widget(p);
    auto bg = w.resource(image);
    // Alpha first: blue, red and blue.
    const flatbuffers::Color solid(255, 0, 0, 255), start(255, 255, 0, 0), end(255, 0, 0, 255);
    const flatbuffers::ColorVector vector(0, -1);
    const flatbuffers::CapInsets insets(0, 0, 0, 0);
    const flatbuffers::FlatSize nineSize(100, 100);
    return w.node("Panel",
                  flatbuffers::CreatePanelOptions(w.fbb, wo, bg, false, &solid, &start, &end, colorType, 100, &vector,
                                                  &insets, &nineSize, scale9),
                  children);
}

TEST_F(CsbWidget, PanelDrawsItsSolidColourAndItsImageAtTheImagesOwnSize) {
    CsbTestWriter w;
    Props p;
    p.name = "panel";
    p.width = 400;
    p.height = 300;
    p.r = 128, p.g = 128, p.b = 128;
    p.anchorX = 0, p.anchorY = 0;
    Props childProps;
    childProps.name = "child";
    auto child = w.sprite(childProps, "img/sprite.png");
    auto* layout = dynamic_cast<ui::Layout*>(
        loadOne(w, panel(w, p, 1, "img/sprite.png", false, {child}), m_dir.file("p.csb"), *this));
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->getContentSize(), Size(400, 300));
    EXPECT_EQ(layout->getBackGroundColorType(), ui::Layout::BackGroundColorType::SOLID);
    ASSERT_NE(layout->getColorRenderer(), nullptr);
    EXPECT_EQ(layout->getColorRenderer()->getContentSize(), Size(400, 300));
    EXPECT_EQ(layout->getColorRenderer()->getColor(), Color3B(0, 0, 255));
    EXPECT_EQ(layout->getColorRenderer()->getOpacity(), 100);
    EXPECT_EQ(layout->getColorRenderer()->getDisplayedColor(), Color3B(0, 0, 128));
    ASSERT_NE(layout->getBackGroundImage(), nullptr);
    EXPECT_EQ(layout->getBackGroundImage()->getContentSize(), Size(64, 64));
    EXPECT_EQ(layout->getBackGroundImage()->getPosition(), Vec2(200, 150));
    // The panel's grey multiplies into its ordinary children too.
    Node* sprite = layout->getChildByName("child");
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getDisplayedColor(), Color3B(128, 128, 128));
}

TEST_F(CsbWidget, PanelGradientRunsFromStartToEndAlongItsVector) {
    CsbTestWriter w;
    Props p;
    p.width = 100;
    p.height = 100;
    auto* layout = dynamic_cast<ui::Layout*>(loadOne(w, panel(w, p, 2, "", false), m_dir.file("g.csb"), *this));
    ASSERT_NE(layout, nullptr);
    LayerGradient* gradient = layout->getGradientRenderer();
    ASSERT_NE(gradient, nullptr);
    // Vector (0, -1): the top corners have the start colour (red), the bottom ones the end colour (blue).
    const Color4F& top = gradient->getCornerColor(2);
    const Color4F& bottom = gradient->getCornerColor(0);
    EXPECT_NEAR(top.r, 1, 0.01);
    EXPECT_NEAR(top.g, 0, 0.01);
    EXPECT_NEAR(top.b, 0, 0.01);
    EXPECT_NEAR(bottom.r, 0, 0.01);
    EXPECT_NEAR(bottom.b, 1, 0.01);
    EXPECT_NEAR(top.a, 100 / 255.0, 0.01);
}

TEST_F(CsbWidget, WidgetsThisLoaderDoesNotDrawKeepTheirPlaceAndChildren) {
    CsbTestWriter w;
    Props p;
    p.name = "check";
    p.x = 40;
    Props inner;
    inner.name = "inner";
    auto wo = w.widget(p);
    auto checkBox = w.node("CheckBox", flatbuffers::CreateSingleNodeOptions(w.fbb, wo), {w.plainNode(inner)});
    Node* node = loadOne(w, checkBox, m_dir.file("cb.csb"), *this);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getName(), "check");
    EXPECT_EQ(node->getPosition(), Vec2(40, 0));
    EXPECT_NE(node->getChildByName("inner"), nullptr);
}

TEST_F(CsbWidget, FlippedWidgetKeepsItsScaleButMirrorsItsTransform) {
    CsbTestWriter w;
    Props p;
    p.scaleX = 2;
    p.flipX = true;
    p.width = 64;
    p.height = 64;
    auto* view = dynamic_cast<ui::ImageView*>(
        loadOne(w, imageView(w, p, "img/sprite.png", false), m_dir.file("flip.csb"), *this));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isFlippedX());
    EXPECT_FLOAT_EQ(view->getScaleX(), 2);
    EXPECT_FLOAT_EQ(view->getNodeToParentTransform().m[0], -2);
}

// Columns (x) and rows (y) of the fill's vertices.
std::vector<float> columnsOf(const ui::Scale9Sprite* s) {
    std::vector<float> xs;
    for (int i = 0; i < 4 && i < s->getVertexCount(); ++i) xs.push_back(s->getVertices()[i].vertices.x);
    return xs;
}

std::vector<float> rowsOf(const ui::Scale9Sprite* s) {
    std::vector<float> ys;
    for (int i = 0; i < s->getVertexCount(); i += 4) ys.push_back(s->getVertices()[i].vertices.y);
    return ys;
}

TEST_F(CsbWidget, NineSlicesKeepCornersAndStretchTheCentre) {
    ui::Scale9Sprite* sprite = ui::Scale9Sprite::create("img/sprite.png"); // 64 x 64
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getVertexCount(), 4); // one stretched quad until sliced
    sprite->setScale9Enabled(true);
    sprite->setCapInsets(Rect(10, 20, 40, 20)); // left 10, right 14, top 20, bottom 24
    sprite->setPreferredSize(Size(200, 100));
    EXPECT_EQ(columnsOf(sprite), (std::vector<float>{0, 10, 186, 200}));
    EXPECT_EQ(rowsOf(sprite), (std::vector<float>{0, 24, 80, 100}));
    const V3F_C4B_T2F& inner = sprite->getVertices()[5]; // second column, second row
    EXPECT_FLOAT_EQ(inner.texCoords.u, 10 / 64.0f);
    EXPECT_FLOAT_EQ(inner.texCoords.v, 40 / 64.0f);

    // Smaller than the corners: they shrink together.
    sprite->setPreferredSize(Size(12, 100));
    EXPECT_EQ(columnsOf(sprite), (std::vector<float>{0, 5, 5, 12}));

    // No insets: the middle third.
    sprite->setCapInsets(Rect::ZERO);
    sprite->setPreferredSize(Size(64, 64));
    const std::vector<float> thirds = columnsOf(sprite);
    ASSERT_EQ(thirds.size(), 4u);
    EXPECT_NEAR(thirds[1], 64 / 3.0, 1e-3);
    EXPECT_NEAR(thirds[2], 128 / 3.0, 1e-3);
}

TEST_F(CsbWidget, CapInsetsWiderThanTheImageMoveToItsMiddle) {
    EXPECT_EQ(ui::clampCapInsets(Rect(5, 6, 100, 7), Size(64, 32)), Rect(32, 6, 1, 7));
    EXPECT_EQ(ui::clampCapInsets(Rect(5, 6, 7, 100), Size(64, 32)), Rect(5, 16, 7, 1));
    EXPECT_EQ(ui::clampCapInsets(Rect(5, 6, 7, 8), Size(0, 0)), Rect(0, 0, 0, 0));
}

} // namespace
