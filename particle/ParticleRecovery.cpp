// Recovery of particle objects: their plist and picture out, a new object with unsaved changes back.
#include "particle/ParticleRecovery.h"

#include "editor/FilePathBytes.h"
#include "editor/RecoveryFolder.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"

#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

USING_NS_CC;

namespace {

// The picture that stands for the recovered object's texture name: the file
// it showed, then the name beside the original file, then the name through
// the engine's search paths (the work directories, "./res/").
Texture2D* PictureFor(const ParticleSystem2DEditor& object, const RecoveryEntry& entry) {
    FileUtils* files = FileUtils::getInstance();
    TextureCache* cache = Director::getInstance()->getTextureCache();
    const std::string name = std::string(object.textureName.utf8_str());
    std::vector<std::string> candidates{PathBytes(wxString::FromUTF8(entry.texturePath))};
    if (!name.empty()) {
        const std::string original = PathBytes(wxString::FromUTF8(entry.originalPath));
        const size_t slash = original.rfind('/');
        if (slash != std::string::npos) candidates.push_back(original.substr(0, slash + 1) + name);
        candidates.push_back(files->fullPathForFilename(name));
    }
    for (const std::string& candidate : candidates) {
        if (candidate.empty() || !files->isFileExist(candidate)) continue;
        if (Texture2D* picture = cache->addImage(candidate)) return picture;
    }
    return nullptr;
}

} // namespace

SceneDocument::RecoveryContent ParticleRecoveryContent(EditorObject& object) {
    SceneDocument::RecoveryContent content;
    content.plist = PlistDocument::text([&object](wxXmlNode* dict) { object.writeXml(dict); });
    auto* particle = dynamic_cast<ParticleSystem2DEditor*>(&object);
    if (particle && particle->embeddedTexture().empty() && particle->getTexture())
        content.texturePath = PathText(particle->getTexture()->getPath()).utf8_string();
    return content;
}

ParticleSystem2DEditor* LoadRecoveredParticle(const std::string& file, const RecoveryEntry& entry, std::string* why) {
    ParticleSystem2DEditor* object = ParticleSystem2DEditor::createFromFile(file);
    if (!object) {
        if (why) *why = ParticleSystem::getLastInitError();
        return nullptr;
    }
    if (object->embeddedTexture().empty())
        if (Texture2D* picture = PictureFor(*object, entry)) object->setTexture(picture);
    object->filePath = wxString::FromUTF8(entry.originalPath.c_str());
    if (!entry.name.empty()) object->treeLabel = wxString::FromUTF8(entry.name.c_str());
    // Differs from its file until saved: the file, if any, has the old values.
    object->savedRevision = -1;
    return object;
}
