#pragma once
// Where the program finds its folders: folders_posix.cpp and folders_windows.cpp implement this
// one interface. Paths are the system's bytes on POSIX and UTF-8 on Windows.

#include <string>

namespace lumitrak {

struct FolderPath {
    std::string path;    // empty when the folder cannot be named
    std::string reason;  // then why not
};

// The working folder, as the system names it.
FolderPath workingFolder();

// The folder that keeps the recovery copies of the typed tables: on POSIX
// "$XDG_DATA_HOME/lumitrak/recovery", where XDG_DATA_HOME defaults to "~/.local/share" (the home
// from HOME, or from the user's account when HOME is unset); on Windows
// "%LOCALAPPDATA%\Lumitrak\recovery". It may not exist yet.
FolderPath recoveryFolder();

// The path of `name` in `folder`, joined by the system's separator ("/" or "\\").
std::string pathInFolder(const std::string& folder, const std::string& name);

}  // namespace lumitrak
