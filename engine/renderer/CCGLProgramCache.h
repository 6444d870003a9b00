// The named shader programs of the engine (created on first request, compiled on first use).
#ifndef __CCGLPROGRAMCACHE_H__
#define __CCGLPROGRAMCACHE_H__

#include <string>
#include <unordered_map>

#include "base/CCRef.h"

NS_CC_BEGIN

class GLProgram;

class CC_DLL GLProgramCache : public Ref {
public:
    GLProgramCache();
    ~GLProgramCache();

    static GLProgramCache* getInstance();
    static void destroyInstance();

    void loadDefaultGLPrograms();
    void reloadDefaultGLPrograms();
    GLProgram* getGLProgram(const std::string& key);
    void addGLProgram(GLProgram* program, const std::string& key);

private:
    bool init();

    std::unordered_map<std::string, GLProgram*> _programs;
    static GLProgramCache* s_instance;
};

NS_CC_END

#endif  // __CCGLPROGRAMCACHE_H__
