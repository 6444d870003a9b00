// Finding a particle file's texture through the work directories when it is not beside the file.
#include "ui/WorkPathTexture.h"

#include "2d/CCParticleSystem.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTextureCache.h"

USING_NS_CC;

bool UseTextureFromWorkPaths(ParticleSystem* system, const std::string& plistPath) {
    if (!system) return false;
    FileUtils* files = FileUtils::getInstance();
    const ValueMap dict = files->getValueMapFromFile(plistPath);
    auto name = dict.find("textureFileName");
    if (name == dict.end() || name->second.getType() != Value::Type::STRING) return false;
    const std::string texture = name->second.asString();
    auto embedded = dict.find("textureImageData");
    if (texture.empty() || files->isAbsolutePath(texture) ||
        (embedded != dict.end() && !embedded->second.asString().empty()))
        return false;

    // Where the engine looked: the file's folder and the name's last part.
    const size_t slash = plistPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : plistPath.substr(0, slash + 1);
    if (files->isFileExist(folder + texture.substr(texture.rfind('/') + 1))) return false;

    const std::string found = files->fullPathForFilename(texture);
    if (found.empty()) return false;
    Texture2D* picture = Director::getInstance()->getTextureCache()->addImage(found);
    if (!picture) return false;
    system->setTexture(picture);
    return true;
}
