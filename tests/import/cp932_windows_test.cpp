// Our code page 932 decoder against the system's own, MultiByteToWideChar(932), on every single
// byte and every double-byte pair.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "core/text.h"
#include "import/text_decoding.h"

using namespace lumitrak;

// The one character the system decodes `bytes` into; U+FFFD where it maps none, as the ordinary
// call then gives the default character and the strict call an error.
char32_t systemCharacter(std::string_view bytes) {
    const auto decode = [&](DWORD flags, wchar_t* units) {
        return MultiByteToWideChar(932, flags, bytes.data(), static_cast<int>(bytes.size()), units,
                                   2);
    };
    wchar_t units[2];
    CPINFOEXW info;
    if (decode(0, units) != 1 || !GetCPInfoExW(932, 0, &info)) return 0;
    wchar_t strict[2];
    if (units[0] == info.UnicodeDefaultChar && decode(MB_ERR_INVALID_CHARS, strict) == 0) {
        return 0xFFFD;
    }
    return units[0];
}

TEST(Cp932AgainstTheSystem, EverySingleByteAndDoubleBytePair) {
    int agreed = 0;
    int characters = 0;
    int sequences = 0;
    for (unsigned first = 0; first <= 0xFF; ++first) {
        const bool lead = IsDBCSLeadByteEx(932, static_cast<BYTE>(first));
        for (unsigned trail = lead ? 0x40 : 0; trail <= (lead ? 0xFC : 0); ++trail) {
            if (lead && trail == 0x7F) continue;
            const char pair[] = {static_cast<char>(first), static_cast<char>(trail)};
            const std::string_view bytes(pair, lead ? 2 : 1);
            const std::string ours = decodeCp932(bytes);
            const Utf8Character character = characterAt(ours, 0);
            const char32_t system = systemCharacter(bytes);
            ++sequences;
            if (character.length == ours.size() && character.code == system) {
                ++agreed;
                characters += system != 0xFFFD;
            } else {
                ADD_FAILURE() << std::hex << first << " " << trail << ": ours " << ours.size()
                              << " bytes from U+" << static_cast<unsigned>(character.code)
                              << ", the system's U+" << static_cast<unsigned>(system);
            }
        }
    }
    std::printf("%d of %d sequences agree, %d of them characters\n", agreed, sequences, characters);
    EXPECT_EQ(sequences, 256 - 60 + 60 * 188);  // 60 lead bytes of 188 trail bytes each
}
