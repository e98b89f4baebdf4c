#include "import/text_decoding.h"

#include <algorithm>

#include "core/text.h"
#include "import/cp932_table.h"

namespace lumitrak {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& text, char32_t code) {
    const auto byte = [&](unsigned value) { text += static_cast<char>(value); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | code >> 6);
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | code >> 12);
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | code >> 18);
        byte(0x80 | (code >> 12 & 0x3F));
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Character c = characterAt(bytes, pos);
        if (c.code == kReplacement && c.length == 1) return false;
        pos += c.length;
    }
    return true;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t pos) -> char32_t {
        const unsigned first = static_cast<unsigned char>(bytes[pos]);
        const unsigned second = static_cast<unsigned char>(bytes[pos + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    const auto isHigh = [](char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::string text;
    std::size_t pos = 0;
    for (; pos + 2 <= bytes.size(); pos += 2) {
        const char32_t unit = unitAt(pos);
        if (isHigh(unit) && pos + 4 <= bytes.size() && isLow(unitAt(pos + 2))) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(pos + 2) - 0xDC00));
            pos += 2;
        } else {
            appendUtf8(text, isHigh(unit) || isLow(unit) ? kReplacement : unit);
        }
    }
    if (pos < bytes.size()) appendUtf8(text, kReplacement);
    return text;
}

bool isLeadByte(unsigned byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The index of a trail byte among the 188, or none.
std::size_t trailIndex(unsigned byte) {
    if (byte >= 0x40 && byte <= 0x7E) return byte - 0x40;
    if (byte >= 0x80 && byte <= 0xFC) return byte - 0x41;
    return kCp932TrailBytes;
}

char32_t doubleByteCharacter(unsigned lead, std::size_t trail) {
    if (lead >= 0xF0 && lead <= 0xF9) return 0xE000 + (lead - 0xF0) * kCp932TrailBytes + trail;
    const auto row = std::ranges::lower_bound(kCp932LeadRows, lead, {}, &Cp932LeadRow::lead);
    if (row == kCp932LeadRows.end() || row->lead != lead) return kReplacement;
    return row->characters[trail];
}

char32_t singleByteCharacter(unsigned byte) {
    if (byte <= 0x80) return byte;
    if (byte == 0xA0) return 0xF8F0;
    if (byte >= 0xA1 && byte <= 0xDF) return 0xFF61 + (byte - 0xA1);
    return 0xF8F1 + (byte - 0xFD);  // 0xFD to 0xFF, the rest being lead bytes
}

}  // namespace

std::string decodeCp932(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        const unsigned byte = static_cast<unsigned char>(bytes[pos]);
        if (!isLeadByte(byte)) {
            appendUtf8(text, singleByteCharacter(byte));
            continue;
        }
        const std::size_t trail = pos + 1 < bytes.size()
                                      ? trailIndex(static_cast<unsigned char>(bytes[pos + 1]))
                                      : kCp932TrailBytes;
        if (trail == kCp932TrailBytes) {
            appendUtf8(text, kReplacement);
            continue;
        }
        appendUtf8(text, doubleByteCharacter(byte, trail));
        ++pos;
    }
    return text;
}

std::string decodeOutputText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return decodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return decodeUtf16(bytes.substr(2), true);
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return decodeCp932(bytes);
}

}  // namespace lumitrak
