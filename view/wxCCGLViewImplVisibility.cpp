// wxGLViewImpl: whether its picture can be seen and must be drawn again (expose, covering, a minimized window).
#include "view/wxCCGLViewImpl.h"

#include <wx/toplevel.h>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

// The X events of the view's own native window, seen before the toolkit
// turns them into its events (it has none for covering).
struct ViewXEvents {
    static GdkFilterReturn filter(GdkXEvent* native, GdkEvent*, gpointer data) {
        auto* view = static_cast<wxGLViewImpl*>(data);
        const XEvent* event = static_cast<const XEvent*>(native);
        switch (event->type) {
        case VisibilityNotify:
            view->m_fullyObscured = event->xvisibility.state == VisibilityFullyObscured;
            // Uncovered parts come with their own exposes; one frame redraws all.
            if (!view->m_fullyObscured) view->requestFrame();
            break;
        case Expose:
        case MapNotify:
            view->requestFrame();
            break;
        default:
            break;
        }
        return GDK_FILTER_CONTINUE;
    }
};

void wxGLViewImpl::watchVisibility() {
    GdkWindow* drawing = GTKGetDrawingWindow();
    if (!drawing) return;
    gdk_window_set_events(drawing,
                          static_cast<GdkEventMask>(gdk_window_get_events(drawing) | GDK_VISIBILITY_NOTIFY_MASK |
                                                    GDK_STRUCTURE_MASK | GDK_EXPOSURE_MASK));
    gdk_window_add_filter(drawing, ViewXEvents::filter, this);
    m_watchedWindow = drawing;
}

void wxGLViewImpl::unwatchVisibility() {
    if (!m_watchedWindow) return;
    gdk_window_remove_filter(static_cast<GdkWindow*>(m_watchedWindow), ViewXEvents::filter, this);
    m_watchedWindow = nullptr;
}

bool wxGLViewImpl::canBeSeen() const {
    if (!m_glWindow || m_fullyObscured) return false;
    auto* drawing = static_cast<GdkWindow*>(m_watchedWindow);
    // An unmapped ancestor (a minimized main window is unmapped by the
    // window manager) leaves the view's window mapped but not viewable.
    if (drawing && !gdk_window_is_viewable(drawing)) return false;
    const wxWindow* top = wxGetTopLevelParent(const_cast<wxGLViewImpl*>(this));
    const auto* frame = dynamic_cast<const wxTopLevelWindow*>(top);
    return !(frame && frame->IsIconized());
}
