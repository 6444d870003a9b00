// The mouse and the keyboard in the real main window: clicks, drags, the wheel and the menu key in the view.
#include "MainFrameFixture.h"

#include "editor/EditorObject.h"
#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCNode.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerMouse.h"
#include "base/CCEventMouse.h"

#include <wx/menu.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <cstdlib>

USING_NS_CC;

namespace {

struct SeenMouse {
    EventMouse::MouseEventType type;
    EventMouse::MouseButton button;
    float x, y, scrollY;
};

// Every engine mouse event, as a listener of the game would see it.
class MouseLog {
public:
    MouseLog() {
        m_listener = EventListenerMouse::create();
        auto keep = [this](EventMouse* e) {
            events.push_back(
                {e->getMouseEventType(), e->getMouseButton(), e->getCursorX(), e->getCursorY(), e->getScrollY()});
        };
        m_listener->onMouseDown = keep;
        m_listener->onMouseUp = keep;
        m_listener->onMouseMove = keep;
        m_listener->onMouseScroll = keep;
        Director::getInstance()->getEventDispatcher()->addEventListenerWithFixedPriority(m_listener, 1);
    }
    ~MouseLog() { Director::getInstance()->getEventDispatcher()->removeEventListener(m_listener); }

    const SeenMouse* last(EventMouse::MouseEventType type) const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->type == type) return &*it;
        return nullptr;
    }

    std::vector<SeenMouse> events;

private:
    EventListenerMouse* m_listener;
};

} // namespace

class GuiViewInput : public GuiMainFrameFixture {
protected:
    wxGLViewImpl* view() { return m_frame->engineView(); }

    // A pixel of the view's client area on the screen.
    wxPoint onScreen(float x, float y) { return view()->ClientToScreen(wxPoint(int(x), int(y))); }

    // The client pixel showing design point p.
    wxPoint clientOf(const Vec2& p) {
        const Rect& vp = view()->getViewPortRect();
        return wxPoint(int(vp.origin.x + p.x * view()->getScaleX()),
                       int(vp.origin.y + vp.size.height - p.y * view()->getScaleY()));
    }

    void moveTo(const wxPoint& client) {
        m_user.MouseMove(view()->ClientToScreen(client));
        pump(60);
    }

    void click(const wxPoint& client) {
        moveTo(client);
        m_user.MouseDown();
        pump(60);
        m_user.MouseUp();
        pump(60);
    }

    // Presses on from, moves in steps to from + by, releases there.
    void drag(const wxPoint& from, const wxPoint& by) {
        moveTo(from);
        m_user.MouseDown();
        pump(60);
        for (int i = 1; i <= 4; ++i) moveTo(from + wxPoint(by.x * i / 4, by.y * i / 4));
        m_user.MouseUp();
        pump(80);
    }

    Node* selectedNode() { return selection().empty() ? nullptr : dynamic_cast<Node*>(selection().front()); }

    wxUIActionSimulator m_user;
};

TEST_F(GuiViewInput, ClicksReachTheEngineInDesignPointsAndPick) {
    // Tall enough for the design area at 1:1 below the toolbar.
    m_frame->SetClientSize(1280, 1100);
    pump(300);
    focusFrame();
    MouseLog log;
    const Rect vp = view()->getViewPortRect();
    ASSERT_GT(vp.size.width, 100);
    ASSERT_FLOAT_EQ(view()->getScaleX(), 1.0f) << "the design area should be drawn at 1:1 in this window";
    // The lower left corner of the design area is design point (0, 0).
    click(wxPoint(int(vp.origin.x), int(vp.origin.y + vp.size.height)));
    const SeenMouse* down = log.last(EventMouse::MouseEventType::MOUSE_DOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_NEAR(down->x, 0, 0.51);
    EXPECT_NEAR(down->y, 0, 0.51);
    EXPECT_EQ(down->button, EventMouse::MouseButton::BUTTON_LEFT);
    const SeenMouse* up = log.last(EventMouse::MouseEventType::MOUSE_UP);
    ASSERT_NE(up, nullptr);
    EXPECT_NEAR(up->x, 0, 0.51);

    // The centre of the design area, then outside it: still an engine event,
    // at a point outside the design area, and the click picks nothing.
    click(clientOf(Vec2(320, 480)));
    EXPECT_NEAR(log.last(EventMouse::MouseEventType::MOUSE_DOWN)->x, 320, 1);
    EXPECT_NEAR(log.last(EventMouse::MouseEventType::MOUSE_DOWN)->y, 480, 1);
    command(wxID_NEW);
    ASSERT_NE(selectedNode(), nullptr);
    click(clientOf(Vec2(320, 480)));
    EXPECT_NE(selectedNode(), nullptr) << "a click on the selected system keeps it";
    ASSERT_GT(vp.origin.x, 8);
    const size_t before = log.events.size();
    click(wxPoint(int(vp.origin.x / 2), int(vp.origin.y + vp.size.height / 2)));
    ASSERT_GT(log.events.size(), before);
    EXPECT_LT(log.last(EventMouse::MouseEventType::MOUSE_DOWN)->x, 0);
    EXPECT_TRUE(selection().empty());
    // A press on the system selects it again.
    click(clientOf(Vec2(320, 480)));
    EXPECT_NE(selectedNode(), nullptr);
}

TEST_F(GuiViewInput, DraggingMovesTheSelectionByThePointerInDesignPoints) {
    focusFrame();
    command(wxID_NEW);
    Node* node = selectedNode();
    ASSERT_NE(node, nullptr);
    command(wxID_NEW); // a second one, under the first
    command(wxID_DELETE);
    m_frame->engineHost().tick();
    click(wxPoint(5, 5)); // outside: nothing selected
    ASSERT_TRUE(selection().empty());

    // At 1:1 the node follows the pointer pixel for point.
    Vec2 start = node->getPosition();
    drag(clientOf(start), wxPoint(40, 30));
    EXPECT_EQ(selectedNode(), node);
    EXPECT_NEAR(node->getPositionX(), start.x + 40, 1.01);
    EXPECT_NEAR(node->getPositionY(), start.y - 30, 1.01);

    // With the window small enough that the design area is scaled down, the
    // same pointer movement is a longer way in design points.
    m_frame->SetClientSize(1000, 560);
    pump(300);
    const float scale = view()->getScaleX();
    ASSERT_LT(scale, 0.8f);
    ASSERT_GT(scale, 0.3f);
    start = node->getPosition();
    drag(clientOf(start), wxPoint(-30, 20));
    EXPECT_NEAR(node->getPositionX(), start.x - 30 / scale, 1.5 / scale);
    EXPECT_NEAR(node->getPositionY(), start.y - 20 / scale, 1.5 / scale);

    // A drag that starts on empty space moves nothing.
    start = node->getPosition();
    drag(clientOf(start + Vec2(100, 100)), wxPoint(-20, -20));
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(node->getPosition(), start);
}

TEST_F(GuiViewInput, WheelNotchesScrollBy120AndTheMenuKeyOpensTheMenuAtTheCentre) {
    focusFrame();
    MouseLog log;
    moveTo(clientOf(Vec2(100, 100)));
    ASSERT_EQ(std::system("xdotool click 5"), 0); // towards the user
    pump(100);
    const SeenMouse* scroll = log.last(EventMouse::MouseEventType::MOUSE_SCROLL);
    ASSERT_NE(scroll, nullptr);
    EXPECT_FLOAT_EQ(scroll->scrollY, 120);
    EXPECT_NEAR(scroll->x, 100, 1);
    EXPECT_NEAR(scroll->y, 100, 1);
    ASSERT_EQ(std::system("xdotool click 4"), 0); // away from the user
    pump(100);
    EXPECT_FLOAT_EQ(log.last(EventMouse::MouseEventType::MOUSE_SCROLL)->scrollY, -120);

    // The menu key: the view's own menu opens at the middle of the view. The
    // menu runs its own loop; a timer inside it notes where it is and closes it.
    PopupWatch seen(view()->getContextMenu());
    view()->SetFocus();
    pump(50);
    ASSERT_EQ(std::system("xdotool key Menu"), 0);
    ASSERT_TRUE(pumpUntil([&] { return seen.shown; }, 4)) << "the view's menu did not open";
    const wxSize size = view()->GetSize();
    const wxPoint centre = view()->ClientToScreen(wxPoint(size.x / 2, size.y / 2));
    EXPECT_NEAR(seen.x, centre.x, 4);
    EXPECT_NEAR(seen.y, centre.y, 4);
}
