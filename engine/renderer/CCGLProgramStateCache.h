// One shared GLProgramState per program.
#ifndef __CCGLPROGRAMSTATECACHE_H__
#define __CCGLPROGRAMSTATECACHE_H__

#include <unordered_map>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class GLProgram;
class GLProgramState;

class CC_DLL GLProgramStateCache {
public:
    static GLProgramStateCache* getInstance();
    static void destroyInstance();

    GLProgramState* getGLProgramState(GLProgram* program);
    void removeUnusedGLProgramState();
    void removeAllGLProgramState();

protected:
    GLProgramStateCache();
    ~GLProgramStateCache();

    std::unordered_map<GLProgram*, GLProgramState*> _glProgramStates;
    static GLProgramStateCache* s_instance;
};

NS_CC_END

#endif  // __CCGLPROGRAMSTATECACHE_H__
