#pragma once
// Whole-file reading and replacing for the two small data files.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumitrak {

// Neither data file holds more than a few hundred bytes; a larger file is read only this far.
inline constexpr std::size_t kDataFileReadLimit = 1024 * 1024;

// The first `maxBytes` bytes of a regular file (all of it when shorter). No value when the file
// is missing, not a regular file (a folder, a pipe) or cannot be read.
std::optional<std::string> readFilePrefix(const std::filesystem::path& file,
                                          std::size_t maxBytes = kDataFileReadLimit);

// Replaces `file` whole with `bytes`: they go to a new file of a unique name in the same folder,
// which is then renamed over the old one, so a reader never sees a half-written file. False when
// anything failed; the old file is then as it was and no new file is left behind.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The text after a UTF-8 byte order mark at its start (the whole text when there is none).
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace lumitrak
