// Our code page 932 decoder against the system's own, MultiByteToWideChar(932), for every
// double-byte pair and every single byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "core/text.h"
#include "import/text_decoding.h"

using namespace lumitrak;

// What the system decodes `bytes` into, U+FFFD where it cannot map them: there the ordinary call
// gives the code page's default character and the strict one an error.
std::u32string systemDecoding(std::string_view bytes) {
    const auto decode = [&](DWORD flags, wchar_t* units) {
        return MultiByteToWideChar(932, flags, bytes.data(), static_cast<int>(bytes.size()), units,
                                   4);
    };
    wchar_t units[4];
    wchar_t strict[4];
    const int count = decode(0, units);
    CPINFOEXW info;
    if (count != 1 || !GetCPInfoExW(932, 0, &info)) return U"(failed)";
    if (units[0] == info.UnicodeDefaultChar && decode(MB_ERR_INVALID_CHARS, strict) == 0) {
        return U"\uFFFD";
    }
    return std::u32string(1, static_cast<char32_t>(units[0]));
}

std::u32string ourDecoding(std::string_view bytes) {
    const std::string text = decodeCp932(bytes);
    std::u32string characters;
    for (std::size_t pos = 0; pos < text.size(); pos += characterAt(text, pos).length) {
        characters += characterAt(text, pos).code;
    }
    return characters;
}

struct Agreement {
    int agreed = 0;  // the same character, or unmapped in both
    int mapped = 0;  // of those, a character
    int differed = 0;
};

void compare(std::string_view bytes, Agreement& agreement) {
    const std::u32string ours = ourDecoding(bytes);
    const std::u32string system = systemDecoding(bytes);
    if (ours == system) {
        ++agreement.agreed;
        if (system != U"\uFFFD") ++agreement.mapped;
        return;
    }
    ++agreement.differed;
    ADD_FAILURE() << std::hex << "bytes " << static_cast<unsigned>(bytes[0] & 0xFF) << " "
                  << static_cast<unsigned>(bytes.back() & 0xFF) << ": ours U+"
                  << static_cast<unsigned>(ours[0]) << ", the system's U+"
                  << static_cast<unsigned>(system[0]);
}

TEST(Cp932AgainstTheSystem, EveryDoubleBytePair) {
    Agreement pairs;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(lead))) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            compare({bytes, 2}, pairs);
        }
    }
    std::printf("double-byte pairs: %d agree (%d of them characters), %d differ\n", pairs.agreed,
                pairs.mapped, pairs.differed);
    EXPECT_EQ(pairs.agreed + pairs.differed, 60 * 188);
}

TEST(Cp932AgainstTheSystem, EverySingleByte) {
    Agreement singles;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) {
        if (IsDBCSLeadByteEx(932, static_cast<BYTE>(byte))) continue;
        const char bytes[] = {static_cast<char>(byte)};
        compare({bytes, 1}, singles);
    }
    std::printf("single bytes: %d agree, %d differ\n", singles.agreed, singles.differed);
    EXPECT_EQ(singles.agreed + singles.differed, 256 - 60);
}
