#pragma once
// The double-byte characters of code page 932, as scripts/generate-cp932-table.py writes them
// into cp932_table.cpp.

#include <cstddef>
#include <span>
#include <string_view>

namespace lumitrak {

// A double-byte character's trail byte is 0x40 to 0x7E or 0x80 to 0xFC.
inline constexpr std::size_t kCp932TrailBytes = 188;

struct Cp932LeadRow {
    unsigned char lead;
    std::u16string_view characters;  // one per trail byte in order, U+FFFD where unmapped
};

// The lead bytes that have characters, ascending; the user-defined 0xF0 to 0xF9 are not among
// them.
extern const std::span<const Cp932LeadRow> kCp932LeadRows;

}  // namespace lumitrak
