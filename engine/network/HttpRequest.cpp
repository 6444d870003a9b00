// HttpRequest and HttpResponse: the references they hold on their target and request.
#include "network/HttpRequest.h"
#include "network/HttpResponse.h"

NS_CC_BEGIN

namespace network {

HttpRequest::~HttpRequest() {
    if (_target) _target->release();
}

void HttpRequest::setResponseCallback(Ref* target, SEL_HttpResponse selector) {
    if (target) target->retain();
    if (_target) _target->release();
    _target = target;
    _selector = selector;
}

HttpResponse::HttpResponse(HttpRequest* request) : _pHttpRequest(request) {
    if (_pHttpRequest) _pHttpRequest->retain();
}

HttpResponse::~HttpResponse() {
    if (_pHttpRequest) _pHttpRequest->release();
}

} // namespace network

NS_CC_END
