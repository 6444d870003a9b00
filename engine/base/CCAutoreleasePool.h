// Autorelease pools: objects handed over are released when the pool is drained.
#ifndef __AUTORELEASEPOOL_H__
#define __AUTORELEASEPOOL_H__

#include <string>
#include <vector>

#include "base/CCRef.h"

NS_CC_BEGIN

class CC_DLL AutoreleasePool {
public:
    // A new pool becomes the current one until it is destroyed.
    AutoreleasePool();
    AutoreleasePool(const std::string& name);
    ~AutoreleasePool();

    // Adds one pending release; the same object may be added several times.
    void addObject(Ref* object);
    // Releases every object once per time it was added. Objects autoreleased
    // while clearing wait for the next clear.
    void clear();
    bool isClearing() const { return _isClearing; }
    bool contains(Ref* object) const;
    void dump();

private:
    std::vector<Ref*> _managedObjectArray;
    std::string _name;
    bool _isClearing;
};

class CC_DLL PoolManager {
public:
    static PoolManager* getInstance();
    static void destroyInstance();

    AutoreleasePool* getCurrentPool() const;
    bool isObjectInPools(Ref* obj) const;

    friend class AutoreleasePool;

private:
    PoolManager();
    ~PoolManager();

    void push(AutoreleasePool* pool);
    void pop();

    static PoolManager* s_singleInstance;
    std::vector<AutoreleasePool*> _releasePoolStack;
};

NS_CC_END

#endif  // __AUTORELEASEPOOL_H__
