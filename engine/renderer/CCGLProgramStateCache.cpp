// Cache of shared program states.
#include "renderer/CCGLProgramStateCache.h"

#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"

NS_CC_BEGIN

GLProgramStateCache* GLProgramStateCache::s_instance = nullptr;

GLProgramStateCache::GLProgramStateCache() {}

GLProgramStateCache::~GLProgramStateCache() {
    removeAllGLProgramState();
}

GLProgramStateCache* GLProgramStateCache::getInstance() {
    if (s_instance == nullptr) s_instance = new (std::nothrow) GLProgramStateCache();
    return s_instance;
}

void GLProgramStateCache::destroyInstance() {
    delete s_instance;
    s_instance = nullptr;
}

GLProgramState* GLProgramStateCache::getGLProgramState(GLProgram* glprogram) {
    if (glprogram == nullptr) return nullptr;
    const auto& itr = _glProgramStates.find(glprogram);
    if (itr != _glProgramStates.end()) return itr->second;

    auto ret = new (std::nothrow) GLProgramState;
    if (ret && ret->init(glprogram)) {
        _glProgramStates[glprogram] = ret;
        ret->autorelease();
        ret->retain();  // held by the cache
        return ret;
    }
    delete ret;
    return nullptr;
}

void GLProgramStateCache::removeUnusedGLProgramState() {
    for (auto it = _glProgramStates.cbegin(); it != _glProgramStates.cend();) {
        auto value = it->second;
        if (value->getReferenceCount() == 1) {
            value->release();
            it = _glProgramStates.erase(it);
        } else {
            ++it;
        }
    }
}

void GLProgramStateCache::removeAllGLProgramState() {
    for (auto& it : _glProgramStates) it.second->release();
    _glProgramStates.clear();
}

NS_CC_END
