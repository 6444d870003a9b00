// The update check's decisions: server address, member texts, version order, what is offered, said and opened.
#include "app/ServerSettings.h"
#include "app/UpdateCheck.h"
#include "app/UpdatePrompts.h"

#include "LocalHttpServer.h"
#include "TestCatalog.h"

#include <gtest/gtest.h>
#include <wx/app.h>

#include "base/CCDirector.h"
#include "base/CCScheduler.h"
#include "network/HttpClient.h"

#include <chrono>
#include <cstdlib>
#include <thread>

using cocos2d::network::HttpRequest;
using cocos2d::network::HttpResponse;

namespace {

// Records what the user would see; answers Yes/No boxes with `yes`.
class RecordingPrompts : public UpdatePrompts {
public:
    bool AskYesNo(const wxString& message) override {
        asked.push_back(message.utf8_string());
        return yes;
    }
    void Notify(const wxString& message) override { notices.push_back(message.utf8_string()); }
    void OpenBrowser(const wxString& url) override { opened.push_back(url.utf8_string()); }
    void clear() {
        asked.clear();
        notices.clear();
        opened.clear();
    }

    bool yes = false;
    std::vector<std::string> asked, notices, opened;
};

// Answers taken after the frame (when a toolkit application exists, as after
// a GUI test in the same process) are taken here.
void Settle() {
    if (wxTheApp) wxTheApp->ProcessPendingEvents();
}

const char* const kLatest = "已是最新版本无需更新！";
const char* const kUnknown = "无法获取版本信息，请稍后再试！";
const char* const kComingSoon = "敬请期待！非常简单，自己先摸索下吧。";

std::string Answer(const std::string& version, const std::string& helpUrl = "http://help.example/",
                   const std::string& updateUrl = "http://get.example/") {
    return "{\"cfg\":{\"version\":" + version + ",\"verMsg\":\"有新版本\",\"updateUrl\":\"" + updateUrl + "\"," +
           "\"helpUrl\":\"" + helpUrl + "\"},\"other\":1}";
}

// An answer as the engine's HTTP client hands it over.
void Respond(const std::string& tag, long code, bool succeed, const std::string& body) {
    auto* request = new HttpRequest;
    request->setTag(tag);
    auto* response = new HttpResponse(request);
    request->release();
    response->setResponseCode(code);
    response->setSucceed(succeed);
    std::vector<char> bytes(body.begin(), body.end());
    response->setResponseData(&bytes);
    OnUpdateCheckResponse(nullptr, response);
    response->release();
    Settle();
}

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ServerSettings = Json::Value();
        SetUpdatePrompts(&prompts);
    }
    void TearDown() override {
        ReleaseUpdateAnswers(nullptr);
        SetUpdatePrompts(nullptr);
        ServerSettings = Json::Value();
        unsetenv("FLAREWICK_SERVER");
    }
    RecordingPrompts prompts;
};

TEST_F(UpdateCheckTest, ServerAddressComesFromTheEnvironment) {
    unsetenv("FLAREWICK_SERVER");
    std::string defaultHost = ServerAddress();
    EXPECT_FALSE(defaultHost.empty());
    EXPECT_EQ(defaultHost.find('/'), std::string::npos);
    EXPECT_EQ(UpdateCheckUrl(), "http://" + defaultHost + "/editor/fw_config.php?plat=Linux&ver=1.7");

    setenv("FLAREWICK_SERVER", "127.0.0.1:8123", 1);
    EXPECT_EQ(UpdateCheckUrl(), "http://127.0.0.1:8123/editor/fw_config.php?plat=Linux&ver=1.7");
    EXPECT_EQ(AboutPageUrl(), "http://127.0.0.1:8123/editor/fw_about.php");

    setenv("FLAREWICK_SERVER", "", 1);
    EXPECT_EQ(ServerAddress(), defaultHost);
}

TEST_F(UpdateCheckTest, MemberTextsAndVersionOrder) {
    Json::Value settings;
    EXPECT_EQ(SettingText(settings, "version"), "null");
    EXPECT_FALSE(HasSetting(settings, "version"));
    settings["version"] = "1.8";
    settings["number"] = 1.8;
    settings["empty"] = "";
    settings["list"] = Json::Value(Json::arrayValue);
    EXPECT_EQ(SettingText(settings, "version"), "1.8");
    EXPECT_EQ(SettingText(settings, "number"), "1.8");
    EXPECT_EQ(SettingText(settings, "missing"), "null");
    EXPECT_TRUE(HasSetting(settings, "number"));
    EXPECT_FALSE(HasSetting(settings, "empty"));
    EXPECT_FALSE(HasSetting(settings, "list"));
    EXPECT_FALSE(HasSetting(settings, "missing"));

    EXPECT_TRUE(IsNewerThanProgram("1.8"));
    EXPECT_TRUE(IsNewerThanProgram("1.7.1"));
    EXPECT_FALSE(IsNewerThanProgram("1.7"));
    EXPECT_FALSE(IsNewerThanProgram("1.6"));
    EXPECT_FALSE(IsNewerThanProgram("1.10")); // compared as text
}

TEST_F(UpdateCheckTest, NewerVersionIsOfferedAtStartAndAgainOnRequest) {
    AcceptUpdateAnswer(Answer("\"1.8\""));
    ASSERT_EQ(prompts.asked, std::vector<std::string>{"有新版本"});
    EXPECT_TRUE(prompts.opened.empty()) << "No opens nothing";
    EXPECT_EQ(SettingText(ServerSettings, "version"), "1.8");
    EXPECT_FALSE(ServerSettings.isMember("other")) << "only the cfg member is kept";

    prompts.clear();
    CheckForUpdate();
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"有新版本"});
    EXPECT_TRUE(prompts.opened.empty());

    prompts.clear();
    prompts.yes = true;
    CheckForUpdate();
    EXPECT_EQ(prompts.opened, std::vector<std::string>{"http://get.example/"});
    EXPECT_TRUE(prompts.notices.empty());

    // A number works as well as a string.
    prompts.clear();
    AcceptUpdateAnswer(Answer("1.9"));
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(UpdateCheckTest, WithoutTheServersOwnMessageTheOfferIsOneSentenceAroundTheVersion) {
    const std::string noMessage = "{\"cfg\":{\"version\":\"1.8%s\",\"updateUrl\":\"http://get.example/\"}}";
    AcceptUpdateAnswer(noMessage);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"发现新版本 1.8%s，是否前往下载？"});

    const TestCatalog english({{"发现新版本 %s，是否前往下载？", "A new version %s is available. Download it?"},
                               {kLatest, "You have the latest version."}});
    prompts.clear();
    CheckForUpdate();
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"A new version 1.8%s is available. Download it?"});
    prompts.clear();
    AcceptUpdateAnswer(Answer("\"1.7\""));
    CheckForUpdate();
    EXPECT_EQ(prompts.notices, std::vector<std::string>{"You have the latest version."});
}

TEST_F(UpdateCheckTest, SameOlderOrTextuallySmallerVersionsOfferNothing) {
    for (const char* version : {"\"1.7\"", "\"1.6\"", "\"1.10\""}) {
        prompts.clear();
        AcceptUpdateAnswer(Answer(version));
        EXPECT_TRUE(prompts.asked.empty()) << version;
        EXPECT_TRUE(prompts.notices.empty()) << version;
        CheckForUpdate();
        EXPECT_TRUE(prompts.asked.empty()) << version;
        EXPECT_EQ(prompts.notices, std::vector<std::string>{kLatest}) << version;
        EXPECT_TRUE(prompts.opened.empty());
    }
}

TEST_F(UpdateCheckTest, HelpOpensTheServersPageOrSaysComingSoon) {
    ShowHelp(); // nothing from the server yet
    EXPECT_EQ(prompts.notices, std::vector<std::string>{kComingSoon});
    EXPECT_TRUE(prompts.opened.empty());

    prompts.clear();
    AcceptUpdateAnswer(Answer("\"1.7\"", ""));
    ShowHelp();
    EXPECT_EQ(prompts.notices, std::vector<std::string>{kComingSoon});
    EXPECT_TRUE(prompts.opened.empty());

    prompts.clear();
    AcceptUpdateAnswer(Answer("\"1.7\"", "http://help.example/start"));
    ShowHelp();
    EXPECT_EQ(prompts.opened, std::vector<std::string>{"http://help.example/start"});
    EXPECT_TRUE(prompts.notices.empty());
}

TEST_F(UpdateCheckTest, NoUsableVersionNeverMakesUpAnUpdate) {
    CheckForUpdate(); // no answer yet
    EXPECT_EQ(prompts.notices, std::vector<std::string>{kUnknown});
    EXPECT_TRUE(prompts.asked.empty());

    for (const char* body : {"this is not json <html>", "{\"cfg\":{\"verMsg\":\"x\"}}", "{\"cfg\":\"1.8\"}", "[1,2]",
                             "{\"cfg\":{\"version\":\"\"}}"}) {
        prompts.clear();
        AcceptUpdateAnswer(body);
        EXPECT_TRUE(prompts.asked.empty()) << body;
        CheckForUpdate();
        EXPECT_EQ(prompts.notices, std::vector<std::string>{kUnknown}) << body;
        EXPECT_TRUE(prompts.asked.empty()) << body;
        EXPECT_TRUE(prompts.opened.empty()) << body;
    }

    // A newer version without a message of its own still gets a real one.
    prompts.clear();
    AcceptUpdateAnswer("{\"cfg\":{\"version\":\"2.0\"}}");
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(prompts.asked[0].find("2.0"), std::string::npos);
    EXPECT_EQ(prompts.asked[0].find("null"), std::string::npos);
}

TEST_F(UpdateCheckTest, OnlyASuccessfulCheckVersionAnswerReplacesTheSettings) {
    AcceptUpdateAnswer(Answer("\"1.6\""));
    ASSERT_EQ(SettingText(ServerSettings, "version"), "1.6");

    Respond("Other", 200, true, Answer("\"1.9\""));
    Respond("CheckVersion", 404, false, Answer("\"1.9\""));
    Respond("CheckVersion", 200, false, Answer("\"1.9\"")); // transfer cut short
    Respond("CheckVersion", -1, false, "");
    EXPECT_EQ(SettingText(ServerSettings, "version"), "1.6");
    EXPECT_TRUE(prompts.asked.empty());

    Respond("CheckVersion", 200, true, Answer("\"1.9\""));
    EXPECT_EQ(SettingText(ServerSettings, "version"), "1.9");
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(UpdateCheckTest, OnlyWebLinksFromTheServerAreOpened) {
    for (const char* url : {"http://get.example/", "https://get.example/x?y=1", "HTTPS://Get.Example/"})
        EXPECT_TRUE(IsWebLink(url)) << url;
    for (const char* url : {"file:///etc/passwd", "smb://host/share", "steam://run/1", "javascript:alert(1)",
                            "http:relative", "https://", "http:///path", "", "null", " http://x/"})
        EXPECT_FALSE(IsWebLink(url)) << url;

    prompts.yes = true;
    AcceptUpdateAnswer(Answer("\"1.8\"", "smb://host/share", "file:///home/user/.bashrc"));
    EXPECT_EQ(prompts.asked.size(), 1u) << "the offer itself is still shown";
    ShowHelp();
    EXPECT_TRUE(prompts.opened.empty()) << "a link that is not a web page was opened";
    EXPECT_TRUE(prompts.notices.empty()) << "a refused link is dropped without a box";

    prompts.clear();
    AcceptUpdateAnswer(Answer("\"1.8\"", "HTTPS://help.example/", "https://get.example/new"));
    ShowHelp();
    EXPECT_EQ(prompts.opened, (std::vector<std::string>{"https://get.example/new", "HTTPS://help.example/"}));
}

TEST_F(UpdateCheckTest, AnAnswerBeforeTheWindowIsUpWaitsAndOneAfterClosingIsDropped) {
    HoldUpdateAnswers();
    Respond("CheckVersion", 200, true, Answer("\"1.8\""));
    Respond("CheckVersion", 200, true, Answer("\"1.9\""));
    EXPECT_TRUE(prompts.asked.empty()) << "the offer came before the window";
    EXPECT_TRUE(ServerSettings.isNull());

    ReleaseUpdateAnswers(nullptr);
    Settle();
    EXPECT_EQ(prompts.asked.size(), 1u) << "only the newest waiting answer is taken";
    EXPECT_EQ(SettingText(ServerSettings, "version"), "1.9");
    ReleaseUpdateAnswers(nullptr);
    Settle();
    EXPECT_EQ(prompts.asked.size(), 1u) << "a waiting answer is taken once";

    // Open: an answer is taken as it comes.
    Respond("CheckVersion", 200, true, Answer("\"2.0\""));
    EXPECT_EQ(prompts.asked.size(), 2u);

    DropUpdateAnswers();
    Respond("CheckVersion", 200, true, Answer("\"2.1\""));
    EXPECT_EQ(prompts.asked.size(), 2u) << "an answer after closing began opened a box";
    EXPECT_EQ(SettingText(ServerSettings, "version"), "2.0");
}

TEST_F(UpdateCheckTest, RequestGoesToTheServerAndItsAnswerArrivesInAFrame) {
    LocalHttpServer server;
    ASSERT_GT(server.port(), 0);
    server.setAnswer(LocalHttpServer::reply(200, Answer("\"1.8\"")));
    setenv("FLAREWICK_SERVER", server.hostPort().c_str(), 1);

    SendUpdateCheck();
    ASSERT_TRUE(server.waitForRequests(1, 5));
    std::string head = server.requests()[0];
    EXPECT_EQ(head.rfind("GET /editor/fw_config.php?plat=Linux&ver=1.7 HTTP/1.1\r\n", 0), 0u) << head;
    EXPECT_NE(head.find("\r\nContent-Type:text/html; charset=utf-8"), std::string::npos) << head;

    cocos2d::Scheduler* scheduler = cocos2d::Director::getInstance()->getScheduler();
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (prompts.asked.empty() && std::chrono::steady_clock::now() < end) {
        scheduler->update(0.02f);
        Settle();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"有新版本"});
    EXPECT_EQ(SettingText(ServerSettings, "updateUrl"), "http://get.example/");
    cocos2d::network::HttpClient::destroyInstance();
}

} // namespace
