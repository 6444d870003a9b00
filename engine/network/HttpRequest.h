// An HTTP request for the engine's HTTP client: URL, method, headers, body, tag and the callback for its answer.
#ifndef __HTTP_REQUEST_H__
#define __HTTP_REQUEST_H__

#include <functional>
#include <string>
#include <vector>

#include "base/CCRef.h"
#include "base/ccMacros.h"

NS_CC_BEGIN

namespace network {

class HttpClient;
class HttpResponse;

typedef std::function<void(HttpClient* client, HttpResponse* response)> ccHttpRequestCallback;
typedef void (cocos2d::Ref::*SEL_HttpResponse)(HttpClient* client, HttpResponse* response);
#define httpresponse_selector(_SELECTOR) (cocos2d::network::SEL_HttpResponse)(&_SELECTOR)

class CC_DLL HttpRequest : public Ref {
public:
    enum class Type { GET, POST, PUT, DELETE, UNKNOWN };

    HttpRequest() = default;
    virtual ~HttpRequest();

    // The request travels between the UI thread and the client's worker, so
    // it must never sit in an autorelease pool that either thread drains.
    Ref* autorelease() {
        CCASSERT(false, "HttpRequest must not be autoreleased");
        return nullptr;
    }

    void setRequestType(Type type) { _requestType = type; }
    Type getRequestType() const { return _requestType; }

    void setUrl(const std::string& url) { _url = url; }
    const char* getUrl() const { return _url.c_str(); }

    void setRequestData(const char* buffer, size_t len) { _requestData.assign(buffer, buffer + len); }
    char* getRequestData() { return _requestData.empty() ? nullptr : _requestData.data(); }
    ssize_t getRequestDataSize() const { return static_cast<ssize_t>(_requestData.size()); }

    void setTag(const std::string& tag) { _tag = tag; }
    const char* getTag() const { return _tag.c_str(); }

    // Not owned.
    void setUserData(void* userData) { _userData = userData; }
    void* getUserData() const { return _userData; }

    void setResponseCallback(const ccHttpRequestCallback& callback) { _callback = callback; }
    // The target is retained until the request is destroyed.
    void setResponseCallback(Ref* target, SEL_HttpResponse selector);

    Ref* getTarget() const { return _target; }
    SEL_HttpResponse getSelector() const { return _selector; }
    const ccHttpRequestCallback& getCallback() const { return _callback; }

    // Each entry is a whole header line, "Name: value".
    void setHeaders(const std::vector<std::string>& headers) { _headers = headers; }
    std::vector<std::string> getHeaders() const { return _headers; }

protected:
    Type _requestType = Type::UNKNOWN;
    std::string _url;
    std::vector<char> _requestData;
    std::string _tag;
    Ref* _target = nullptr;
    SEL_HttpResponse _selector = nullptr;
    ccHttpRequestCallback _callback;
    void* _userData = nullptr;
    std::vector<std::string> _headers;
};

} // namespace network

NS_CC_END

#endif // __HTTP_REQUEST_H__
