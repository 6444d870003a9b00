// The update check at start-up and the check-update and help commands.
#pragma once

#include <string>

namespace cocos2d {
namespace network {
class HttpClient;
class HttpResponse;
} // namespace network
} // namespace cocos2d

// Asks the update server for its settings; returns at once. The answer is
// handled on the UI thread during a frame.
void SendUpdateCheck();

// The engine's callback for the "CheckVersion" request.
void OnUpdateCheckResponse(cocos2d::network::HttpClient* client, cocos2d::network::HttpResponse* response);

// Takes an answer body as the new ServerSettings and offers the update when
// it names a newer version.
void AcceptUpdateAnswer(const std::string& body);

// The check-update command: offer the update, or say there is none, or say
// that the version is not known yet.
void CheckForUpdate();

// The help command: the server's help page, or the coming-soon message.
void ShowHelp();
