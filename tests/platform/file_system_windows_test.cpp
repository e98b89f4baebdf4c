// What only Windows has: file attributes, sharing modes, hard links and access-control lists.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/messages.h"
#include "platform/file_system.h"
#include "platform/folders.h"

using namespace lumitrak;
namespace fs = std::filesystem;

namespace {

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class WindowsFiles : public testing::Test {
protected:
    void SetUp() override {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        // Named apart from every other run, so that builds testing at once never meet.
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("lumitrak-windows-" + test + "-" +
                                               std::to_string(seed()) + std::to_string(seed()));
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        std::ofstream(folder_ / "compdata.txt") << "kept";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::wstring wide(const char* name) const { return (folder_ / name).wstring(); }
    std::string path(const char* name) const { return utf8(folder_ / name); }
    std::string content(const char* name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    bool temporaryLeft() const { return fs::exists(folder_ / "compdata.txt.tmp"); }

    fs::path folder_;
};

TEST_F(WindowsFiles, TheReadOnlyAttributeRefusesAndOtherAttributesStay) {
    ASSERT_TRUE(SetFileAttributesW(wide("compdata.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), kReadOnlyFileReason);
    EXPECT_EQ(content("compdata.txt"), "kept");
    ASSERT_TRUE(SetFileAttributesW(wide("compdata.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), "");
    EXPECT_EQ(content("compdata.txt"), "new");
    EXPECT_TRUE(GetFileAttributesW(wide("compdata.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(temporaryLeft());
}

TEST_F(WindowsFiles, AFileAnotherProgramHoldsIsInUse) {
    const HANDLE held = CreateFileW(wide("compdata.txt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), fileProblemReason(FileProblem::InUse));
    EXPECT_EQ(readRegularFile(path("compdata.txt"), 9).reason,
              fileProblemReason(FileProblem::InUse));
    CloseHandle(held);
    EXPECT_EQ(content("compdata.txt"), "kept");
    EXPECT_FALSE(temporaryLeft());
    // Any other failure in the system's words, with its number.
    const std::string reason = replaceFile(path("a<b.txt"), "x");  // ERROR_INVALID_NAME
    EXPECT_TRUE(reason.ends_with(" (エラー 123)")) << reason;
}

TEST_F(WindowsFiles, AFileWithTwoNamesIsWrittenInPlace) {
    ASSERT_TRUE(CreateHardLinkW(wide("other.txt").c_str(), wide("compdata.txt").c_str(), nullptr));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), "");
    EXPECT_EQ(content("other.txt"), "new");
    const HANDLE file = CreateFileW(wide("other.txt").c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    EXPECT_TRUE(GetFileInformationByHandle(file, &info));
    CloseHandle(file);
    EXPECT_EQ(info.nNumberOfLinks, 2u);
    EXPECT_FALSE(temporaryLeft());
}

// Whether only this user is let in. Windows keeps the access list as it was given, this user
// alone; wine keeps it as Unix mode bits and reports the system besides.
bool isPrivate(const std::wstring& path) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HANDLE token = nullptr;
    char user[256];
    DWORD size = sizeof user;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS ||
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) ||
        !GetTokenInformation(token, TokenUser, user, size, &size)) {
        return false;
    }
    CloseHandle(token);
    bool userIn = false;
    bool othersIn = false;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        GetAce(dacl, i, reinterpret_cast<void**>(&ace));
        if (EqualSid(&ace->SidStart, reinterpret_cast<TOKEN_USER*>(user)->User.Sid)) {
            userIn = true;
        } else if (!IsWellKnownSid(&ace->SidStart, WinLocalSystemSid)) {
            othersIn = true;
        }
    }
    LocalFree(descriptor);
    return userIn && !othersIn;
}

TEST_F(WindowsFiles, PrivateFilesFoldersAndLocksLetInTheUserAlone) {
    std::string reason;
    EXPECT_EQ(makePrivateFolder(path("recovery")), "");
    EXPECT_EQ(replacePrivateFile(path("recovery\\copy.txt"), "rows"), "");
    const FileLock lock = FileLock::create(path("recovery\\copy.lock"), reason);
    EXPECT_TRUE(isPrivate(wide("recovery")));
    EXPECT_TRUE(isPrivate(wide("recovery\\copy.txt")));
    EXPECT_TRUE(isPrivate(wide("recovery\\copy.lock")));
    EXPECT_FALSE(isPrivate(wide("compdata.txt")));
}

TEST(WindowsFolders, TheRecoveryFolderIsUnderLocalAppData) {
    wchar_t local[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    EXPECT_EQ(recoveryFolder().path, utf8(fs::path(local) / "Lumitrak" / "recovery"));
    EXPECT_EQ(workingFolder().path, utf8(fs::current_path()));
}

}  // namespace
