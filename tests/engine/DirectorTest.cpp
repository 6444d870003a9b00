// Director: scenes, frames, scheduler, posted functions, purge; renderer order; events; utilities.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "2d/CCLayer.h"
#include "2d/CCScene.h"
#include "audio/include/SimpleAudioEngine.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"
#include "base/CCEventListenerMouse.h"
#include "base/CCEventMouse.h"
#include "base/CCIMEDispatcher.h"
#include "base/CCScheduler.h"
#include "base/ccRandom.h"
#include "base/ccUtils.h"
#include "platform/CCApplication.h"
#include "platform/CCCommon.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCRenderer.h"
#include "support/EngineTestSupport.h"

using namespace cocos2d;

namespace {

using DirectorLoop = EngineTest;
using RendererOrder = EngineTest;
using Events = EngineTest;
using Utilities = EngineTest;

class CountingScene : public Scene {
public:
    static CountingScene* create(int* destroyed) {
        auto* s = new CountingScene();
        s->m_destroyed = destroyed;
        s->init();
        s->autorelease();
        return s;
    }
    ~CountingScene() override { ++*m_destroyed; }

private:
    int* m_destroyed = nullptr;
};

class UpdatingNode : public Node {
public:
    CREATE_FUNC(UpdatingNode);
    void update(float dt) override { updates.push_back(dt); }
    std::vector<float> updates;
};

// Queues custom commands at chosen global Z orders; each records its label when run.
class CommandNode : public Node {
public:
    static CommandNode* create(std::vector<std::string>* log, std::string label, float z) {
        auto* n = new CommandNode();
        n->init();
        n->m_log = log;
        n->m_label = std::move(label);
        n->setGlobalZOrder(z);
        n->autorelease();
        return n;
    }
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override {
        m_command.init(_globalZOrder, transform, flags);
        m_command.func = [this] { m_log->push_back(m_label); };
        renderer->addCommand(&m_command);
    }

private:
    CustomCommand m_command;
    std::vector<std::string>* m_log = nullptr;
    std::string m_label;
};

TEST_F(DirectorLoop, RunWithSceneTakesEffectInTheNextFrame) {
    auto* director = Director::getInstance();
    int destroyed = 0;
    Scene* scene = CountingScene::create(&destroyed);
    director->runWithScene(scene);
    EXPECT_EQ(director->getRunningScene(), nullptr);
    director->mainLoop();
    EXPECT_EQ(director->getRunningScene(), scene);
    EXPECT_TRUE(scene->isRunning());
    EXPECT_EQ(director->getTotalFrames(), 1u);

    int destroyed2 = 0;
    Scene* second = CountingScene::create(&destroyed2);
    director->replaceScene(second);
    director->mainLoop();
    EXPECT_EQ(director->getRunningScene(), second);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(destroyed2, 0);
}

TEST_F(DirectorLoop, EndThenOneMoreLoopPurgesTheDirectorAndEndsTheView) {
    auto* director = Director::getInstance();
    auto* view = HeadlessGLView::create(640, 960);
    view->retain();  // as the host window does
    director->setOpenGLView(view);
    view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    int destroyed = 0;
    Scene* scene = CountingScene::create(&destroyed);
    auto* layer = LayerColor::create(Color4B(0, 0, 0, 255));
    layer->setName("default_bg_layer");
    scene->addChild(layer, -1);
    director->runWithScene(scene);
    director->mainLoop();
    EXPECT_EQ(view->swapCount, 1);
    EXPECT_EQ(view->pollCount, 1);
    EXPECT_EQ(view->getReferenceCount(), 2u);

    director->end();
    EXPECT_EQ(Director::getInstance(), director);  // nothing happens before the next loop
    director->mainLoop();
    EXPECT_EQ(view->endCount, 1);
    EXPECT_EQ(view->swapCount, 1);  // the purge draws nothing
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(view->getReferenceCount(), 1u);

    // A fresh director comes up on demand, without view or scene.
    auto* fresh = Director::getInstance();
    EXPECT_EQ(fresh->getOpenGLView(), nullptr);
    EXPECT_EQ(fresh->getRunningScene(), nullptr);
    EXPECT_EQ(fresh->getTotalFrames(), 0u);
    view->release();
}

TEST_F(DirectorLoop, ScheduledUpdatesGetTheCallersDeltaTime) {
    auto* director = Director::getInstance();
    Scene* scene = Scene::create();
    auto* node = UpdatingNode::create();
    scene->addChild(node);
    node->scheduleUpdate();
    director->runWithScene(scene);
    // The first frame updates before the scene starts running (its node is still
    // paused) and has dt 0 after startAnimation.
    director->mainLoop(0.25f);
    EXPECT_TRUE(node->updates.empty());
    EXPECT_FLOAT_EQ(director->getDeltaTime(), 0.0f);
    director->mainLoop(0.25f);
    director->mainLoop(0.5f);
    ASSERT_EQ(node->updates.size(), 2u);
    EXPECT_FLOAT_EQ(node->updates[0], 0.25f);
    EXPECT_FLOAT_EQ(node->updates[1], 0.5f);
    EXPECT_FLOAT_EQ(director->getDeltaTime(), 0.5f);

    node->unscheduleUpdate();
    director->mainLoop(0.1f);
    EXPECT_EQ(node->updates.size(), 2u);

    node->scheduleUpdate();
    director->pause();
    director->mainLoop(0.1f);
    EXPECT_EQ(node->updates.size(), 2u);
    EXPECT_FLOAT_EQ(director->getAnimationInterval(), 0.25f);
    director->resume();
    EXPECT_FLOAT_EQ(director->getAnimationInterval(), 1.0f / 60);
    director->mainLoop(0.1f);  // dt 0 after resume
    director->mainLoop(0.1f);
    ASSERT_EQ(node->updates.size(), 4u);
    EXPECT_FLOAT_EQ(node->updates[2], 0.0f);
    EXPECT_FLOAT_EQ(node->updates[3], 0.1f);
}

TEST_F(DirectorLoop, PerformFunctionInCocosThreadRunsDuringTheNextFrame) {
    auto* director = Director::getInstance();
    director->runWithScene(Scene::create());
    director->mainLoop();
    std::vector<int> ran;
    std::thread worker([&] {
        director->getScheduler()->performFunctionInCocosThread([&] { ran.push_back(1); });
        director->getScheduler()->performFunctionInCocosThread([&] { ran.push_back(2); });
    });
    worker.join();
    EXPECT_TRUE(ran.empty());
    director->mainLoop();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(DirectorLoop, TimersFireAtTheirInterval) {
    auto* director = Director::getInstance();
    Scene* scene = Scene::create();
    director->runWithScene(scene);
    director->mainLoop();
    int fired = 0;
    scene->schedule([&](float) { ++fired; }, 0.5f, "tick");
    EXPECT_TRUE(scene->isScheduled("tick"));
    for (int i = 0; i < 11; ++i) director->mainLoop(0.1f);  // the first call starts the clock
    EXPECT_EQ(fired, 2);
    scene->unschedule("tick");
    EXPECT_FALSE(scene->isScheduled("tick"));
}

TEST_F(DirectorLoop, MatrixStack) {
    auto* director = Director::getInstance();
    Mat4 t;
    Mat4::createTranslation(5, 6, 0, &t);
    director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, t);
    director->multiplyMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, t);
    EXPECT_FLOAT_EQ(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW).m[12], 10);
    director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    EXPECT_EQ(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW), Mat4::IDENTITY);
    director->loadIdentityMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION);
    EXPECT_EQ(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION), Mat4::IDENTITY);
}

TEST_F(RendererOrder, CommandsRunByGlobalZWithSceneOrderAtZero) {
    auto* director = Director::getInstance();
    std::vector<std::string> log;
    Scene* scene = Scene::create();
    scene->addChild(CommandNode::create(&log, "pos2", 2));
    scene->addChild(CommandNode::create(&log, "zeroA", 0));
    scene->addChild(CommandNode::create(&log, "pos1", 1));
    scene->addChild(CommandNode::create(&log, "neg", -1));
    scene->addChild(CommandNode::create(&log, "zeroB", 0), -3);
    scene->addChild(CommandNode::create(&log, "pos1b", 1));
    director->runWithScene(scene);
    director->mainLoop();
    std::vector<std::string> expected = {"neg", "zeroB", "zeroA", "pos1", "pos1b", "pos2"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(director->getRenderer()->getQueuedCommandCount(), 0);
}

TEST_F(Events, MouseEventsReachListenersInOrder) {
    auto* director = Director::getInstance();
    auto* dispatcher = director->getEventDispatcher();
    std::vector<std::string> log;

    EventMouse down(EventMouse::MouseEventType::MOUSE_DOWN);
    down.setCursorPosition(10, 20);
    down.setMouseButton(EventMouse::MouseButton::BUTTON_LEFT);

    auto* late = EventListenerMouse::create();
    late->onMouseDown = [&](EventMouse* e) { log.push_back("fixed+1"); };
    dispatcher->addEventListenerWithFixedPriority(late, 1);
    auto* early = EventListenerMouse::create();
    early->onMouseDown = [&](EventMouse* e) {
        log.push_back("fixed-1");
        EXPECT_EQ(e->getMouseButton(), EventMouse::MouseButton::BUTTON_LEFT);
        EXPECT_FLOAT_EQ(e->getCursorX(), 10);
        EXPECT_EQ(e->getLocationInView(), Vec2(10, 20));
    };
    early->onMouseUp = [&](EventMouse*) { log.push_back("up"); };
    dispatcher->addEventListenerWithFixedPriority(early, -1);

    // Disabled until the director has a view.
    dispatcher->dispatchEvent(&down);
    EXPECT_TRUE(log.empty());

    director->setOpenGLView(HeadlessGLView::create(640, 960));
    Scene* scene = Scene::create();
    Node* back = Node::create();
    Node* front = Node::create();
    scene->addChild(back);
    scene->addChild(front);
    auto* backListener = EventListenerMouse::create();
    backListener->onMouseDown = [&](EventMouse*) { log.push_back("back"); };
    dispatcher->addEventListenerWithSceneGraphPriority(backListener, back);
    auto* frontListener = EventListenerMouse::create();
    frontListener->onMouseDown = [&](EventMouse*) { log.push_back("front"); };
    dispatcher->addEventListenerWithSceneGraphPriority(frontListener, front);
    director->runWithScene(scene);
    director->mainLoop();

    dispatcher->dispatchEvent(&down);
    EXPECT_EQ(log, (std::vector<std::string>{"fixed-1", "front", "back", "fixed+1"}));

    log.clear();
    EventMouse scroll(EventMouse::MouseEventType::MOUSE_SCROLL);
    scroll.setScrollData(0, 120);
    EXPECT_FLOAT_EQ(scroll.getScrollY(), 120);
    dispatcher->dispatchEvent(&scroll);
    EXPECT_TRUE(log.empty());

    dispatcher->removeEventListener(early);
    front->removeFromParent();
    dispatcher->dispatchEvent(&down);
    EXPECT_EQ(log, (std::vector<std::string>{"back", "fixed+1"}));
}

TEST_F(Events, MouseEnumValuesAreTheEngines) {
    EXPECT_EQ(static_cast<int>(EventMouse::MouseEventType::MOUSE_NONE), 0);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseEventType::MOUSE_DOWN), 1);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseEventType::MOUSE_UP), 2);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseEventType::MOUSE_MOVE), 3);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseEventType::MOUSE_SCROLL), 4);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseButton::BUTTON_UNSET), -1);
    EXPECT_EQ(static_cast<int>(EventMouse::MouseButton::BUTTON_MIDDLE), 2);
    EventMouse e(EventMouse::MouseEventType::MOUSE_MOVE);
    EXPECT_EQ(e.getMouseButton(), EventMouse::MouseButton::BUTTON_UNSET);
}

TEST_F(Events, CustomEventsAndListenersAddedDuringDispatch) {
    auto* director = Director::getInstance();
    director->setOpenGLView(HeadlessGLView::create(640, 960));
    auto* dispatcher = director->getEventDispatcher();
    int a = 0, b = 0;
    dispatcher->addCustomEventListener("ping", [&](EventCustom* e) {
        ++a;
        if (a == 1) dispatcher->addCustomEventListener("ping", [&](EventCustom*) { ++b; });
    });
    dispatcher->dispatchCustomEvent("ping");
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    dispatcher->dispatchCustomEvent("ping");
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST_F(Utilities, AtofCutsAfterSevenDecimals) {
    EXPECT_DOUBLE_EQ(utils::atof("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(utils::atof("2.1 Mesa 22.3"), 2.1);
    EXPECT_DOUBLE_EQ(utils::atof("1.123456789"), 1.1234567);
    EXPECT_DOUBLE_EQ(utils::atof("1.0000000e5"), 1.0);  // the exponent is cut off
    EXPECT_DOUBLE_EQ(utils::atof(nullptr), 0.0);
    std::string longText(400, '7');
    EXPECT_GT(utils::atof(longText.c_str()), 1e200);
}

TEST_F(Utilities, MessageBoxGoesToTheInstalledHandler) {
    std::string seen;
    setMessageBoxHandler([&](const char* msg, const char* title) { seen = std::string(title) + "|" + msg; });
    MessageBox("OpenGL 1.5 or higher is required", "OpenGL version too old");
    EXPECT_EQ(seen, "OpenGL version too old|OpenGL 1.5 or higher is required");
    setMessageBoxHandler(nullptr);
    MessageBox("to stderr", "no handler");
}

TEST_F(Utilities, SeededRandomRepeats) {
    RandomHelper::setSeed(42);
    float a = rand_minus1_1(), b = rand_0_1();
    int c = cocos2d::random(0, 1000);
    RandomHelper::setSeed(42);
    EXPECT_EQ(rand_minus1_1(), a);
    EXPECT_EQ(rand_0_1(), b);
    EXPECT_EQ(cocos2d::random(0, 1000), c);
    for (int i = 0; i < 1000; ++i) {
        float r = rand_minus1_1();
        ASSERT_GE(r, -1.0f);
        ASSERT_LE(r, 1.0f);
    }
}

TEST_F(Utilities, AudioEngineEndsAndRestarts) {
    auto* audio = CocosDenshion::SimpleAudioEngine::getInstance();
    audio->pauseBackgroundMusic();
    EXPECT_TRUE(audio->isBackgroundMusicPaused());
    audio->resumeBackgroundMusic();
    EXPECT_FALSE(audio->isBackgroundMusicPaused());
    CocosDenshion::SimpleAudioEngine::end();
    EXPECT_NE(CocosDenshion::SimpleAudioEngine::getInstance(), nullptr);
    CocosDenshion::SimpleAudioEngine::end();
}

class TestApp : public Application {
public:
    bool applicationDidFinishLaunching() override { return true; }
    void applicationDidEnterBackground() override {}
    void applicationWillEnterForeground() override {}
};

TEST_F(Utilities, ApplicationIsTheSingleInstanceAndGetsTheInterval) {
    EXPECT_EQ(Application::getInstance(), nullptr);
    {
        TestApp app;
        EXPECT_EQ(Application::getInstance(), &app);
        EXPECT_EQ(app.getTargetPlatform(), ApplicationProtocol::Platform::OS_LINUX);
        Director::getInstance()->runWithScene(Scene::create());  // starts the animation
        Director::getInstance()->setAnimationInterval(1.0f / 30);
        EXPECT_FLOAT_EQ(app.getAnimationInterval(), 1.0f / 30);
        PurgeDirector();
    }
    EXPECT_EQ(Application::getInstance(), nullptr);
}

TEST_F(Utilities, IMEDispatcherWithoutDelegateIgnoresText) {
    auto* ime = IMEDispatcher::sharedDispatcher();
    EXPECT_FALSE(ime->isAnyDelegateAttachedWithIME());
    ime->dispatchInsertText("abc", 3);
    ime->dispatchDeleteBackward();
    EXPECT_TRUE(ime->getContentText().empty());
}

}  // namespace
