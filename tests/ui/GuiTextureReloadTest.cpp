// Pictures rewritten on disk show in the view without reopening: background, effect textures, the real program.
#include "EngineHostScreen.h"
#include "MainFrameFixture.h"
#include "ViewShot.h"

#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/PreviewCommands.h"
#include "ui/TextureReloader.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/statusbr.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

void WritePicture(const std::string& path, int size, unsigned char r, unsigned char g, unsigned char b) {
    // The test of the separate program has no main window that registered it.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxImage image(size, size);
    image.SetRGB(wxRect(0, 0, size, size), r, g, b);
    ASSERT_TRUE(image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG));
}

void WriteBroken(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "\x89PNG\r\n\x1a\n but cut short";
}

bool Near(const Rgb& c, int r, int g, int b) {
    return std::abs(c.r - r) < 12 && std::abs(c.g - g) < 12 && std::abs(c.b - b) < 12;
}

} // namespace

class GuiTextureReload : public GuiMainFrameFixture {
protected:
    Rgb centre() {
        pump(60);
        const ViewShot seen = ViewShot::of(m_frame->engineView());
        const cocos2d::Size win = cocos2d::Director::getInstance()->getWinSize();
        const wxPoint at = seen.pixelOf(cocos2d::Vec2(win.width / 2, win.height / 2));
        return seen.shot.width > 0 ? seen.shot.at(at.x, at.y) : Rgb();
    }
    // Seconds until the centre of the view shows the colour; negative when it never did within four.
    double secondsUntilCentreIs(int r, int g, int b) {
        const auto start = std::chrono::steady_clock::now();
        if (!pumpUntil([&] { return Near(centre(), r, g, b); }, 4)) return -1;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

TEST_F(GuiTextureReload, BackgroundRewrittenShowsWithinTwoSecondsAndABrokenOneKeepsThePicture) {
    const std::string path = m_work->file("backdrop.png");
    WritePicture(path, 64, 200, 30, 30);
    m_frame->documents().openPath(wxString::FromUTF8(path));
    ASSERT_GE(secondsUntilCentreIs(200, 30, 30), 0) << "the background did not show";
    // The file is known before it changes, and the kept backdrop has
    // settled (the reload must get past it).
    m_frame->preview().textures().checkNow();
    pump(500);

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WritePicture(path, 64, 30, 60, 220);
    const double seconds = secondsUntilCentreIs(30, 60, 220);
    ASSERT_GE(seconds, 0) << "the new picture never showed";
    EXPECT_LT(seconds, 2.0);

    wxStatusBar* bar = m_frame->GetStatusBar();
    bar->SetStatusText(wxString(), 0);
    WriteBroken(path);
    ASSERT_TRUE(pumpUntil([&] { return !bar->GetStatusText(0).empty(); }, 3)) << "the failure was not told";
    EXPECT_TRUE(bar->GetStatusText(0).StartsWith(wxString::FromUTF8("图片无法读取，仍显示原来的图片：")))
        << bar->GetStatusText(0);
    EXPECT_TRUE(bar->GetStatusText(0).EndsWith(wxString::FromUTF8(path)));
    EXPECT_TRUE(Near(centre(), 30, 60, 220)) << "a broken file replaced the picture";
    // Told once: nothing changed since, nothing more is said.
    bar->SetStatusText(wxS("other"), 0);
    pump(1500);
    EXPECT_EQ(bar->GetStatusText(0), wxS("other"));
}

TEST_F(GuiTextureReload, AnEffectTextureTakesTheNewPictureAndItsSize) {
    const std::string path = m_work->file("spark.png");
    WritePicture(path, 16, 255, 255, 255);
    ParticleSystem2DEditor* effect = newParticle();
    ASSERT_NE(effect, nullptr);
    ASSERT_TRUE(effect->changeTexture(wxString::FromUTF8(path)));
    cocos2d::Texture2D* texture = effect->getTexture();
    TextureReloader& reloader = m_frame->preview().textures();
    EXPECT_EQ(reloader.checkNow(), 0) << "nothing changed yet";

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WritePicture(path, 32, 255, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return texture->getContentSize().width == 32; }, 2)) << "not reloaded in 2 s";
    EXPECT_EQ(effect->getTexture(), texture) << "the effect's texture is reloaded in place";
    EXPECT_EQ(effect->textureName, wxS("spark.png")) << "the saved name stays";
}

TEST_F(GuiTextureReload, AnEmbeddedTextureIsNeverReplaced) {
    const std::string plist = dataPath("plists/lhcocos/ButterFlyYFlipped.plist");
    const std::string copy = m_work->file("butterfly.plist");
    {
        std::ifstream in(plist, std::ios::binary);
        std::ofstream out(copy, std::ios::binary);
        out << in.rdbuf();
    }
    m_frame->documents().openPath(wxString::FromUTF8(copy));
    pump(100);
    ASSERT_FALSE(selection().empty());
    auto* effect = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    ASSERT_NE(effect, nullptr);
    ASSERT_FALSE(effect->embeddedTexture().empty());
    cocos2d::Texture2D* texture = effect->getTexture();
    ASSERT_NE(texture, nullptr);
    const cocos2d::Size size = texture->getContentSize();
    const GLuint name = texture->getName();
    // A file now appears under the texture's name beside the effect.
    TextureReloader& reloader = m_frame->preview().textures();
    reloader.checkNow();
    WritePicture(m_work->file("Untitled 1.png"), 8, 0, 255, 0);
    pump(1300);
    EXPECT_EQ(reloader.checkNow(), 0);
    EXPECT_EQ(effect->getTexture(), texture);
    EXPECT_EQ(texture->getContentSize(), size);
    EXPECT_EQ(texture->getName(), name);
}

// The real program with a background named on its command line: the picture
// rewritten by the test is on screen within two seconds.
TEST(GuiTextureReloadProgram, RewrittenBackgroundShowsInTheRunningEditor) {
    TempDir work;
    const std::string path = work.file("backdrop.png");
    WritePicture(path, 64, 200, 30, 30);
    RunningEditor editor(work.path(), {"GSETTINGS_BACKEND=memory"}, {path});
    ASSERT_NE(editor.window(), 0u) << editor.log();
    auto centre = [&] {
        const Screenshot shot = editor.shootView();
        return shot.width > 0 ? shot.at(shot.width / 2, shot.height / 2) : Rgb();
    };
    auto waitFor = [&](int r, int g, int b, double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end)
            if (Near(centre(), r, g, b)) return true;
        return false;
    };
    ASSERT_TRUE(waitFor(200, 30, 30, 10)) << "the background did not show\n" << editor.log();
    // The editor looks at the files in use once a second.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));

    WritePicture(path, 64, 30, 60, 220);
    // A screenshot takes a third of a second; the picture must be there by two.
    EXPECT_TRUE(waitFor(30, 60, 220, 2.0)) << "not reloaded within 2 s";

    WriteBroken(path);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(Near(centre(), 30, 60, 220)) << "a broken rewrite replaced the picture";
    editor.x().requestClose(editor.window());
    EXPECT_TRUE(editor.process().waitExit(20));
}
