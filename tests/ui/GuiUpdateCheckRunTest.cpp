// The update check inside the real main window against a local server answering in turn, with the frame pump watched
// throughout.
#include "MainFrameFixture.h"

#include "app/ServerSettings.h"
#include "app/UpdateCheck.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include "LocalHttpServer.h"
#include "UiToolkit.h"

#include "base/CCDirector.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kLatest = "已是最新版本无需更新！";
const char* const kUnknown = "无法获取版本信息，请稍后再试！";
const char* const kComingSoon = "敬请期待！非常简单，自己先摸索下吧。";

std::string Answer(const std::string& version, const std::string& helpUrl = "http://help.example/") {
    return "{\"cfg\":{\"version\":\"" + version + "\",\"verMsg\":\"发现新版本 " + version +
           "\",\"updateUrl\":\"http://get.example/flarewick\",\"helpUrl\":\"" + helpUrl + "\"}}";
}

class GuiUpdateCheckRun : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        // The boxes are shown for real and answered by clicks, not by the
        // fixture's recorder.
        m_dialogs.Unregister();
        m_boxes = std::make_unique<MessageBoxClicker>();
        ServerSettings = Json::Value();

        // The browser command: a stand-in that notes the address it was given.
        std::filesystem::create_directories(m_work->file("bin"));
        m_opened = m_work->file("opened.txt");
        std::ofstream(m_work->file("bin/xdg-open")) << "#!/bin/sh\necho \"$1\" >> '" << m_opened << "'\n";
        std::filesystem::permissions(m_work->file("bin/xdg-open"), std::filesystem::perms::owner_all);
        m_oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (m_work->file("bin") + ":" + m_oldPath).c_str(), 1);
        setenv("FLAREWICK_SERVER", m_server.hostPort().c_str(), 1);

        m_frames = cocos2d::Director::getInstance()->getEventDispatcher()->addCustomEventListener(
            cocos2d::Director::EVENT_AFTER_DRAW, [this](cocos2d::EventCustom*) {
                Clock::time_point now = Clock::now();
                if (m_lastFrame != Clock::time_point{}) {
                    double gap = std::chrono::duration<double, std::milli>(now - m_lastFrame).count();
                    m_longestGapMs = std::max(m_longestGapMs, gap);
                }
                m_lastFrame = now;
                ++m_frameCount;
                if (m_boxes && m_boxes->shown.size() > static_cast<size_t>(m_boxes->closed)) ++m_framesWhileBoxUp;
            });
    }
    void TearDown() override {
        cocos2d::Director::getInstance()->getEventDispatcher()->removeEventListener(m_frames);
        setenv("PATH", m_oldPath.c_str(), 1);
        unsetenv("FLAREWICK_SERVER");
        m_boxes.reset();
        m_dialogs.Register();
        GuiMainFrameFixture::TearDown();
        ServerSettings = Json::Value();
    }

    // The request the program sends at start-up, sent again for each answer.
    void checkAtStart(const LocalHttpServer::Answer& answer) {
        m_server.setAnswer(answer);
        size_t before = m_server.requests().size();
        SendUpdateCheck();
        ASSERT_TRUE(m_server.waitForRequests(before + 1, 10));
    }
    std::string opened() {
        std::ifstream in(m_opened);
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return all;
    }
    std::string version() { return SettingText(ServerSettings, "version").utf8_string(); }

    LocalHttpServer m_server;
    std::unique_ptr<MessageBoxClicker> m_boxes; // made once the toolkit runs
    std::string m_opened, m_oldPath;
    cocos2d::EventListenerCustom* m_frames = nullptr;
    Clock::time_point m_lastFrame{};
    double m_longestGapMs = 0;
    int m_frameCount = 0;
    int m_framesWhileBoxUp = 0;
};

TEST_F(GuiUpdateCheckRun, EveryAnswerKeepsTheFramesComing) {
    ASSERT_GT(m_server.port(), 0);
    auto boxesShown = [this](size_t n) {
        return pumpUntil([&] { return m_boxes->shown.size() >= n && m_boxes->closed >= static_cast<int>(n); }, 15);
    };

    // An effect that plays all the time: the frames measured below are the
    // ones a live preview needs (a still scene draws none).
    command(ID_EXAMPLE_FIRST);

    // 1.8: offered at start; No opens nothing; check-update offers again; Yes opens the download page.
    // The offer at start comes with the answer, inside a frame; the preview
    // keeps playing behind it while the user reads it (here for 0.8 s).
    m_boxes->holdTicks = 8;
    m_boxes->answerNext(wxID_NO);
    checkAtStart(LocalHttpServer::reply(200, Answer("1.8")));
    ASSERT_TRUE(boxesShown(1));
    EXPECT_GT(m_framesWhileBoxUp, 15) << "the frames stopped while the box was up";
    m_boxes->holdTicks = 0;
    EXPECT_EQ(m_boxes->shown[0].caption, "提示");
    EXPECT_EQ(m_boxes->shown[0].message, "发现新版本 1.8");
    EXPECT_TRUE(m_boxes->shown[0].yesNo);
    pump(300);
    EXPECT_EQ(opened(), "");
    m_boxes->answerNext(wxID_NO);
    command(ID_CHECK_UPDATE);
    ASSERT_TRUE(boxesShown(2));
    EXPECT_EQ(m_boxes->shown[1].message, "发现新版本 1.8");
    m_boxes->answerNext(wxID_YES);
    command(ID_CHECK_UPDATE);
    ASSERT_TRUE(boxesShown(3));
    ASSERT_TRUE(pumpUntil([&] { return !opened().empty(); }, 10));
    EXPECT_EQ(opened(), "http://get.example/flarewick\n");

    // 1.7, 1.6 and 1.10: nothing at start; check-update says there is nothing newer.
    size_t shown = 3;
    for (const char* v : {"1.7", "1.6", "1.10"}) {
        SCOPED_TRACE(v);
        checkAtStart(LocalHttpServer::reply(200, Answer(v)));
        ASSERT_TRUE(pumpUntil([&] { return version() == v; }, 10));
        pump(300);
        EXPECT_EQ(m_boxes->shown.size(), shown) << "an update was offered";
        m_boxes->answerNext(wxID_OK);
        command(ID_CHECK_UPDATE);
        ASSERT_TRUE(boxesShown(++shown));
        EXPECT_EQ(m_boxes->shown.back().message, kLatest);
        EXPECT_FALSE(m_boxes->shown.back().yesNo);
    }

    // An empty help page: the coming-soon message.
    checkAtStart(LocalHttpServer::reply(200, Answer("1.7", "")));
    ASSERT_TRUE(pumpUntil([&] { return SettingText(ServerSettings, "helpUrl").empty(); }, 10));
    m_boxes->answerNext(wxID_OK);
    command(wxID_HELP);
    ASSERT_TRUE(boxesShown(++shown));
    EXPECT_EQ(m_boxes->shown.back().message, kComingSoon);

    // A 404 and a 50 MiB body change nothing: the last settings stay.
    checkAtStart(LocalHttpServer::reply(404, Answer("9.9")));
    checkAtStart(LocalHttpServer::stream(50u * 1024 * 1024));
    pump(1500);
    EXPECT_EQ(version(), "1.7");
    EXPECT_EQ(m_boxes->shown.size(), shown);

    // Garbage: no version any more, and none made up.
    checkAtStart(LocalHttpServer::reply(200, "<html>not json at all"));
    ASSERT_TRUE(pumpUntil([&] { return version() == "null"; }, 10));
    pump(300);
    EXPECT_EQ(m_boxes->shown.size(), shown);
    m_boxes->answerNext(wxID_OK);
    command(ID_CHECK_UPDATE);
    ASSERT_TRUE(boxesShown(++shown));
    EXPECT_EQ(m_boxes->shown.back().message, kUnknown);

    // No server at all.
    int deadPort;
    {
        LocalHttpServer gone;
        deadPort = gone.port();
    }
    setenv("FLAREWICK_SERVER", ("127.0.0.1:" + std::to_string(deadPort)).c_str(), 1);
    SendUpdateCheck();
    pump(1000);
    EXPECT_EQ(m_boxes->shown.size(), shown);

    // A server that takes the request and never answers: frames go on.
    setenv("FLAREWICK_SERVER", m_server.hostPort().c_str(), 1);
    checkAtStart(LocalHttpServer::silent());
    int framesBefore = m_frameCount;
    pump(2000);
    EXPECT_GT(m_frameCount - framesBefore, 50) << "the pump stalled while the server held the request";
    EXPECT_EQ(m_boxes->shown.size(), shown);
    EXPECT_EQ(opened(), "http://get.example/flarewick\n");

    std::printf("longest gap between frames during the update-check run: %.1f ms over %d frames\n", m_longestGapMs,
                m_frameCount);
    // The figure itself is the measurement (it includes the toolkit's own
    // work of showing and closing each box). A pump that waited for the
    // network would stall for whole seconds: connecting gives up after 5 s,
    // a transfer after 20 s, and the silent server never answers.
    EXPECT_LT(m_longestGapMs, 500.0);
}

} // namespace

namespace {

TEST_F(GuiUpdateCheckRun, AnAnswerPassedOnAsTheWindowClosesOpensNoBox) {
    ASSERT_GT(m_server.port(), 0);
    // The answer arrives while start-up holds it back ...
    HoldUpdateAnswers();
    checkAtStart(LocalHttpServer::reply(200, Answer("1.8")));
    pump(500);
    EXPECT_TRUE(m_boxes->shown.empty()) << "a held answer opened a box";
    // ... is passed on to the event loop once the window is up, and the
    // close is handled in the same tick, before the loop gets to it.
    ReleaseUpdateAnswers(m_frame);
    m_frame->Close(true);
    m_frame = nullptr;
    pump(800);
    EXPECT_TRUE(m_boxes->shown.empty()) << "the update offer opened over a closing window";
}

} // namespace
