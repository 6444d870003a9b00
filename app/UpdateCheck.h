// The update check at start-up and the check-update and help commands.
#pragma once

#include <string>

class wxWindow;

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

// The answer at start-up can arrive before the main window is on screen. A
// box opened then would stand alone on an empty screen, with the window held
// back behind it. HoldUpdateAnswers() (before the request) keeps the newest
// answer waiting; ReleaseUpdateAnswers(window) (the window is mapped and has
// drawn a frame) acts on it, and every later one, with the window as the
// boxes' parent. DropUpdateAnswers() (closing has begun) discards answers
// still on their way, including one already passed on to the event loop.
void HoldUpdateAnswers();
void ReleaseUpdateAnswers(wxWindow* window);
void DropUpdateAnswers();

// Only web pages are opened from the server's links: http and https.
bool IsWebLink(const std::string& url);

// Takes an answer body as the new ServerSettings and offers the update when
// it names a newer version.
void AcceptUpdateAnswer(const std::string& body);

// The check-update command: offer the update, or say there is none, or say
// that the version is not known yet.
void CheckForUpdate();

// The help command: the server's help page, or the coming-soon message.
void ShowHelp();
