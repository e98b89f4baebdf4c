#pragma once
// The recovery copies of the typed tables. Each window keeps one of its own in the user's private
// recovery folder, named after the working folder, and holds its lock while it runs; a window that
// ends without closing leaves its copy for the next start in that folder to offer.

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/folders.h"
#include "storage/recovery_file.h"

namespace lumitrak {

// A copy left by a window that no longer runs, locked by this window while it decides.
struct LeftCopy {
    std::string path;
    TypedTable table;
    FileLock lock;
};

class RecoveryCopies {
public:
    // This window's own copy in `folder`, for the working folder `workingFolder`. Where either is
    // unknown or the copy's lock cannot be made, `problem()` says why.
    RecoveryCopies(const FolderPath& folder, const FolderPath& workingFolder);
    RecoveryCopies(const RecoveryCopies&) = delete;
    RecoveryCopies& operator=(const RecoveryCopies&) = delete;
    ~RecoveryCopies();

    // Why this window can keep no copy; empty when it can.
    const std::string& problem() const { return problem_; }
    // The recovery folder, for the message that names it.
    const std::string& folder() const { return folder_; }

    // The whole copies left for the same working folder by windows that no longer run, in name
    // order, each locked so that no other window offers it at the same time. What such windows
    // left besides (a lock without its copy, a half-written copy) is cleaned up on the way.
    std::vector<LeftCopy> claimLeftCopies();
    // A left copy whose table is in good hands: it goes, with its lock.
    static void discard(LeftCopy& copy);

    // Replaces this window's copy; the empty text when it worked, otherwise why not.
    std::string write(const TypedTable& table);
    // Removes this window's copy, once its table is saved.
    void remove();

private:
    std::string folder_;
    std::string prefix_;  // every copy of the working folder is named "<prefix><id>.txt"
    std::string path_;    // this window's copy
    FileLock lock_;
    std::string problem_;
    bool copyKept_ = false;  // this window's copy is on the disk
};

}  // namespace lumitrak
