// "导出动画…": the dialog, the chooser and a render of the first selected effect in a child process, with progress.
#pragma once

#include "ui/ExportOptions.h"
#include "ui/FileRequest.h"

#include <wx/string.h>

#include <functional>
#include <optional>

class FrameTimingLog;
class ParticleSystem2DEditor;
class wxWindow;

class AnimationExport {
public:
    enum Result { Done, Cancelled, Failed };

    explicit AnimationExport(wxWindow* parent);

    // Replaces the file chooser (tests answer with paths of their own).
    void setAskPath(AskPath ask) { m_askPath = std::move(ask); }
    // The preview's fixed seed, when one is set, is the dialog's first seed.
    void setPreviewSeed(std::function<std::optional<unsigned>()> seed) { m_previewSeed = std::move(seed); }
    // When the log measures, each export prints its time and the longest frame gap of the preview meanwhile.
    void setTimingLog(FrameTimingLog* log) { m_timing = log; }
    // Replaces particle-render beside the program (tests).
    void setRenderProgram(const std::string& exe) { m_renderProgram = exe; }

    // The first selected particle effect, or null.
    static ParticleSystem2DEditor* selectedEffect();

    // The whole command: nothing happens without a selected effect, or when
    // the dialog or the chooser is cancelled.
    void run();
    // Renders `effect` with complete `options` to `path` under a progress
    // dialog; failures are reported in a box.
    Result exportTo(ParticleSystem2DEditor* effect, const ExportOptions& options, const wxString& path);

    // The session's options with what is left open filled in for `effect`.
    ExportOptions startingOptions(ParticleSystem2DEditor* effect) const;

private:
    Result fail(const wxString& path, const wxString& reason);

    wxWindow* m_parent;
    AskPath m_askPath;
    std::function<std::optional<unsigned>()> m_previewSeed;
    std::string m_renderProgram;
    FrameTimingLog* m_timing = nullptr;
};
