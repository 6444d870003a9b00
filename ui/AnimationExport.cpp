// The export runs particle-render as a child: the engine and its caches are global to a process, so the live
// preview keeps its own, and a cancel is a kill and a removed staging folder.
#include "ui/AnimationExport.h"

#include "editor/FilePathBytes.h"

#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"
#include "render/Backdrop.h"
#include "ui/BackgroundLoader.h"
#include "ui/ExportDlg.h"
#include "ui/ExportStaging.h"
#include "ui/FrameTimingLog.h"
#include "ui/RenderProcess.h"
#include "ui/WriteFailure.h"

#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "platform/CCGLView.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/progdlg.h>
#include <wx/translation.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

wxString Wildcard(ExportFormat format) {
    switch (format) {
    case ExportFormat::Sheet:
        return wxGetTranslation(wxString::FromUTF8("精灵表 (*.png)|*.png"));
    case ExportFormat::Webp:
        return wxGetTranslation(wxString::FromUTF8("WebP 动画 (*.webp)|*.webp"));
    case ExportFormat::Gif:
        return wxGetTranslation(wxString::FromUTF8("GIF 动画 (*.gif)|*.gif"));
    default:
        return wxGetTranslation(wxString::FromUTF8("PNG 序列帧 (文件夹)|*"));
    }
}

// The chosen path with the format's extension when it has none.
wxString WithExtension(const wxString& path, ExportFormat format) {
    const wxString ext = wxString::FromUTF8(ExportExtension(format));
    if (ext.empty() || wxFileName(path).GetExt().Lower() == ext) return path;
    return path + wxS(".") + ext;
}

// Where the render may find the effect's texture: the effect's own folder,
// then the engine's search paths as the editor resolves them here.
std::vector<std::string> TextureFolders(const ParticleSystem2DEditor* effect) {
    std::vector<std::string> folders;
    if (!effect->filePath.empty()) folders.push_back(PathBytes(wxFileName(effect->filePath).GetPath()));
    for (const std::string& dir : cocos2d::FileUtils::getInstance()->getSearchPaths()) folders.push_back(Absolute(dir));
    return folders;
}

// The progress dialog's cancel button takes the program's own word from its catalog, not the toolkit's.
class ExportProgress : public wxProgressDialog {
public:
    ExportProgress(wxWindow* parent, int frames)
        : wxProgressDialog(wxGetTranslation(wxString::FromUTF8("正在导出…")), message(0, frames), frames, parent,
                           wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE),
          m_frames(frames) {
        if (wxWindow* cancel = FindWindow(wxID_CANCEL)) cancel->SetLabel(wxGetTranslation(wxString::FromUTF8("取消")));
    }
    // The bar stops short of its end while the render runs: at the end the
    // dialog would wait for a click on Close.
    bool show(int done) { return Update(std::min(done, m_frames - 1), message(done, m_frames)); }

private:
    static wxString message(int done, int frames) {
        return wxString::Format(wxGetTranslation(wxString::FromUTF8("第 %d 帧，共 %d 帧")), done, frames);
    }
    int m_frames;
};

// Why the render failed, in the user's words where the render's own are known.
wxString RenderFailure(const std::string& said) {
    if (said.empty()) return wxGetTranslation(wxString::FromUTF8("渲染程序意外退出。"));
    if (said.find("out of memory") != std::string::npos) return WriteFailureReason(ENOMEM);
    return wxString::FromUTF8(said);
}

} // namespace

AnimationExport::AnimationExport(wxWindow* parent)
    : m_parent(parent),
      m_askPath([parent](const FileRequest& r) { return AskPathWithChooser(parent, r); }),
      m_renderProgram(RenderProcess::besideProgram()) {}

ParticleSystem2DEditor* AnimationExport::selectedEffect() {
    const auto& selection = SelectionManager::getInstance()->selection;
    return selection.empty() ? nullptr : dynamic_cast<ParticleSystem2DEditor*>(selection.front());
}

ExportOptions AnimationExport::startingOptions(ParticleSystem2DEditor* effect) const {
    ExportOptions o = SessionExportOptions();
    if (o.width <= 0 || o.height <= 0) {
        const cocos2d::Size design = cocos2d::Director::getInstance()->getOpenGLView()->getDesignResolutionSize();
        o.width = std::max(1, static_cast<int>(design.width));
        o.height = std::max(1, static_cast<int>(design.height));
    }
    if (o.seconds <= 0) o.seconds = effect && effect->getDuration() > 0 ? effect->getDuration() : 2.0;
    if (!o.seed) o.seed = m_previewSeed ? m_previewSeed().value_or(1) : 1;
    return o;
}

void AnimationExport::run() {
    ParticleSystem2DEditor* effect = selectedEffect();
    if (!effect) return;
    ExportOptions options;
    {
        ExportDlg dialog(m_parent, startingOptions(effect));
        if (dialog.ShowModal() != wxID_OK) return;
        options = dialog.options();
    }
    SessionExportOptions() = options;
    const wxString path = m_askPath({wxGetTranslation(wxString::FromUTF8("选择导出位置")), Wildcard(options.format),
                                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT});
    if (path.empty()) return;
    // The chooser ran the event loop: the effect may have gone meanwhile.
    if (selectedEffect() != effect) return;
    exportTo(effect, options, WithExtension(path, options.format));
}

AnimationExport::Result AnimationExport::fail(const wxString& path, const wxString& reason) {
    wxMessageBox(wxGetTranslation(wxString::FromUTF8("导出失败！")) + wxS("\n") + path + wxS("\n") + reason,
                 wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, m_parent);
    return Failed;
}

AnimationExport::Result AnimationExport::exportTo(ParticleSystem2DEditor* effect, const ExportOptions& options,
                                                  const wxString& path) {
    ExportStaging staging;
    int error = 0;
    if (!staging.create(PathBytes(path), &error)) return fail(path, WriteFailureReason(error));

    // The effect as Save would write it, under a bare name the render finds along its search paths.
    ExportScene scene;
    const std::string plistName = "flarewick-export.plist";
    if (!PlistDocument::save([effect](wxXmlNode* dict) { effect->writeXml(dict); },
                             wxString::FromUTF8(staging.folder() + "/" + plistName), &error))
        return fail(path, WriteFailureReason(error));
    scene.plistPath = plistName;
    scene.searchPaths = TextureFolders(effect);
    scene.searchPaths.insert(scene.searchPaths.begin(), staging.folder());
    const cocos2d::Vec2 at =
        effect->getParent() ? effect->getParent()->convertToWorldSpace(effect->getPosition()) : effect->getPosition();
    scene.x = at.x;
    scene.y = at.y;
    if (const cocos2d::Node* background = BackgroundLoader::current()) {
        scene.backdrop = Backdrop::sourceOf(background);
        if (!scene.backdrop.empty()) scene.backdrop = Absolute(scene.backdrop);
        scene.backdropX = background->getPositionX();
        scene.backdropY = background->getPositionY();
    }

    RenderProcess child;
    std::string why;
    if (!child.start(m_renderProgram, RenderArguments(options, scene, staging.renderPath()), &why))
        return fail(path, wxString::FromUTF8(why));
    const bool measured = m_timing && m_timing->enabled();
    const auto started = FrameTimingLog::Clock::now();
    if (measured) m_timing->beginSpan(started);
    {
        ExportProgress progress(m_parent, options.frameCount());
        while (child.poll(10)) {
            if (!progress.show(child.framesDone())) {
                child.kill();
                if (measured) m_timing->endSpan();
                return Cancelled;
            }
            // Everything else goes on meanwhile, the preview's frames first of all.
            wxTheApp->Yield(true);
        }
    }
    if (measured) {
        m_timing->endSpan();
        std::fprintf(stderr, "export of %d frames: %.2f s; longest frame gap %.1f ms\n", options.frameCount(),
                     std::chrono::duration<double>(FrameTimingLog::Clock::now() - started).count(),
                     m_timing->spanLongestGapMs());
    }
    if (child.status() != 0) return fail(path, RenderFailure(child.errors()));
    if (!staging.commit(options.format == ExportFormat::Sheet, &error)) return fail(path, WriteFailureReason(error));
    return Done;
}
