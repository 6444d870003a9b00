// Collects toolkit assertion messages during a test instead of showing a dialog.
#include "AssertCapture.h"

#include <wx/debug.h>
#include <wx/string.h>

namespace {
std::vector<std::string> g_messages;
wxAssertHandler_t g_previous = nullptr;

void recordAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
    g_messages.push_back((msg.empty() ? cond : msg).utf8_string());
}
}

AssertCapture::AssertCapture() {
    g_messages.clear();
    g_previous = wxSetAssertHandler(&recordAssert);
}

AssertCapture::~AssertCapture() {
    wxSetAssertHandler(g_previous);
}

const std::vector<std::string>& AssertCapture::messages() const {
    return g_messages;
}

void AssertCapture::clear() {
    g_messages.clear();
}
