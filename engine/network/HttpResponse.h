// The answer to an HttpRequest: status, headers, body and the error text of a failed transfer.
#ifndef __HTTP_RESPONSE_H__
#define __HTTP_RESPONSE_H__

#include <string>
#include <vector>

#include "network/HttpRequest.h"

NS_CC_BEGIN

namespace network {

class CC_DLL HttpResponse : public Ref {
public:
    // Keeps the request alive for as long as the response exists.
    explicit HttpResponse(HttpRequest* request);
    virtual ~HttpResponse();

    Ref* autorelease() {
        CCASSERT(false, "HttpResponse must not be autoreleased");
        return nullptr;
    }

    HttpRequest* getHttpRequest() const { return _pHttpRequest; }
    // The transfer completed and the status is 2xx.
    bool isSucceed() const { return _succeed; }
    std::vector<char>* getResponseData() { return &_responseData; }
    std::vector<char>* getResponseHeader() { return &_responseHeaders; }
    std::string getResponseDataString() const { return std::string(_responseData.begin(), _responseData.end()); }
    // -1 when no status line was received.
    long getResponseCode() const { return _responseCode; }
    const char* getErrorBuffer() const { return _errorBuffer.c_str(); }

    void setSucceed(bool value) { _succeed = value; }
    void setResponseData(std::vector<char>* data) { _responseData = *data; }
    void setResponseHeader(std::vector<char>* data) { _responseHeaders = *data; }
    void setResponseCode(long value) { _responseCode = value; }
    void setErrorBuffer(const char* value) { _errorBuffer = value ? value : ""; }

protected:
    HttpRequest* _pHttpRequest;
    bool _succeed = false;
    std::vector<char> _responseData;
    std::vector<char> _responseHeaders;
    long _responseCode = -1;
    std::string _errorBuffer;
};

} // namespace network

NS_CC_END

#endif // __HTTP_RESPONSE_H__
