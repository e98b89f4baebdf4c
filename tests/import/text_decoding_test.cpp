#include "import/text_decoding.h"

#include <gtest/gtest.h>

using namespace lumitrak;

struct Decoding {
    const char* label;
    std::string bytes;
    std::string text;
};

TEST(DecodeCp932, DecodesTheCodePageAsWindowsDoes) {
    const Decoding cases[] = {
        {"double-byte kanji", "\x94\xE4\x8A\x72\x90\xAF", "比較星"},
        {"half-width katakana", "\xB6\xC0\xDB\xB8\xDE", "ｶﾀﾛｸﾞ"},
        {"the half-width range's ends", "\xA1\xDF", "｡ﾟ"},
        {"ASCII as it is", "C:\\out\\a~1.txt,12\r\n", "C:\\out\\a~1.txt,12\r\n"},
        {"0x5C trailing a lead byte", "\xFA\x5C\x95\x5C", "纊表"},
        {"NEC row 13", "\x87\x40\x87\x90", "①≒"},
        {"IBM extension and its NEC-selected twin", "\xFA\x5C\xED\x40", "纊纊"},
        {"Microsoft's own forms", "\x81\x60\x81\x7C\x81\xCA", "～－￢"},
        {"either side of the 0x7F gap", "\x81\x7E\x81\x80", "×÷"},
        {"first and last trail bytes", "\x88\x9F\x9F\xFC\xFC\x4B", "亜滌黑"},
        {"user-defined area", "\xF0\x40\xF0\x80\xF9\xFC", "\uE000\uE03F\uE757"},
        {"single bytes Windows maps to private use", "\x80\xA0\xFD\xFF",
         "\u0080\uF8F0\uF8F1\uF8F3"},
        // Where the bytes go wrong, the next byte is read afresh unless it is a trail byte.
        {"lead byte before a line end", "\x94\r\n", "\uFFFD\r\n"},
        {"lead byte before 0x7F", "\x81\x7F", "\uFFFD\x7F"},
        {"lead byte before a lead byte", "\x94\xFD\x94\xE4", "\uFFFD\uF8F1比"},
        {"cut off at the end", "A\x94", "A\uFFFD"},
        {"unmapped pairs", "\x85\x40\x82\x40\xEB\xFC", "\uFFFD\uFFFD\uFFFD"},
    };
    for (const Decoding& c : cases) EXPECT_EQ(decodeCp932(c.bytes), c.text) << c.label;
}

TEST(DecodeOutputText, ChoosesUtf16Utf8OrTheCodePage) {
    using namespace std::string_literals;
    const Decoding cases[] = {
        {"empty", "", ""},
        {"UTF-8 as it is", "No,比較星 ｱ\r\n", "No,比較星 ｱ\r\n"},
        {"UTF-8 after its mark", "\xEF\xBB\xBF比較星\xEF\xBB\xBF", "比較星\xEF\xBB\xBF"},
        {"Shift_JIS", "No,\x94\xE4\x8A\x72\x90\xAF\r\n", "No,比較星\r\n"},
        {"one invalid byte decodes the whole file as Shift_JIS", "\xC3\xA9\x94\xE4", "ﾃｩ比"},
        {"UTF-16 LE", "\xFF\xFEN\0o\0\xD4\x6B\x34\xD8\x1E\xDD\r\0"s, "No比𝄞\r"},
        {"UTF-16 BE", "\xFE\xFF\0N\x6B\xD4\xD8\x34\xDD\x1E"s, "N比𝄞"},
        {"UTF-16 from the first character past the 16 bits", "\xFF\xFE\x00\xD8\x00\xDC"s,
         "\xF0\x90\x80\x80"},
        {"an overlong UTF-8 form is Shift_JIS", "\xF0\x8F\xBF\xBF", "\uE04Eｿｿ"},
        {"UTF-16 lone surrogates and an odd byte", "\xFF\xFE\x1E\xDD\x41\0\x34\xD8\x42\0\x43"s,
         "\uFFFDA\uFFFDB\uFFFD"},
    };
    for (const Decoding& c : cases) EXPECT_EQ(decodeOutputText(c.bytes), c.text) << c.label;
}
