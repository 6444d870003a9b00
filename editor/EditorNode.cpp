// The common "Node" rows of every editable node, its picking box and its selection frame.
#include "editor/EditorNode.h"

#include "editor/NodeState.h"
#include "editor/PropertyTable.h"

#include "2d/CCDrawingPrimitives.h"
#include "2d/CCNode.h"
#include "base/CCDirector.h"
#include "platform/CCGL.h"
#include "renderer/CCRenderer.h"

#include <wx/propgrid/property.h>
#include <wx/translation.h>

#include <cmath>
#include <limits>
#include <string>

using cocos2d::Node;

namespace {
// Truncates toward zero; NaN and values beyond int's range give 0 rather than
// the undefined result of a plain cast.
int truncateToInt(float value) {
    if (!(std::fabs(value) < static_cast<float>(std::numeric_limits<int>::max()))) return 0;
    return static_cast<int>(value);
}

const PropertyTable<Node>& nodeRows() {
    static const PropertyTable<Node> rows{{
        {"_Node", "Node", "", PropertyKind::Category},
        {"_Tag", "Tag", wxTRANSLATE("对象标记"), PropertyKind::Int, [](Node& n) -> wxAny { return n.getTag(); },
         [](Node& n, const wxAny& v, wxPGProperty*) { n.setTag(v.As<int>()); }},
        {"_Name", "Name", wxTRANSLATE("对象名称"), PropertyKind::String,
         [](Node& n) -> wxAny { return wxString::FromUTF8(n.getName()); },
         [](Node& n, const wxAny& v, wxPGProperty*) { n.setName(std::string(v.As<wxString>().utf8_str())); }},
        {"_Position", wxTRANSLATE("位置"), wxTRANSLATE("对象位置"), PropertyKind::Point,
         [](Node& n) -> wxAny { return wxRealPoint(n.getPositionX(), n.getPositionY()); },
         [](Node& n, const wxAny& v, wxPGProperty*) {
             const wxRealPoint p = v.As<wxRealPoint>();
             n.setPosition(static_cast<float>(p.x), static_cast<float>(p.y));
         }},
        {"_Rotation", wxTRANSLATE("旋转"), wxTRANSLATE("旋转角度"), PropertyKind::Float,
         [](Node& n) -> wxAny { return n.getRotation(); },
         [](Node& n, const wxAny& v, wxPGProperty*) { n.setRotation(static_cast<float>(v.As<double>())); }},
        {"_Size", wxTRANSLATE("大小"), wxTRANSLATE("对象大小"), PropertyKind::Size,
         [](Node& n) -> wxAny {
             const cocos2d::Size& s = n.getContentSize();
             return wxSize(truncateToInt(s.width), truncateToInt(s.height));
         },
         [](Node& n, const wxAny& v, wxPGProperty*) {
             const wxSize s = v.As<wxSize>();
             n.setContentSize(cocos2d::Size(static_cast<float>(s.x), static_cast<float>(s.y)));
         }},
        {"_AnchorPoint", wxTRANSLATE("锚点"), wxTRANSLATE("对象锚点"), PropertyKind::Point,
         [](Node& n) -> wxAny { return wxRealPoint(n.getAnchorPoint().x, n.getAnchorPoint().y); },
         [](Node& n, const wxAny& v, wxPGProperty*) {
             const wxRealPoint p = v.As<wxRealPoint>();
             n.setAnchorPoint(cocos2d::Vec2(static_cast<float>(p.x), static_cast<float>(p.y)));
         }},
    }};
    return rows;
}
}

void EditorNode::createProperties() {
    auto* node = dynamic_cast<Node*>(this);
    if (!node) return;
    nodeRows().createProperties(*this, *node);
}

void EditorNode::applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) {
    auto* node = dynamic_cast<Node*>(this);
    if (!node) return;
    nodeRows().applyProperty(*node, property, name, value);
}

std::unique_ptr<ObjectState> EditorNode::captureState() {
    auto* node = dynamic_cast<Node*>(this);
    if (!node) return nullptr;
    auto state = std::make_unique<NodeState>();
    state->capture(*node);
    return state;
}

void EditorNode::restoreState(const ObjectState& state) {
    auto* node = dynamic_cast<Node*>(this);
    const auto* values = dynamic_cast<const NodeState*>(&state);
    if (node && values) values->restore(*node);
}

cocos2d::Rect EditorNode::getBounds() const {
    const auto* node = dynamic_cast<const Node*>(this);
    float w = node ? node->getContentSize().width : 0.f;
    float h = node ? node->getContentSize().height : 0.f;
    // Written so that NaN, like zero and negative sizes, gets the default box.
    if (!(w > 0.f)) w = 40.f;
    if (!(h > 0.f)) h = 40.f;
    return cocos2d::Rect(-w / 2, -h / 2, w, h);
}

void EditorNode::drawSelection(const cocos2d::Mat4& transform, uint32_t) {
    drawMark(transform, [this] {
        const cocos2d::Rect r = getBounds();
        cocos2d::DrawPrimitives::drawRect(cocos2d::Vec2(r.origin.x, r.origin.y),
                                          cocos2d::Vec2(r.origin.x + r.size.width, r.origin.y + r.size.height));
    });
}

void EditorNode::drawMark(const cocos2d::Mat4& transform, const std::function<void()>& draw) {
    auto* director = cocos2d::Director::getInstance();
    director->pushMatrix(cocos2d::MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    director->loadMatrix(cocos2d::MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, transform);
    // The frame is the editor's mark, not part of the game's picture: it is
    // written as it is, never blended with (and so tinted by) the effect under
    // it, whatever blending the last draw left on.
    const bool blending = director->getRenderer()->isGLReady() && glIsEnabled(GL_BLEND) != GL_FALSE;
    if (blending) glDisable(GL_BLEND);
    if (isSelected()) cocos2d::DrawPrimitives::setDrawColor4F(1, 0, 0, 1);
    draw();
    cocos2d::DrawPrimitives::setDrawColor4F(1, 1, 1, 1);
    if (blending) glEnable(GL_BLEND);
    director->popMatrix(cocos2d::MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
}

void EditorNode::queueSelectionFrame(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) {
    const auto* node = dynamic_cast<const Node*>(this);
    const float z = node ? node->getGlobalZOrder() : 0.f;
    selectionCommand.init(z + 1.0f, transform, flags);
    // Through the virtual table, so a subclass's frame is the one drawn.
    selectionCommand.func = [this, transform, flags] { drawSelection(transform, flags); };
    renderer->addCommand(&selectionCommand);
}
