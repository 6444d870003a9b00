// The about dialog under Xvfb: the server's page when there is one, the program's own page without, OK closes it.
#include "ui/AboutDlg.h"

#include "LocalHttpServer.h"
#include "UiToolkit.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/webview.h>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace {

class GuiAboutDlg : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartToolkit()) << "no X display: run the GUI tests under Xvfb";
        frame = new wxFrame(nullptr, wxID_ANY, "host", wxPoint(50, 50), wxSize(600, 500));
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(50);
        unsetenv("FLAREWICK_SERVER");
    }

    // Shows the dialog modally until `done` holds for its page text (or 20 s
    // pass), then clicks OK; returns the modal result and the text seen.
    int showUntil(const std::function<bool(const std::string&)>& done, std::string& text, AboutDlg*& seen) {
        AboutDlg dlg(frame);
        seen = &dlg;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        wxTimer poll;
        bool clicked = false;
        std::chrono::steady_clock::time_point firstSeen{};
        poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (clicked) {
                if (dlg.IsModal()) dlg.EndModal(wxID_ABORT); // the click did not land
                return;
            }
            text = dlg.m_webView ? dlg.m_webView->GetPageSource().utf8_string() : std::string();
            // The page must stay as it is for a while, not just flash by.
            auto now = std::chrono::steady_clock::now();
            if (!done(text))
                firstSeen = {};
            else if (firstSeen == std::chrono::steady_clock::time_point{})
                firstSeen = now;
            bool settled = done(text) && now - firstSeen > std::chrono::milliseconds(600);
            if (settled || now > deadline) {
                clicked = true;
                ClickCentre(dlg.m_buttonOK);
            }
        });
        poll.Start(200);
        int result = dlg.ShowModal();
        poll.Stop();
        m_ownPage = dlg.showsOwnPage();
        return result;
    }

    wxFrame* frame = nullptr;
    bool m_ownPage = false;
};

TEST_F(GuiAboutDlg, ShowsTheServersAboutPage) {
    LocalHttpServer server;
    server.setAnswer(LocalHttpServer::page("<html><body><p>Flarewick about page served here</p></body></html>"));
    setenv("FLAREWICK_SERVER", server.hostPort().c_str(), 1);
    std::string text;
    AboutDlg* dlg = nullptr;
    int result = showUntil([](const std::string& t) { return t.find("served here") != std::string::npos; }, text, dlg);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_NE(text.find("served here"), std::string::npos) << text;
    EXPECT_FALSE(m_ownPage);
    ASSERT_GE(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].rfind("GET /editor/fw_about.php HTTP/1.1", 0), 0u);
}

TEST_F(GuiAboutDlg, WithoutAServerShowsItsOwnPage) {
    int deadPort;
    {
        LocalHttpServer gone;
        deadPort = gone.port();
    }
    setenv("FLAREWICK_SERVER", ("127.0.0.1:" + std::to_string(deadPort)).c_str(), 1);
    std::string text;
    AboutDlg* dlg = nullptr;
    int result = showUntil([](const std::string& t) { return t.find("1.7") != std::string::npos; }, text, dlg);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_TRUE(m_ownPage);
    EXPECT_NE(text.find("Flarewick"), std::string::npos) << text;
    EXPECT_NE(text.find("1.7"), std::string::npos) << text;
}

TEST_F(GuiAboutDlg, LayoutAndTitle) {
    AboutDlg dlg(frame);
    EXPECT_EQ(dlg.GetTitle().utf8_string(), "关于");
    ASSERT_NE(dlg.m_webView, nullptr);
    EXPECT_EQ(dlg.m_webView->GetId(), 10003);
    EXPECT_GE(dlg.m_webView->GetSize().x, 420);
    EXPECT_EQ(dlg.m_buttonOK->GetId(), wxID_OK);
    EXPECT_EQ(dlg.m_buttonOK->GetLabel(), "OK");
    EXPECT_EQ(dlg.GetDefaultItem(), dlg.m_buttonOK);
    EXPECT_GT(dlg.m_buttonOK->GetPosition().y, dlg.m_webView->GetPosition().y + 199);
}

} // namespace
