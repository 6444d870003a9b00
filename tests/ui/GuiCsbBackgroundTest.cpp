// Open with a Cocos Studio scene file: the background node it becomes, its pixels on screen, and refusals with their
// reason.
#include "MainFrameFixture.h"

#include "CsbTestWriter.h"
#include "X11Window.h"

#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCParticleSystemQuad.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "ui/UIButton.h"
#include "ui/UIText.h"

#include <wx/image.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

USING_NS_CC;
using Props = CsbTestWriter::Props;

namespace {

Node* Background() {
    return Director::getInstance()->getRunningScene()->getChildByName("bg_for_debug_particle");
}

void SolidPng(const std::string& path, int size, unsigned char r, unsigned char g, unsigned char b) {
    wxImage image(size, size);
    image.SetRGB(wxRect(0, 0, size, size), r, g, b);
    ASSERT_TRUE(image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG));
}

// A particle plist that emits magenta light around its node, for ever.
const char* const kMagentaPlist = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>maxParticles</key><integer>60</integer><key>duration</key><real>-1</real><key>emitterType</key><integer>0</integer>
<key>particleLifespan</key><real>2</real><key>speed</key><real>10</real><key>angle</key><real>90</real>
<key>startParticleSize</key><real>40</real><key>finishParticleSize</key><real>-1</real>
<key>startColorRed</key><real>1</real><key>startColorBlue</key><real>1</real><key>startColorAlpha</key><real>1</real>
<key>blendFuncSource</key><integer>770</integer><key>blendFuncDestination</key><integer>1</integer>
<key>textureFileName</key><string>fire.png</string>
</dict></plist>
)";

class GuiCsbBackground : public GuiMainFrameFixture {
protected:
    // The scene of the pixel test: a navy panel over the whole design area,
    // a red sprite, a green button titled "GO", a yellow text and particles.
    std::vector<uint8_t> testScene(float rootX, float rootY) {
        CsbTestWriter w;
        Props panelProps;
        panelProps.name = "panel";
        panelProps.width = 640;
        panelProps.height = 960;
        panelProps.anchorX = panelProps.anchorY = 0;
        auto panelWidget = w.widget(panelProps);
        auto noImage = w.resource("");
        const flatbuffers::Color navy(255, 0, 0, 128);
        const flatbuffers::ColorVector down(0, -1);
        auto panel = w.node("Panel", flatbuffers::CreatePanelOptions(w.fbb, panelWidget, noImage, false, &navy, &navy,
                                                                     &navy, 1, 255, &down));
        Props spriteProps;
        spriteProps.name = "red";
        spriteProps.x = 150;
        spriteProps.y = 800;
        auto sprite = w.sprite(spriteProps, "scene/red.png");
        Props buttonProps;
        buttonProps.name = "go";
        buttonProps.x = 400;
        buttonProps.y = 800;
        buttonProps.width = 200;
        buttonProps.height = 80;
        auto buttonWidget = w.widget(buttonProps);
        auto normal = w.resource("scene/green.png");
        auto title = w.fbb.CreateString("GO");
        auto fontName = w.fbb.CreateString("");
        const flatbuffers::Color white(255, 255, 255, 255);
        auto button = w.node("Button", flatbuffers::CreateButtonOptions(w.fbb, buttonWidget, normal, 0, 0, 0, title,
                                                                        fontName, 48, &white));
        Props textProps;
        textProps.name = "hello";
        textProps.x = 320;
        textProps.y = 500;
        textProps.r = 255, textProps.g = 255, textProps.b = 0;
        auto textWidget = w.widget(textProps);
        auto hello = w.fbb.CreateString("Hello");
        auto text = w.node("Text", flatbuffers::CreateTextOptions(w.fbb, textWidget, 0, 0, 64, hello));
        Props fxProps;
        fxProps.name = "fx";
        fxProps.x = 320;
        fxProps.y = 200;
        auto fx = w.particle(fxProps, "scene/magenta.plist");
        Props rootProps;
        rootProps.name = "Scene";
        rootProps.x = rootX;
        rootProps.y = rootY;
        rootProps.anchorX = rootProps.anchorY = 0;
        rootProps.width = 640;
        rootProps.height = 960;
        return w.finish(w.plainNode(rootProps, {panel, sprite, button, text, fx}));
    }

    void writeSceneFiles() {
        std::filesystem::create_directories(m_work->file("scene"));
        SolidPng(m_work->file("scene/red.png"), 40, 255, 0, 0);
        SolidPng(m_work->file("scene/green.png"), 8, 0, 200, 0);
        std::filesystem::copy_file(std::string(FW_SOURCE_DIR) + "/res/particle-fire.png",
                                   m_work->file("scene/fire.png"));
        std::ofstream(m_work->file("scene/magenta.plist")) << kMagentaPlist;
    }

    // Opens the file through the Open command, as a user choosing it would.
    void openThroughTheCommand(const std::string& path) {
        answerPaths({wxString::FromUTF8(path)});
        command(wxID_OPEN);
    }

    // The screen pixel under a point of the design area.
    wxPoint screenOf(float x, float y) {
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
        const Rect& viewport = view->getViewPortRect();
        const float frameHeight = view->getFrameSize().height;
        return wxPoint(origin.x + static_cast<int>(viewport.origin.x + x * view->getScaleX()),
                       origin.y + static_cast<int>(frameHeight - (viewport.origin.y + y * view->getScaleY())));
    }

    // Pixels of the design rectangle (x0, y0)-(x1, y1) on screen that pass the test.
    int count(X11Session& x11, float x0, float y0, float x1, float y1, const std::function<bool(const Rgb&)>& test) {
        const wxPoint a = screenOf(x0, y1), b = screenOf(x1, y0);
        Screenshot shot = x11.grab(a.x, a.y, b.x - a.x, b.y - a.y);
        int n = 0;
        for (const Rgb& c : shot.pixels)
            if (test(c)) ++n;
        return n;
    }
};

bool Near(const Rgb& c, int r, int g, int b) {
    return std::abs(c.r - r) <= 12 && std::abs(c.g - g) <= 12 && std::abs(c.b - b) <= 12;
}

TEST_F(GuiCsbBackground, OpenShowsTheSceneFileBehindTheEffectsAsTheGameWould) {
    writeSceneFiles();
    const std::string path = m_work->file("scene/level.csb");
    ASSERT_TRUE(CsbTestWriter::save(path, testScene(0, 0)));
    openThroughTheCommand(path);
    ASSERT_TRUE(m_dialogs.boxes.empty()) << m_dialogs.boxes[0].message;
    Node* background = Background();
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->getLocalZOrder(), -1);
    EXPECT_EQ(background->getPosition(), Vec2::ZERO);
    EXPECT_NE(dynamic_cast<ui::Button*>(background->getChildByName("go")), nullptr);
    EXPECT_NE(dynamic_cast<ui::Text*>(background->getChildByName("hello")), nullptr);
    EXPECT_NE(dynamic_cast<ParticleSystemQuad*>(background->getChildByName("fx")), nullptr);
    EXPECT_TRUE(treeRows().empty());
    EXPECT_TRUE(selection().empty());
    pump(1500); // the particles fill in

    X11Session x11;
    ASSERT_TRUE(x11.ok());
    const float scale = m_frame->engineView()->getScaleX();
    ASSERT_GT(scale, 0.5f);
    auto navy = [](const Rgb& c) { return Near(c, 0, 0, 128); };
    auto red = [](const Rgb& c) { return Near(c, 255, 0, 0); };
    auto green = [](const Rgb& c) { return Near(c, 0, 200, 0); };
    auto white = [](const Rgb& c) { return c.r > 200 && c.g > 200 && c.b > 200; };
    auto yellow = [](const Rgb& c) { return c.r > 180 && c.g > 180 && c.b < 80; };
    auto magenta = [](const Rgb& c) { return c.r > 60 && c.b > 150 && c.g < 60; };

    // The panel's colour where nothing else is drawn; the sprite red over 40 x 40 around (150, 800).
    EXPECT_GT(count(x11, 20, 20, 120, 120, navy), static_cast<int>(90 * 90 * scale * scale));
    EXPECT_GT(count(x11, 135, 785, 165, 815, red), static_cast<int>(26 * 26 * scale * scale));
    EXPECT_EQ(count(x11, 180, 780, 290, 820, red), 0);
    // The button's image fills 200 x 80 around (400, 800), its title in white over it.
    EXPECT_GT(count(x11, 305, 765, 495, 775, green), static_cast<int>(180 * 8 * scale * scale));
    EXPECT_GT(count(x11, 330, 770, 470, 830, white), 100);
    EXPECT_EQ(count(x11, 290, 700, 510, 755, white), 0);
    // The text in yellow around (320, 500), and nowhere near the button.
    EXPECT_GT(count(x11, 200, 460, 440, 540, yellow), 300);
    EXPECT_EQ(count(x11, 0, 600, 640, 740, yellow), 0);
    // Magenta particles around (320, 200).
    EXPECT_GT(count(x11, 260, 140, 380, 260, magenta), 100);
    EXPECT_EQ(count(x11, 0, 400, 640, 460, magenta), 0);
    if (HasFailure() || getenv("FW_SAVE_FRAME")) {
        const wxPoint a = screenOf(0, 960), b = screenOf(640, 0);
        x11.grab(a.x, a.y, b.x - a.x, b.y - a.y).savePpm("/tmp/csb-background.ppm");
    }
}

TEST_F(GuiCsbBackground, ASceneFileReplacesTheOldBackgroundOnlyWhenItLoads) {
    writeSceneFiles();
    const std::string first = m_work->file("scene/first.csb");
    const std::string moved = m_work->file("scene/moved.csb");
    ASSERT_TRUE(CsbTestWriter::save(first, testScene(0, 0)));
    ASSERT_TRUE(CsbTestWriter::save(moved, testScene(30, -40)));
    openThroughTheCommand(first);
    Node* old = Background();
    ASSERT_NE(old, nullptr);
    const int children = sceneChildCount();

    // The file's own position stays; the old background goes.
    openThroughTheCommand(moved);
    Node* replaced = Background();
    ASSERT_NE(replaced, nullptr);
    EXPECT_NE(replaced, old);
    EXPECT_EQ(replaced->getPosition(), Vec2(30, -40));
    EXPECT_EQ(sceneChildCount(), children);

    // Broken files: the box says which file and why; the background stays.
    const std::string truncated = m_work->file("scene/truncated.csb");
    const std::vector<uint8_t> whole = testScene(0, 0);
    ASSERT_TRUE(CsbTestWriter::save(truncated, std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() / 2)));
    const std::string empty = m_work->file("scene/empty.csb");
    std::ofstream(empty).close();
    for (const std::string& bad : {truncated, empty, m_work->file("scene/absent.csb")}) {
        SCOPED_TRACE(bad);
        m_dialogs.boxes.clear();
        openThroughTheCommand(bad);
        ASSERT_EQ(m_dialogs.boxes.size(), 1u);
        EXPECT_EQ(m_dialogs.boxes[0].caption, wxString::FromUTF8("提示"));
        const wxString head =
            wxString::FromUTF8("无法加载背景文件！") + wxS("\n") + wxString::FromUTF8(bad) + wxS("\n");
        EXPECT_TRUE(m_dialogs.boxes[0].message.StartsWith(head)) << m_dialogs.boxes[0].message;
        EXPECT_GT(m_dialogs.boxes[0].message.length(), head.length());
        EXPECT_EQ(Background(), replaced);
        EXPECT_EQ(sceneChildCount(), children);
    }
    EXPECT_TRUE(m_frame->engineHost().pumpRunning());
}

} // namespace
