// Helpers of the engine tests: a view without a context, a clean director per test.
#pragma once

#include <gtest/gtest.h>

#include "base/CCAutoreleasePool.h"
#include "base/CCDirector.h"
#include "platform/CCGLView.h"

// A GLView with no window or context: the base class's arithmetic only.
class HeadlessGLView : public cocos2d::GLView {
public:
    static HeadlessGLView* create(float width, float height) {
        auto* v = new HeadlessGLView();
        v->setFrameSize(width, height);
        v->autorelease();
        return v;
    }
    void end() override {
        ++endCount;
        release();
    }
    bool isOpenGLReady() override { return true; }
    void swapBuffers() override { ++swapCount; }
    void setIMEKeyboardState(bool) override {}
    void pollEvents() override { ++pollCount; }

    using cocos2d::GLView::updateDesignResolutionSize;

    int endCount = 0;
    int swapCount = 0;
    int pollCount = 0;
};

// Purges the director (as a closing program does) and drains the autorelease pool,
// so that every test starts with a fresh director.
inline void PurgeDirector() {
    auto* director = cocos2d::Director::getInstance();
    director->end();
    director->mainLoop();
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
}

class EngineTest : public testing::Test {
protected:
    void SetUp() override { PurgeDirector(); }
    void TearDown() override { PurgeDirector(); }
};
