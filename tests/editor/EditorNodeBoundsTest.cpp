// Picking boxes of editor nodes and conversions of edited values, without a display.
#include "EditorSceneFixture.h"

#include "editor/PropertyValue.h"
#include "editor/wxRealPointVariantData.h"

#include "support/EngineTestSupport.h"

#include "renderer/CCRenderer.h"

#include <wx/colour.h>

#include <cmath>
#include <limits>

namespace {
cocos2d::Rect boundsFor(float width, float height) {
    TestEditorNode* node = TestEditorNode::create();
    node->setContentSize(cocos2d::Size(width, height));
    const cocos2d::Rect r = node->getBounds();
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
    return r;
}
}

TEST(EditorNodeBounds, NonPositiveOrNaNSidesBecomeForty) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(boundsFor(0, 0), cocos2d::Rect(-20, -20, 40, 40));
    EXPECT_EQ(boundsFor(100, 0), cocos2d::Rect(-50, -20, 100, 40));
    EXPECT_EQ(boundsFor(-5, 30), cocos2d::Rect(-20, -15, 40, 30));
    EXPECT_EQ(boundsFor(nan, nan), cocos2d::Rect(-20, -20, 40, 40));
    EXPECT_EQ(boundsFor(120, 80), cocos2d::Rect(-60, -40, 120, 80));
    // An editor node that is no engine node still has the default box.
    EditorNode bare;
    EXPECT_EQ(bare.getBounds(), cocos2d::Rect(-20, -20, 40, 40));
    EXPECT_EQ(TestEditorNode::alive, 0);
}

TEST(EditorNodeBounds, FrameIsQueuedOneAboveTheNodesGlobalZ) {
    PurgeDirector();
    TestEditorNode* node = TestEditorNode::create();
    node->retain();
    node->setGlobalZOrder(3);
    cocos2d::Renderer renderer;
    node->draw(&renderer, cocos2d::Mat4::IDENTITY, 0);
    EXPECT_FLOAT_EQ(node->selectionCommand.getGlobalOrder(), 4.0f);
    node->setGlobalZOrder(0);
    node->draw(&renderer, cocos2d::Mat4::IDENTITY, 0);
    EXPECT_FLOAT_EQ(node->selectionCommand.getGlobalOrder(), 1.0f);
    renderer.clean();
    node->release();
    PurgeDirector();
}

TEST(PropertyValues, GridValuesBecomeTheKindsType) {
    wxAny out;
    EXPECT_TRUE(ToKindValue(PropertyKind::Int, GridValueToAny(wxVariant(42L)), out));
    EXPECT_EQ(out.As<int>(), 42);
    EXPECT_TRUE(ToKindValue(PropertyKind::Float, GridValueToAny(wxVariant(2.5)), out));
    EXPECT_EQ(out.As<double>(), 2.5);
    EXPECT_TRUE(ToKindValue(PropertyKind::Float, wxAny(1.5f), out));
    EXPECT_EQ(out.As<double>(), 1.5);
    EXPECT_TRUE(ToKindValue(PropertyKind::Bool, GridValueToAny(wxVariant(true)), out));
    EXPECT_TRUE(out.As<bool>());
    EXPECT_TRUE(ToKindValue(PropertyKind::String, GridValueToAny(wxVariant(wxS("名字"))), out));
    EXPECT_EQ(out.As<wxString>(), wxS("名字"));
    wxVariant point;
    point << wxRealPoint(1.5, -2);
    EXPECT_TRUE(ToKindValue(PropertyKind::Point, GridValueToAny(point), out));
    EXPECT_EQ(out.As<wxRealPoint>(), wxRealPoint(1.5, -2));
    wxVariant colour;
    colour << wxColour(1, 2, 3, 4);
    EXPECT_TRUE(ToKindValue(PropertyKind::Colour, GridValueToAny(colour), out));
    EXPECT_EQ(out.As<wxColour>(), wxColour(1, 2, 3, 4));

    // Nulls and mismatches are refused, and out is left alone.
    out = 7;
    EXPECT_TRUE(GridValueToAny(wxVariant()).IsNull());
    EXPECT_FALSE(ToKindValue(PropertyKind::Int, GridValueToAny(wxVariant()), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Int, wxAny(wxString(wxS("12"))), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Int, wxAny(std::nan("")), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Int, wxAny(3e10), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Size, wxAny(wxRealPoint(1, 2)), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Point, wxAny(wxSize(1, 2)), out));
    EXPECT_FALSE(ToKindValue(PropertyKind::Category, wxAny(1), out));
    EXPECT_EQ(out.As<int>(), 7);
}
