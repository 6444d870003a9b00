// Starting the recovery writer, and the start-up question about what earlier runs left behind.
#include "ui/CrashRecovery.h"

#include "editor/EditorObject.h"
#include "editor/RecoveryFolder.h"
#include "editor/RegisterEditorObject.h"
#include "editor/SceneDocument.h"
#include "particle/ParticleRecovery.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/WriteFailure.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>
#include <wx/weakref.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

wxString FromUtf8(const std::string& text) {
    return wxString::FromUTF8(text.c_str());
}

// One kept object and the folder it is in.
struct Kept {
    RecoveryFolder* folder;
    RecoveryEntry entry;
};

// Opens each kept object; returns, per folder, the entries that did not
// load, and adds their reasons to *report.
std::map<RecoveryFolder*, std::vector<RecoveryEntry>> Restore(const std::vector<Kept>& kept, wxString* report) {
    std::map<RecoveryFolder*, std::vector<RecoveryEntry>> failed;
    for (const Kept& item : kept) {
        const std::string file = item.folder->filePath(item.entry.file);
        std::string why;
        ParticleSystem2DEditor* object = LoadRecoveredParticle(file, item.entry, &why);
        if (object && RegisterEditorObject(object, wxS("Particle2D"), NewObjectParent::Scene,
                                           wxGetTranslation(wxString::FromUTF8("恢复")))) {
            if (!item.entry.name.empty()) object->treeLabel = FromUtf8(item.entry.name);
            continue;
        }
        failed[item.folder].push_back(item.entry);
        // The engine's reason is a catalog text of its own.
        *report << wxS("\n") << FromUtf8(file) << wxS("\n    ") << wxGetTranslation(wxString::FromUTF8(why.c_str()));
    }
    return failed;
}

bool Names(const std::vector<RecoveryEntry>& entries, const std::string& file) {
    return std::any_of(entries.begin(), entries.end(), [&](const RecoveryEntry& entry) { return entry.file == file; });
}

} // namespace

void StartCrashRecovery(wxWindow* parent, SceneDocument& document) {
    document.startRecovery(RecoveryFolder::defaultRoot(), ParticleRecoveryContent);
    wxWeakRef<wxWindow> owner(parent);
    document.setRecoveryFailed([owner](int error) {
        // Told once a run: the user must know that a crash would lose the work.
        static bool told = false;
        if (told || !wxTheApp) return;
        told = true;
        wxTheApp->CallAfter([owner, error] {
            wxMessageBox(
                wxGetTranslation(wxString::FromUTF8("无法写入恢复文件，程序意外退出时未保存的修改将会丢失。")) +
                    wxS("\n") + FromUtf8(RecoveryFolder::defaultRoot()) + wxS("\n") + WriteFailureReason(error),
                wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, owner.get());
        });
    });
}

void OfferCrashRecovery(wxWindow* parent, SceneDocument& document) {
    std::vector<std::unique_ptr<RecoveryFolder>> folders =
        RecoveryFolder::claimAbandoned(RecoveryFolder::defaultRoot());
    std::vector<Kept> kept;
    wxString report;
    for (const auto& folder : folders) {
        std::vector<RecoveryEntry> entries;
        std::string why;
        if (!folder->readIndex(&entries, &why)) {
            report << wxS("\n") << FromUtf8(folder->filePath("index.json")) << wxS("\n    ") << FromUtf8(why);
            continue;
        }
        if (entries.empty()) folder->removeAll();
        for (RecoveryEntry& entry : entries) kept.push_back({folder.get(), std::move(entry)});
    }
    if (!kept.empty()) {
        wxMessageDialog box(parent,
                            wxGetTranslation(wxString::FromUTF8("上次运行没有正常退出，是否恢复未保存的粒子？")),
                            wxGetTranslation(wxString::FromUTF8("提示")), wxYES_NO | wxYES_DEFAULT | wxCENTRE);
        box.SetYesNoLabels(wxGetTranslation(wxString::FromUTF8("恢复(&R)")),
                           wxGetTranslation(wxString::FromUTF8("放弃(&D)")));
        const int answer = box.ShowModal();
        if (answer == wxID_YES) {
            const auto failed = Restore(kept, &report);
            // The old files go only once the restored objects are in this
            // run's folder; otherwise they are offered again next time.
            const bool rewritten = document.writeRecoveryNow();
            for (const auto& folder : folders) {
                if (!rewritten) break;
                const auto left = failed.find(folder.get());
                if (left == failed.end()) {
                    folder->removeAll();
                    continue;
                }
                // The files that did not load stay, with an index naming only them.
                folder->writeIndex(left->second);
                for (const Kept& item : kept)
                    if (item.folder == folder.get() && !Names(left->second, item.entry.file))
                        folder->removeFile(item.entry.file);
            }
        } else if (answer == wxID_NO) {
            for (const auto& folder : folders)
                if (std::any_of(kept.begin(), kept.end(),
                                [&](const Kept& item) { return item.folder == folder.get(); }))
                    folder->removeAll();
        }
    }
    if (!report.empty())
        wxMessageBox(wxGetTranslation(wxString::FromUTF8("以下恢复文件无法读取，已保留：")) + report,
                     wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, parent);
}
