// Autorelease pools and their stack.
#include "base/CCAutoreleasePool.h"

#include "base/ccMacros.h"
#include "base/CCConsole.h"

NS_CC_BEGIN

AutoreleasePool::AutoreleasePool() : _name(""), _isClearing(false) {
    _managedObjectArray.reserve(150);
    PoolManager::getInstance()->push(this);
}

AutoreleasePool::AutoreleasePool(const std::string& name) : _name(name), _isClearing(false) {
    _managedObjectArray.reserve(150);
    PoolManager::getInstance()->push(this);
}

AutoreleasePool::~AutoreleasePool() {
    clear();
    PoolManager::getInstance()->pop();
}

void AutoreleasePool::addObject(Ref* object) {
    _managedObjectArray.push_back(object);
}

void AutoreleasePool::clear() {
    _isClearing = true;
    std::vector<Ref*> releasings;
    releasings.swap(_managedObjectArray);
    for (const auto& obj : releasings) {
        obj->release();
    }
    _isClearing = false;
}

bool AutoreleasePool::contains(Ref* object) const {
    for (const auto& obj : _managedObjectArray) {
        if (obj == object) return true;
    }
    return false;
}

void AutoreleasePool::dump() {
    log("autorelease pool: %s, number of managed object %d\n", _name.c_str(),
        static_cast<int>(_managedObjectArray.size()));
    log("%20s%20s%20s", "Object pointer", "Object id", "reference count");
    for (const auto& obj : _managedObjectArray) {
        log("%20p%20u\n", static_cast<void*>(obj), obj->getReferenceCount());
    }
}

// ---- PoolManager ----

PoolManager* PoolManager::s_singleInstance = nullptr;

PoolManager* PoolManager::getInstance() {
    if (s_singleInstance == nullptr) {
        s_singleInstance = new (std::nothrow) PoolManager();
        // The first pool registers itself with the manager.
        new AutoreleasePool("cocos2d autorelease pool");
    }
    return s_singleInstance;
}

void PoolManager::destroyInstance() {
    delete s_singleInstance;
    s_singleInstance = nullptr;
}

PoolManager::PoolManager() {
    _releasePoolStack.reserve(10);
}

PoolManager::~PoolManager() {
    while (!_releasePoolStack.empty()) {
        AutoreleasePool* pool = _releasePoolStack.back();
        delete pool;  // pops itself
    }
}

AutoreleasePool* PoolManager::getCurrentPool() const {
    return _releasePoolStack.back();
}

bool PoolManager::isObjectInPools(Ref* obj) const {
    for (const auto& pool : _releasePoolStack) {
        if (pool->contains(obj)) return true;
    }
    return false;
}

void PoolManager::push(AutoreleasePool* pool) {
    _releasePoolStack.push_back(pool);
}

void PoolManager::pop() {
    CC_ASSERT(!_releasePoolStack.empty());
    _releasePoolStack.pop_back();
}

NS_CC_END
