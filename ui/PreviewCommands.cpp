// The preview commands: the clock's pause, step and speed, the seed dialog, replay, and the entries and tools that show
// them.
#include "ui/PreviewCommands.h"

#include "editor/EditorObject.h"
#include "editor/EmitterMotion.h"
#include "editor/FilePathBytes.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/SpawnArea.h"
#include "ui/EngineHost.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCounts.h"
#include "ui/PreviewSeedDlg.h"
#include "ui/TextureReloader.h"

#include "2d/CCNode.h"
#include "2d/CCParticleSystem.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCScheduler.h"

#include <wx/aui/auibar.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <cstdlib>

namespace {

std::optional<unsigned> fixedSeed;

const char* const kSpeedLabels[PreviewClock::kSpeedCount] = {"0.1×", "0.25×", "0.5×", "1×", "2×", "4×"};

void RestartAll(cocos2d::Node* node) {
    if (auto* editable = dynamic_cast<ParticleSystem2DEditor*>(node))
        editable->restartFromNothing();
    else if (auto* system = dynamic_cast<cocos2d::ParticleSystem*>(node))
        system->resetSystem();
    for (cocos2d::Node* child : node->getChildren()) RestartAll(child);
}

} // namespace

std::optional<unsigned> FixedPreviewSeed() {
    return fixedSeed;
}

void SetFixedPreviewSeed(std::optional<unsigned> seed) {
    fixedSeed = seed;
}

void SeedNewEffect() {
    if (fixedSeed) std::srand(*fixedSeed);
}

bool ReplayEffects(cocos2d::Node* scene, EditorObject* firstSelected) {
    if (fixedSeed && scene) {
        // Every effect draws from the one stream in scene order: all of them
        // start over, or the others' draws would shift the replayed one's.
        RestartAll(scene);
        std::srand(*fixedSeed);
        return true;
    }
    if (auto* particles = dynamic_cast<ParticleSystem2DEditor*>(firstSelected)) particles->resetSystem();
    return false;
}

PreviewCommands::PreviewCommands(wxFrame* frame, EngineHost& host, wxMenuBar* menus, wxAuiToolBar* tools)
    : m_frame(frame),
      m_menus(menus),
      m_tools(tools),
      m_clock(host),
      m_counts(std::make_unique<PreviewCounts>(frame, host)),
      m_textures(std::make_unique<TextureReloader>(host, [frame](const wxString& why) { frame->SetStatusText(why); })) {
    // Before the effects' own updates (priority 1): what they emit this
    // frame starts from where the emitter now is.
    cocos2d::Director::getInstance()->getScheduler()->schedulePerFrame(
        [](float dt) { EmitterMotion::instance().advance(dt, SelectionManager::getInstance()->selection); }, this, 0,
        false);
    m_moving = true;
    showState();
}

PreviewCommands::~PreviewCommands() = default;

void PreviewCommands::stop() {
    m_counts->stop();
    m_textures->stop();
    if (!m_moving) return;
    m_moving = false;
    cocos2d::Director::getInstance()->getScheduler()->unscheduleUpdate(this);
    EmitterMotion::instance().clear();
}

void PreviewCommands::replay(EditorObject* firstSelected) {
    if (ReplayEffects(cocos2d::Director::getInstance()->getRunningScene(), firstSelected)) {
        // The same particles also come from the same places.
        EmitterMotion::instance().restart();
        m_counts->restartAll();
    } else if (auto* particles = dynamic_cast<cocos2d::ParticleSystem*>(firstSelected)) {
        m_counts->restart(particles);
    }
}

bool PreviewCommands::run(int id) {
    if (id == ID_PREVIEW_PAUSE) {
        togglePause();
    } else if (id == ID_PREVIEW_STEP) {
        m_clock.step();
    } else if (id == ID_PREVIEW_SEED) {
        chooseSeed();
    } else if (id == ID_PREVIEW_SPAWN_AREA) {
        ShowSpawnAreas(!SpawnAreasShown());
    } else if (id >= ID_PREVIEW_MOTION_FIRST && id <= ID_PREVIEW_MOTION_LAST) {
        EmitterMotion::instance().setPath(static_cast<EmitterMotion::Path>(id - ID_PREVIEW_MOTION_FIRST));
    } else if (id == ID_PREVIEW_SPEED) {
        showSpeedChoices();
    } else if (id >= ID_PREVIEW_SPEED_FIRST && id <= ID_PREVIEW_SPEED_LAST) {
        m_clock.setSpeedIndex(id - ID_PREVIEW_SPEED_FIRST);
    } else {
        return false;
    }
    showState();
    return true;
}

void PreviewCommands::togglePause() {
    m_clock.setPaused(!m_clock.paused());
}

void PreviewCommands::chooseSeed() {
    PreviewSeedDlg dialog(m_frame, wxID_ANY, wxGetTranslation(wxString::FromUTF8("随机种子")));
    dialog.setSeed(fixedSeed);
    if (dialog.ShowModal() == wxID_OK) fixedSeed = dialog.seed();
}

void PreviewCommands::showSpeedChoices() {
    wxMenu choices;
    for (int i = 0; i < PreviewClock::kSpeedCount; ++i)
        choices.AppendRadioItem(ID_PREVIEW_SPEED_FIRST + i, wxString::FromUTF8(kSpeedLabels[i]));
    choices.Check(ID_PREVIEW_SPEED_FIRST + m_clock.speedIndex(), true);
    // Under the tool, as a drop-down opens.
    wxPoint at(0, 0);
    if (m_tools) {
        const wxRect rect = m_tools->GetToolRect(ID_PREVIEW_SPEED);
        at = m_frame->ScreenToClient(m_tools->ClientToScreen(rect.GetBottomLeft()));
    }
    m_frame->PopupMenu(&choices, at);
}

void PreviewCommands::showState() {
    const bool paused = m_clock.paused();
    const int speedId = ID_PREVIEW_SPEED_FIRST + m_clock.speedIndex();
    if (m_menus) {
        if (m_menus->FindItem(ID_PREVIEW_PAUSE)) m_menus->Check(ID_PREVIEW_PAUSE, paused);
        if (m_menus->FindItem(ID_PREVIEW_STEP)) m_menus->Enable(ID_PREVIEW_STEP, paused);
        if (m_menus->FindItem(speedId)) m_menus->Check(speedId, true);
        const int pathId = ID_PREVIEW_MOTION_FIRST + static_cast<int>(EmitterMotion::instance().path());
        if (m_menus->FindItem(pathId)) m_menus->Check(pathId, true);
        if (m_menus->FindItem(ID_PREVIEW_SPAWN_AREA)) m_menus->Check(ID_PREVIEW_SPAWN_AREA, SpawnAreasShown());
    }
    if (m_tools) {
        m_tools->ToggleTool(ID_PREVIEW_PAUSE, paused);
        m_tools->EnableTool(ID_PREVIEW_STEP, paused);
        if (wxAuiToolBarItem* pause = m_tools->FindTool(ID_PREVIEW_PAUSE))
            pause->SetBitmap(wxBitmap(RunTimeFileText(paused ? "rc/ID_PREVIEW_PLAY.png" : "rc/ID_PREVIEW_PAUSE.png"),
                                      wxBITMAP_TYPE_ANY));
        m_tools->SetToolShortHelp(ID_PREVIEW_SPEED,
                                  wxString::Format(wxGetTranslation(wxString::FromUTF8("速度 %s")),
                                                   wxString::FromUTF8(kSpeedLabels[m_clock.speedIndex()])));
        m_tools->Refresh(false);
    }
}
