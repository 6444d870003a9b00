// The engine's HTTP client against a local server: delivery on the frame thread, failures, bounds and quitting.
#include <gtest/gtest.h>

#include "LocalHttpServer.h"

#include "base/CCDirector.h"
#include "base/CCScheduler.h"
#include "network/HttpClient.h"

#include <chrono>
#include <thread>

USING_NS_CC;
using cocos2d::network::HttpClient;
using cocos2d::network::HttpRequest;
using cocos2d::network::HttpResponse;

namespace {

using Clock = std::chrono::steady_clock;

struct Outcome {
    int calls = 0;
    bool succeed = false;
    long code = 0;
    std::string body;
    std::string error;
    std::string tag;
    std::thread::id thread;
    bool duringUpdate = false;
};

class HttpClientTest : public ::testing::Test {
protected:
    void TearDown() override {
        HttpClient::destroyInstance();
        Director::getInstance()->end();
        Director::getInstance()->mainLoop();
    }

    // Sends a request whose answer is recorded in `out`.
    void send(HttpRequest::Type type, const std::string& url, Outcome& out, const std::string& tag = "t") {
        auto* request = new HttpRequest;
        request->setUrl(url);
        request->setRequestType(type);
        request->setTag(tag);
        request->setHeaders({"Content-Type:text/html; charset=utf-8", "X-Probe: 1"});
        request->setResponseCallback([&out, this](HttpClient* client, HttpResponse* response) {
            ++out.calls;
            out.succeed = response->isSucceed();
            out.code = response->getResponseCode();
            out.body = response->getResponseDataString();
            out.error = response->getErrorBuffer();
            out.tag = response->getHttpRequest()->getTag();
            out.thread = std::this_thread::get_id();
            out.duringUpdate = m_inUpdate;
            EXPECT_EQ(client, HttpClient::getInstance());
        });
        HttpClient::getInstance()->send(request);
        request->release();
    }

    // Runs scheduler updates, as frames do, until `out` has an answer.
    bool pumpUntilAnswered(const Outcome& out, double seconds) {
        Scheduler* scheduler = Director::getInstance()->getScheduler();
        auto end = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < end) {
            m_inUpdate = true;
            scheduler->update(0.02f);
            m_inUpdate = false;
            if (out.calls > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::string url(const LocalHttpServer& server, const std::string& path = "/x") {
        return "http://" + server.hostPort() + path;
    }

    bool m_inUpdate = false;
};

TEST_F(HttpClientTest, AnswerArrivesOnlyThroughTheSchedulerOnTheCallingThread) {
    LocalHttpServer server;
    ASSERT_GT(server.port(), 0);
    server.setAnswer(LocalHttpServer::reply(200, "{\"cfg\":{}}"));
    Outcome out;
    send(HttpRequest::Type::GET, url(server, "/editor/fw_config.php?plat=Linux&ver=1.7"), out, "CheckVersion");
    ASSERT_TRUE(server.waitForRequests(1, 5));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(out.calls, 0) << "delivered outside a frame";

    ASSERT_TRUE(pumpUntilAnswered(out, 5));
    EXPECT_EQ(out.calls, 1);
    EXPECT_TRUE(out.duringUpdate);
    EXPECT_EQ(out.thread, std::this_thread::get_id());
    EXPECT_TRUE(out.succeed);
    EXPECT_EQ(out.code, 200);
    EXPECT_EQ(out.body, "{\"cfg\":{}}");
    EXPECT_EQ(out.tag, "CheckVersion");

    std::string head = server.requests().at(0);
    EXPECT_EQ(head.rfind("GET /editor/fw_config.php?plat=Linux&ver=1.7 HTTP/1.1\r\n", 0), 0u) << head;
    EXPECT_NE(head.find("\r\nContent-Type:text/html; charset=utf-8"), std::string::npos) << head;
    EXPECT_NE(head.find("\r\nX-Probe: 1"), std::string::npos) << head;
}

TEST_F(HttpClientTest, QueuedRequestsAreAnsweredInOrder) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::reply(200, "same"));
    Outcome a, b, c;
    send(HttpRequest::Type::GET, url(server, "/a"), a, "a");
    send(HttpRequest::Type::GET, url(server, "/b"), b, "b");
    send(HttpRequest::Type::GET, url(server, "/c"), c, "c");
    ASSERT_TRUE(pumpUntilAnswered(c, 5));
    pumpUntilAnswered(b, 1);
    EXPECT_EQ(a.calls + b.calls + c.calls, 3);
    auto heads = server.requests();
    ASSERT_EQ(heads.size(), 3u);
    EXPECT_EQ(heads[0].rfind("GET /a ", 0), 0u);
    EXPECT_EQ(heads[1].rfind("GET /b ", 0), 0u);
    EXPECT_EQ(heads[2].rfind("GET /c ", 0), 0u);
}

TEST_F(HttpClientTest, PostSendsItsBody) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::reply(201, "made"));
    Outcome out;
    auto* request = new HttpRequest;
    request->setUrl(url(server, "/post"));
    request->setRequestType(HttpRequest::Type::POST);
    const char body[] = "a=1\0b";
    request->setRequestData(body, sizeof body - 1);
    request->setResponseCallback([&out](HttpClient*, HttpResponse* r) {
        ++out.calls;
        out.code = r->getResponseCode();
        out.succeed = r->isSucceed();
    });
    HttpClient::getInstance()->send(request);
    request->release();
    ASSERT_TRUE(pumpUntilAnswered(out, 5));
    EXPECT_EQ(out.code, 201);
    EXPECT_TRUE(out.succeed);
    EXPECT_NE(server.requests().at(0).find("Content-Length: 5"), std::string::npos);
}

TEST_F(HttpClientTest, FailuresAreReportedWithCodeAndText) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::reply(404, "nothing here"));
    Outcome notFound;
    send(HttpRequest::Type::GET, url(server), notFound);
    ASSERT_TRUE(pumpUntilAnswered(notFound, 5));
    EXPECT_FALSE(notFound.succeed);
    EXPECT_EQ(notFound.code, 404);
    EXPECT_FALSE(notFound.error.empty());

    // A port nobody listens on any more: no status at all.
    int deadPort;
    {
        LocalHttpServer gone;
        deadPort = gone.port();
    }
    Outcome refused;
    send(HttpRequest::Type::GET, "http://127.0.0.1:" + std::to_string(deadPort) + "/", refused);
    ASSERT_TRUE(pumpUntilAnswered(refused, 10));
    EXPECT_FALSE(refused.succeed);
    EXPECT_EQ(refused.code, -1);
    EXPECT_FALSE(refused.error.empty());

    Outcome notWeb;
    send(HttpRequest::Type::GET, "file:///etc/passwd", notWeb);
    ASSERT_TRUE(pumpUntilAnswered(notWeb, 5));
    EXPECT_FALSE(notWeb.succeed);
    EXPECT_TRUE(notWeb.body.empty());
}

TEST_F(HttpClientTest, BodiesPastOneMebibyteFailAndStopEarly) {
    LocalHttpServer server;
    // Exactly the limit still arrives whole.
    server.setAnswer(LocalHttpServer::reply(200, std::string(HttpClient::MAX_RESPONSE_BODY, 'a')));
    Outcome atLimit;
    send(HttpRequest::Type::GET, url(server), atLimit);
    ASSERT_TRUE(pumpUntilAnswered(atLimit, 10));
    EXPECT_TRUE(atLimit.succeed);
    EXPECT_EQ(atLimit.body.size(), HttpClient::MAX_RESPONSE_BODY);

    // Declared one byte too long: refused.
    server.setAnswer(LocalHttpServer::reply(200, std::string(HttpClient::MAX_RESPONSE_BODY + 1, 'a')));
    Outcome declared;
    send(HttpRequest::Type::GET, url(server), declared);
    ASSERT_TRUE(pumpUntilAnswered(declared, 10));
    EXPECT_FALSE(declared.succeed);
    EXPECT_TRUE(declared.body.empty());
    EXPECT_NE(declared.error.find("1048576"), std::string::npos) << declared.error;

    // 50 MiB with no declared length: cut off long before the end.
    server.setAnswer(LocalHttpServer::stream(50u * 1024 * 1024));
    Outcome streamed;
    auto start = Clock::now();
    send(HttpRequest::Type::GET, url(server), streamed);
    ASSERT_TRUE(pumpUntilAnswered(streamed, 10));
    EXPECT_FALSE(streamed.succeed);
    EXPECT_TRUE(streamed.body.empty());
    EXPECT_NE(streamed.error.find("1048576"), std::string::npos) << streamed.error;
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 5.0);
}

TEST_F(HttpClientTest, SilentServerTimesOut) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::silent());
    HttpClient::getInstance()->setTimeoutForRead(1);
    Outcome out;
    auto start = Clock::now();
    send(HttpRequest::Type::GET, url(server), out);
    ASSERT_TRUE(pumpUntilAnswered(out, 10));
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_FALSE(out.succeed);
    EXPECT_EQ(out.code, -1);
    EXPECT_GE(seconds, 0.9);
    EXPECT_LT(seconds, 4.0);
}

TEST_F(HttpClientTest, DefaultTimeoutsAreBounded) {
    HttpClient* client = HttpClient::getInstance();
    EXPECT_GT(client->getTimeoutForConnect(), 0);
    EXPECT_LE(client->getTimeoutForConnect(), 10);
    EXPECT_LT(client->getTimeoutForRead(), 60);
    EXPECT_GE(client->getTimeoutForRead(), client->getTimeoutForConnect());
}

TEST_F(HttpClientTest, DestroyingWhileAServerHangsReturnsAtOnceAndDeliversNothing) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::silent());
    Outcome hanging, queued;
    send(HttpRequest::Type::GET, url(server, "/hang"), hanging);
    send(HttpRequest::Type::GET, url(server, "/queued"), queued);
    ASSERT_TRUE(server.waitForRequests(1, 5));

    auto start = Clock::now();
    HttpClient::destroyInstance();
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 0.1);

    // Frames go on; neither answer ever arrives, and the queued request is
    // never sent.
    EXPECT_FALSE(pumpUntilAnswered(hanging, 0.5));
    EXPECT_EQ(queued.calls, 0);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(HttpClientTest, SendImmediateDoesNotWaitForTheQueue) {
    LocalHttpServer slow;
    slow.setAnswer(LocalHttpServer::silent());
    LocalHttpServer quick;
    quick.setAnswer(LocalHttpServer::reply(200, "now"));
    Outcome stuck, now;
    send(HttpRequest::Type::GET, url(slow), stuck);
    ASSERT_TRUE(slow.waitForRequests(1, 5));

    auto* request = new HttpRequest;
    request->setUrl(url(quick));
    request->setRequestType(HttpRequest::Type::GET);
    request->setResponseCallback([&now](HttpClient*, HttpResponse* r) {
        ++now.calls;
        now.body = r->getResponseDataString();
    });
    HttpClient::getInstance()->sendImmediate(request);
    request->release();
    ASSERT_TRUE(pumpUntilAnswered(now, 5));
    EXPECT_EQ(now.body, "now");
    EXPECT_EQ(stuck.calls, 0);
}

} // namespace
