// What only Windows has: file attributes, sharing modes, hard links and access-control lists.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "platform/file_system.h"
#include "platform/folders.h"

using namespace lumitrak;
namespace fs = std::filesystem;

namespace {

class WindowsFiles : public testing::Test {
protected:
    void SetUp() override {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = fs::temp_directory_path() / ("lumitrak-windows-" + test);
        fs::remove_all(folder_);
        fs::create_directory(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::wstring wide(const std::string& name) const { return (folder_ / name).wstring(); }
    std::string path(const std::string& name) const {
        const std::u8string text = (folder_ / name).u8string();
        return {text.begin(), text.end()};
    }
    DWORD links(const std::string& name) const {
        const HANDLE file = CreateFileW(wide(name).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        return info.nNumberOfLinks;
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string content(const std::string& name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    bool exists(const std::string& name) const { return fs::exists(folder_ / name); }

    fs::path folder_;
};

TEST_F(WindowsFiles, TheReadOnlyAttributeRefusesAndOtherAttributesStay) {
    write("compdata.txt", "kept");
    ASSERT_TRUE(SetFileAttributesW(wide("compdata.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), kReadOnlyFileReason);
    EXPECT_EQ(content("compdata.txt"), "kept");

    ASSERT_TRUE(SetFileAttributesW(wide("compdata.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), "");
    EXPECT_EQ(content("compdata.txt"), "new");
    EXPECT_TRUE(GetFileAttributesW(wide("compdata.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(exists("compdata.txt.tmp"));
}

TEST_F(WindowsFiles, AFileAnotherProgramHoldsIsInUse) {
    write("compdata.txt", "kept");
    const HANDLE held = CreateFileW(wide("compdata.txt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string_view inUse = fileProblemReason(FileProblem::InUse);
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), inUse);
    EXPECT_EQ(readRegularFile(path("compdata.txt"), 10).reason, inUse);
    CloseHandle(held);
    EXPECT_EQ(content("compdata.txt"), "kept");
    EXPECT_FALSE(exists("compdata.txt.tmp"));
}

TEST_F(WindowsFiles, AFileWithTwoNamesIsWrittenInPlace) {
    write("compdata.txt", "old content");
    ASSERT_TRUE(
        CreateHardLinkW(wide("other name.txt").c_str(), wide("compdata.txt").c_str(), nullptr));
    EXPECT_EQ(replaceFile(path("compdata.txt"), "new"), "");
    EXPECT_EQ(content("other name.txt"), "new");
    EXPECT_EQ(links("compdata.txt"), 2u);
    EXPECT_FALSE(exists("compdata.txt.tmp"));
}

TEST_F(WindowsFiles, OtherFailuresGiveTheSystemsWordsAndNumber) {
    const std::string reason = replaceFile(path("a<b.txt"), "x");
    EXPECT_TRUE(reason.ends_with("(エラー 123)")) << reason;  // ERROR_INVALID_NAME
    EXPECT_GT(reason.size(), std::string_view("(エラー 123)").size());
}

// Whether the access-control list lets in this user and nobody else. Windows keeps the list as it
// was given, this user alone; wine keeps it as Unix mode bits and reports the system besides.
bool isPrivate(const std::wstring& path, std::wstring& described) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t* text = nullptr;
    ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1,
                                                         DACL_SECURITY_INFORMATION, &text, nullptr);
    described = text ? text : L"";
    LocalFree(text);
    HANDLE token = nullptr;
    char user[256];
    DWORD size = sizeof user;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    GetTokenInformation(token, TokenUser, user, size, &size);
    CloseHandle(token);
    PSID self = reinterpret_cast<TOKEN_USER*>(user)->User.Sid;
    bool selfIn = false;
    bool othersIn = false;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        GetAce(dacl, i, reinterpret_cast<void**>(&ace));
        if (ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        const PSID sid = &ace->SidStart;
        if (EqualSid(sid, self)) {
            selfIn = (ace->Mask & FILE_ALL_ACCESS) == FILE_ALL_ACCESS;
        } else if (!IsWellKnownSid(sid, WinLocalSystemSid)) {
            othersIn = true;
        }
    }
    LocalFree(descriptor);
    return selfIn && !othersIn;
}

TEST_F(WindowsFiles, PrivateFilesAndFoldersLetInTheUserAlone) {
    std::string reason;
    EXPECT_EQ(makePrivateFolder(path("recovery")), "");
    EXPECT_EQ(replacePrivateFile(path("recovery\\copy.txt"), "rows"), "");
    const FileLock lock = FileLock::create(path("recovery\\copy.lock"), reason);
    write("plain.txt", "");
    std::wstring described;
    for (const char* name : {"recovery", "recovery\\copy.txt", "recovery\\copy.lock"}) {
        EXPECT_TRUE(isPrivate(wide(name), described)) << name << ": " << fs::path(described);
    }
    EXPECT_FALSE(isPrivate(wide("plain.txt"), described)) << fs::path(described);
}

TEST(WindowsFolders, TheWorkingAndRecoveryFoldersAreTheSystems) {
    wchar_t local[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    EXPECT_EQ(recoveryFolder().path, (fs::path(local) / "Lumitrak" / "recovery").string());
    EXPECT_EQ(workingFolder().path, fs::current_path().string());
    EXPECT_EQ(pathInFolder("C:\\data", "compdata.txt"), "C:\\data\\compdata.txt");
    EXPECT_EQ(pathInFolder("C:\\", "compdata.txt"), "C:\\compdata.txt");
}

}  // namespace
