#include "storage/file_bytes.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace lumitrak {
namespace {

// A name no other file in the folder has yet: the target's name, a random part and ".tmp".
std::filesystem::path temporarySibling(const std::filesystem::path& file) {
    static std::atomic<unsigned long long> counter{0};
    std::random_device device;
    const unsigned long long mix =
        (static_cast<unsigned long long>(device()) << 32) ^ device() ^
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (++counter * 0x9E3779B97F4A7C15ull);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix;
    for (int shift = 60; shift >= 0; shift -= 4) suffix += kHex[(mix >> shift) & 0xF];
    std::filesystem::path name = file.filename();
    name += "." + suffix + ".tmp";
    return file.parent_path() / name;
}

// Opens a new file for writing; never opens one that exists already ("x": exclusive creation).
std::FILE* createNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

bool writeAndClose(std::FILE* out, std::string_view bytes) {
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = std::ferror(out) == 0 && ok;
    // A failed close can be the first sign of a full disk, so it counts as a failed write.
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

}  // namespace

std::optional<std::string> readFilePrefix(const std::filesystem::path& file, std::size_t maxBytes) {
    std::error_code error;
    // Only a regular file: a folder fails to read, and a pipe would block the caller.
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[16 * 1024];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(wanted));
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (in.bad()) return std::nullopt;
        if (!in) break;  // the end of the file
    }
    return bytes;
}

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path temporary;
    std::FILE* out = nullptr;
    // Another file of the same random name is next to impossible, but then try another name.
    for (int attempt = 0; attempt < 8 && out == nullptr; ++attempt) {
        temporary = temporarySibling(file);
        out = createNewFile(temporary);
        std::error_code error;
        if (out == nullptr && !std::filesystem::exists(temporary, error)) break;
    }
    if (out == nullptr) return false;

    std::error_code error;
    bool ok = writeAndClose(out, bytes);
    if (ok) {
        // The new file keeps the access rights of the one it replaces.
        const auto old = std::filesystem::status(file, error);
        if (!error && std::filesystem::is_regular_file(old)) {
            std::filesystem::permissions(temporary, old.permissions(), error);
        }
        std::filesystem::rename(temporary, file, error);
        ok = !error;
    }
    if (!ok) std::filesystem::remove(temporary, error);
    return ok;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

}  // namespace lumitrak
