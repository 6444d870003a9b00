// The update check: the request at start-up, its answer, and the check-update and help commands.
#include "app/UpdateCheck.h"

#include "app/EditorConfig.h"
#include "app/ServerSettings.h"
#include "app/UpdatePrompts.h"

#include <json/reader.h>
#include <wx/app.h>
#include <wx/translation.h>

#include <cctype>
#include <memory>

#include "network/HttpClient.h"
#include "base/CCConsole.h"

using cocos2d::network::HttpClient;
using cocos2d::network::HttpRequest;
using cocos2d::network::HttpResponse;

namespace {

const char* const kTag = "CheckVersion";

// The same tolerance as the configuration file: comments, dropped values,
// and whatever was read before an error is kept.
Json::Value ParseTolerantly(const std::string& text) {
    Json::CharReaderBuilder builder;
    MakeTolerant(builder);
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    reader->parse(text.data(), text.data() + text.size(), &value, &errors);
    return value;
}

bool HasUrl(const Json::Value& settings, const char* member) {
    return HasSetting(settings, member) && settings[member].isString();
}

// A link from the server goes to the browser only when it is a web page; any
// other scheme (file:, smb:, a desktop's custom handlers) is refused.
void OpenServerLink(const Json::Value& settings, const char* member) {
    const std::string url = SettingText(settings, member).utf8_string();
    if (IsWebLink(url))
        CurrentUpdatePrompts().OpenBrowser(wxString::FromUTF8(url));
    else
        cocos2d::log("update server: \"%s\" is not an http or https link; not opened: %s", member, url.c_str());
}

enum class AnswerGate { Open, Held, Closed };
AnswerGate g_gate = AnswerGate::Open;
bool g_answerWaiting = false;
std::string g_waitingBody;
// Counts closings, so that an answer passed on before one is not taken after.
unsigned g_generation = 0;

void PassOn(const std::string& body) {
    // This runs inside the engine's frame; a modal box opened here would run
    // further frames inside this one, so the answer is taken once the frame
    // has returned.
    if (!wxTheApp) {
        AcceptUpdateAnswer(body);
        return;
    }
    const unsigned generation = g_generation;
    wxTheApp->CallAfter([body, generation] {
        if (g_gate == AnswerGate::Open && generation == g_generation) AcceptUpdateAnswer(body);
    });
}

void OfferUpdate(const Json::Value& settings) {
    wxString message = HasUrl(settings, "verMsg")
                           ? SettingText(settings, "verMsg")
                           : wxString::Format(wxGetTranslation(wxString::FromUTF8("发现新版本 %s，是否前往下载？")),
                                              SettingText(settings, "version"));
    UpdatePrompts& prompts = CurrentUpdatePrompts();
    if (prompts.AskYesNo(message) && HasUrl(settings, "updateUrl")) OpenServerLink(settings, "updateUrl");
}

bool NamesNewerVersion(const Json::Value& settings) {
    return HasSetting(settings, "version") && IsNewerThanProgram(SettingText(settings, "version"));
}

} // namespace

void SendUpdateCheck() {
    auto* request = new HttpRequest;
    request->setUrl(UpdateCheckUrl());
    request->setRequestType(HttpRequest::Type::GET);
    request->setHeaders({"Content-Type:text/html; charset=utf-8"});
    request->setResponseCallback(OnUpdateCheckResponse);
    request->setTag(kTag);
    HttpClient::getInstance()->send(request);
    request->release();
}

void OnUpdateCheckResponse(HttpClient*, HttpResponse* response) {
    if (!response || std::string(response->getHttpRequest()->getTag()) != kTag) return;
    // A transfer cut short (too large, timed out) can carry status 200 with
    // part of a body; it counts as no answer.
    if (response->getResponseCode() != 200 || !response->isSucceed()) return;
    std::string body = response->getResponseDataString();
    switch (g_gate) {
    case AnswerGate::Open:
        PassOn(body);
        break;
    case AnswerGate::Held:
        g_answerWaiting = true;
        g_waitingBody = body;
        break;
    case AnswerGate::Closed:
        break;
    }
}

void HoldUpdateAnswers() {
    g_gate = AnswerGate::Held;
}

void ReleaseUpdateAnswers(wxWindow* window) {
    SetUpdatePromptsParent(window);
    g_gate = AnswerGate::Open;
    if (g_answerWaiting) {
        g_answerWaiting = false;
        PassOn(g_waitingBody);
        g_waitingBody.clear();
    }
}

void DropUpdateAnswers() {
    g_gate = AnswerGate::Closed;
    ++g_generation;
    g_answerWaiting = false;
    g_waitingBody.clear();
    SetUpdatePromptsParent(nullptr);
}

bool IsWebLink(const std::string& url) {
    std::string scheme;
    for (char c : url) {
        if (c == ':') break;
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string rest = url.size() > scheme.size() ? url.substr(scheme.size()) : std::string();
    // "//" and a host after the scheme: "http:relative" or "https://" alone
    // are not pages.
    return (scheme == "http" || scheme == "https") && rest.rfind("://", 0) == 0 && rest.size() > 3 && rest[3] != '/';
}

void AcceptUpdateAnswer(const std::string& body) {
    Json::Value answer = ParseTolerantly(body);
    ServerSettings = answer.isObject() ? answer.get("cfg", Json::Value()) : Json::Value();
    Json::Value settings = ServerSettings;
    if (NamesNewerVersion(settings)) OfferUpdate(settings);
}

void CheckForUpdate() {
    Json::Value settings = ServerSettings;
    if (!HasSetting(settings, "version"))
        CurrentUpdatePrompts().Notify(wxGetTranslation(wxString::FromUTF8("无法获取版本信息，请稍后再试！")));
    else if (NamesNewerVersion(settings))
        OfferUpdate(settings);
    else
        CurrentUpdatePrompts().Notify(wxGetTranslation(wxString::FromUTF8("已是最新版本无需更新！")));
}

void ShowHelp() {
    Json::Value settings = ServerSettings;
    if (HasUrl(settings, "helpUrl"))
        OpenServerLink(settings, "helpUrl");
    else
        CurrentUpdatePrompts().Notify(wxGetTranslation(wxString::FromUTF8("敬请期待！非常简单，自己先摸索下吧。")));
}
