// HttpClient: a queue served by a libcurl worker thread, with bounded time and size, and delivery through the
// scheduler.
#include "network/HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "base/CCDirector.h"
#include "base/CCScheduler.h"

NS_CC_BEGIN

namespace network {

namespace {

constexpr int kDefaultConnectSeconds = 5;
constexpr int kDefaultTotalSeconds = 20;
constexpr size_t kMaxHeaderBytes = 64 * 1024;
constexpr long kMaxRedirects = 5;
// How long the worker sleeps in libcurl before it looks at the quit flag
// again; a quit also wakes it at once.
constexpr int kPollMilliseconds = 500;

HttpClient* s_instance = nullptr;

// One request with the client settings it was sent under.
struct Job {
    HttpResponse* response = nullptr;
    int connectSeconds = kDefaultConnectSeconds;
    int totalSeconds = kDefaultTotalSeconds;
    std::string cookieFile;
    std::string caFile;
};

// Collects a body or the header lines, refusing to grow past a limit.
struct Sink {
    std::vector<char> bytes;
    size_t limit = 0;
    bool overflow = false;
};

size_t Collect(char* data, size_t size, size_t count, void* userData) {
    auto* sink = static_cast<Sink*>(userData);
    size_t length = size * count;
    if (length > sink->limit - sink->bytes.size()) {
        sink->overflow = true;
        return 0; // anything short of `length` makes libcurl stop the transfer
    }
    sink->bytes.insert(sink->bytes.end(), data, data + length);
    return length;
}

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_ALL); });
}

} // namespace

// State shared by the client, its workers and the answers waiting in the
// scheduler, so that none of them outlives what it touches.
struct HttpClientShared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> queue;
    bool queueWorkerStarted = false;
    std::atomic<bool> quit{false};
    Scheduler* scheduler = nullptr; // retained; null once the client is destroyed
    HttpClient* client = nullptr;
    std::vector<CURLM*> transfers; // in progress; woken when the client quits
};

namespace {

void Perform(HttpClientShared& shared, Job& job) {
    HttpResponse* response = job.response;
    HttpRequest* request = response->getHttpRequest();
    HttpRequest::Type type = request->getRequestType();
    if (type == HttpRequest::Type::UNKNOWN) {
        response->setErrorBuffer("request type not set");
        return;
    }

    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (!easy || !multi) {
        if (easy) curl_easy_cleanup(easy);
        if (multi) curl_multi_cleanup(multi);
        response->setErrorBuffer("could not start a transfer");
        return;
    }

    char errorBuffer[CURL_ERROR_SIZE] = {0};
    Sink body;
    body.limit = HttpClient::MAX_RESPONSE_BODY;
    Sink headers;
    headers.limit = kMaxHeaderBytes;
    curl_slist* headerList = nullptr;
    for (const std::string& line : request->getHeaders()) headerList = curl_slist_append(headerList, line.c_str());

    curl_easy_setopt(easy, CURLOPT_URL, request->getUrl());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, static_cast<long>(job.connectSeconds));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT, static_cast<long>(job.totalSeconds));
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, Collect);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &headers);
    // A declared length over the limit fails before any of the body is read.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(HttpClient::MAX_RESPONSE_BODY));
    // Only the web: a URL or a redirect must not reach files or other services.
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#if LIBCURL_VERSION_NUM >= 0x075700
    // An abandoned transfer must not wait for a name lookup to finish.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
#endif
    if (!job.cookieFile.empty()) {
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, job.cookieFile.c_str());
        curl_easy_setopt(easy, CURLOPT_COOKIEJAR, job.cookieFile.c_str());
    }
    if (!job.caFile.empty()) curl_easy_setopt(easy, CURLOPT_CAINFO, job.caFile.c_str());

    switch (type) {
    case HttpRequest::Type::GET:
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
        break;
    case HttpRequest::Type::POST:
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request->getRequestDataSize()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request->getRequestData() ? request->getRequestData() : "");
        break;
    case HttpRequest::Type::PUT:
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, "PUT");
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request->getRequestDataSize()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request->getRequestData() ? request->getRequestData() : "");
        break;
    case HttpRequest::Type::DELETE:
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, "DELETE");
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
        break;
    case HttpRequest::Type::UNKNOWN:
        break;
    }

    curl_multi_add_handle(multi, easy);
    bool abandoned = false;
    {
        std::lock_guard<std::mutex> lock(shared.mutex);
        if (shared.quit)
            abandoned = true;
        else
            shared.transfers.push_back(multi);
    }
    CURLcode result = CURLE_OK;
    bool finished = false;
    while (!abandoned) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (running == 0) {
            finished = true;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
        if (shared.quit) abandoned = true;
    }
    if (finished) {
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &left))
            if (message->msg == CURLMSG_DONE) result = message->data.result;
    }
    {
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.transfers.erase(std::remove(shared.transfers.begin(), shared.transfers.end(), multi),
                               shared.transfers.end());
    }

    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headerList);

    response->setResponseCode(code > 0 ? code : -1);
    response->setResponseHeader(&headers.bytes);
    if (abandoned) {
        response->setErrorBuffer("request abandoned");
    } else if (body.overflow || result == CURLE_FILESIZE_EXCEEDED) {
        response->setErrorBuffer("response body larger than 1048576 bytes");
    } else if (headers.overflow) {
        response->setErrorBuffer("response headers too large");
    } else if (result != CURLE_OK) {
        std::string text = errorBuffer[0] ? errorBuffer : curl_easy_strerror(result);
        if (text.size() >= HttpClient::RESPONSE_BUFFER_SIZE) text.resize(HttpClient::RESPONSE_BUFFER_SIZE - 1);
        response->setErrorBuffer(text.c_str());
    } else {
        response->setResponseData(&body.bytes);
        response->setSucceed(code >= 200 && code < 300);
        if (!response->isSucceed()) response->setErrorBuffer(("HTTP status " + std::to_string(code)).c_str());
    }
}

// Runs on the engine's thread, at the end of a scheduler update.
void Dispatch(const std::shared_ptr<HttpClientShared>& shared, HttpResponse* response) {
    if (!shared->quit) {
        HttpRequest* request = response->getHttpRequest();
        if (request->getCallback())
            request->getCallback()(shared->client, response);
        else if (request->getTarget() && request->getSelector())
            (request->getTarget()->*request->getSelector())(shared->client, response);
    }
    response->release();
}

void Deliver(const std::shared_ptr<HttpClientShared>& shared, HttpResponse* response) {
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (!shared->quit && shared->scheduler) {
            shared->scheduler->performFunctionInCocosThread([shared, response] { Dispatch(shared, response); });
            return;
        }
    }
    // Nobody is left to receive it; the client no longer hands the request
    // to anyone, so dropping it here races with no other thread.
    response->release();
}

void RunQueue(std::shared_ptr<HttpClientShared> shared) {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->quit || !shared->queue.empty(); });
            if (shared->quit) return;
            job = std::move(shared->queue.front());
            shared->queue.pop_front();
        }
        Perform(*shared, job);
        Deliver(shared, job.response);
    }
}

} // namespace

HttpClient* HttpClient::getInstance() {
    if (!s_instance) s_instance = new HttpClient(Director::getInstance()->getScheduler());
    return s_instance;
}

void HttpClient::destroyInstance() {
    if (!s_instance) return;
    HttpClient* client = s_instance;
    s_instance = nullptr;
    delete client;
}

HttpClient::HttpClient(Scheduler* scheduler)
    : _shared(std::make_shared<HttpClientShared>()),
      _timeoutForConnect(kDefaultConnectSeconds),
      _timeoutForRead(kDefaultTotalSeconds) {
    InitCurlOnce();
    _shared->scheduler = scheduler;
    _shared->client = this;
    // Held so that an answer finishing after the director is gone still has
    // somewhere harmless to go.
    if (scheduler) scheduler->retain();
}

HttpClient::~HttpClient() {
    std::deque<Job> waiting;
    Scheduler* scheduler = nullptr;
    {
        std::lock_guard<std::mutex> lock(_shared->mutex);
        _shared->quit = true;
        _shared->client = nullptr;
        for (CURLM* multi : _shared->transfers) curl_multi_wakeup(multi);
        waiting.swap(_shared->queue);
        std::swap(scheduler, _shared->scheduler);
    }
    _shared->wake.notify_all();
    // The workers are not joined: a transfer stuck on a silent server must
    // not hold up the caller (usually the program on its way out).
    for (Job& job : waiting) job.response->release();
    if (scheduler) scheduler->release();
}

void HttpClient::enqueue(HttpRequest* request, bool immediate) {
    if (!request) return;
    Job job;
    // Made here, on the caller's thread, so that the request's reference
    // count is only ever touched by this thread while the caller still uses it.
    job.response = new (std::nothrow) HttpResponse(request);
    if (!job.response) return;
    job.connectSeconds = _timeoutForConnect;
    job.totalSeconds = _timeoutForRead;
    job.cookieFile = _cookieFilename;
    job.caFile = _sslCaFilename;

    if (immediate) {
        std::shared_ptr<HttpClientShared> shared = _shared;
        std::thread([shared, job]() mutable {
            Perform(*shared, job);
            Deliver(shared, job.response);
        }).detach();
        return;
    }
    bool startWorker = false;
    {
        std::lock_guard<std::mutex> lock(_shared->mutex);
        _shared->queue.push_back(std::move(job));
        startWorker = !_shared->queueWorkerStarted;
        _shared->queueWorkerStarted = true;
    }
    if (startWorker) std::thread(RunQueue, _shared).detach();
    _shared->wake.notify_one();
}

void HttpClient::send(HttpRequest* request) {
    enqueue(request, false);
}

void HttpClient::sendImmediate(HttpRequest* request) {
    enqueue(request, true);
}

void HttpClient::setTimeoutForConnect(int value) {
    _timeoutForConnect = std::max(1, value);
}
int HttpClient::getTimeoutForConnect() {
    return _timeoutForConnect;
}
void HttpClient::setTimeoutForRead(int value) {
    _timeoutForRead = std::max(1, value);
}
int HttpClient::getTimeoutForRead() {
    return _timeoutForRead;
}

void HttpClient::enableCookies(const char* cookieFile) {
    _cookieFilename = cookieFile ? cookieFile : "cookieFile.txt";
}
const std::string& HttpClient::getCookieFilename() {
    return _cookieFilename;
}

void HttpClient::setSSLVerification(const std::string& caFile) {
    _sslCaFilename = caFile;
}
const std::string& HttpClient::getSSLVerification() {
    return _sslCaFilename;
}

} // namespace network

NS_CC_END
