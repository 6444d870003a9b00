// The installation: every file in its place and valid for the desktop's own checkers; the installed program run from
// anywhere.
#include "ChildProcess.h"
#include "TempDir.h"
#include "X11Window.h"

#include "base/CCRef.h"
#include "platform/CCImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char kAppId[] = "org.flarewick.Flarewick";

// The command's standard output and error, and whether it succeeded.
struct Outcome {
    bool ok = false;
    std::string output;
};

Outcome RunCommand(const std::string& command) {
    Outcome outcome;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) outcome.output += buffer;
        outcome.ok = pclose(pipe) == 0;
    }
    return outcome;
}

// One install of the build into a temporary DESTDIR with prefix /usr,
// shared by the tests of this file.
class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = std::make_unique<TempDir>();
        s_install = RunCommand("DESTDIR='" + s_root->path() + "' cmake --install '" FW_BINARY_DIR "' --prefix /usr");
    }
    static void TearDownTestSuite() { s_root.reset(); }
    void SetUp() override { ASSERT_TRUE(s_install.ok) << s_install.output; }

    static std::string usr(const std::string& relative) { return s_root->path() + "/usr/" + relative; }

    static std::unique_ptr<TempDir> s_root;
    static Outcome s_install;
};
std::unique_ptr<TempDir> Installed::s_root;
Outcome Installed::s_install;

// The size a PNG file's header gives.
bool PngSize(const std::string& path, int& width, int& height) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    width = header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19];
    height = header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23];
    return header[1] == 'P' && header[2] == 'N' && header[3] == 'G';
}

using InstalledFiles = Installed;

TEST_F(InstalledFiles, EveryPieceIsInItsPlaceAndPassesTheDesktopsCheckers) {
    for (const char* program : {"flarewick", "particle-check", "particle-info", "particle-render"}) {
        const fs::path path = usr(std::string("bin/") + program);
        EXPECT_TRUE(fs::exists(path) && (fs::status(path).permissions() & fs::perms::owner_exec) != fs::perms::none)
            << path;
        const std::string manual = usr(std::string("share/man/man1/") + program + ".1");
        const Outcome man = RunCommand("MANWIDTH=80 man --warnings -l '" + manual + "' >/dev/null");
        EXPECT_TRUE(man.ok && man.output.empty()) << manual << "\n" << man.output;
    }
    for (const char* file : {"rc/Icon.ico", "rc/wxART_NEW.png", "res/particle-fire.png", "res/Sprite.png"})
        EXPECT_TRUE(fs::exists(usr(std::string("share/flarewick/") + file))) << file;
    for (int size : {16, 32, 48, 128, 256}) {
        const std::string icon = usr("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                                     "/apps/" + kAppId + ".png");
        int width = 0, height = 0;
        EXPECT_TRUE(PngSize(icon, width, height) && width == size && height == size) << icon;
    }

    const std::string desktop = usr(std::string("share/applications/") + kAppId + ".desktop");
    const Outcome entry = RunCommand("desktop-file-validate '" + desktop + "'");
    EXPECT_TRUE(entry.ok && entry.output.empty()) << entry.output;
    const std::string metainfo = usr(std::string("share/metainfo/") + kAppId + ".metainfo.xml");
    const Outcome metadata = RunCommand("appstreamcli validate --no-net '" + metainfo + "'");
    EXPECT_TRUE(metadata.ok) << metadata.output;
}

TEST_F(InstalledFiles, TheInstalledProgramSpeaksEnglishFromItsInstalledCatalog) {
    const std::string catalog = usr("share/locale/en/LC_MESSAGES/flarewick.mo");
    ASSERT_TRUE(fs::exists(catalog));
    // Run from an empty folder, so nothing beside the build can answer.
    TempDir empty;
    const std::string run = "cd '" + empty.path() + "' && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u FLAREWICK_LANG ";
    const Outcome english = RunCommand(run + "LANG=en_US.UTF-8 '" + usr("bin/flarewick") + "' --help");
    EXPECT_TRUE(english.ok);
    EXPECT_NE(english.output.find("Show the version and exit"), std::string::npos) << english.output;
    const Outcome chinese = RunCommand(run + "LANG=zh_CN.UTF-8 '" + usr("bin/flarewick") + "' --help");
    EXPECT_NE(chinese.output.find("显示版本号并退出"), std::string::npos) << chinese.output;

    // Without its catalog the program still starts, in Chinese, and says why.
    fs::rename(catalog, catalog + ".away");
    const Outcome missing = RunCommand(run + "LANG=en_US.UTF-8 '" + usr("bin/flarewick") + "' --help");
    fs::rename(catalog + ".away", catalog);
    EXPECT_TRUE(missing.ok);
    EXPECT_NE(missing.output.find("显示版本号并退出"), std::string::npos) << missing.output;
    EXPECT_NE(missing.output.find("catalog"), std::string::npos) << missing.output;
}

// The package built by CPack from this build: its dependencies come from the
// system's own tool, and must name the package of every library that the
// four programs load.
TEST_F(InstalledFiles, TheDebianPackageDependsOnThePackageOfEveryLibraryItsProgramsNeed) {
    const std::string out = s_root->file("package");
    const Outcome built = RunCommand("cpack -G DEB --config '" FW_BINARY_DIR "/CPackConfig.cmake' -B '" + out + "'");
    ASSERT_TRUE(built.ok) << built.output;
    const std::string deb = RunCommand("ls '" + out + "'/flarewick_*_amd64.deb").output;
    ASSERT_FALSE(deb.empty());
    const std::string file = deb.substr(0, deb.find('\n'));
    const Outcome depends = RunCommand("dpkg-deb -f '" + file + "' Depends");
    ASSERT_TRUE(depends.ok) << depends.output;
    const Outcome unpacked = RunCommand("dpkg-deb -x '" + file + "' '" + out + "/root'");
    ASSERT_TRUE(unpacked.ok) << unpacked.output;

    const Outcome checked = RunCommand("python3 '" FW_SOURCE_DIR "/tests/app/package_dependencies.py' '" + out +
                                       "/root/usr/bin' '" + depends.output + "'");
    EXPECT_TRUE(checked.ok) << "libraries checked, and those whose package is not a dependency:\n"
                            << checked.output << "Depends: " << depends.output;
}

// A picture of one colour, written through the engine.
bool WriteSolidPng(const std::string& path, unsigned char r, unsigned char g, unsigned char b) {
    std::vector<unsigned char> pixels(32 * 32 * 4, 255);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = r;
        pixels[i + 1] = g;
        pixels[i + 2] = b;
    }
    auto* image = new cocos2d::Image;
    const bool ok = image->initWithRawData(pixels.data(), static_cast<ssize_t>(pixels.size()), 32, 32, 8, false) &&
                    image->saveToFile(path, false);
    image->release();
    return ok;
}

using GuiInstalledProgram = Installed;

// Started from a folder that holds nothing, the installed program finds its
// pictures and textures in the installation: its toolbar has its pictures,
// and an effect whose texture is not beside its file is drawn with the
// installation's default texture, made pure green here so that it shows.
TEST_F(GuiInstalledProgram, StartedFromAnEmptyFolderShowsItsIconsAndDrawsWithTheInstalledTexture) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    ASSERT_TRUE(WriteSolidPng(usr("share/flarewick/res/particle-fire.png"), 0, 255, 0));
    // A Flower that names the default texture and embeds no picture.
    const std::string effect = s_root->file("flower.plist");
    const Outcome written = RunCommand(
        "python3 -c 'import plistlib, sys; d = plistlib.load(open(sys.argv[1], \"rb\")); "
        "d.pop(\"textureImageData\", None); d[\"textureFileName\"] = \"particle-fire.png\"; "
        "plistlib.dump(d, open(sys.argv[2], \"wb\"))' '" FW_TESTDATA_DIR "/plists/cocos2d-objc/Flower.plist' '" +
        effect + "'");
    ASSERT_TRUE(written.ok) << written.output;

    TempDir empty;
    ChildProcess app(usr("bin/flarewick"), {effect}, empty.path(), {"HOME=" + empty.path()},
                     s_root->file("output.log"));
    const XWindow window = x.waitForWindow("Flarewick(Cocos2dx)", 30);
    ASSERT_NE(0u, window);
    usleep(2500000);
    const Screenshot shot = x.grabWindow(window);
    ASSERT_GT(shot.width, 1000);

    // The toolbar's red and green tools ("删除" and "新创建粒子").
    int red = 0, green = 0;
    for (int y = 0; y < 120; ++y)
        for (int xx = 0; xx < shot.width / 2; ++xx) {
            const Rgb c = shot.at(xx, y);
            red += std::abs(c.r - 0xE0) < 40 && std::abs(c.g - 0x45) < 40 && std::abs(c.b - 0x3A) < 40;
            green += std::abs(c.r - 0x4C) < 40 && std::abs(c.g - 0xB0) < 40 && std::abs(c.b - 0x50) < 40;
        }
    EXPECT_GT(red, 10) << "no toolbar pictures";
    EXPECT_GT(green, 10) << "no toolbar pictures";

    // Around the middle of the view, where the effect is: only green light
    // (the selection frame's red aside).
    int lit = 0, otherThanGreen = 0;
    for (int y = shot.height / 2 - 200; y < shot.height / 2 + 200; ++y)
        for (int xx = 340; xx < 740; ++xx) {
            const Rgb c = shot.at(xx, y);
            if (std::max({c.r, c.g, c.b}) <= 40 || (c.r > 180 && c.g < 80 && c.b < 80)) continue;
            ++lit;
            otherThanGreen += c.r > 40 || c.b > 40;
        }
    EXPECT_GT(lit, 200) << "the effect is not drawn\n" << ReadFileText(s_root->file("output.log"));
    EXPECT_LT(otherThanGreen, lit / 20) << "the effect was drawn with a picture other than the installed one";
    x.requestClose(window);
    EXPECT_TRUE(app.waitExit(15));
}

} // namespace
