// Replacing a file's contents: read-only files, planted links, hard links, owners, folders that are no files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempDir.h"
#include "platform/CCFileReplace.h"
#include "platform/CCFileUtils.h"

using cocos2d::FileUtils;
namespace fs = std::filesystem;

namespace {

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st;
}

size_t EntriesIn(const std::string& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

bool Write(const std::string& text, const std::string& path) {
    return FileUtils::getInstance()->writeStringToFile(text, path);
}

} // namespace

TEST(FileReplace, AFileThatAPlainWriteCouldNotChangeIsRefusedAndLeftAsItWas) {
    TempDir dir;
    dir.write("locked.plist", "old");
    const std::string locked = dir.file("locked.plist");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    const struct stat before = StatOf(locked);

    EXPECT_FALSE(Write("new", locked));
    EXPECT_EQ(cocos2d::replaceFileContents(locked, "new", 3), EACCES);
    EXPECT_EQ(dir.read("locked.plist"), "old");
    const struct stat after = StatOf(locked);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "a temporary was left behind";

    // Reached through a link, the same file is refused the same way.
    const std::string link = dir.file("link.plist");
    fs::create_symlink(locked, link);
    EXPECT_FALSE(Write("new", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.read("locked.plist"), "old");

    // A write bit for anyone makes it writable again.
    ASSERT_EQ(chmod(locked.c_str(), 0644), 0);
    EXPECT_TRUE(Write("new", locked));
    EXPECT_EQ(dir.read("locked.plist"), "new");
}

TEST(FileReplace, ALinkPlantedWhereATemporaryCouldBeExpectedIsNeverFollowed) {
    TempDir dir;
    dir.write("victim.txt", "precious");
    dir.write("fx.plist", "old");
    const std::string target = dir.file("fx.plist");
    // The names a writer with a foreseeable temporary would use.
    for (const std::string& guess : {target + ".tmp-" + std::to_string(getpid()), target + ".tmp"})
        fs::create_symlink(dir.file("victim.txt"), guess);

    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Write("new " + std::to_string(i), target));
    EXPECT_EQ(dir.read("victim.txt"), "precious");
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(dir.read("fx.plist"), "new 2");
    EXPECT_EQ(EntriesIn(dir.path()), 4u) << "victim, file and the two planted links only";
}

TEST(FileReplace, HardLinksKeepSharingTheNewContents) {
    TempDir dir;
    dir.write("a.plist", "old contents, longer than the new");
    const std::string a = dir.file("a.plist"), b = dir.file("b.plist");
    ASSERT_EQ(link(a.c_str(), b.c_str()), 0);
    const ino_t inode = StatOf(a).st_ino;

    ASSERT_TRUE(Write("new", a));
    EXPECT_EQ(dir.read("a.plist"), "new");
    EXPECT_EQ(dir.read("b.plist"), "new");
    EXPECT_EQ(StatOf(a).st_ino, inode);
    EXPECT_EQ(StatOf(b).st_nlink, 2u);
    EXPECT_EQ(EntriesIn(dir.path()), 2u);

    // Growing works in place as well.
    const std::string longer(5000, 'x');
    ASSERT_TRUE(Write(longer, b));
    EXPECT_EQ(dir.read("a.plist"), longer);
}

TEST(FileReplace, TheReplacementKeepsTheOwnerAndModeAndANewFileFollowsTheUmask) {
    TempDir dir;
    dir.write("theirs.plist", "old");
    const std::string theirs = dir.file("theirs.plist");
    // Only root can give a file to someone else; as anyone else the owner
    // is our own and the check below still holds.
    const uid_t owner = geteuid() == 0 ? 4321 : geteuid();
    const gid_t group = geteuid() == 0 ? 4322 : getegid();
    ASSERT_EQ(chown(theirs.c_str(), owner, group), 0);
    ASSERT_EQ(chmod(theirs.c_str(), 0664), 0);
    ASSERT_TRUE(Write("new", theirs));
    const struct stat st = StatOf(theirs);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(dir.read("theirs.plist"), "new");

    const mode_t old = umask(027);
    const bool made = Write("fresh", dir.file("fresh.plist"));
    umask(old);
    ASSERT_TRUE(made);
    EXPECT_EQ(StatOf(dir.file("fresh.plist")).st_mode & 07777, 0640u);
}

TEST(FileReplace, FoldersAndMissingPlacesAreRefusedWithTheirReason) {
    TempDir dir;
    fs::create_directory(dir.file("folder.plist"));
    EXPECT_EQ(cocos2d::replaceFileContents(dir.file("folder.plist"), "x", 1), EISDIR);
    EXPECT_EQ(cocos2d::replaceFileContents(dir.file("missing/out.plist"), "x", 1), ENOENT);
    dir.write("file", "x");
    EXPECT_EQ(cocos2d::replaceFileContents(dir.file("file/out.plist"), "x", 1), ENOTDIR);
    EXPECT_EQ(cocos2d::replaceFileContents("", "x", 1), ENOENT);
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
    // An empty file is a file like any other.
    EXPECT_EQ(cocos2d::replaceFileContents(dir.file("file"), nullptr, 0), 0);
    EXPECT_EQ(dir.read("file"), "");
}
