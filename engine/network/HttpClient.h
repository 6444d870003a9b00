// The engine's HTTP client: requests run by libcurl on a worker thread, answers delivered on the engine's thread during
// a frame.
#ifndef __HTTP_CLIENT_H__
#define __HTTP_CLIENT_H__

#include <memory>
#include <string>

#include "network/HttpRequest.h"
#include "network/HttpResponse.h"

NS_CC_BEGIN

class Scheduler;

namespace network {

struct HttpClientShared;

class CC_DLL HttpClient {
public:
    // Size of the error text kept for a failed transfer.
    static constexpr int RESPONSE_BUFFER_SIZE = 256;
    // Largest answer body accepted; a larger one fails the request.
    static constexpr size_t MAX_RESPONSE_BODY = 1024 * 1024;

    static HttpClient* getInstance();
    // Stops delivering answers and lets the worker end; a transfer in
    // progress is abandoned rather than waited for.
    static void destroyInstance();

    // Queues the request; the worker performs queued requests one at a time.
    void send(HttpRequest* request);
    // Performs the request at once on a thread of its own.
    void sendImmediate(HttpRequest* request);

    void setTimeoutForConnect(int value);
    int getTimeoutForConnect();
    // Bounds the whole transfer, connecting included.
    void setTimeoutForRead(int value);
    int getTimeoutForRead();

    // Null uses "cookieFile.txt" in the working directory.
    void enableCookies(const char* cookieFile);
    const std::string& getCookieFilename();

    // An empty file turns peer and host verification off.
    void setSSLVerification(const std::string& caFile);
    const std::string& getSSLVerification();

private:
    explicit HttpClient(Scheduler* scheduler);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    void enqueue(HttpRequest* request, bool immediate);

    std::shared_ptr<HttpClientShared> _shared;
    int _timeoutForConnect;
    int _timeoutForRead;
    std::string _cookieFilename;
    std::string _sslCaFilename;
};

} // namespace network

NS_CC_END

#endif // __HTTP_CLIENT_H__
