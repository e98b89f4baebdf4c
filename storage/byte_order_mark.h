#pragma once
// Both data files may come back from an editor that put a UTF-8 byte order mark in front.

#include <string_view>

namespace lumitrak {

// The text after a UTF-8 byte order mark at its start (the whole text when there is none).
inline std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

}  // namespace lumitrak
