// The tests' local HTTP server: one thread accepting, one per connection, all stopped with the server.
#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr size_t kMaxHead = 64 * 1024;

bool SendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

const char* Reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

LocalHttpServer::Answer LocalHttpServer::reply(int status, const std::string& body) {
    Answer a;
    a.status = status;
    a.body = body;
    return a;
}

LocalHttpServer::Answer LocalHttpServer::delayedReply(int delayMs, int status, const std::string& body) {
    Answer a = reply(status, body);
    a.delayMs = delayMs;
    return a;
}

LocalHttpServer::Answer LocalHttpServer::page(const std::string& html) {
    Answer a = reply(200, html);
    a.contentType = "text/html; charset=utf-8";
    return a;
}

LocalHttpServer::Answer LocalHttpServer::stream(size_t bytes) {
    Answer a;
    a.kind = Answer::Kind::Stream;
    a.streamBytes = bytes;
    return a;
}

LocalHttpServer::Answer LocalHttpServer::silent() {
    Answer a;
    a.kind = Answer::Kind::Silent;
    return a;
}

LocalHttpServer::LocalHttpServer() {
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listen < 0) return;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(m_listen, 16) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(m_listen);
        m_listen = -1;
        return;
    }
    m_port = ntohs(addr.sin_port);
    m_acceptThread = std::thread([this] { acceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    m_stop = true;
    if (m_acceptThread.joinable()) m_acceptThread.join();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (int fd : m_open) ::shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& t : m_workers) t.join();
    if (m_listen >= 0) ::close(m_listen);
}

void LocalHttpServer::setAnswer(const Answer& answer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
}

std::vector<std::string> LocalHttpServer::requests() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

bool LocalHttpServer::waitForRequests(size_t count, double seconds) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_arrived.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return m_requests.size() >= count; });
}

void LocalHttpServer::acceptLoop() {
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open.push_back(fd);
        m_workers.emplace_back([this, fd] { serve(fd); });
    }
}

void LocalHttpServer::serve(int fd) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxHead && !m_stop) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<size_t>(n));
    }
    Answer answer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(head.substr(0, head.find("\r\n\r\n")));
        answer = m_answer;
    }
    m_arrived.notify_all();

    if (answer.kind == Answer::Kind::Reply) {
        for (auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(answer.delayMs);
             std::chrono::steady_clock::now() < until && !m_stop;)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::string out = "HTTP/1.1 " + std::to_string(answer.status) + " " + Reason(answer.status) +
                          "\r\nContent-Type: " + answer.contentType +
                          "\r\nContent-Length: " + std::to_string(answer.body.size()) +
                          "\r\nConnection: close\r\n\r\n" + answer.body;
        SendAll(fd, out.data(), out.size());
    } else if (answer.kind == Answer::Kind::Stream) {
        std::string out = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n";
        if (SendAll(fd, out.data(), out.size())) {
            std::string chunk(64 * 1024, 'x');
            for (size_t sent = 0; sent < answer.streamBytes && !m_stop; sent += chunk.size())
                if (!SendAll(fd, chunk.data(), std::min(chunk.size(), answer.streamBytes - sent))) break;
        }
    } else {
        // Hold the connection until the client gives up or the server stops.
        while (!m_stop) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0 && ::recv(fd, buffer, sizeof buffer, 0) <= 0) break;
        }
    }
    ::shutdown(fd, SHUT_WR);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.erase(std::remove(m_open.begin(), m_open.end(), fd), m_open.end());
    ::close(fd);
}
