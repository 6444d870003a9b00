// Recovery folders and their writer: locking against other runs, the index, passes that fail.
#include "editor/RecoveryFolder.h"
#include "editor/RecoveryWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderNames(const std::string& root) {
    std::vector<std::string> names;
    if (!fs::exists(root)) return names;
    for (const auto& entry : fs::directory_iterator(root)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder another process holds, as a live run does, until the returned
// process is killed.
pid_t HoldFolderInChild(const std::string& root) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        auto folder = RecoveryFolder::createOwn(root);
        const char flag = folder ? 1 : 0;
        (void)!write(ready[1], &flag, 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char flag = 0;
    (void)!read(ready[0], &flag, 1);
    close(ready[0]);
    return flag ? child : -1;
}

void Stop(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

TEST(RecoveryFolder, ALiveRunsFolderIsNeverClaimedAndADeadRunsIsClaimedOnce) {
    TempDir dir;
    const std::string root = dir.file("recovery");
    const pid_t live = HoldFolderInChild(root);
    ASSERT_GT(live, 0);
    const pid_t dead = HoldFolderInChild(root);
    ASSERT_GT(dead, 0);
    Stop(dead);

    auto claimed = RecoveryFolder::claimAbandoned(root);
    ASSERT_EQ(claimed.size(), 1u);
    EXPECT_EQ(fs::path(claimed[0]->path()).filename().string(), std::to_string(dead));
    // While this run holds it, nobody else takes it.
    EXPECT_TRUE(RecoveryFolder::claimAbandoned(root).empty());

    claimed[0]->removeAll();
    EXPECT_EQ(FolderNames(root), std::vector<std::string>{std::to_string(live)});
    Stop(live);
}

TEST(RecoveryFolder, ThisRunsOwnFolderIsNotClaimedAndADeadFolderOfItsNumberIsKept) {
    TempDir dir;
    const std::string root = dir.file("recovery");
    // A dead run that had this run's process number, without its lock file.
    fs::create_directories(root + "/" + std::to_string(getpid()));
    auto own = RecoveryFolder::createOwn(root);
    ASSERT_TRUE(own);
    EXPECT_NE(fs::path(own->path()).filename().string(), std::to_string(getpid()));

    auto claimed = RecoveryFolder::claimAbandoned(root);
    // The lock-less folder names a live process (this one): left alone too.
    EXPECT_TRUE(claimed.empty());
}

TEST(RecoveryFolder, TheIndexKeepsEveryFieldAndNeverNamesAFileOutsideTheFolder) {
    TempDir dir;
    auto folder = RecoveryFolder::createOwn(dir.file("recovery"));
    ASSERT_TRUE(folder);
    const std::vector<RecoveryEntry> entries{{"1.plist", "Particle2D", "", "/res/fire.png"},
                                             {"2.plist", "Particle2D", "/资源/特效 1/casting.plist", ""}};
    ASSERT_EQ(folder->writeIndex(entries), 0);
    std::vector<RecoveryEntry> read;
    ASSERT_TRUE(folder->readIndex(&read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].originalPath, "/资源/特效 1/casting.plist");
    EXPECT_EQ(read[0].texturePath, "/res/fire.png");

    std::ofstream(folder->filePath("index.json"))
        << R"({"objects": [{"file": "../../x.plist"}, {"file": ".hidden"}, {"file": "3.plist", "name": 7}]})";
    ASSERT_TRUE(folder->readIndex(&read));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].file, "3.plist");
    EXPECT_EQ(read[0].name, "");

    std::ofstream(folder->filePath("index.json")) << "{ not json";
    std::string why;
    EXPECT_FALSE(folder->readIndex(&read, &why));
    EXPECT_FALSE(why.empty());
}

TEST(RecoveryWriter, PassesWriteChangedFilesDropGoneOnesAndDiscardRemovesTheFolder) {
    TempDir dir;
    const std::string root = dir.file("recovery");
    RecoveryWriter writer(root);
    // Nothing to keep makes no folder.
    writer.submit({});
    EXPECT_TRUE(writer.flush());
    EXPECT_TRUE(FolderNames(root).empty());

    writer.submit({{{"1.plist", "A", "", ""}, {"2.plist", "B", "", ""}}, {{"1.plist", "one"}, {"2.plist", "two"}}});
    ASSERT_TRUE(writer.flush());
    const std::string folder = writer.folderPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(ReadFileText(folder + "/2.plist"), "two");

    // The second object is saved: its file goes; the first keeps its content.
    writer.submit({{{"1.plist", "A", "/x.plist", ""}}, {}});
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(ReadFileText(folder + "/1.plist"), "one");
    EXPECT_FALSE(fs::exists(folder + "/2.plist"));
    EXPECT_NE(ReadFileText(folder + "/index.json").find("/x.plist"), std::string::npos);

    writer.discard();
    EXPECT_FALSE(fs::exists(folder));
}

TEST(RecoveryWriter, AFailedPassIsReportedOnceAndItsContentsGoWithTheNextOne) {
    TempDir dir;
    // A file where the folder should be: nothing can be made under it.
    const std::string root = dir.file("blocked");
    std::ofstream(root) << "x";
    std::atomic<int> failures{0};
    {
        RecoveryWriter writer(root + "/recovery");
        writer.setFailed([&](int error) {
            EXPECT_EQ(error, ENOTDIR);
            ++failures;
        });
        writer.submit({{{"1.plist", "A", "", ""}}, {{"1.plist", "first"}}});
        EXPECT_FALSE(writer.flush());
        writer.submit({{{"1.plist", "A", "", ""}}, {}});
        EXPECT_FALSE(writer.flush());
        EXPECT_EQ(failures, 1);

        // Room again: the next pass, which carries no content of its own,
        // writes what the failed ones could not.
        fs::remove(root);
        writer.submit({{{"1.plist", "A", "", ""}}, {}});
        ASSERT_TRUE(writer.flush());
        EXPECT_EQ(ReadFileText(writer.folderPath() + "/1.plist"), "first");
    }
    // The writer going leaves the files for the next start.
    EXPECT_EQ(FolderNames(root + "/recovery").size(), 1u);
}

} // namespace
