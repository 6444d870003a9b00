// Namespace, factory and property macros shared by every engine class.
#ifndef __CC_PLATFORM_MACROS_H__
#define __CC_PLATFORM_MACROS_H__

#include <functional>

#include "platform/CCPlatformConfig.h"
#include "platform/CCPlatformDefine.h"

// Creates an object with its init() and hands it to the autorelease pool;
// null (and the object deleted) when init() fails.
#define CREATE_FUNC(__TYPE__)                 \
    static __TYPE__* create() {               \
        __TYPE__* pRet = new (std::nothrow) __TYPE__(); \
        if (pRet && pRet->init()) {           \
            pRet->autorelease();              \
            return pRet;                      \
        }                                     \
        delete pRet;                          \
        pRet = nullptr;                       \
        return nullptr;                       \
    }

#define NODE_FUNC(__TYPE__)                   \
    CC_DEPRECATED_ATTRIBUTE static __TYPE__* node() { \
        __TYPE__* pRet = new (std::nothrow) __TYPE__(); \
        if (pRet && pRet->init()) {           \
            pRet->autorelease();              \
            return pRet;                      \
        }                                     \
        delete pRet;                          \
        return nullptr;                       \
    }

#define CC_ENABLE_CACHE_TEXTURE_DATA 0

#ifdef __cplusplus
#define NS_CC_BEGIN namespace cocos2d {
#define NS_CC_END }
#define USING_NS_CC using namespace cocos2d
#define NS_CC ::cocos2d
#else
#define NS_CC_BEGIN
#define NS_CC_END
#define USING_NS_CC
#define NS_CC
#endif

// Properties: a protected member with a virtual getter/setter pair.
#define CC_PROPERTY_READONLY(varType, varName, funName) \
protected: varType varName; \
public: virtual varType get##funName(void) const;

#define CC_PROPERTY_READONLY_PASS_BY_REF(varType, varName, funName) \
protected: varType varName; \
public: virtual const varType& get##funName(void) const;

#define CC_PROPERTY(varType, varName, funName) \
protected: varType varName; \
public: virtual varType get##funName(void) const; \
public: virtual void set##funName(varType var);

#define CC_PROPERTY_PASS_BY_REF(varType, varName, funName) \
protected: varType varName; \
public: virtual const varType& get##funName(void) const; \
public: virtual void set##funName(const varType& var);

#define CC_SYNTHESIZE_READONLY(varType, varName, funName) \
protected: varType varName; \
public: virtual varType get##funName(void) const { return varName; }

#define CC_SYNTHESIZE_READONLY_PASS_BY_REF(varType, varName, funName) \
protected: varType varName; \
public: virtual const varType& get##funName(void) const { return varName; }

#define CC_SYNTHESIZE(varType, varName, funName) \
protected: varType varName; \
public: virtual varType get##funName(void) const { return varName; } \
public: virtual void set##funName(varType var) { varName = var; }

#define CC_SYNTHESIZE_PASS_BY_REF(varType, varName, funName) \
protected: varType varName; \
public: virtual const varType& get##funName(void) const { return varName; } \
public: virtual void set##funName(const varType& var) { varName = var; }

#define CC_SYNTHESIZE_RETAIN(varType, varName, funName) \
private: varType varName; \
public: virtual varType get##funName(void) const { return varName; } \
public: virtual void set##funName(varType var) { \
    if (varName != var) { \
        CC_SAFE_RETAIN(var); \
        CC_SAFE_RELEASE(varName); \
        varName = var; \
    } \
}

#define CC_SAFE_DELETE(p) do { delete (p); (p) = nullptr; } while (0)
#define CC_SAFE_DELETE_ARRAY(p) do { if (p) { delete[] (p); (p) = nullptr; } } while (0)
#define CC_SAFE_FREE(p) do { if (p) { free(p); (p) = nullptr; } } while (0)
#define CC_SAFE_RELEASE(p) do { if (p) { (p)->release(); } } while (0)
#define CC_SAFE_RELEASE_NULL(p) do { if (p) { (p)->release(); (p) = nullptr; } } while (0)
#define CC_SAFE_RETAIN(p) do { if (p) { (p)->retain(); } } while (0)
#define CC_BREAK_IF(cond) if (cond) break

#define __CCLOGWITHFUNCTION(s, ...) \
    cocos2d::log("%s : %s", __FUNCTION__, cocos2d::StringUtils::format(s, ##__VA_ARGS__).c_str())

#if !defined(COCOS2D_DEBUG) || COCOS2D_DEBUG == 0
#define CCLOG(...) do {} while (0)
#define CCLOGINFO(...) do {} while (0)
#define CCLOGERROR(...) do {} while (0)
#define CCLOGWARN(...) do {} while (0)
#elif COCOS2D_DEBUG == 1
#define CCLOG(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGERROR(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGINFO(format, ...) do {} while (0)
#define CCLOGWARN(...) __CCLOGWITHFUNCTION(__VA_ARGS__)
#else
#define CCLOG(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGERROR(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGINFO(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGWARN(...) __CCLOGWITHFUNCTION(__VA_ARGS__)
#endif

#define CC_DISALLOW_COPY_AND_ASSIGN(TypeName) \
    TypeName(const TypeName&) = delete;       \
    TypeName& operator=(const TypeName&) = delete;

#define CC_DISALLOW_IMPLICIT_CONSTRUCTORS(TypeName) \
    TypeName();                                     \
    CC_DISALLOW_COPY_AND_ASSIGN(TypeName)

#define CC_DEPRECATED_ATTRIBUTE __attribute__((deprecated))
#define CC_DEPRECATED(...) __attribute__((deprecated))
#define CC_FORMAT_PRINTF(formatPos, argPos) __attribute__((__format__(printf, formatPos, argPos)))
#define CC_FORMAT_PRINTF_SIZE_T "%08zX"
#define CC_UNUSED __attribute__((unused))
#define CC_REQUIRES_NULL_TERMINATION __attribute__((sentinel))

#define CC_CALLBACK_0(__selector__, __target__, ...) std::bind(&__selector__, __target__, ##__VA_ARGS__)
#define CC_CALLBACK_1(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, ##__VA_ARGS__)
#define CC_CALLBACK_2(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, ##__VA_ARGS__)
#define CC_CALLBACK_3(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, std::placeholders::_3, ##__VA_ARGS__)

#endif  // __CC_PLATFORM_MACROS_H__
