// The "预览(&V)" menu's commands and tools: pause, step, speed, the random seed and the replay that uses it.
#pragma once

#include "ui/PreviewClock.h"

#include <memory>
#include <optional>

class EditorObject;
class EngineHost;
class PreviewCounts;
class TextureReloader;
class wxAuiToolBar;
class wxFrame;
class wxMenuBar;

namespace cocos2d {
class Node;
}

// The seed the preview's random stream starts from on each replay and for
// each new or opened effect; none: the stream runs on as it is. Also for
// pictures rendered outside the view, which should match what it shows.
std::optional<unsigned> FixedPreviewSeed();
void SetFixedPreviewSeed(std::optional<unsigned> seed);

// Called right before an effect is made or opened: with a fixed seed its
// random stream starts from that seed.
void SeedNewEffect();

// Replay. With no fixed seed the first selected particle object starts over
// (nothing else). With one, every effect of the scene starts over from
// nothing on the seed's stream, so that each replay shows the same
// particles. True when every effect started over.
bool ReplayEffects(cocos2d::Node* scene, EditorObject* firstSelected);

class PreviewCommands {
public:
    // Needs the running engine: the counts watch its frames.
    PreviewCommands(wxFrame* frame, EngineHost& host, wxMenuBar* menus, wxAuiToolBar* tools);
    ~PreviewCommands();
    // Ends what watches the engine, before the engine goes.
    void stop();

    // A command of the preview range; false when the id is not one of it.
    bool run(int id);
    // The speed choices under the speed tool.
    void showSpeedChoices();

    // Replays (ReplayEffects) and starts the counts of what was replayed over.
    void replay(EditorObject* firstSelected);

    PreviewClock& clock() { return m_clock; }
    PreviewCounts& counts() { return *m_counts; }
    TextureReloader& textures() { return *m_textures; }

private:
    void togglePause();
    void chooseSeed();
    // Menu entries and tools show the clock's state.
    void showState();

    wxFrame* m_frame;
    wxMenuBar* m_menus;
    wxAuiToolBar* m_tools;
    PreviewClock m_clock;
    std::unique_ptr<PreviewCounts> m_counts;
    std::unique_ptr<TextureReloader> m_textures; // pictures changed on disk show without reopening
    bool m_moving = false;                       // the emitter paths are advanced with the engine's frames
};
