// Hosting of the engine in the main window: start-up steps, frame pump, view layout and the close sequence.
#include "ui/EngineHost.h"

#include "app/AppDelegate.h"
#include "app/EditorConfig.h"
#include "ui/FrameDemand.h"
#include "ui/MainFrameIds.h"
#include "view/GLViewMath.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCLayer.h"
#include "2d/CCScene.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCDirector.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCScheduler.h"
#include "platform/CCCommon.h"
#include "platform/CCFileUtils.h"
#include "platform/CCRunTimeFiles.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

#include <glib.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>

USING_NS_CC;

namespace {
constexpr std::chrono::milliseconds kFramePeriod(20);
// Ticks of a pump with a still picture: seldom enough to cost next to
// nothing, often enough for answers posted to the engine's scheduler.
constexpr std::chrono::milliseconds kRestPeriod(200);

// Effects frozen by a time scale of 0 change nothing from frame to frame.
bool TimeStandsStill() {
    return Director::getInstance()->getScheduler()->getTimeScale() == 0;
}

// Mapped by the X server, not only asked to be: GDK marks a top-level window
// withdrawn until the server's map notification has come back.
bool IsMappedOnScreen(wxFrame* frame) {
    GtkWidget* widget = frame->GetHandle();
    GdkWindow* window = widget ? gtk_widget_get_window(widget) : nullptr;
    return window && gdk_window_is_visible(window) && !(gdk_window_get_state(window) & GDK_WINDOW_STATE_WITHDRAWN);
}
} // namespace

EngineHost::EngineHost(wxFrame* owner) : m_owner(owner), m_pacer(kFramePeriod) {}

EngineHost::~EngineHost() {
    stopFrameRequests();
    if (m_timing.enabled()) std::fprintf(stderr, "frames after close %d\n", m_framesAfterClose);
}

bool EngineHost::start() {
    ReadDesignSize(EditorConfig, m_designWidth, m_designHeight);

    Director* director = Director::getInstance();
    if (!dynamic_cast<wxGLViewImpl*>(director->getOpenGLView())) {
        wxGLViewImpl* view = wxGLViewImpl::create(
            "CocosCpp", Rect(0, 0, static_cast<float>(m_designWidth), static_cast<float>(m_designHeight)), m_owner,
            1.0f);
        if (view) {
            director->setOpenGLView(view);
            director->setClearColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
        }
    }
    m_glView = dynamic_cast<wxGLViewImpl*>(director->getOpenGLView());
    if (!m_glView) {
        abandonStartUp();
        return false;
    }

    m_app = new AppDelegate;
    m_app->applicationDidFinishLaunching();
    m_glView->setDesignResolutionSize(static_cast<float>(m_designWidth), static_cast<float>(m_designHeight),
                                      ResolutionPolicy::SHOW_ALL);
    m_glView->retain();
    FileUtils::getInstance()->addSearchPath(runTimeFolder().empty() ? "./res/" : runTimeFile("res/"), false);
    return true;
}

// Without a GL view there is no editor: the view has said why (or this
// says it), and the program ends with a failure status instead of running
// on with nothing to draw into.
void EngineHost::abandonStartUp() {
    const std::string& reason = wxGLViewImpl::lastCreateError();
    if (!reason.empty()) MessageBox(("The OpenGL view could not be created: " + reason).c_str(), "OpenGL error");
    m_closing = true;
    wxFrame* owner = m_owner;
    owner->CallAfter([owner] {
        wxTheApp->SetExitOnFrameDelete(false);
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->Exit(1);
        owner->Destroy();
    });
}

void EngineHost::startPump() {
    if (!m_glView) return;
    m_timer = new wxTimer(m_owner, ID_TICK_TIMER);
    m_frameRequests = std::make_unique<FrameRequestFilter>(m_glView, m_timer);
    for (const wxObject* source : m_quietSources) m_frameRequests->ignore(source);
    wxEvtHandler::AddFilter(m_frameRequests.get());
    m_glView->setFrameRequestHandler([this] { wake(); });
    m_lastStep = FramePacer::Clock::now();
    armTimer(m_pacer.start(m_lastStep));

    runFrame();
    keepBackdropBetweenFrames();

    // The full layout follows with the first size event; until then the
    // design area is placed for the view's present size.
    wxSize client = m_glView->GetClientSize();
    ViewMath::DesignAreaFit fit = ViewMath::FitDesignArea(client.x, client.y, m_designWidth, m_designHeight);
    m_glView->setFrameSize(static_cast<float>(client.x), static_cast<float>(client.y));
    m_glView->setViewPortInPoints(fit.x, fit.y, static_cast<float>(fit.width), static_cast<float>(fit.height));
    m_glView->requestFrame();
}

void EngineHost::requestFrame() {
    if (m_glView) m_glView->requestFrame();
}

void EngineHost::ignoreEventsOf(const wxObject* source) {
    m_quietSources.push_back(source);
    if (m_frameRequests) m_frameRequests->ignore(source);
}

void EngineHost::queueStep(float seconds) {
    m_steps.push_back(seconds);
    requestFrame();
}

void EngineHost::stopFrameRequests() {
    if (!m_frameRequests) return;
    if (m_glView) m_glView->setFrameRequestHandler(nullptr);
    wxEvtHandler::RemoveFilter(m_frameRequests.get());
    m_frameRequests.reset();
}

// A repeating toolkit timer counts its period from when its handler ran, so
// every millisecond a frame takes (and every late wake-up) stretches the
// period: 20 ms became 25 ms (40 frames a second) here. The next tick is armed
// for a fixed deadline before the frame runs instead.
void EngineHost::tick() {
    if (m_closing) return;
    // A tick that fires while a frame polls the events of its own loop waits
    // for that frame to end: frames nest only inside a modal dialog's loop,
    // never one inside the other because a frame took longer than a period.
    // The polling dispatches one level deeper than the frame began; a modal
    // loop started from it (a wx dialog, or a GTK message box, which runs no
    // wx loop of its own) dispatches deeper still.
    if (m_frameDepth > 0 && g_main_depth() <= m_frameDispatchDepth + 1) {
        m_tickDeferred = true;
        // The polling may yet open a modal loop, whose ticks must still come.
        if (!m_paused) armTimer(m_pacer.nextWait(FramePacer::Clock::now()));
        return;
    }
    if (!m_paused) {
        const FramePacer::Clock::time_point now = FramePacer::Clock::now();
        armTimer(m_resting ? m_pacer.start(now) : m_pacer.nextWait(now));
    }
    m_resting = false;
    // Closing, floating or docking a pane resizes the view without a size
    // event of the window; the design area follows before the next frame.
    if (m_glView && m_glView->GetClientSize() != m_laidOutSize) layoutView();
    runFrame();
}

void EngineHost::armTimer(FramePacer::Clock::duration wait) {
    if (m_timer) m_timer->StartOnce(FramePacer::toTimerMilliseconds(wait));
}

void EngineHost::runFrame() {
    if (!m_glView) return;
    if (m_closing) ++m_framesAfterClose;
    m_timing.tickStarted();
    // The host keeps the engine's clock: ticks that draw nothing still
    // advance it, so the next drawn frame sees one tick's time, not the
    // whole still spell.
    const FramePacer::Clock::time_point now = FramePacer::Clock::now();
    float dt = std::chrono::duration<float>(now - m_lastStep).count();
    m_lastStep = now;
    // A step is a frame of its own length in engine time, also while time
    // otherwise stands still (scale 0).
    const bool step = !m_steps.empty();
    Scheduler* scheduler = Director::getInstance()->getScheduler();
    const float timeScale = scheduler->getTimeScale();
    if (step) {
        dt = m_steps.front();
        m_steps.pop_front();
        scheduler->setTimeScale(1);
    }
    // The window's first frame on the screen is drawn whatever else holds:
    // what waits for the editor to be seen starts after it.
    const bool firstOnScreen = !m_drawnOnScreen && !m_closing && IsMappedOnScreen(m_owner);
    const bool draw = firstOnScreen || step || frameNeeded();
    if (draw) {
        m_timing.frameStarted();
        ++m_framesDrawn;
    }
    // A modal dialog opened by a command that this frame's polling
    // dispatched runs its own loop, in which later ticks nest.
    ++m_frameDepth;
    const int outerDepth = m_frameDispatchDepth;
    m_frameDispatchDepth = g_main_depth();
    bool live = true;
    if (draw)
        Director::getInstance()->mainLoop(dt);
    else
        live = updateWithoutDrawing(dt);
    if (step) scheduler->setTimeScale(timeScale);
    if (!m_steps.empty()) m_glView->requestFrame();
    if (firstOnScreen) {
        m_drawnOnScreen = true;
        auto handlers = std::move(m_onFirstShownFrame);
        m_onFirstShownFrame.clear();
        for (auto& handler : handlers) handler();
    }
    m_glView->pollEvents();
    m_frameDispatchDepth = outerDepth;
    --m_frameDepth;
    if (draw) m_timing.frameEnded();
    // A request that came while this tick polled is drawn on the next one.
    if (!live && !(m_glView->frameWanted() && m_glView->canBeSeen())) rest();
    if (m_tickDeferred && !m_closing && !m_paused) {
        m_tickDeferred = false;
        armTimer(FramePacer::Clock::duration::zero());
    }
    // A close that arrived while the frame dispatched events is carried out
    // now that the director is no longer inside its loop.
    if (m_destroyPending && m_frameDepth == 0) m_owner->Destroy();
}

void EngineHost::whenFirstDrawnOnScreen(std::function<void()> handler) {
    if (m_drawnOnScreen)
        handler();
    else
        m_onFirstShownFrame.push_back(std::move(handler));
}

// The background image behind the effects does not change from frame to
// frame but costs a software rasteriser as much as they do: its pixels are
// kept and copied in while it stays the same.
void EngineHost::keepBackdropBetweenFrames() {
    if (Scene* scene = Director::getInstance()->getRunningScene()) scene->setBackdropCaching(true);
}

bool EngineHost::frameNeeded() const {
    Director* director = Director::getInstance();
    Scene* scene = director->getRunningScene();
    // The first frame puts the delegate's scene in place.
    if (!scene) return true;
    if (!m_glView->canBeSeen()) return false;
    if (m_glView->frameWanted()) return true;
    return !director->isPaused() && !TimeStandsStill() && HasLiveEffects(scene);
}

// Scheduled work goes on behind a still or hidden picture: answers posted
// from other threads (the update check), timed callbacks, and effects in a
// minimized window, which then show where they would be when it returns.
bool EngineHost::updateWithoutDrawing(float dt) {
    Director* director = Director::getInstance();
    if (director->isNextDeltaTimeZero()) {
        director->setNextDeltaTimeZero(false);
        dt = 0;
    }
    if (!director->isPaused()) {
        EventDispatcher* events = director->getEventDispatcher();
        EventCustom beforeUpdate(Director::EVENT_BEFORE_UPDATE);
        events->dispatchEvent(&beforeUpdate);
        director->getScheduler()->update(dt);
        EventCustom afterUpdate(Director::EVENT_AFTER_UPDATE);
        events->dispatchEvent(&afterUpdate);
    }
    PoolManager::getInstance()->getCurrentPool()->clear();
    // Work of the update that set an effect going is drawn on the next tick.
    const bool live = !director->isPaused() && !TimeStandsStill() && HasLiveEffects(director->getRunningScene());
    if (live) m_glView->requestFrame();
    return live;
}

void EngineHost::rest() {
    m_resting = true;
    if (!m_paused && !m_closing) armTimer(kRestPeriod);
}

void EngineHost::wake() {
    if (!m_resting) return;
    m_resting = false;
    // Nothing moved while the pump rested: the woken frame's engine time
    // starts now, so that an effect made by the waking event does not begin
    // with a resting period's worth of time in one step.
    m_lastStep = FramePacer::Clock::now();
    if (!m_paused && !m_closing) armTimer(m_pacer.startNow(m_lastStep));
}

void EngineHost::pausePump() {
    if (!m_timer || m_paused) return;
    m_paused = true;
    m_timer->Stop();
}

void EngineHost::resumePump() {
    if (!m_timer || m_closing || !m_paused) return;
    m_paused = false;
    m_resting = false;
    // The time spent paused is not made up: a new grid starts now.
    armTimer(m_pacer.start(FramePacer::Clock::now()));
}

bool EngineHost::pumpRunning() const {
    return m_timer && !m_paused && !m_closing;
}

void EngineHost::layoutView() {
    if (m_closing || !m_glView) return;
    Director* director = Director::getInstance();
    Scene* scene = director->getRunningScene();
    if (!scene) return;

    wxSize client = m_glView->GetClientSize();
    m_laidOutSize = client;
    ViewMath::DesignAreaFit fit = ViewMath::FitDesignArea(client.x, client.y, m_designWidth, m_designHeight);
    m_glView->setFrameSize(static_cast<float>(client.x), static_cast<float>(client.y));
    m_glView->setDesignResolutionSize(static_cast<float>(m_designWidth), static_cast<float>(m_designHeight),
                                      ResolutionPolicy::SHOW_ALL);
    m_glView->setViewPortInPoints(fit.x, fit.y, static_cast<float>(fit.width), static_cast<float>(fit.height));
    m_glView->applyDisplayRect();

    if (auto* background = dynamic_cast<LayerColor*>(scene->getChildByName("default_bg_layer")))
        background->setContentSize(director->getWinSize());
    m_glView->requestFrame();
}

bool EngineHost::close() {
    if (m_frameDepth > 0) {
        // Purging the director from inside its own main loop would pull it
        // out from under the running frame.
        m_closing = true;
        m_destroyPending = true;
        return false;
    }
    if (m_closed) return true;
    m_closed = true;
    m_closing = true;
    m_destroyPending = false;
    stopFrameRequests();
    if (m_glView) {
        Director* director = Director::getInstance();
        GLView* view = director->getOpenGLView();
        if (view && view->isOpenGLReady()) {
            director->end();
            director->mainLoop();
        }
        // Objects made since the last frame are still held by the pool; the
        // purge frame does not drain it, and they must go while the window
        // whose tree lists them still exists.
        PoolManager::getInstance()->getCurrentPool()->clear();
        m_glView->release();
        m_glView = nullptr;
    }
    if (m_timer) {
        m_timer->ClearEventHashTable();
        m_timer->Stop();
    }
    delete m_app;
    m_app = nullptr;
    delete m_timer;
    m_timer = nullptr;
    if (m_timing.enabled()) std::fprintf(stderr, "%s\n", m_timing.summary().c_str());
    return true;
}
