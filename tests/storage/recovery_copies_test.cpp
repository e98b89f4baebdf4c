#include "storage/recovery_copies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "storage/sha256.h"
#include "tests/support/temporary_folder.h"

namespace lumitrak {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What windows that are gone left behind: a copy with a half-written successor, a lock without a
// copy, and a copy as the version before this one named it, with its stale lock. The copies are
// offered, the leftovers go; another folder's copy is none of this window's business.
TEST(RecoveryCopies, OffersWhatGoneWindowsLeftAndCleansUpTheRest) {
    TemporaryFolder folder;
    const FolderPath recovery{(folder.root() / "recovery").string(), {}};
    const FolderPath working{fs::current_path().string(), {}};
    const std::string key = sha256Hex(working.path).substr(0, 32);
    TypedTable typed;
    typed.rows[0] = {"1", "2"};
    std::string copyName;
    {
        RecoveryCopies gone(recovery, working);
        ASSERT_EQ(gone.problem(), "");
        ASSERT_EQ(gone.write(typed), "");
        for (const std::string& name : namesIn(recovery.path))
            if (name.ends_with(".txt")) copyName = name;
    }
    const fs::path root = recovery.path;
    writeBytes(root / (copyName + ".tmp"), "half");
    writeBytes(root / (key + "-0123456789abcdef.txt.lock"), "");
    TypedTable older;
    older.rows[5] = {"", "9"};
    writeBytes(root / (key + "-1.txt"), recoveryFileText(older));
    writeBytes(root / (key + "-1.txt.lock"), "4242\nlumitrak\nhost\n");
    writeBytes(root / (std::string(32, 'f') + "-2.txt"), recoveryFileText(typed));

    RecoveryCopies next(recovery, working);
    ASSERT_EQ(next.write(older), "");
    std::vector<LeftCopy> left = next.claimLeftCopies();
    ASSERT_EQ(left.size(), 2u);
    // In name order, which the random id decides.
    const bool olderFirst = left[0].table == older;
    EXPECT_EQ(left[olderFirst ? 0 : 1].table, older);
    EXPECT_EQ(left[olderFirst ? 1 : 0].table, typed);
    EXPECT_TRUE(left[0].lock.held() && left[1].lock.held());
    // While this window holds them, another window starting now offers none of them.
    RecoveryCopies meanwhile(recovery, working);
    EXPECT_TRUE(meanwhile.claimLeftCopies().empty());
    for (LeftCopy& copy : left) RecoveryCopies::discard(copy);
    std::vector<std::string> remaining;
    for (const std::string& name : namesIn(root))
        if (name.starts_with(key)) remaining.push_back(name);
    // The two running windows' locks, and the copy of the one that wrote: named after the
    // working folder and an id of its own.
    ASSERT_EQ(remaining.size(), 3u);
    const auto copy = std::find_if(remaining.begin(), remaining.end(),
                                   [](const std::string& name) { return name.ends_with(".txt"); });
    ASSERT_NE(copy, remaining.end());
    EXPECT_TRUE(std::regex_match(*copy, std::regex(key + "-[0-9a-f]{16}\\.txt"))) << *copy;
    EXPECT_EQ(namesIn(root).size(), 4u);
}

}  // namespace
}  // namespace lumitrak
