// A small HTTP server on 127.0.0.1 for tests: answers every request in the way the test last chose.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LocalHttpServer {
public:
    struct Answer {
        enum class Kind { Reply, Stream, Silent };
        Kind kind = Kind::Reply;
        int status = 200;
        std::string body;
        std::string contentType = "application/json; charset=utf-8";
        size_t streamBytes = 0; // Stream: this many bytes, no declared length
        int delayMs = 0;        // Reply: sent this long after the request arrived
    };
    static Answer reply(int status, const std::string& body);
    static Answer delayedReply(int delayMs, int status, const std::string& body);
    static Answer page(const std::string& html);
    static Answer stream(size_t bytes);
    // Accepts the connection, reads the request and never answers.
    static Answer silent();

    LocalHttpServer();  // listens on an ephemeral port; port() is 0 on failure
    ~LocalHttpServer(); // closes every connection, silent ones included
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int port() const { return m_port; }
    std::string hostPort() const { return "127.0.0.1:" + std::to_string(m_port); }

    void setAnswer(const Answer& answer);
    // Request heads (request line and header lines) in arrival order.
    std::vector<std::string> requests();
    // Waits until `count` requests have arrived; false on time-out.
    bool waitForRequests(size_t count, double seconds);

private:
    void acceptLoop();
    void serve(int fd);

    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_acceptThread;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    Answer m_answer;
    std::vector<std::string> m_requests;
    std::vector<int> m_open;
    std::vector<std::thread> m_workers;
};
