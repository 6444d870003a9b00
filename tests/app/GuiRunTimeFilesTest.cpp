// Checks the pictures the program loads at run time: rc/ through the toolkit, res/ through the engine.
#include "platform/CCImage.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/iconbndl.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSource(FW_SOURCE_DIR);

// Every bitmap that the menus, the toolbar and the view's context menu name.
const std::vector<std::string> kMenuBitmaps = {
    "wxART_NEW.png",  "wxART_FILE_OPEN.png", "wxART_FILE_SAVE.png", "wxART_FILE_SAVE_AS.png",
    "wxART_QUIT.png", "wxART_PLUS.png",      "wxART_DELETE.png",    "ID_REPLAY.png",
    "wxART_NULL.png", "wxART_HELP.png",      "wxART_GO_DOWN.png",
};
const std::string kWindowIcon = "Icon.ico";
const std::string kManifest = "MANIFEST.md";

bool g_started = false;

// Shuts the toolkit down after the last test of the process.
class ToolkitEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (g_started) wxEntryCleanup();
        g_started = false;
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

// Starts the toolkit once, with the image handlers the program registers for
// these files; a failure comes back as text so each test fails loudly.
std::string StartToolkit() {
    if (g_started) return std::string();
    if (!std::getenv("DISPLAY")) return "GUI tests need an X display (run them under xvfb-run)";
    setenv("GDK_BACKEND", "x11", 0);
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return "the toolkit did not start";
    g_started = true;
    if (!wxTheApp->CallOnInit()) return "the application object did not initialise";
    // Load errors go to the test output; the GUI log would wait for an event loop.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO)) wxImage::AddHandler(new wxICOHandler);
    return std::string();
}

class GuiRunTimeFiles : public ::testing::Test {
protected:
    void SetUp() override {
        static const std::string failure = StartToolkit();
        ASSERT_TRUE(failure.empty()) << failure;
    }
};

// A drawn picture has both see-through and solid pixels; a blank or a filled square has not.
void ExpectTransparentAndOpaquePixels(const wxImage& image) {
    ASSERT_TRUE(image.HasAlpha());
    int transparent = 0, opaque = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const unsigned char a = image.GetAlpha(x, y);
            transparent += a == 0;
            opaque += a == 255;
        }
    }
    EXPECT_GT(transparent, 0) << "no transparent pixel";
    EXPECT_GT(opaque, 0) << "no opaque pixel";
}

void CheckMenuBitmap(const std::string& name) {
    SCOPED_TRACE("rc/" + name);
    const fs::path path = kSource / "rc" / name;
    ASSERT_TRUE(fs::is_regular_file(path)) << "missing";
    wxImageHandler* png = wxImage::FindHandler(wxBITMAP_TYPE_PNG);
    ASSERT_NE(nullptr, png);
    EXPECT_TRUE(png->CanRead(path.string())) << "not a PNG file";

    // As the menus and the toolbar load it.
    const wxBitmap bitmap(path.string(), wxBITMAP_TYPE_ANY);
    ASSERT_TRUE(bitmap.IsOk()) << "the toolkit cannot load it";
    EXPECT_EQ(16, bitmap.GetWidth());
    EXPECT_EQ(16, bitmap.GetHeight());
    EXPECT_TRUE(bitmap.HasAlpha()) << "no alpha channel";
    ExpectTransparentAndOpaquePixels(bitmap.ConvertToImage());
}

TEST_F(GuiRunTimeFiles, EveryNamedMenuAndToolBitmapIs16By16WithAlpha) {
    for (const std::string& name : kMenuBitmaps) CheckMenuBitmap(name);
}

TEST_F(GuiRunTimeFiles, EveryOtherFileInRcIsALoadableBitmapToo) {
    const std::set<std::string> known(kMenuBitmaps.begin(), kMenuBitmaps.end());
    const fs::path rc = kSource / "rc";
    ASSERT_TRUE(fs::is_directory(rc));
    for (const fs::directory_entry& entry : fs::directory_iterator(rc)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        if (known.count(name) || name == kWindowIcon || name == kManifest) continue;
        if (entry.path().extension() == ".png")
            CheckMenuBitmap(name);
        else
            ADD_FAILURE() << "rc/" << name << " is neither a bitmap nor the window icon";
    }
}

TEST_F(GuiRunTimeFiles, WindowIconHolds16And32And48PixelImagesWithAlpha) {
    const fs::path path = kSource / "rc" / kWindowIcon;
    ASSERT_TRUE(fs::is_regular_file(path)) << "rc/" << kWindowIcon << " is missing";
    const wxString file = path.string();

    // As the main window loads it.
    const wxIcon icon(file, wxBITMAP_TYPE_ICO);
    EXPECT_TRUE(icon.IsOk());

    const wxIconBundle bundle(file, wxBITMAP_TYPE_ICO);
    ASSERT_FALSE(bundle.IsEmpty());
    EXPECT_EQ(3u, bundle.GetIconCount());
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const wxIcon exact = bundle.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE);
        ASSERT_TRUE(exact.IsOk()) << "no image of this size";
        EXPECT_EQ(size, exact.GetWidth());
        EXPECT_EQ(size, exact.GetHeight());
    }

    const int count = wxImage::GetImageCount(file, wxBITMAP_TYPE_ICO);
    ASSERT_EQ(3, count);
    std::set<int> sizes;
    for (int index = 0; index < count; ++index) {
        SCOPED_TRACE(index);
        wxImage image;
        ASSERT_TRUE(image.LoadFile(file, wxBITMAP_TYPE_ICO, index));
        EXPECT_EQ(image.GetWidth(), image.GetHeight());
        sizes.insert(image.GetWidth());
        ExpectTransparentAndOpaquePixels(image);
    }
    EXPECT_EQ((std::set<int>{16, 32, 48}), sizes);
}

// ---- res/: read by the engine, which needs no display ----

// Holds an engine image and puts the process-wide premultiplication switch back.
class EngineImage {
public:
    explicit EngineImage(bool premultiply) : m_image(new cocos2d::Image) {
        cocos2d::Image::setPNGPremultipliedAlphaEnabled(premultiply);
    }
    ~EngineImage() {
        m_image->release();
        cocos2d::Image::setPNGPremultipliedAlphaEnabled(true);
    }
    EngineImage(const EngineImage&) = delete;
    EngineImage& operator=(const EngineImage&) = delete;

    cocos2d::Image* operator->() const { return m_image; }
    const unsigned char* pixel(int x, int y) const { return m_image->getData() + 4 * (y * m_image->getWidth() + x); }

private:
    cocos2d::Image* m_image;
};

std::string ResPath(const std::string& name) {
    return (kSource / "res" / name).string();
}

TEST(RunTimeResFiles, ParticleTextureIsA32By32WhiteGlowWithStraightAlpha) {
    // Read without premultiplication, to see the file's own colour values.
    EngineImage image(false);
    ASSERT_TRUE(fs::is_regular_file(ResPath("particle-fire.png"))) << "res/particle-fire.png is missing";
    ASSERT_TRUE(image->initWithImageFile(ResPath("particle-fire.png")));
    ASSERT_EQ(32, image->getWidth());
    ASSERT_EQ(32, image->getHeight());
    ASSERT_EQ(cocos2d::Texture2D::PixelFormat::RGBA8888, image->getRenderFormat());
    EXPECT_TRUE(image->hasAlpha());

    for (auto [x, y] : {std::pair{15, 15}, {16, 15}, {15, 16}, {16, 16}}) {
        const unsigned char* p = image.pixel(x, y);
        EXPECT_EQ(255, p[0]);
        EXPECT_EQ(255, p[1]);
        EXPECT_EQ(255, p[2]);
        EXPECT_EQ(255, p[3]) << "centre pixel " << x << "," << y << " is not opaque";
    }
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_EQ(0, image.pixel(x, y)[3]) << "corner " << x << "," << y << " is not transparent";

    // White wherever it shows: premultiplied colour would darken towards the rim.
    int soft = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const unsigned char* p = image.pixel(x, y);
            if (p[3] == 0) continue;
            soft += p[3] < 255;
            EXPECT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255)
                << "pixel " << x << "," << y << " is not white at alpha " << int(p[3]);
        }
    }
    EXPECT_GT(soft, 100) << "the glow has no soft fall-off";

    // The alpha falls off from the middle towards the edge, never rising again.
    for (int x = 17; x < 32; ++x)
        EXPECT_LE(image.pixel(x, 16)[3], image.pixel(x - 1, 16)[3]) << "alpha rises at x " << x;
}

TEST(RunTimeResFiles, ReferenceSpriteIs64By64WithTransparency) {
    EngineImage image(true);
    ASSERT_TRUE(fs::is_regular_file(ResPath("Sprite.png"))) << "res/Sprite.png is missing";
    ASSERT_TRUE(image->initWithImageFile(ResPath("Sprite.png")));
    ASSERT_EQ(64, image->getWidth());
    ASSERT_EQ(64, image->getHeight());
    ASSERT_EQ(cocos2d::Texture2D::PixelFormat::RGBA8888, image->getRenderFormat());
    EXPECT_TRUE(image->hasAlpha());
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}})
        EXPECT_EQ(0, image.pixel(x, y)[3]) << "corner " << x << "," << y << " is not transparent";
    EXPECT_EQ(255, image.pixel(32, 36)[3]) << "the figure's body is not opaque";
}

TEST(RunTimeResFiles, ResHoldsNothingTheEngineCannotRead) {
    const fs::path res = kSource / "res";
    ASSERT_TRUE(fs::is_directory(res));
    for (const fs::directory_entry& entry : fs::directory_iterator(res)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        if (name == kManifest) continue;
        EngineImage image(true);
        EXPECT_TRUE(image->initWithImageFile(entry.path().string())) << "res/" << name;
    }
}

} // namespace
