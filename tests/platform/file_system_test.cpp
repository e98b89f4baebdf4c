// What the file interface promises on every system, each case in a fresh folder of its own.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/messages.h"
#include "platform/folders.h"

using namespace lumitrak;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

class FileSystem : public testing::Test {
protected:
    void SetUp() override {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        // Named apart from every other run, so that builds testing at once never meet.
        std::random_device seed;
        folder_ = fs::temp_directory_path() /
                  ("lumitrak-" + test + "-" + std::to_string(seed()) + std::to_string(seed()));
        fs::remove_all(folder_);
        fs::create_directory(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string path(const std::string& name) const {
        const std::u8string folder = folder_.u8string();
        return pathInFolder({folder.begin(), folder.end()}, name);
    }
    void write(const char* name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string content(const char* name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    Names entries(const std::string& name = "") const {
        Names names = folderEntries(path(name));
        std::ranges::sort(names);
        return names;
    }

    fs::path folder_;
};

TEST_F(FileSystem, ReadsARegularFileUpToOneByteBeyondTheLimit) {
    write("data.txt", "0123456789");
    const FileRead beyond = readRegularFile(path("data.txt"), 4);
    EXPECT_EQ(beyond.status, FileRead::Status::Read);
    EXPECT_EQ(beyond.bytes, "01234");
    EXPECT_EQ(readRegularFile(path("data.txt"), 10).bytes, "0123456789");
    EXPECT_EQ(readRegularFile(path("missing.txt"), 10).status, FileRead::Status::Missing);
    EXPECT_EQ(readRegularFile(path("no folder/data.txt"), 10).status, FileRead::Status::Missing);
    fs::create_directory(folder_ / "folder");
    const FileRead folder = readRegularFile(path("folder"), 10);
    EXPECT_EQ(folder.status, FileRead::Status::Failed);
    EXPECT_TRUE(folder.isFolder);
}

TEST_F(FileSystem, ReplacesAFileWholeThroughOneTemporaryFile) {
    EXPECT_EQ(replaceFile(path("compdata.txt"), " 1 , 2 \r\n 3 , 4 \r\n"), "");
    EXPECT_EQ(replaceFile(path("compdata.txt"), " 5 , 6 \r\n"), "");
    EXPECT_EQ(content("compdata.txt"), " 5 , 6 \r\n");
    write("compdata.txt.tmp", "a table from before a crash");  // taken over
    EXPECT_EQ(replaceFile(path("compdata.txt"), ""), "");
    EXPECT_EQ(content("compdata.txt"), "");
    EXPECT_NE(replaceFile(path("no folder/compdata.txt"), "x"), "");
    fs::create_directory(folder_ / "folder");
    EXPECT_NE(replaceFile(path("folder"), "x"), "");

    write("copy.txt", "an older copy, longer than the new one");
    EXPECT_EQ(replacePrivateFile(path("copy.txt"), "new"), "");
    EXPECT_EQ(content("copy.txt"), "new");
    EXPECT_NE(replacePrivateFile(path("folder"), "x"), "");
    EXPECT_EQ(entries(), (Names{"compdata.txt", "copy.txt", "folder"}));
}

TEST_F(FileSystem, NeverReplacesAReadOnlyFile) {
    write("compdata.txt", "kept");
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(folder_ / "compdata.txt", writable, fs::perm_options::remove);
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), kReadOnlyFileReason);
    fs::permissions(folder_ / "compdata.txt", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(content("compdata.txt"), "kept");
    EXPECT_EQ(entries(), Names{"compdata.txt"});
}

TEST_F(FileSystem, RemovesFilesAndMakesFolders) {
    write("a.txt", "a");
    EXPECT_EQ(removeFile(path("a.txt")), "");
    EXPECT_EQ(removeFile(path("missing.txt")), "");
    EXPECT_EQ(entries("missing"), Names{});
    const std::string nested = pathInFolder(pathInFolder(path("one"), "two"), "three");
    EXPECT_EQ(makePrivateFolder(nested), "");
    EXPECT_EQ(makePrivateFolder(nested), "");
    EXPECT_EQ(entries("one"), Names{"two"});
    write("b.txt", "b");
    EXPECT_NE(makePrivateFolder(pathInFolder(path("b.txt"), "below a file")), "");
    EXPECT_EQ(entries(), (Names{"b.txt", "one"}));
}

TEST_F(FileSystem, WorksInAFolderWithAJapaneseName) {
    const std::string folder = path("比較星データ");
    EXPECT_EQ(makePrivateFolder(folder), "");
    const std::string file = pathInFolder(folder, "比較星.txt");
    EXPECT_EQ(replaceFile(file, "\x94\xE4"), "");
    EXPECT_EQ(readRegularFile(file, 10).bytes, "\x94\xE4");
    EXPECT_EQ(folderEntries(folder), Names{"比較星.txt"});
}

TEST_F(FileSystem, ALockIsHeldByOneAtATimeAndItsFileStays) {
    using enum FileLock::Outcome;
    const std::string name = path("copy.lock");
    FileLock::Outcome outcome = Held;
    EXPECT_FALSE(FileLock::take(name, outcome).held());
    EXPECT_EQ(outcome, Failed);
    EXPECT_EQ(entries(), Names{});  // not created by take
    {
        std::string reason;
        const FileLock lock = FileLock::create(name, reason);
        EXPECT_TRUE(lock.held()) << reason;
        EXPECT_FALSE(FileLock::create(name, reason).held());
        EXPECT_FALSE(FileLock::take(name, outcome).held());
        EXPECT_EQ(outcome, HeldElsewhere);
    }
    FileLock taken = FileLock::take(name, outcome);
    EXPECT_EQ(outcome, Held);
    taken.releaseAndRemove();
    EXPECT_FALSE(taken.held());
    EXPECT_EQ(entries(), Names{});
}

}  // namespace
