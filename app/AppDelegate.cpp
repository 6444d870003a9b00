// AppDelegate: the scene with its black background layer, and the audio engine's lifetime.
#include "app/AppDelegate.h"

#include "2d/CCLayer.h"
#include "2d/CCScene.h"
#include "audio/include/SimpleAudioEngine.h"
#include "base/CCDirector.h"
#include "platform/CCGLView.h"

USING_NS_CC;

AppDelegate::~AppDelegate() { CocosDenshion::SimpleAudioEngine::end(); }

bool AppDelegate::applicationDidFinishLaunching() {
    Director* director = Director::getInstance();
    director->setDisplayStats(false);
    director->setAnimationInterval(1.0f / 60);

    Scene* scene = Scene::create();
    scene->setColor(Color3B(255, 0, 0));
    director->runWithScene(scene);

    // Everything outside this layer shows the view's clear colour, so the
    // layer marks the design area.
    LayerColor* background = LayerColor::create(Color4B(0, 0, 0, 255));
    background->setName("default_bg_layer");
    scene->addChild(background, -1);
    return true;
}

void AppDelegate::applicationDidEnterBackground() {
    Director::getInstance()->stopAnimation();
    CocosDenshion::SimpleAudioEngine::getInstance()->pauseBackgroundMusic();
}

void AppDelegate::applicationWillEnterForeground() {
    Director::getInstance()->startAnimation();
    CocosDenshion::SimpleAudioEngine::getInstance()->resumeBackgroundMusic();
}

void AppDelegate::initGLContextAttrs() {
    GLContextAttrs attrs = {8, 8, 8, 8, 24, 8, 0};
    GLView::setGLContextAttrs(attrs);
}
