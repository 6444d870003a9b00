// Application: the process's single application object.
#include "platform/CCApplication.h"

#include <cstdlib>
#include <cstring>
#include <chrono>
#include <thread>

#include "base/CCDirector.h"
#include "base/ccMacros.h"
#include "platform/CCGLView.h"

NS_CC_BEGIN

Application* Application::sm_pSharedApplication = nullptr;

Application::Application() : _animationInterval(1.0f / 60.0f) {
    CC_ASSERT(!sm_pSharedApplication);
    sm_pSharedApplication = this;
}

Application::~Application() {
    if (sm_pSharedApplication == this) sm_pSharedApplication = nullptr;
}

int Application::run() {
    initGLContextAttrs();
    if (!applicationDidFinishLaunching()) return 1;

    auto director = Director::getInstance();
    auto glview = director->getOpenGLView();
    if (glview == nullptr) return 1;
    glview->retain();

    auto last = std::chrono::steady_clock::now();
    while (!glview->windowShouldClose()) {
        auto now = std::chrono::steady_clock::now();
        float elapsed = std::chrono::duration<float>(now - last).count();
        if (elapsed >= _animationInterval) {
            last = now;
            director->mainLoop();
            glview->pollEvents();
        } else {
            std::this_thread::sleep_for(std::chrono::duration<float>(_animationInterval - elapsed));
        }
    }

    if (glview->isOpenGLReady()) {
        director->end();
        director->mainLoop();
    }
    glview->release();
    return 0;
}

Application* Application::getInstance() {
    return sm_pSharedApplication;
}

Application* Application::sharedApplication() {
    return Application::getInstance();
}

void Application::setAnimationInterval(float interval) {
    _animationInterval = interval;
}

LanguageType Application::getCurrentLanguage() {
    const char* code = getCurrentLanguageCode();
    static const struct {
        const char* code;
        LanguageType type;
    } table[] = {
        {"zh", LanguageType::CHINESE},   {"ja", LanguageType::JAPANESE},   {"fr", LanguageType::FRENCH},
        {"it", LanguageType::ITALIAN},   {"de", LanguageType::GERMAN},     {"es", LanguageType::SPANISH},
        {"nl", LanguageType::DUTCH},     {"ru", LanguageType::RUSSIAN},    {"ko", LanguageType::KOREAN},
        {"hu", LanguageType::HUNGARIAN}, {"pt", LanguageType::PORTUGUESE}, {"ar", LanguageType::ARABIC},
        {"nb", LanguageType::NORWEGIAN}, {"pl", LanguageType::POLISH},     {"tr", LanguageType::TURKISH},
        {"uk", LanguageType::UKRAINIAN}, {"ro", LanguageType::ROMANIAN},   {"bg", LanguageType::BULGARIAN},
        {"be", LanguageType::BELARUSIAN},
    };
    for (const auto& e : table) {
        if (std::strcmp(code, e.code) == 0) return e.type;
    }
    return LanguageType::ENGLISH;
}

const char* Application::getCurrentLanguageCode() {
    static char code[3] = {0};
    const char* lang = std::getenv("LANG");
    if (lang == nullptr || std::strlen(lang) < 2) return "en";
    code[0] = lang[0];
    code[1] = lang[1];
    code[2] = '\0';
    return code;
}

Application::Platform Application::getTargetPlatform() {
#if CC_TARGET_PLATFORM == CC_PLATFORM_WIN32
    return Platform::OS_WINDOWS;
#elif CC_TARGET_PLATFORM == CC_PLATFORM_MAC
    return Platform::OS_MAC;
#else
    return Platform::OS_LINUX;
#endif
}

bool Application::openURL(const std::string& url) {
    if (url.empty() || url.find('\'') != std::string::npos) return false;
    std::string op = std::string("xdg-open '") + url + "' >/dev/null 2>&1 &";
    return std::system(op.c_str()) == 0;
}

NS_CC_END
