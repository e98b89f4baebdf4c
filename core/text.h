#pragma once
// Walking the core's UTF-8 texts character by character. A character is a valid UTF-8 sequence
// (no overlong form, no surrogate), or any other single byte; so every ASCII byte is a
// character of its own, and a text of any bytes can be walked.

#include <cstddef>
#include <string_view>

namespace lumitrak {

// A blank or a tab.
bool isBlank(char c);

struct Utf8Character {
    char32_t code;       // U+FFFD for a byte that starts no valid sequence
    std::size_t length;  // in bytes, 1 to 4
};

// The character that starts at byte `pos` (< text.size()).
Utf8Character characterAt(std::string_view text, std::size_t pos);

// The byte position `count` characters after `pos`, or the text's end where it has fewer.
std::size_t advanceCharacters(std::string_view text, std::size_t pos, std::size_t count);

}  // namespace lumitrak
