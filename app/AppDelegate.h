// AppDelegate: the engine application object; builds the first scene at launch.
#pragma once

#include "platform/CCApplication.h"

class AppDelegate : public cocos2d::Application {
public:
    AppDelegate() = default;
    ~AppDelegate() override;  // ends the audio engine

    bool applicationDidFinishLaunching() override;
    void applicationDidEnterBackground() override;
    void applicationWillEnterForeground() override;
    void initGLContextAttrs() override;
};
