// wxGLViewImpl's input bridge: mouse events into the engine, picking and dragging the selection, the context menu.
#include "view/wxCCGLViewImpl.h"

#include "editor/EmitterMotion.h"
#include "editor/FilePathBytes.h"
#include "editor/SelectionManager.h"
#include "view/GLViewMath.h"

#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventMouse.h"

#include <wx/bitmap.h>
#include <wx/event.h>
#include <wx/menu.h>
#include <wx/translation.h>

#include <cstdint>

USING_NS_CC;

namespace {

EventMouse::MouseButton EngineButton(int toolkitButton) {
    switch (toolkitButton) {
    case wxMOUSE_BTN_MIDDLE:
        return EventMouse::MouseButton::BUTTON_MIDDLE;
    case wxMOUSE_BTN_RIGHT:
        return EventMouse::MouseButton::BUTTON_RIGHT;
    default:
        return EventMouse::MouseButton::BUTTON_LEFT;
    }
}

// Menu pictures are files of the installation; a missing one leaves the
// entry without a picture.
wxBitmap MenuPicture(const char* file) {
    return wxBitmap(RunTimeFileText(file), wxBITMAP_TYPE_ANY);
}

const char* const kExamples[] = {"Flower", "Fire",  "Fireworks", "Explosion", "Galaxy", "Meteor",
                                 "Rain",   "Smoke", "Snow",      "Spiral",    "Sun"};

constexpr int kCreateId = 1008;
constexpr int kReplayId = 1000;
constexpr int kFirstExampleId = 10100;

} // namespace

Vec2 wxGLViewImpl::toDesignPoint(float x, float y) const {
    ViewMath::DesignPoint p = ViewMath::ClientToDesign(x, y, _viewPortRect.origin.x, _viewPortRect.origin.y,
                                                       _viewPortRect.size.height, _scaleX, _scaleY);
    return Vec2(p.x, p.y);
}

void wxGLViewImpl::dispatchMouse(EventMouse& mouse) {
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&mouse);
}

void wxGLViewImpl::OnMouseMove(wxMouseEvent& event) {
    float px = static_cast<float>(event.GetX()) / m_frameZoomFactor;
    float py = static_cast<float>(event.GetY()) / m_frameZoomFactor;
    if (m_inRetinaMonitor && m_retinaFactor == 1) {
        px *= 2;
        py *= 2;
    }
    if (m_captured) {
        intptr_t id = 0;
        handleTouchesMove(1, &id, &px, &py);
    }

    const Vec2 cursor = toDesignPoint(px, py);
    EventMouse mouse(EventMouse::MouseEventType::MOUSE_MOVE);
    if (event.LeftIsDown())
        mouse.setMouseButton(EventMouse::MouseButton::BUTTON_LEFT);
    else if (event.RightIsDown())
        mouse.setMouseButton(EventMouse::MouseButton::BUTTON_RIGHT);
    else if (event.MiddleIsDown())
        mouse.setMouseButton(EventMouse::MouseButton::BUTTON_MIDDLE);
    mouse.setCursorPosition(cursor.x, cursor.y);
    dispatchMouse(mouse);

    // Only a press inside the view starts a drag: a button pressed elsewhere
    // and dragged in moves nothing.
    SelectionManager* selection = SelectionManager::getInstance();
    if (event.LeftIsDown() && m_dragging && m_carrying)
        EmitterMotion::instance().carryByHand(mouse.getLocationInView() - m_lastCursor, selection->selection);
    else if (event.LeftIsDown() && m_dragging)
        selection->moveSelectedBy(mouse.getLocationInView() - m_lastCursor);
    m_lastCursor = cursor;
}

void wxGLViewImpl::OnLeftDown(wxMouseEvent& event) {
    float px = static_cast<float>(event.GetX());
    float py = static_cast<float>(event.GetY());
    if (event.GetButton() == wxMOUSE_BTN_LEFT) {
        m_captured = true;
        const Rect& viewport = _viewPortRect;
        const bool empty =
            viewport.origin.x == 0 && viewport.origin.y == 0 && viewport.size.width == 0 && viewport.size.height == 0;
        if (empty || viewport.containsPoint(Vec2(px, py))) {
            intptr_t id = 0;
            handleTouchesBegin(1, &id, &px, &py);
        }
    }

    const Vec2 cursor = toDesignPoint(px, py);
    EventMouse mouse(EventMouse::MouseEventType::MOUSE_DOWN);
    mouse.setCursorPosition(cursor.x, cursor.y);
    mouse.setMouseButton(EngineButton(event.GetButton()));
    dispatchMouse(mouse);

    SelectionManager::getInstance()->selectAt(cursor);
    m_lastCursor = cursor;
    m_dragging = true;
    // To judge a trail by hand: the object goes along only while held.
    m_carrying = event.AltDown();
}

void wxGLViewImpl::OnLeftUp(wxMouseEvent& event) {
    m_dragging = false;
    float px = static_cast<float>(event.GetX());
    float py = static_cast<float>(event.GetY());
    if (m_captured) {
        m_captured = false;
        intptr_t id = 0;
        handleTouchesEnd(1, &id, &px, &py);
    }

    const Vec2 cursor = toDesignPoint(px, py);
    EventMouse mouse(EventMouse::MouseEventType::MOUSE_UP);
    mouse.setCursorPosition(cursor.x, cursor.y);
    mouse.setMouseButton(EngineButton(event.GetButton()));
    dispatchMouse(mouse);
    // The page's position row catches up with a drag once it is over; a
    // carried selection goes back instead.
    if (m_carrying)
        EmitterMotion::instance().letGo();
    else
        SelectionManager::getInstance()->endMove();
    m_carrying = false;
    m_lastCursor = cursor;
}

void wxGLViewImpl::OnMouseWheel(wxMouseEvent& event) {
    const Vec2 cursor = toDesignPoint(static_cast<float>(event.GetX()), static_cast<float>(event.GetY()));
    EventMouse mouse(EventMouse::MouseEventType::MOUSE_SCROLL);
    mouse.setCursorPosition(cursor.x, cursor.y);
    mouse.setScrollData(0.0f, -static_cast<float>(event.GetWheelRotation()));
    dispatchMouse(mouse);
}

void wxGLViewImpl::OnContextMenu(wxContextMenuEvent& event) {
    wxPoint at = event.GetPosition();
    if (at == wxDefaultPosition) {
        // The keyboard's menu key: no pointer position to open at.
        const wxSize size = GetSize();
        at = wxPoint(size.x / 2, size.y / 2);
    } else {
        at = ScreenToClient(at);
    }
    if (m_contextMenu) PopupMenu(m_contextMenu, at);
}

void wxGLViewImpl::buildContextMenu() {
    if (m_contextMenu) return;
    m_contextMenu = new wxMenu();

    auto* create = new wxMenuItem(m_contextMenu, kCreateId, wxGetTranslation(wxString::FromUTF8("创建(&C)")));
    create->SetBitmap(MenuPicture("rc/wxART_PLUS.png"));
    m_contextMenu->Append(create);

    auto* examples = new wxMenu();
    int id = kFirstExampleId;
    for (const char* name : kExamples) examples->Append(id++, wxString::FromUTF8(name));
    auto* fromExample = new wxMenuItem(m_contextMenu, wxID_ANY, wxGetTranslation(wxString::FromUTF8("从示例创建")),
                                       wxEmptyString, wxITEM_NORMAL, examples);
    fromExample->SetBitmap(MenuPicture("rc/wxART_PLUS.png"));
    m_contextMenu->Append(fromExample);
    m_contextMenu->AppendSeparator();

    auto* remove = new wxMenuItem(m_contextMenu, wxID_DELETE, wxGetTranslation(wxString::FromUTF8("删除(&D)")));
    remove->SetBitmap(MenuPicture("rc/wxART_DELETE.png"));
    m_contextMenu->Append(remove);
    m_contextMenu->AppendSeparator();

    auto* replay = new wxMenuItem(m_contextMenu, kReplayId, wxGetTranslation(wxString::FromUTF8("重播\tCTRL+R")));
    replay->SetBitmap(MenuPicture("rc/ID_REPLAY.png"));
    m_contextMenu->Append(replay);
}

// clang-format off
wxBEGIN_EVENT_TABLE(wxGLViewImpl, wxWindow)
    EVT_MOTION(wxGLViewImpl::OnMouseMove)
    EVT_LEFT_DOWN(wxGLViewImpl::OnLeftDown)
    EVT_LEFT_UP(wxGLViewImpl::OnLeftUp)
    EVT_MOUSEWHEEL(wxGLViewImpl::OnMouseWheel)
    EVT_CONTEXT_MENU(wxGLViewImpl::OnContextMenu)
wxEND_EVENT_TABLE()
