// The program's folders on a POSIX system, found the way the desktop's data folders are.

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/messages.h"
#include "platform/folders.h"

namespace lumitrak {
namespace {

// The home folder: HOME, or the account's own where HOME is unset or empty.
std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    passwd account{};
    passwd* found = nullptr;
    std::vector<char> buffer(16 * 1024);
    if (::getpwuid_r(::getuid(), &account, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || !*found->pw_dir)
        return {};
    return found->pw_dir;
}

}  // namespace

FolderPath workingFolder() {
    for (std::size_t size = 1024; size <= 1024 * 1024; size *= 4) {
        std::string folder(size, '\0');
        if (::getcwd(folder.data(), folder.size())) {
            folder.resize(std::strlen(folder.c_str()));
            return {folder, {}};
        }
        if (errno != ERANGE) return {{}, std::strerror(errno)};
    }
    return {{}, std::strerror(ENAMETOOLONG)};
}

FolderPath recoveryFolder() {
    std::string data;
    // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
        data = xdg;
    } else {
        const std::string home = homeFolder();
        if (home.empty()) return {{}, std::string(kNoHomeFolderReason)};
        data = pathInFolder(home, ".local/share");
    }
    return {pathInFolder(data, "lumitrak/recovery"), {}};
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

}  // namespace lumitrak
