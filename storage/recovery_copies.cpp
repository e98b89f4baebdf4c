#include "storage/recovery_copies.h"

#include <algorithm>
#include <optional>
#include <random>

#include "storage/sha256.h"

namespace lumitrak {
namespace {

constexpr std::string_view kCopySuffix = ".txt";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kTemporarySuffix = ".tmp";
// A copy holds 40 short texts; anything much larger is no copy of ours.
constexpr std::size_t kCopyReadLimit = 1024 * 1024;

std::string withSuffix(const std::string& path, std::string_view suffix) {
    return path + std::string(suffix);
}

// A name no other window has.
std::string randomId() {
    std::random_device seed;
    const unsigned long long id = (static_cast<unsigned long long>(seed()) << 32) | seed();
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (int shift = 60; shift >= 0; shift -= 4) text += kDigits[(id >> shift) & 0xf];
    return text;
}

// A lock for a left copy. A window that ended without closing may have left its lock file (POSIX)
// or none (Windows, where it goes with the window); a missing one is made, so that two windows
// starting at once never offer the same copy. In a folder this window cannot write to, the copy
// is offered without one.
std::optional<FileLock> claimCopy(const std::string& lockPath) {
    FileLock::Outcome outcome{};
    FileLock lock = FileLock::take(lockPath, outcome);
    if (outcome == FileLock::Outcome::Failed) {
        std::string reason;
        lock = FileLock::create(lockPath, reason);
        if (!lock.held()) lock = FileLock::take(lockPath, outcome);
    }
    if (outcome == FileLock::Outcome::HeldElsewhere) return std::nullopt;
    return lock;
}

}  // namespace

RecoveryCopies::RecoveryCopies(const FolderPath& folder, const FolderPath& workingFolder)
    : folder_(folder.path) {
    if (folder.path.empty() || workingFolder.path.empty()) {
        problem_ = folder.path.empty() ? folder.reason : workingFolder.reason;
        return;
    }
    // Two folders whose names decode alike still get copies of their own.
    prefix_ = sha256Hex(workingFolder.path).substr(0, 32) + "-";
    problem_ = makePrivateFolder(folder_);
    if (!problem_.empty()) return;
    const std::string path = withSuffix(pathInFolder(folder_, prefix_ + randomId()), kCopySuffix);
    lock_ = FileLock::create(withSuffix(path, kLockSuffix), problem_);
    if (lock_.held()) path_ = path;
}

std::vector<LeftCopy> RecoveryCopies::claimLeftCopies() {
    std::vector<LeftCopy> left;
    if (prefix_.empty()) return left;
    std::vector<std::string> names = folderEntries(folder_);
    std::sort(names.begin(), names.end());
    const auto listed = [&names](const std::string& name) {
        return std::binary_search(names.begin(), names.end(), name);
    };
    for (const std::string& name : names) {
        if (!name.starts_with(prefix_)) continue;
        const std::string path = pathInFolder(folder_, name);
        if (name.ends_with(kCopySuffix) && path != path_) {
            std::optional<FileLock> lock = claimCopy(withSuffix(path, kLockSuffix));
            if (!lock) continue;
            // Its window is gone: a copy it was writing then is half a copy.
            (void)removeFile(withSuffix(path, kTemporarySuffix));
            const FileRead read = readRegularFile(path, kCopyReadLimit);
            const auto table = read.status == FileRead::Status::Read ? parseRecoveryFile(read.bytes)
                                                                     : std::nullopt;
            // A copy that cannot be read, or is in no format this version knows, is left alone.
            if (table) left.push_back({path, *table, std::move(*lock)});
        } else if (name.ends_with(kLockSuffix) &&
                   !listed(name.substr(0, name.size() - kLockSuffix.size()))) {
            // The lock of a window that was killed before it wrote a copy.
            FileLock::Outcome outcome{};
            FileLock lock = FileLock::take(path, outcome);
            if (lock.held()) lock.releaseAndRemove();
        }
    }
    return left;
}

void RecoveryCopies::discard(LeftCopy& copy) {
    if (removeFile(copy.path).empty()) copy.lock.releaseAndRemove();
}

std::string RecoveryCopies::write(const TypedTable& table) {
    if (path_.empty()) return problem_;
    std::string reason = replacePrivateFile(path_, recoveryFileText(table));
    if (reason.empty()) copyKept_ = true;
    return reason;
}

void RecoveryCopies::remove() {
    if (!path_.empty() && removeFile(path_).empty()) copyKept_ = false;
}

RecoveryCopies::~RecoveryCopies() {
    // A kept copy keeps its lock file, so that the start that offers it can claim it.
    if (!copyKept_) lock_.releaseAndRemove();
}

}  // namespace lumitrak
