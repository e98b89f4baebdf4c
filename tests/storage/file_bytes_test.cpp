#include "storage/file_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temporary_folder.h"

namespace lumitrak {
namespace {

using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;
using Names = std::vector<std::string>;

TEST(ReplaceFileAtomically, CreatesANewFileWithExactlyTheBytes) {
    TemporaryFolder folder;
    const std::string bytes("a\r\nb\0c\r\n", 8);
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", bytes));
    EXPECT_EQ(readBytes(folder / "out.txt"), bytes);
    EXPECT_EQ(folder.names(), Names{"out.txt"});
}

TEST(ReplaceFileAtomically, ReplacesALongerOldFileWhole) {
    TemporaryFolder folder;
    writeBytes(folder / "out.txt", std::string(5000, 'x'));
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", "short\r\n"));
    EXPECT_EQ(readBytes(folder / "out.txt"), "short\r\n");
    EXPECT_EQ(folder.names(), Names{"out.txt"});
}

TEST(ReplaceFileAtomically, KeepsTheOldFilesAccessRights) {
    TemporaryFolder folder;
    writeBytes(folder / "out.txt", "old");
    const auto rights = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(folder / "out.txt", rights);
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", "new"));
    EXPECT_EQ(std::filesystem::status(folder / "out.txt").permissions(), rights);
}

TEST(ReplaceFileAtomically, FailsWhenTheFolderIsARegularFile) {
    TemporaryFolder folder;
    writeBytes(folder / "plain", "not a folder");
    EXPECT_FALSE(replaceFileAtomically(folder / "plain" / "out.txt", "new"));
    EXPECT_EQ(readBytes(folder / "plain"), "not a folder");
    EXPECT_EQ(folder.names(), Names{"plain"});
}

// The rename is the last step; when it fails the written copy must not stay behind.
TEST(ReplaceFileAtomically, FailsOverAFolderAndLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "out.txt");
    writeBytes(folder / "out.txt" / "inside", "kept");
    EXPECT_FALSE(replaceFileAtomically(folder / "out.txt", "new"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "out.txt"));
    EXPECT_EQ(readBytes(folder / "out.txt" / "inside"), "kept");
    EXPECT_EQ(folder.names(), Names{"out.txt"});
}

TEST(ReadFilePrefix, ReadsTheWholeFileByteForByte) {
    TemporaryFolder folder;
    const std::string bytes("\xEF\xBB\xBF" "1\0,2\r", 8);
    writeBytes(folder / "in.txt", bytes);
    EXPECT_EQ(readFilePrefix(folder / "in.txt"), bytes);
}

TEST(ReadFilePrefix, StopsAtTheLimit) {
    TemporaryFolder folder;
    writeBytes(folder / "in.txt", std::string(40000, 'a') + "b");
    EXPECT_EQ(readFilePrefix(folder / "in.txt", 40000), std::string(40000, 'a'));
    EXPECT_EQ(readFilePrefix(folder / "in.txt", 40001), std::string(40000, 'a') + "b");
}

TEST(ReadFilePrefix, GivesNoValueForAMissingFileOrAFolder) {
    TemporaryFolder folder;
    EXPECT_EQ(readFilePrefix(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(readFilePrefix(folder.path()), std::nullopt);
}

TEST(WithoutByteOrderMark, DropsOnlyAWholeMarkAtTheStart) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF" "1,2"), "1,2");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB" "1,2"), "\xEF\xBB" "1,2");
    EXPECT_EQ(withoutByteOrderMark("1\xEF\xBB\xBF"), "1\xEF\xBB\xBF");
    EXPECT_EQ(withoutByteOrderMark(""), "");
}

}  // namespace
}  // namespace lumitrak
