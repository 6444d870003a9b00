// wxGLViewImpl: the engine's GL view as a child window of the main window.
#pragma once

#include <wx/window.h>

#include "platform/CCGLView.h"

#include <functional>
#include <string>

class wxContextMenuEvent;
class wxMenu;
class wxMouseEvent;

namespace cocos2d {
class EventMouse;
}

namespace GLLayer {
struct GLWindow;
}

class wxGLViewImpl : public wxWindow, public cocos2d::GLView {
public:
    // The view over a new child of `parent`, autoreleased; null on failure.
    static wxGLViewImpl* create(const std::string& viewName, const cocos2d::Rect& rect, wxWindow* parent,
                                float frameZoomFactor);

    // ---- engine view ----
    void end() override;
    bool isOpenGLReady() override;
    void swapBuffers() override;
    void setIMEKeyboardState(bool open) override;
    bool windowShouldClose() override;
    void pollEvents() override;
    void setFrameSize(float width, float height) override;
    void setFrameZoomFactor(float zoomFactor) override;
    float getFrameZoomFactor() const override;
    void setCursorVisible(bool isVisible) override;
    int getRetinaFactor() const override;
    void setViewPortInPoints(float x, float y, float w, float h) override;
    void setScissorInPoints(float x, float y, float w, float h) override;

    // Whether the picture on screen may be out of date: set by
    // requestFrame() and by the view's own expose and visibility changes,
    // cleared when a frame is swapped onto the screen.
    void requestFrame() {
        m_frameWanted = true;
        if (m_frameRequestHandler) m_frameRequestHandler();
    }
    bool frameWanted() const { return m_frameWanted; }
    // Called on every request, so that a resting pump can wake at once.
    void setFrameRequestHandler(std::function<void()> handler) { m_frameRequestHandler = std::move(handler); }
    // False while nothing of the view can be seen: its window minimized or
    // unmapped, or the view fully covered by other windows.
    bool canBeSeen() const;

    // The X window that carries the GL context (0 once ended).
    unsigned long getX11Window() const;

    // Recomputes the engine's scale factors for the drawn area (the display
    // rectangle) and centres the GL viewport in the whole view.
    void applyDisplayRect();

    // The last rectangle given to setViewPortInPoints, in frame pixels.
    const cocos2d::Rect& getDisplayRect() const { return m_displayRect; }
    GLLayer::GLWindow* getGLWindow() const { return m_glWindow; }

    // The view's own menu: create, the examples, delete, replay. Its
    // commands travel up to the main window.
    void buildContextMenu();
    wxMenu* getContextMenu() const { return m_contextMenu; }
    // A position in the view's client pixels (y down) as a point of the
    // design area (y up, origin at its lower left corner).
    cocos2d::Vec2 toDesignPoint(float x, float y) const;
    // Why creation failed, when it did for want of a GL window.
    static const std::string& lastCreateError();

protected:
    wxGLViewImpl();
    ~wxGLViewImpl() override;

    bool initWithRect(const std::string& viewName, const cocos2d::Rect& rect, wxWindow* parent, float frameZoomFactor);
    bool CreateWindow(wxWindow* parent, const cocos2d::Rect& rect);
    bool checkOpenGL();
    void updateFrameSize();
    void watchVisibility();
    void unwatchVisibility();
    friend struct ViewXEvents;

private:
    // ---- input: mouse events become engine mouse events and touch 0 ----
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void dispatchMouse(cocos2d::EventMouse& mouse);

    bool m_captured = false;
    bool m_inRetinaMonitor = false;
    bool m_retinaEnabled = false;
    int m_retinaFactor = 1;
    float m_frameZoomFactor = 1.0f;
    GLLayer::GLWindow* m_glWindow = nullptr;
    cocos2d::Rect m_displayRect;
    cocos2d::Vec2 m_lastCursor;
    bool m_dragging = false;
    bool m_carrying = false; // a drag begun with Alt held: the selection springs back on release
    wxMenu* m_contextMenu = nullptr;
    unsigned long m_visualId = 0;
    bool m_frameWanted = true;
    bool m_fullyObscured = false;
    std::function<void()> m_frameRequestHandler;
    void* m_watchedWindow = nullptr; // the GdkWindow whose X events are watched

    wxDECLARE_EVENT_TABLE();
};
