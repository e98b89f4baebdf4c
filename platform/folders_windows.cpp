// The program's folders on Windows, named in UTF-8.
#include <shlobj.h>
#include <windows.h>

#include "platform/folders.h"

namespace lumitrak {
namespace {

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The system's words for an error or a failed call's HRESULT, with its number.
std::string systemWords(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring words = length > 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n')) words.pop_back();
    const std::string text = toUtf8(words);
    return (text.empty() ? "" : text + " ") + "(エラー " + std::to_string(error) + ")";
}

}  // namespace

FolderPath workingFolder() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    for (;;) {
        if (size == 0) return {{}, systemWords(GetLastError())};
        std::wstring folder(size, L'\0');
        const DWORD length = GetCurrentDirectoryW(size, folder.data());
        if (length == 0) return {{}, systemWords(GetLastError())};
        if (length < size) return {toUtf8(folder.substr(0, length)), {}};
        size = length;  // it changed in between
    }
}

FolderPath recoveryFolder() {
    wchar_t* local = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local);
    if (FAILED(result)) {
        CoTaskMemFree(local);
        return {{}, systemWords(static_cast<DWORD>(result))};
    }
    const std::string folder = toUtf8(local);
    CoTaskMemFree(local);
    return {folder + "\\Lumitrak\\recovery", {}};
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

}  // namespace lumitrak
