// The engine's default shader programs in GLSL 1.20.
#include "renderer/CCGLProgramCache.h"

#include "renderer/CCGLProgram.h"
#include "renderer/ccShaders.h"

NS_CC_BEGIN

GLProgramCache* GLProgramCache::s_instance = nullptr;

GLProgramCache* GLProgramCache::getInstance() {
    if (!s_instance) {
        s_instance = new (std::nothrow) GLProgramCache();
        if (!s_instance->init()) {
            CC_SAFE_DELETE(s_instance);
        }
    }
    return s_instance;
}

void GLProgramCache::destroyInstance() {
    CC_SAFE_RELEASE_NULL(s_instance);
}

GLProgramCache::GLProgramCache() {}

GLProgramCache::~GLProgramCache() {
    for (auto& e : _programs) e.second->release();
}

bool GLProgramCache::init() {
    loadDefaultGLPrograms();
    return true;
}

void GLProgramCache::loadDefaultGLPrograms() {
    struct Default {
        const char* name;
        const char* vert;
        const char* frag;
    };
    const Default defaults[] = {
        {GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR, ccPositionTextureColor_vert, ccPositionTextureColor_frag},
        {GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP, ccPositionTextureColor_noMVP_vert,
         ccPositionTextureColor_noMVP_frag},
        {GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST, ccPositionTextureColor_vert,
         ccPositionTextureColorAlphaTest_frag},
        {GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV, ccPositionTextureColor_noMVP_vert,
         ccPositionTextureColorAlphaTest_frag},
        {GLProgram::SHADER_NAME_POSITION_COLOR, ccPositionColor_vert, ccPositionColor_frag},
        {GLProgram::SHADER_NAME_POSITION_COLOR_NO_MVP, ccPositionColor_noMVP_vert, ccPositionColor_frag},
        {GLProgram::SHADER_NAME_POSITION_TEXTURE, ccPositionTexture_vert, ccPositionTexture_frag},
        {GLProgram::SHADER_NAME_POSITION_TEXTURE_U_COLOR, ccPositionTexture_uColor_vert,
         ccPositionTexture_uColor_frag},
        {GLProgram::SHADER_NAME_POSITION_U_COLOR, ccPosition_uColor_vert, ccPosition_uColor_frag},
    };
    for (const auto& d : defaults) {
        if (_programs.count(d.name)) continue;
        auto p = new (std::nothrow) GLProgram();
        p->initWithByteArrays(d.vert, d.frag);
        _programs.emplace(d.name, p);
    }
}

void GLProgramCache::reloadDefaultGLPrograms() {
    for (auto& e : _programs) e.second->reset();
}

GLProgram* GLProgramCache::getGLProgram(const std::string& key) {
    auto it = _programs.find(key);
    if (it != _programs.end()) return it->second;
    return nullptr;
}

void GLProgramCache::addGLProgram(GLProgram* program, const std::string& key) {
    if (program == nullptr) return;
    auto prev = getGLProgram(key);
    if (prev == program) return;
    _programs.erase(key);
    CC_SAFE_RELEASE_NULL(prev);
    program->retain();
    _programs[key] = program;
}

NS_CC_END
