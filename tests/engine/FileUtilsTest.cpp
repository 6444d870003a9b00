// FileUtils: search-path order, the working directory as default root, reading and writing files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempDir.h"
#include "platform/CCFileUtils.h"

using cocos2d::Data;
using cocos2d::FileUtils;

namespace {

void writeText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Runs the test inside a fresh working directory, with a FileUtils made
// there, and restores both afterwards.
class FileUtilsTest : public testing::Test {
protected:
    void SetUp() override {
        char buf[4096];
        ASSERT_NE(getcwd(buf, sizeof(buf)), nullptr);
        m_oldCwd = buf;
        // Canonical form, as getcwd reports it.
        m_root = std::filesystem::canonical(m_dir.path()).string() + "/";
        ASSERT_EQ(chdir(m_root.c_str()), 0);
        FileUtils::destroyInstance();
        m_fu = FileUtils::getInstance();
        m_fu->setPopupNotify(false);
    }
    void TearDown() override {
        FileUtils::destroyInstance();
        ASSERT_EQ(chdir(m_oldCwd.c_str()), 0);
    }

    TempDir m_dir;
    std::string m_root;
    std::string m_oldCwd;
    FileUtils* m_fu = nullptr;
};

} // namespace

TEST_F(FileUtilsTest, DefaultRootIsTheWorkingDirectory) {
    EXPECT_EQ(m_fu->getDefaultResourceRootPath(), m_root);
    ASSERT_EQ(m_fu->getSearchPaths().size(), 1u);
    EXPECT_EQ(m_fu->getSearchPaths()[0], m_root);
    writeText(m_root + "here.txt", "x");
    EXPECT_EQ(m_fu->fullPathForFilename("here.txt"), m_root + "here.txt");
    EXPECT_EQ(FileUtils::getInstance(), m_fu);
}

TEST_F(FileUtilsTest, RelativeSearchPathsHangOffTheRootWithASlash) {
    m_fu->addSearchPath("./res/");
    m_fu->addSearchPath("work");
    m_fu->addSearchPath("/abs/dir");
    m_fu->addSearchPath("first", true);
    const std::vector<std::string> expected = {m_root + "first/", m_root, m_root + "./res/", m_root + "work/",
                                               "/abs/dir/"};
    EXPECT_EQ(m_fu->getSearchPaths(), expected);
    const std::vector<std::string> originals = {"first", "./res/", "work", "/abs/dir"};
    EXPECT_EQ(m_fu->getOriginalSearchPaths(), originals);
}

TEST_F(FileUtilsTest, WorkPathsAddedFirstAreSearchedBeforeRes) {
    TempDir work;
    writeText(work.file("shared.png"), "work");
    writeText(m_root + "res/shared.png", "res");
    writeText(m_root + "res/only-res.png", "res");
    // The editor adds its stored work paths first, then "./res/".
    m_fu->addSearchPath(work.path(), false);
    m_fu->addSearchPath("./res/", false);
    EXPECT_EQ(m_fu->fullPathForFilename("shared.png"), work.path() + "/shared.png");
    EXPECT_EQ(m_fu->fullPathForFilename("only-res.png"), m_root + "./res/only-res.png");
    EXPECT_EQ(m_fu->getStringFromFile("shared.png"), "work");
    // Subdirectories in the name are kept below each search path.
    writeText(m_root + "res/sub/deep.png", "deep");
    EXPECT_EQ(m_fu->fullPathForFilename("sub/deep.png"), m_root + "./res/sub/deep.png");
}

TEST_F(FileUtilsTest, TheDefaultRootComesFirstAsItIsTheFirstSearchPath) {
    TempDir work;
    writeText(work.file("both.png"), "work");
    writeText(m_root + "both.png", "root");
    m_fu->addSearchPath(work.path());
    EXPECT_EQ(m_fu->getStringFromFile("both.png"), "root");
    // setSearchPaths keeps the given order and puts the root last.
    m_fu->setSearchPaths({work.path()});
    EXPECT_EQ(m_fu->getStringFromFile("both.png"), "work");
    EXPECT_EQ(m_fu->getSearchPaths().back(), m_root);
}

TEST_F(FileUtilsTest, AbsoluteAndMissingNames) {
    EXPECT_EQ(m_fu->fullPathForFilename("/no/such/file.png"), "/no/such/file.png");
    EXPECT_EQ(m_fu->fullPathForFilename("missing.png"), "");
    EXPECT_EQ(m_fu->fullPathForFilename(""), "");
    EXPECT_FALSE(m_fu->isFileExist("missing.png"));
    EXPECT_FALSE(m_fu->isFileExist("/no/such/file.png"));
    EXPECT_TRUE(m_fu->isAbsolutePath("/x"));
    EXPECT_FALSE(m_fu->isAbsolutePath("./x"));
    EXPECT_FALSE(m_fu->isAbsolutePath(""));
    // Directories are not files.
    std::filesystem::create_directories(m_root + "adir");
    EXPECT_EQ(m_fu->fullPathForFilename("adir"), "");
    EXPECT_TRUE(m_fu->isDirectoryExist("adir"));
    EXPECT_TRUE(m_fu->isDirectoryExist(m_root + "adir"));
    EXPECT_FALSE(m_fu->isDirectoryExist("nodir"));
}

TEST_F(FileUtilsTest, FoundNamesStayCachedUntilPurged) {
    TempDir work;
    writeText(m_root + "res/a.png", "res");
    m_fu->addSearchPath("res");
    EXPECT_EQ(m_fu->fullPathForFilename("a.png"), m_root + "res/a.png");
    writeText(work.file("a.png"), "work");
    m_fu->addSearchPath(work.path(), true);
    // Adding a search path keeps the old answer, as the engine does.
    EXPECT_EQ(m_fu->fullPathForFilename("a.png"), m_root + "res/a.png");
    m_fu->purgeCachedEntries();
    EXPECT_EQ(m_fu->fullPathForFilename("a.png"), work.path() + "/a.png");
    // A miss is not cached: a file that appears later is found.
    EXPECT_EQ(m_fu->fullPathForFilename("late.png"), "");
    writeText(m_root + "late.png", "x");
    EXPECT_EQ(m_fu->fullPathForFilename("late.png"), m_root + "late.png");
}

TEST_F(FileUtilsTest, ResolutionDirectoriesAreTriedInsideEachSearchPath) {
    writeText(m_root + "hd/pic.png", "hd");
    writeText(m_root + "pic.png", "sd");
    m_fu->setSearchResolutionsOrder({"hd"});
    const std::vector<std::string> order = {"hd/", ""};
    EXPECT_EQ(m_fu->getSearchResolutionsOrder(), order);
    EXPECT_EQ(m_fu->getStringFromFile("pic.png"), "hd");
}

TEST_F(FileUtilsTest, ReadingFiles) {
    const std::string bytes("a\0b\r\nc", 6);
    writeText(m_root + "bin.dat", bytes);
    Data data = m_fu->getDataFromFile("bin.dat");
    ASSERT_EQ(data.getSize(), 6);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data.getBytes()), 6), bytes);
    EXPECT_EQ(m_fu->getStringFromFile("bin.dat"), bytes);
    EXPECT_TRUE(m_fu->getDataFromFile("missing.dat").isNull());
    EXPECT_EQ(m_fu->getStringFromFile("missing.dat"), "");
    writeText(m_root + "empty.dat", "");
    EXPECT_TRUE(m_fu->getDataFromFile("empty.dat").isNull());
    std::string out;
    EXPECT_EQ(m_fu->getContents("missing.dat", &out), FileUtils::Status::NotExists);
    EXPECT_EQ(m_fu->getContents("bin.dat", &out), FileUtils::Status::OK);
    EXPECT_EQ(m_fu->getFileSize("bin.dat"), 6);
}

TEST_F(FileUtilsTest, PathHelpers) {
    EXPECT_EQ(m_fu->getFileExtension("dir.v2/Image.PNG"), ".png");
    EXPECT_EQ(m_fu->getFileExtension("noext"), "");
    writeText(m_root + "d/f.txt", "x");
    EXPECT_EQ(m_fu->getFullPathForDirectoryAndFilename(m_root + "d", "f.txt"), m_root + "d/f.txt");
    EXPECT_EQ(m_fu->getFullPathForDirectoryAndFilename(m_root + "d/", "f.txt"), m_root + "d/f.txt");
    EXPECT_EQ(m_fu->getFullPathForDirectoryAndFilename(m_root + "d/", "g.txt"), "");
}

TEST_F(FileUtilsTest, WritesReplaceTheFileWholeAndLeaveNoTemporaries) {
    const std::string path = m_root + "out.txt";
    writeText(path, "old contents that are longer");
    EXPECT_TRUE(m_fu->writeStringToFile("new", path));
    EXPECT_EQ(m_fu->getStringFromFile(path), "new");
    Data data;
    data.copy(reinterpret_cast<const unsigned char*>("\x01\x02"), 2);
    EXPECT_TRUE(m_fu->writeDataToFile(data, path));
    EXPECT_EQ(m_fu->getStringFromFile(path), std::string("\x01\x02"));
    size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(m_root)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
    EXPECT_FALSE(m_fu->writeStringToFile("x", m_root + "no/such/dir/f.txt"));
    EXPECT_FALSE(m_fu->writeStringToFile("x", ""));
}

TEST_F(FileUtilsTest, WritesKeepTheReplacedFilesPermissionsAndFollowLinks) {
    namespace fs = std::filesystem;
    // A group-writable file stays group-writable.
    const std::string shared = m_root + "shared.plist";
    writeText(shared, "old");
    fs::permissions(shared,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);
    ASSERT_TRUE(m_fu->writeStringToFile("new", shared));
    EXPECT_EQ(m_fu->getStringFromFile(shared), "new");
    EXPECT_EQ(fs::status(shared).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);

    // Saved through a link: the link stays and its file gets the contents;
    // no temporary is left in either folder.
    const std::string asset = m_root + "assets/fire.plist";
    writeText(asset, "asset");
    fs::create_directories(m_root + "project");
    const std::string link = m_root + "project/fire.plist";
    fs::create_symlink(asset, link);
    ASSERT_TRUE(m_fu->writeStringToFile("edited", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(m_fu->getStringFromFile(asset), "edited");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root + "assets"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root + "project"), fs::directory_iterator()), 1);

    // A link to a file not there yet is replaced by the new file.
    const std::string dangling = m_root + "dangling.plist";
    fs::create_symlink(m_root + "gone/none.plist", dangling);
    ASSERT_TRUE(m_fu->writeStringToFile("fresh", dangling));
    EXPECT_FALSE(fs::is_symlink(dangling));
    EXPECT_EQ(m_fu->getStringFromFile(dangling), "fresh");
}

TEST(Data, CopyMoveAndTakeBuffer) {
    Data a;
    EXPECT_TRUE(a.isNull());
    a.copy(reinterpret_cast<const unsigned char*>("hello"), 5);
    Data b = a;
    a.clear();
    ASSERT_EQ(b.getSize(), 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(b.getBytes()), 5), "hello");
    Data c = std::move(b);
    EXPECT_TRUE(b.isNull());
    ssize_t size = 0;
    unsigned char* raw = c.takeBuffer(&size);
    EXPECT_EQ(size, 5);
    EXPECT_TRUE(c.isNull());
    free(raw);
    c.copy(nullptr, 4);
    EXPECT_TRUE(c.isNull());
    // Copying from itself keeps the bytes.
    c.copy(reinterpret_cast<const unsigned char*>("abc"), 3);
    c.copy(c.getBytes() + 1, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(c.getBytes()), 2), "bc");
}
