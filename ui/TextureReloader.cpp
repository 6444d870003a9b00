// Texture reloading: which files the scene's textures come from, noticing their changes, and loading them in place.
#include "ui/TextureReloader.h"

#include "ui/EngineHost.h"
#include "ui/MainFrameIds.h"

#include "2d/CCBackdropCache.h"
#include "2d/CCParticleSystemQuad.h"
#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCTexture2D.h"

#include <wx/filename.h>
#include <wx/fswatcher.h>

#include <sys/stat.h>

USING_NS_CC;

namespace {
constexpr int kPollMilliseconds = 1000;

void CollectTextures(Node* node, std::map<std::string, Texture2D*>& found) {
    if (!node) return;
    Texture2D* texture = nullptr;
    if (auto* sprite = dynamic_cast<Sprite*>(node))
        texture = sprite->getTexture();
    else if (auto* system = dynamic_cast<ParticleSystem*>(node))
        texture = system->getTexture();
    // A texture made from data (an embedded picture) has no file.
    if (texture && !texture->getPath().empty()) found.emplace(texture->getPath(), texture);
    for (Node* child : node->getChildren()) CollectTextures(child, found);
}

// The users of a texture take its new size; sprites showing the whole old
// picture show the whole new one (frames of an atlas keep their rectangles).
void FitUsers(Node* node, Texture2D* texture, const Size& oldSize) {
    if (!node) return;
    if (auto* sprite = dynamic_cast<Sprite*>(node)) {
        if (sprite->getTexture() == texture && sprite->getTextureRect().equals(Rect(Vec2::ZERO, oldSize)))
            sprite->setTextureRect(Rect(Vec2::ZERO, texture->getContentSize()));
    } else if (auto* system = dynamic_cast<ParticleSystemQuad*>(node)) {
        if (system->getTexture() == texture) system->setTexture(texture);
    }
    for (Node* child : node->getChildren()) FitUsers(child, texture, oldSize);
}
} // namespace

TextureReloader::TextureReloader(EngineHost& host, std::function<void(const wxString&)> tell)
    : m_host(host),
      m_tell(std::move(tell)),
      m_timer(this, ID_TEXTURE_POLL_TIMER) {
    // Looking at files changes nothing in the view; a reload asks for its frame.
    host.ignoreEventsOf(&m_timer);
    m_timer.Start(kPollMilliseconds);
}

TextureReloader::~TextureReloader() {
    stop();
}

void TextureReloader::stop() {
    m_timer.Stop();
    m_watcher.reset();
}

std::map<std::string, Texture2D*> TextureReloader::texturesInUse() const {
    std::map<std::string, Texture2D*> found;
    CollectTextures(Director::getInstance()->getRunningScene(), found);
    return found;
}

int TextureReloader::checkNow() {
    m_checkQueued = false;
    int reloaded = 0;
    std::map<std::string, Seen> seen;
    for (const auto& [path, texture] : texturesInUse()) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) continue;
        const Seen now{static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
                       static_cast<long long>(info.st_size)};
        seen[path] = now;
        const auto before = m_seen.find(path);
        if (before == m_seen.end()) {
            watchFolderOf(path);
            continue;
        }
        if (before->second.modified == now.modified && before->second.size == now.size) continue;
        if (reload(texture, path)) ++reloaded;
    }
    m_seen = std::move(seen);
    return reloaded;
}

bool TextureReloader::reload(Texture2D* texture, const std::string& path) {
    Image* image = new Image();
    const bool decoded = image->initWithImageFile(path);
    const Size oldSize = texture->getContentSize();
    const bool loaded = decoded && texture->initWithImage(image);
    image->release();
    if (!loaded) {
        // The old picture stays; a half-written file will be looked at again when it next changes.
        m_tell(wxString::Format(wxGetTranslation(wxString::FromUTF8("图片无法读取，仍显示原来的图片：%s")),
                                wxString::FromUTF8(path)));
        return false;
    }
    texture->setPath(path);
    Scene* scene = Director::getInstance()->getRunningScene();
    FitUsers(scene, texture, oldSize);
    // The kept backdrop may hold the old picture under the same GL name.
    if (scene && scene->getBackdropCache()) scene->getBackdropCache()->invalidate();
    m_host.requestFrame();
    return true;
}

void TextureReloader::watchFolderOf(const std::string& path) {
    const wxFileName file(wxString::FromUTF8(path));
    const std::string folder(file.GetPath().utf8_str());
    if (!m_folders.insert(folder).second) return;
    if (!m_watcher) {
        m_watcher = std::make_unique<wxFileSystemWatcher>();
        m_watcher->SetOwner(this);
        m_host.ignoreEventsOf(m_watcher.get());
    }
    // Failing here leaves the folder to the once-a-second look.
    m_watcher->Add(wxFileName::DirName(file.GetPath()), wxFSW_EVENT_CREATE | wxFSW_EVENT_MODIFY | wxFSW_EVENT_RENAME);
}

void TextureReloader::OnTimer(wxTimerEvent&) {
    checkNow();
}

// A file being written sends several changes; one look after them is enough.
void TextureReloader::OnFileChanged(wxFileSystemWatcherEvent&) {
    if (m_checkQueued) return;
    m_checkQueued = true;
    CallAfter([this] {
        if (m_checkQueued) checkNow();
    });
}

// clang-format off
wxBEGIN_EVENT_TABLE(TextureReloader, wxEvtHandler)
    EVT_TIMER(ID_TEXTURE_POLL_TIMER, TextureReloader::OnTimer)
    EVT_FSWATCHER(wxID_ANY, TextureReloader::OnFileChanged)
wxEND_EVENT_TABLE()
