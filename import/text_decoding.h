#pragma once
// The bytes of a dropped output file as the UTF-8 text the readers scan: the same decoding on
// every system, whatever its language, and without the system's code-page support.

#include <string>
#include <string_view>

namespace lumitrak {

// UTF-16 (little- or big-endian) after its byte-order mark; UTF-8 when the bytes are valid UTF-8,
// a leading byte-order mark dropped; otherwise code page 932, in which the photometry programs
// write on a Japanese Windows. In UTF-16, a lone surrogate or a final odd byte gives U+FFFD.
std::string decodeOutputText(std::string_view bytes);

// Code page 932 (Microsoft's Shift_JIS) as Windows decodes it: ASCII (0x5C is the backslash),
// the half-width katakana 0xA1 to 0xDF, the double-byte characters with the NEC and IBM
// extensions, and the user-defined lead bytes 0xF0 to 0xF9 as U+E000 on; the single bytes 0x80,
// 0xA0 and 0xFD to 0xFF give U+0080, U+F8F0 and U+F8F1 to U+F8F3. Where the bytes go wrong, a
// lead byte followed by a byte that cannot trail it, or by nothing, gives U+FFFD and the next
// byte is read afresh (so a line end or a comma after it stays), and a pair that the code page
// leaves unmapped gives one U+FFFD.
std::string decodeCp932(std::string_view bytes);

}  // namespace lumitrak
