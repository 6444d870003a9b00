// Where the run-time files are looked for: the working directory, an installation, a build folder in a checkout.
#include "platform/CCRunTimeFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

void MakeRunTimeFolders(const std::string& folder) {
    fs::create_directories(folder + "/rc");
    fs::create_directories(folder + "/res");
}

TEST(RunTimeFiles, TheWorkingDirectoryComesFirstThenTheInstallationThenACheckoutAboveTheBuild) {
    TempDir dir;
    const std::string prefix = dir.file("usr");
    MakeRunTimeFolders(prefix + "/share/flarewick");
    const std::string installed = prefix + "/bin/flarewick";
    const std::string checkout = dir.file("src");
    MakeRunTimeFolders(checkout);
    const std::string built = checkout + "/build/flarewick";
    const std::string elsewhere = dir.file("elsewhere");
    fs::create_directories(elsewhere);

    EXPECT_EQ(cocos2d::findRunTimeFolder(checkout, installed), "") << "a checkout's own folder is used as it is";
    EXPECT_EQ(cocos2d::findRunTimeFolder(elsewhere, installed), prefix + "/share/flarewick/");
    EXPECT_EQ(cocos2d::findRunTimeFolder(elsewhere, built), checkout + "/");
    // Only one of the two folders is not enough.
    fs::remove_all(prefix + "/share/flarewick/res");
    EXPECT_EQ(cocos2d::findRunTimeFolder(elsewhere, installed), "");
    EXPECT_EQ(cocos2d::findRunTimeFolder(elsewhere, ""), "");
}

} // namespace
