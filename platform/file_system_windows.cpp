// The program's files through the wide-character Windows API. Paths arrive as UTF-8 and are
// converted to UTF-16; Windows has no interrupted calls to retry.
#include <aclapi.h>
#include <sddl.h>
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/messages.h"
#include "platform/file_system.h"

namespace lumitrak {
namespace {

// A handle that is closed when it goes out of scope, or checked by close().
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        return !valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

private:
    HANDLE handle_;
};

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// False when `utf8` is no valid UTF-8, so names no file.
bool toWide(const std::string& utf8, std::wstring& wide) {
    wide.clear();
    if (utf8.empty()) return true;
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length == 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(),
                               length) == length;
}

// The system's own words for an error, with its number.
std::string systemWords(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring words = length > 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' ||
                              words.back() == L' ' || words.back() == L'.')) {
        words.pop_back();
    }
    const std::string text = toUtf8(words);
    return (text.empty() ? "" : text + " ") + "(エラー " + std::to_string(error) + ")";
}

// ERROR_DISK_QUOTA_EXCEEDED, which mingw's winerror.h lacks.
constexpr DWORD kDiskQuotaExceeded = 1295;

std::string reasonFor(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return std::string(fileProblemReason(FileProblem::NoSpace));
        case kDiskQuotaExceeded: return std::string(fileProblemReason(FileProblem::QuotaExceeded));
        case ERROR_ACCESS_DENIED: return std::string(fileProblemReason(FileProblem::AccessDenied));
        case ERROR_WRITE_PROTECT:
            return std::string(fileProblemReason(FileProblem::ReadOnlyFileSystem));
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE: return std::string(fileProblemReason(FileProblem::InUse));
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME: return std::string(fileProblemReason(FileProblem::NotFound));
        case ERROR_DIRECTORY: return std::string(fileProblemReason(FileProblem::NotAFolder));
        case ERROR_FILE_TOO_LARGE: return std::string(fileProblemReason(FileProblem::TooLarge));
        case ERROR_CRC:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_IO_DEVICE: return std::string(fileProblemReason(FileProblem::IoError));
        default: return systemWords(error);
    }
}

std::string lastReason() { return reasonFor(GetLastError()); }

std::string notRegular() { return std::string(fileProblemReason(FileProblem::NotRegular)); }

// The full path: relative names resolve against the working folder here rather than in each
// call (wine's ReplaceFileW refuses relative ones).
bool fullPath(const std::string& path, std::wstring& full) {
    std::wstring wide;
    if (!toWide(path, wide)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    if (wide.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    for (;;) {
        if (size == 0) return false;
        full.assign(size, L'\0');
        const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
        if (length < size) {
            full.resize(length);
            return length > 0;
        }
        size = length;  // the working folder changed in between
    }
}

// A security descriptor that lets in the user of this process alone and inherits nothing from
// its folder: Windows' nearest to a mode of 0600 (a file) or 0700 (a folder, whose files and
// folders inherit it).
class PrivateSecurity {
public:
    explicit PrivateSecurity(bool folder) {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            error_ = GetLastError();
            return;
        }
        Handle tokenHandle(token);
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<unsigned char> user(size);
        wchar_t* sid = nullptr;
        if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size) ||
            !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid)) {
            error_ = GetLastError();
            return;
        }
        // P: protected from the folder's entries; FA: all access; OICI: inherited inside.
        const std::wstring text =
            std::wstring(L"D:P(A;") + (folder ? L"OICI" : L"") + L";FA;;;" + sid + L")";
        LocalFree(sid);
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(text.c_str(), SDDL_REVISION_1,
                                                                  &descriptor_, nullptr)) {
            error_ = GetLastError();
            return;
        }
        attributes_.lpSecurityDescriptor = descriptor_;
    }
    ~PrivateSecurity() { LocalFree(descriptor_); }
    PrivateSecurity(const PrivateSecurity&) = delete;
    PrivateSecurity& operator=(const PrivateSecurity&) = delete;

    // Null when the descriptor could not be made, for reason().
    SECURITY_ATTRIBUTES* attributes() { return descriptor_ ? &attributes_ : nullptr; }
    std::string reason() const { return reasonFor(error_); }
    PACL dacl() const {
        BOOL present = FALSE;
        BOOL defaulted = FALSE;
        PACL dacl = nullptr;
        GetSecurityDescriptorDacl(descriptor_, &present, &dacl, &defaulted);
        return dacl;
    }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
    SECURITY_ATTRIBUTES attributes_{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    DWORD error_ = ERROR_SUCCESS;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Writes `bytes` to a new file `temporary`, unshared, and to the disk; a file left there by a
// crash is removed first, so that there is only ever one. On a failure nothing is left.
std::string writeTemporary(const std::wstring& temporary, std::string_view bytes,
                           SECURITY_ATTRIBUTES* security) {
    for (int attempt = 0;; ++attempt) {
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            const DWORD error = GetLastError();
            if ((error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) && attempt == 0) {
                if (!DeleteFileW(temporary.c_str())) return lastReason();
                continue;
            }
            return reasonFor(error);
        }
        if (writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) && file.close()) return {};
        const DWORD error = GetLastError();
        file.close();
        DeleteFileW(temporary.c_str());
        return reasonFor(error);
    }
}

// Writes `bytes` over the content of the file itself, keeping it one file with all its names.
std::string writeInPlace(const std::wstring& path, std::string_view bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid() && writeAll(file.get(), bytes) && SetEndOfFile(file.get()) &&
        FlushFileBuffers(file.get()) && file.close()) {
        return {};
    }
    return lastReason();
}

// What stands at a data file's name: nothing, or a regular file (the one a link names).
struct DataFile {
    std::wstring path;
    bool exists = false;
    DWORD links = 1;
    DWORD attributes = 0;  // those a new file can be given
};

std::string inspect(const std::wstring& path, DataFile& file) {
    file.path = path;
    Handle handle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid()) {
        // A missing file is made; a missing folder fails when the temporary file is made.
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ""
                                                                              : reasonFor(error);
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle.get(), &info)) return lastReason();
    if (GetFileType(handle.get()) != FILE_TYPE_DISK ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return notRegular();
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
        return std::string(fileProblemReason(FileProblem::ReadOnlyFile));
    }
    file.exists = true;
    file.links = info.nNumberOfLinks;
    file.attributes =
        info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    const DWORD own = GetFileAttributesW(path.c_str());
    if (own != INVALID_FILE_ATTRIBUTES && (own & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // A link: the file it names is replaced, beside itself.
        wchar_t target[MAX_PATH * 4];
        const DWORD length = GetFinalPathNameByHandleW(handle.get(), target, MAX_PATH * 4,
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return lastReason();
        if (length >= MAX_PATH * 4) return reasonFor(ERROR_FILENAME_EXCED_RANGE);
        file.path.assign(target, length);
    }
    return {};
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    FileRead read;
    const auto failed = [&](std::string reason) {
        read.status = FileRead::Status::Failed;
        read.reason = std::move(reason);
        return read;
    };
    std::wstring wide;
    if (!fullPath(path, wide)) {
        return GetLastError() == ERROR_PATH_NOT_FOUND ? read : failed(lastReason());
    }
    // Backup semantics opens a folder too, so that it is told from a file that cannot be read.
    Handle file(CreateFileW(wide.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return read;
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        read.isFolder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        return failed(read.isFolder ? notRegular() : reasonFor(error));
    }
    // A pipe, a console or a device is refused before anything is read from it.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return failed(notRegular());
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file.get(), &info)) return failed(lastReason());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        read.isFolder = true;
        return failed(notRegular());
    }
    const std::size_t wanted = limit < SIZE_MAX ? limit + 1 : limit;
    while (read.bytes.size() < wanted) {
        const std::size_t before = read.bytes.size();
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted - before, 1 << 20));
        read.bytes.resize(before + chunk);
        DWORD got = 0;
        if (!ReadFile(file.get(), read.bytes.data() + before, chunk, &got, nullptr)) {
            read.bytes.clear();
            return failed(lastReason());
        }
        read.bytes.resize(before + got);
        if (got == 0) break;
    }
    read.status = FileRead::Status::Read;
    return read;
}

// Windows' way of a safe replacement: the new content goes to "<name>.tmp" and to the disk
// (FlushFileBuffers), then ReplaceFileW puts it in the old file's place and gives it the old
// file's ACL, attributes and streams; a new file is moved into place with write-through. The
// read-only attribute marks a read-only file. Where the file has more than one name, it is
// written in place after the temporary file holds the new content; should that fail, the
// temporary file stays, as it then holds the only whole copy.
std::string replaceFile(const std::string& path, std::string_view bytes) {
    std::wstring full;
    if (!fullPath(path, full)) return lastReason();
    DataFile file;
    if (std::string reason = inspect(full, file); !reason.empty()) return reason;
    const std::wstring temporary = file.path + L".tmp";
    if (std::string reason = writeTemporary(temporary, bytes, nullptr); !reason.empty()) {
        return reason;
    }
    if (file.exists && file.links > 1) {
        if (std::string reason = writeInPlace(file.path, bytes); !reason.empty()) return reason;
        DeleteFileW(temporary.c_str());  // should it stay, the next save reuses the name
        return {};
    }
    if (!file.exists) {
        if (MoveFileExW(temporary.c_str(), file.path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return reasonFor(error);
    }
    // ReplaceFileW carries the attributes over itself; given to the new file beforehand, they
    // also hold where a file system or wine merges none.
    if ((file.attributes && !SetFileAttributesW(temporary.c_str(), file.attributes)) ||
        !ReplaceFileW(file.path.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
            DeleteFileW(temporary.c_str());
            return reasonFor(error);
        }
        // The old file is gone and the new content is in the temporary file alone.
        if (!MoveFileExW(temporary.c_str(), file.path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return lastReason();
        }
    }
    return {};
}

// A private file, written anew to "<name>.tmp" with a descriptor that lets in the user alone, and
// moved over whatever file or link stands at the name (the move replaces a link itself).
std::string replacePrivateFile(const std::string& path, std::string_view bytes) {
    std::wstring full;
    if (!fullPath(path, full)) return lastReason();
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return notRegular();
    }
    PrivateSecurity security(false);
    if (!security.attributes()) return security.reason();
    const std::wstring temporary = full + L".tmp";
    if (std::string reason = writeTemporary(temporary, bytes, security.attributes());
        !reason.empty()) {
        return reason;
    }
    if (MoveFileExW(temporary.c_str(), full.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    return reasonFor(error);
}

std::string removeFile(const std::string& path) {
    std::wstring full;
    if (!fullPath(path, full)) return lastReason();
    if (DeleteFileW(full.c_str())) return {};
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? "" : reasonFor(error);
}

namespace {

// Creates `folder` with `security`, and every missing folder above it as the system makes them.
std::string createFolder(const std::wstring& folder, SECURITY_ATTRIBUTES* security) {
    if (CreateDirectoryW(folder.c_str(), security)) return {};
    DWORD error = GetLastError();
    if (error == ERROR_PATH_NOT_FOUND) {
        const std::size_t separator = folder.find_last_of(L"\\/");
        if (separator != std::wstring::npos && separator > 0 && folder[separator - 1] != L':') {
            const std::string reason = createFolder(folder.substr(0, separator), nullptr);
            if (!reason.empty()) return reason;
            if (CreateDirectoryW(folder.c_str(), security)) return {};
            error = GetLastError();
        }
    }
    if (error != ERROR_ALREADY_EXISTS) return reasonFor(error);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastReason();
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::string(fileProblemReason(FileProblem::NotAFolder));
    }
    return {};
}

}  // namespace

// The folder gets a protected descriptor that lets in the user alone, which its files inherit;
// a folder that was there already is given it anew.
std::string makePrivateFolder(const std::string& path) {
    std::wstring full;
    if (!fullPath(path, full)) return lastReason();
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
    PrivateSecurity security(true);
    if (!security.attributes()) return security.reason();
    if (CreateDirectoryW(full.c_str(), security.attributes())) return {};
    if (GetLastError() != ERROR_ALREADY_EXISTS) return createFolder(full, security.attributes());
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastReason();
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::string(fileProblemReason(FileProblem::NotAFolder));
    }
    const DWORD error =
        SetNamedSecurityInfoW(full.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, security.dacl(), nullptr);
    return error == ERROR_SUCCESS ? "" : reasonFor(error);
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::wstring pattern;
    if (!fullPath(folder, pattern)) return names;
    if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(toUtf8(name));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

// The lock is the lock file opened without sharing: no other handle can be opened on it while
// it is held, and the system closes the handle however the process ends. The file itself stays
// (a window that was killed leaves it for the next start to take and remove).
namespace {

constexpr DWORD kLockAccess = GENERIC_READ | GENERIC_WRITE | DELETE;

std::intptr_t toHandleValue(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, kNone);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileLock::~FileLock() { release(); }

FileLock FileLock::create(const std::string& path, std::string& reason) {
    std::wstring full;
    if (!fullPath(path, full)) {
        reason = lastReason();
        return {};
    }
    PrivateSecurity security(false);
    if (!security.attributes()) {
        reason = security.reason();
        return {};
    }
    const HANDLE handle = CreateFileW(full.c_str(), kLockAccess, 0, security.attributes(),
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        reason = lastReason();
        return {};
    }
    return FileLock(toHandleValue(handle), path);
}

FileLock FileLock::take(const std::string& path, Outcome& outcome) {
    outcome = Outcome::Failed;
    std::wstring full;
    if (!fullPath(path, full)) return {};
    const HANDLE handle = CreateFileW(full.c_str(), kLockAccess, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
            outcome = Outcome::HeldElsewhere;
        }
        return {};
    }
    outcome = Outcome::Held;
    return FileLock(toHandleValue(handle), path);
}

void FileLock::releaseAndRemove() {
    if (!held()) return;
    // Marked for deletion through the held handle itself, which no other open could share.
    FILE_DISPOSITION_INFO disposition{TRUE};
    const bool marked =
        SetFileInformationByHandle(reinterpret_cast<HANDLE>(handle_), FileDispositionInfo,
                                   &disposition, sizeof disposition) != 0;
    release();
    if (!marked) {
        std::wstring full;
        if (fullPath(path_, full)) DeleteFileW(full.c_str());
    }
}

void FileLock::release() {
    if (held()) CloseHandle(reinterpret_cast<HANDLE>(std::exchange(handle_, kNone)));
}

}  // namespace lumitrak
