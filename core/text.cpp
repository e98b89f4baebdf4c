#include "core/text.h"

namespace lumitrak {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

Utf8Character characterAt(std::string_view text, std::size_t pos) {
    constexpr Utf8Character kStray{0xFFFD, 1};
    const auto byteAt = [&](std::size_t i) -> unsigned {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned lead = byteAt(pos);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    unsigned secondLow = 0x80;  // overlong forms and surrogates excluded
    unsigned secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    } else {
        return kStray;
    }
    if (byteAt(pos + 1) < secondLow || byteAt(pos + 1) > secondHigh) return kStray;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byteAt(pos + i);
        if (next < 0x80 || next > 0xBF) return kStray;
        code = code << 6 | (next & 0x3Fu);
    }
    return {code, length};
}

std::size_t advanceCharacters(std::string_view text, std::size_t pos, std::size_t count) {
    for (; count > 0 && pos < text.size(); --count) pos += characterAt(text, pos).length;
    return pos;
}

}  // namespace lumitrak
