// Open, Save and Save As: choosing the path, loading particle files and backgrounds, writing the plist.
#include "ui/DocumentCommands.h"

#include "editor/FilePathBytes.h"
#include "editor/RegisterEditorObject.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"
#include "ui/BackgroundLoader.h"
#include "ui/BackgroundStep.h"
#include "ui/EngineHost.h"
#include "ui/PreviewCommands.h"
#include "ui/WorkPathTexture.h"
#include "ui/WriteFailure.h"

#include "2d/CCNode.h"
#include "math/Vec2.h"
#include "platform/CCFileUtils.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

namespace {

// Looked up when asked for: the catalogue is loaded after static objects are made.
const char* const kChooserMessage = wxTRANSLATE("保存C++源文件");
const char* const kPlistWildcard = wxTRANSLATE("字典文件(*.plist)|*.plist");

void Notice(const wxString& text, const wxString& caption) {
    wxMessageBox(text, caption, wxOK | wxCENTRE);
}

// Why the engine gave no particle system for path, as far as the engine's
// own file functions can tell; empty when they find nothing wrong.
wxString WhyNoParticleSystem(const std::string& path) {
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    if (!files->isFileExist(path)) return wxGetTranslation(wxString::FromUTF8("文件不存在或无法读取。"));
    if (files->getValueMapFromFile(path).empty())
        return wxGetTranslation(wxString::FromUTF8("文件不是 plist 字典，或字典为空。"));
    return wxGetTranslation(wxString::FromUTF8("文件中的粒子参数无法使用。"));
}

} // namespace

DocumentCommands::DocumentCommands(wxWindow* parent, EngineHost& host)
    : m_parent(parent),
      m_host(host),
      m_askPath([parent](const FileRequest& r) { return AskPathWithChooser(parent, r); }) {}

namespace {
// The text stays on the line of its marker.
// clang-format off
const char* const kOpenFilters = wxTRANSLATE("字典文件(*.plist)|*.plist|Cocos Studio 文件(*.csb)|*.csb|Image png(*.png)|*.png|Image jpg(*.jpg) |*.jpg");
// clang-format on
} // namespace

wxString DocumentCommands::openWildcard() {
    // The label of the last filter keeps its text; its pattern must carry no
    // spaces, or the chooser matches no file at all.
    return wxGetTranslation(wxString::FromUTF8(kOpenFilters));
}

void DocumentCommands::open() {
    m_host.pausePump();
    const wxString path = m_askPath(
        {wxGetTranslation(wxString::FromUTF8(kChooserMessage)), openWildcard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST});
    if (!path.empty()) openPath(path);
    m_host.resumePump();
}

void DocumentCommands::openPath(const wxString& path) {
    const wxString extension = wxFileName(path).GetExt().Lower();
    if (extension == wxS("plist"))
        openParticleFile(path);
    else if (extension == wxS("csb"))
        openBackground(path, true);
    else if (extension == wxS("png") || extension == wxS("jpg"))
        openBackground(path, false);
}

bool DocumentCommands::isOpenable(const wxString& path) {
    const wxString extension = wxFileName(path).GetExt().Lower();
    for (const char* known : {"plist", "csb", "png", "jpg"})
        if (extension == known) return true;
    return false;
}

void DocumentCommands::openFiles(const std::vector<wxString>& paths) {
    for (const wxString& path : paths) {
        if (isOpenable(path))
            openPath(path);
        else
            Notice(wxString::Format(wxGetTranslation(wxString::FromUTF8("不支持的文件类型：%s")),
                                    wxFileName(path).GetFullName()),
                   wxGetTranslation(wxString::FromUTF8("提示")));
    }
}

bool DocumentCommands::dropFiles(const std::vector<wxString>& paths, const cocos2d::Vec2& at) {
    wxString refused;
    for (const wxString& path : paths)
        if (!isOpenable(path))
            refused << (refused.empty() ? wxString() : wxString(wxS("\n"))) << wxFileName(path).GetFullName();
    if (!refused.empty()) {
        Notice(wxString::Format(wxGetTranslation(wxString::FromUTF8("不支持的文件类型：%s")), refused),
               wxGetTranslation(wxString::FromUTF8("提示")));
        return false;
    }
    // A particle file lands where it was dropped, in one step with its opening.
    for (const wxString& path : paths) {
        if (wxFileName(path).GetExt().Lower() == wxS("plist"))
            openParticleFile(path, &at);
        else
            openPath(path);
    }
    return true;
}

bool DocumentCommands::openParticleFile(const wxString& path, const cocos2d::Vec2* at) {
    const std::string file = PathBytes(path);
    SeedNewEffect();
    ParticleSystem2DEditor* object = ParticleSystem2DEditor::createFromFile(file);
    if (!object) {
        wxString text = wxGetTranslation(wxString::FromUTF8("无法加载粒子文件！")) + wxS("\n") + path;
        const wxString why = WhyNoParticleSystem(file);
        if (!why.empty()) text << wxS("\n") << why;
        Notice(text, wxGetTranslation(wxString::FromUTF8("提示")));
        return false;
    }
    UseTextureFromWorkPaths(object, file);
    if (!RegisterEditorObject(object, wxS("Particle2D"), NewObjectParent::Scene,
                              wxGetTranslation(wxString::FromUTF8("打开")), at))
        return false;
    if (m_fileUsed) m_fileUsed(path);
    if (m_particleFileDone) m_particleFileDone(path);
    return true;
}

void DocumentCommands::openBackground(const wxString& path, bool studioFile) {
    // The old background goes only once the new one has loaded.
    const std::string file = PathBytes(path);
    Backdrop::Failure why;
    cocos2d::Node* node = studioFile ? BackgroundLoader::fromStudioFile(file, &why) : BackgroundLoader::fromImage(file);
    const bool placed = node && theSceneDocument ? theSceneDocument->perform(new BackgroundStep(node))
                                                 : BackgroundLoader::replace(node);
    if (placed) {
        if (m_fileUsed) m_fileUsed(path);
        return;
    }
    wxString text = wxGetTranslation(wxString::FromUTF8("无法加载背景文件！")) + wxS("\n") + path;
    // The engine's reason is a catalogue text of its own, with its detail in its place.
    if (!why.reason.empty())
        text << wxS("\n")
             << wxString::Format(wxGetTranslation(wxString::FromUTF8(why.reason.c_str())),
                                 wxString::FromUTF8(why.detail.c_str()));
    Notice(text, wxGetTranslation(wxString::FromUTF8("提示")));
}

EditorObject* DocumentCommands::objectToSave() {
    const auto& selection = SelectionManager::getInstance()->selection;
    if (selection.empty() || !selection.front()) {
        Notice(wxGetTranslation(wxString::FromUTF8("没有选择保存的对象！")),
               wxGetTranslation(wxString::FromUTF8("提示")));
        return nullptr;
    }
    return selection.front();
}

wxString DocumentCommands::askSavePath() {
    return m_askPath({wxGetTranslation(wxString::FromUTF8(kChooserMessage)),
                      wxGetTranslation(wxString::FromUTF8(kPlistWildcard)), wxFD_SAVE | wxFD_OVERWRITE_PROMPT});
}

void DocumentCommands::save() {
    if (EditorObject* object = objectToSave()) saveObject(object);
}

bool DocumentCommands::saveObject(EditorObject* object) {
    const wxString path = object->filePath.empty() ? askSavePath() : object->filePath;
    return !path.empty() && write(object, path);
}

void DocumentCommands::saveAs() {
    EditorObject* object = objectToSave();
    if (!object) return;
    const wxString path = askSavePath();
    if (!path.empty()) write(object, path);
}

bool DocumentCommands::write(EditorObject* object, const wxString& path) {
    // A path becomes the object's only once the file is written there, so
    // that a later Save never goes to a place that failed without asking.
    int error = 0;
    if (!PlistDocument::save([object](wxXmlNode* dict) { object->writeXml(dict); }, path, &error)) {
        Notice(wxGetTranslation(wxString::FromUTF8("保存失败！")) + wxS("\n") + path + wxS("\n") +
                   WriteFailureReason(error),
               wxGetTranslation(wxString::FromUTF8("警告")));
        return false;
    }
    object->filePath = path;
    object->markSaved();
    if (theSceneDocument) theSceneDocument->changed();
    if (m_fileUsed) m_fileUsed(path);
    if (m_particleFileDone && dynamic_cast<ParticleSystem2DEditor*>(object)) m_particleFileDone(path);
    return true;
}
