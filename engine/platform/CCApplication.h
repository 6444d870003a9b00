// Application: the base of the program's application delegate (one instance per process).
#ifndef __CC_APPLICATION_H__
#define __CC_APPLICATION_H__

#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

enum class LanguageType {
    ENGLISH = 0,
    CHINESE,
    FRENCH,
    ITALIAN,
    GERMAN,
    SPANISH,
    DUTCH,
    RUSSIAN,
    KOREAN,
    JAPANESE,
    HUNGARIAN,
    PORTUGUESE,
    ARABIC,
    NORWEGIAN,
    POLISH,
    TURKISH,
    UKRAINIAN,
    ROMANIAN,
    BULGARIAN,
    BELARUSIAN
};

class CC_DLL ApplicationProtocol {
public:
    enum class Platform {
        OS_WINDOWS,
        OS_LINUX,
        OS_MAC,
        OS_ANDROID,
        OS_IPHONE,
        OS_IPAD,
        OS_BLACKBERRY,
        OS_NACL,
        OS_EMSCRIPTEN,
        OS_TIZEN,
        OS_WINRT,
        OS_WP8
    };

    virtual ~ApplicationProtocol() {}
    virtual bool applicationDidFinishLaunching() = 0;
    virtual void applicationDidEnterBackground() = 0;
    virtual void applicationWillEnterForeground() = 0;
    virtual void setAnimationInterval(float interval) = 0;
    virtual void initGLContextAttrs() {}
    virtual LanguageType getCurrentLanguage() = 0;
    virtual const char* getCurrentLanguageCode() = 0;
    virtual Platform getTargetPlatform() = 0;
    virtual bool openURL(const std::string& url) = 0;
};

class CC_DLL Application : public ApplicationProtocol {
public:
    Application();
    virtual ~Application();

    // The engine's own loop (calls mainLoop at the animation interval until the view
    // should close); a host that drives the director itself never calls it.
    int run();

    static Application* getInstance();
    CC_DEPRECATED_ATTRIBUTE static Application* sharedApplication();

    virtual void setAnimationInterval(float interval) override;
    virtual LanguageType getCurrentLanguage() override;
    virtual const char* getCurrentLanguageCode() override;
    virtual Platform getTargetPlatform() override;
    // Opens the address with the desktop's opener (xdg-open); false when it cannot be started.
    virtual bool openURL(const std::string& url) override;

    float getAnimationInterval() const { return _animationInterval; }

protected:
    float _animationInterval;
    static Application* sm_pSharedApplication;
};

NS_CC_END

#endif  // __CC_APPLICATION_H__
