// The editor's main window: engine start-up, frame pump, engine view layout and the close sequence.
#include "ui/MainFrame.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/sizer.h>

#include "app/AppDelegate.h"
#include "app/EditorConfig.h"
#include "view/GLViewMath.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCLayer.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "platform/CCCommon.h"
#include "platform/CCFileUtils.h"

#include <cstdio>

USING_NS_CC;

namespace {
constexpr int kFrameTimerId = 10000;
constexpr int kFrameMilliseconds = 20;
}  // namespace

wxBEGIN_EVENT_TABLE(MainFrame, wxFrame)
    EVT_TIMER(kFrameTimerId, MainFrame::OnFrameTimer)
    EVT_SIZE(MainFrame::OnSize)
wxEND_EVENT_TABLE()

MainFrame::MainFrame(wxWindow* parent)
    : wxFrame(parent, wxID_ANY, wxString::FromUTF8("Flarewick(Cocos2dx)")) {
    ReadDesignSize(EditorConfig, m_designWidth, m_designHeight);

    Director* director = Director::getInstance();
    if (!dynamic_cast<wxGLViewImpl*>(director->getOpenGLView())) {
        wxGLViewImpl* view = wxGLViewImpl::create(
            "CocosCpp", Rect(0, 0, static_cast<float>(m_designWidth), static_cast<float>(m_designHeight)),
            this, 1.0f);
        if (view) {
            director->setOpenGLView(view);
            director->setClearColor(Color4F(0.5f, 0.5f, 0.5f, 1.0f));
        }
    }
    m_glView = dynamic_cast<wxGLViewImpl*>(director->getOpenGLView());
    if (!m_glView) {
        AbandonStartUp();
        return;
    }

    m_app = new AppDelegate;
    m_app->applicationDidFinishLaunching();
    m_glView->setDesignResolutionSize(static_cast<float>(m_designWidth),
                                      static_cast<float>(m_designHeight), ResolutionPolicy::SHOW_ALL);
    m_glView->retain();
    FileUtils::getInstance()->addSearchPath("./res/", false);

    // The engine view fills the client area.
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_glView, 1, wxEXPAND);
    SetSizer(sizer);
    SetClientSize(1280, 1000);

    m_timer = new wxTimer(this, kFrameTimerId);
    m_timer->Start(kFrameMilliseconds, wxTIMER_CONTINUOUS);

    RunFrame();

    // The full layout follows with the first size event; until then the
    // design area is placed for the view's present size.
    wxSize client = m_glView->GetClientSize();
    ViewMath::DesignAreaFit fit =
        ViewMath::FitDesignArea(client.x, client.y, m_designWidth, m_designHeight);
    m_glView->setFrameSize(static_cast<float>(client.x), static_cast<float>(client.y));
    m_glView->setViewPortInPoints(fit.x, fit.y, static_cast<float>(fit.width),
                                  static_cast<float>(fit.height));
}

// Without a GL view there is no editor: the view has said why (or this
// says it), and the program ends with a failure status instead of running
// on with nothing to draw into.
void MainFrame::AbandonStartUp() {
    const std::string& reason = wxGLViewImpl::lastCreateError();
    if (!reason.empty())
        MessageBox(("The OpenGL view could not be created: " + reason).c_str(), "OpenGL error");
    m_closing = true;
    CallAfter([this] {
        wxTheApp->SetExitOnFrameDelete(false);
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->Exit(1);
        Destroy();
    });
}

void MainFrame::OnFrameTimer(wxTimerEvent&) {
    if (m_closing) return;
    RunFrame();
}

MainFrame::~MainFrame() {
    if (m_timing.enabled()) std::fprintf(stderr, "frames after close %d\n", m_framesAfterClose);
}

void MainFrame::RunFrame() {
    if (m_closing) ++m_framesAfterClose;
    m_timing.tickStarted();
    m_inFrame = true;
    Director::getInstance()->mainLoop();
    m_glView->pollEvents();
    m_inFrame = false;
    m_timing.tickEnded();
    // A close that arrived while the frame dispatched events is carried out
    // now that the director is no longer inside its loop.
    if (m_destroyPending) Destroy();
}

void MainFrame::OnSize(wxSizeEvent& event) {
    Layout();
    LayoutEngineView();
    event.Skip();
}

void MainFrame::LayoutEngineView() {
    if (m_closing || !m_glView) return;
    Director* director = Director::getInstance();
    Scene* scene = director->getRunningScene();
    if (!scene) return;

    wxSize client = m_glView->GetClientSize();
    ViewMath::DesignAreaFit fit =
        ViewMath::FitDesignArea(client.x, client.y, m_designWidth, m_designHeight);
    m_glView->setFrameSize(static_cast<float>(client.x), static_cast<float>(client.y));
    m_glView->setDesignResolutionSize(static_cast<float>(m_designWidth),
                                      static_cast<float>(m_designHeight), ResolutionPolicy::SHOW_ALL);
    m_glView->setViewPortInPoints(fit.x, fit.y, static_cast<float>(fit.width),
                                  static_cast<float>(fit.height));
    m_glView->applyDisplayRect();

    if (auto* background = dynamic_cast<LayerColor*>(scene->getChildByName("default_bg_layer")))
        background->setContentSize(director->getWinSize());
}

bool MainFrame::Destroy() {
    if (m_inFrame) {
        // Purging the director from inside its own main loop would pull it
        // out from under the running frame.
        m_closing = true;
        m_destroyPending = true;
        return true;
    }
    if (!m_closed) {
        m_closed = true;
        m_closing = true;
        m_destroyPending = false;
        if (m_glView) {
            Director* director = Director::getInstance();
            GLView* view = director->getOpenGLView();
            if (view && view->isOpenGLReady()) {
                director->end();
                director->mainLoop();
            }
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
    }
    return wxFrame::Destroy();
}
