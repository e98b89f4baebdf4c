// What a save does to a file on a POSIX system, beyond its bytes: links, modes, owners, ACLs and
// attributes, pipes, a full disk, and locks that end with their process.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "core/messages.h"
#include "platform/file_system.h"
#include "platform/folders.h"
#include "tests/support/temporary_folder.h"

namespace lumitrak {
namespace {

namespace fs = std::filesystem;

struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

mode_t modeOf(const std::string& path) { return statOf(path).st_mode & 07777; }

std::string attribute(const std::string& path, const char* name) {
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    return size < 0 ? "<none>" : value.substr(0, static_cast<std::size_t>(size));
}

// The access ACL "user::rw-, user:65534:rw-, group::---, mask::rw-, other::---" as the kernel
// stores it.
std::string namedUserAcl() {
    std::string acl;
    const auto add = [&acl](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) acl += static_cast<char>(value >> (8 * i));
    };
    add(2, 4);  // the format's version
    const std::uint32_t entries[][3] = {
        {0x01, 6, 0xffffffff}, {0x02, 6, 65534},      {0x04, 0, 0xffffffff},
        {0x10, 6, 0xffffffff}, {0x20, 0, 0xffffffff},
    };
    for (const auto& [tag, permissions, id] : entries) {
        add(tag, 2);
        add(permissions, 2);
        add(id, 4);
    }
    return acl;
}

class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

// A save keeps everything that makes the file the observer's, and leaves no temporary file.
TEST(FileSystemPosix, ASaveKeepsTheFilesIdentity) {
    TemporaryFolder folder;
    const Umask usual(022);
    writeBytes("night.txt", "old");
    ASSERT_EQ(::chmod("night.txt", 0600), 0);
    fs::create_symlink("night.txt", "compdata.txt");
    fs::create_hard_link("night.txt", "second-name.txt");
    const bool root = ::geteuid() == 0;
    const uid_t owner = root ? 65534 : ::getuid();
    ASSERT_EQ(::chown("night.txt", owner, static_cast<gid_t>(-1)), 0);
    const bool attributes = ::setxattr("night.txt", "user.observer", "me", 2, 0) == 0;
    const std::string acl = namedUserAcl();
    const bool acls =
        ::setxattr("night.txt", "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
    const ino_t inode = statOf("night.txt").st_ino;
    const std::string observer = attributes ? "me" : "<none>";
    const std::string accessAcl = acls ? acl : "<none>";

    EXPECT_EQ(replaceFile("compdata.txt", " 1 , 2 \r\n"), "");
    EXPECT_TRUE(fs::is_symlink("compdata.txt"));
    EXPECT_EQ(readBytes("second-name.txt"), " 1 , 2 \r\n");
    const struct stat after = statOf("night.txt");
    EXPECT_EQ(after.st_ino, inode);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 0700, 0600u);
    EXPECT_EQ(after.st_uid, owner);
    EXPECT_EQ(attribute("night.txt", "user.observer"), observer);
    EXPECT_EQ(attribute("night.txt", "system.posix_acl_access"), accessAcl);

    // With one name, the file is replaced whole and still keeps its mode and attributes.
    fs::remove("second-name.txt");
    EXPECT_EQ(replaceFile("compdata.txt", " 3 , 4 \r\n"), "");
    EXPECT_EQ(readBytes("night.txt"), " 3 , 4 \r\n");
    EXPECT_EQ(modeOf("night.txt") & 0700, 0600u);
    EXPECT_EQ(statOf("night.txt").st_uid, owner);
    EXPECT_EQ(attribute("night.txt", "user.observer"), observer);
    EXPECT_EQ(attribute("night.txt", "system.posix_acl_access"), accessAcl);
    EXPECT_FALSE(fs::exists("night.txt.tmp"));
    if (!attributes || !acls) GTEST_SKIP() << "this file system keeps no attributes or ACLs";
}

// Whatever stands where the save puts its temporary file, nothing is written through it.
TEST(FileSystemPosix, NothingIsWrittenThroughALinkOrLeftBehind) {
    TemporaryFolder folder;
    writeBytes("elsewhere.txt", "untouched");
    fs::create_symlink("elsewhere.txt", "compdata.txt.tmp");
    EXPECT_EQ(replaceFile("compdata.txt", "new"), "");
    EXPECT_EQ(readBytes("elsewhere.txt"), "untouched");
    EXPECT_EQ(readBytes("compdata.txt"), "new");
    EXPECT_FALSE(fs::exists(fs::symlink_status("compdata.txt.tmp")));

    // A private file takes the place of a link at its name, private whatever the umask.
    fs::create_symlink("elsewhere.txt", "copy.txt");
    {
        const Umask strict(0277);
        EXPECT_EQ(replacePrivateFile("copy.txt", "copy"), "");
    }
    EXPECT_FALSE(fs::is_symlink("copy.txt"));
    EXPECT_EQ(readBytes("elsewhere.txt"), "untouched");
    EXPECT_EQ(modeOf("copy.txt"), 0600u);
    // A folder at its name is a failure, and the temporary file goes.
    fs::create_directory("folder.txt");
    EXPECT_EQ(replacePrivateFile("folder.txt", "copy"), fileProblemReason(FileProblem::NotRegular));
    EXPECT_FALSE(fs::exists("folder.txt.tmp"));
}

TEST(FileSystemPosix, FailuresAreReportedAndKeepTheOldFile) {
    TemporaryFolder folder;
    writeBytes("compdata.txt", "old");
    // A save beyond the file size limit fails at the write, the sync or the close.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit size{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &size), 0);
    const rlimit small{8, size.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string full = replaceFile("compdata.txt", "more than eight bytes");
    ::setrlimit(RLIMIT_FSIZE, &size);
    EXPECT_EQ(full, fileProblemReason(FileProblem::TooLarge));
    EXPECT_EQ(readBytes("compdata.txt"), "old");
    EXPECT_FALSE(fs::exists("compdata.txt.tmp"));
    // A read-only file stays, even for an account that could write it.
    ASSERT_EQ(::chmod("compdata.txt", 0444), 0);
    EXPECT_EQ(replaceFile("compdata.txt", "new"), fileProblemReason(FileProblem::ReadOnlyFile));
    // A link that leads nowhere but to itself cannot be followed.
    fs::create_symlink("loop.txt", "loop.txt");
    EXPECT_NE(replaceFile("loop.txt", "new"), "");
    // A pipe is refused at once instead of waiting for a writer.
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    const FileRead pipe = readRegularFile("pipe", 100);
    EXPECT_EQ(pipe.status, FileRead::Status::Failed);
    EXPECT_EQ(pipe.reason, fileProblemReason(FileProblem::NotRegular));
}

TEST(FileSystemPosix, APrivateFolderIsPrivateWhateverStoodThere) {
    TemporaryFolder folder;
    const Umask open(0);
    ASSERT_EQ(::mkdir("shared", 0755), 0);
    EXPECT_EQ(makePrivateFolder("shared"), "");
    EXPECT_EQ(modeOf("shared"), 0700u);
    const Umask strict(0277);
    EXPECT_EQ(makePrivateFolder(fs::absolute("a/b/c").string()), "");
    EXPECT_EQ(modeOf("a/b/c"), 0700u);
    writeBytes("file", "");
    EXPECT_EQ(makePrivateFolder("file/sub"), fileProblemReason(FileProblem::NotAFolder));
}

// A lock ends with its process, however the process ends.
TEST(FileSystemPosix, ALockEndsWithItsProcess) {
    TemporaryFolder folder;
    const std::string path = fs::absolute("window.lock").string();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        std::string reason;
        FileLock lock = FileLock::create(path, reason);
        const char held = lock.held() ? 1 : 0;
        [[maybe_unused]] const ssize_t written = ::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);
    FileLock::Outcome outcome{};
    EXPECT_FALSE(FileLock::take(path, outcome).held());
    EXPECT_EQ(outcome, FileLock::Outcome::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(FileLock::take(path, outcome).held());
    EXPECT_EQ(outcome, FileLock::Outcome::Held);
    EXPECT_EQ(modeOf(path), 0600u);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(FoldersPosix, TheRecoveryFolderFollowsTheDesktopsRules) {
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto xdg = saved("XDG_DATA_HOME");
    const auto home = saved("HOME");
    const std::string account = fs::path(getpwuid(::getuid())->pw_dir).string();
    struct Case {
        const char* xdgDataHome;  // nullptr: unset
        const char* home;
        std::string folder;
    };
    const Case cases[] = {
        {"/data", "/home/o", "/data/lumitrak/recovery"},
        {"relative", "/home/o", "/home/o/.local/share/lumitrak/recovery"},
        {nullptr, "/home/o/", "/home/o/.local/share/lumitrak/recovery"},
        {nullptr, nullptr, account + "/.local/share/lumitrak/recovery"},
        {nullptr, "", account + "/.local/share/lumitrak/recovery"},
    };
    for (const Case& c : cases) {
        c.xdgDataHome ? ::setenv("XDG_DATA_HOME", c.xdgDataHome, 1) : ::unsetenv("XDG_DATA_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(recoveryFolder().path, c.folder) << c.folder;
    }
    xdg ? ::setenv("XDG_DATA_HOME", xdg->c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    home ? ::setenv("HOME", home->c_str(), 1) : ::unsetenv("HOME");
}

}  // namespace
}  // namespace lumitrak
