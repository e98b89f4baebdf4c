#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

using namespace lumitrak;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextToNumber, ReadsTheLeadingNumber) {
    const std::string zeros(400, '0');
    const std::pair<std::string, double> cases[] = {
        {"", 0},
        {"12.3abc", 12.3},
        {" \t\n- 1 2 . 5", -12.5},
        {".5", 0.5},
        {"1e3", 1000},
        {"&h9aF", 2479},
        {zeros + "1e-330", 0},
        {"１１．８０", 11.8},
        {"−1.5", -1.5},
        {"＋２Ｅ－１", 0.2},
        {"＆Ｈｆｆ", 255},
        {"１\xEF\xBC", 1},
        {"&O17", 15},
        {"&o8", 0},
        {"1e999", kInf},
        {"\r5", 0},
        {"ー８．２", -8.2},
        {"－８。２", -8.2},
        {"ｰ8｡25", -8.25},
        {"ー.5", -0.5},
    };
    for (const auto& [text, value] : cases) {
        // A buffer of the text's exact size: no byte after it may be read.
        const std::vector<char> bytes(text.begin(), text.end());
        EXPECT_EQ(textToNumber({bytes.data(), bytes.size()}), value) << text.substr(0, 20);
    }
}

TEST(FormatNumber, RoundsHalfAwayFromZeroToThePattern) {
    const std::tuple<double, const char*, const char*> cases[] = {
        // value, pattern, text
        {0.5, "##.000", ".500"},
        {0.005, "#0.00", "0.01"},
        {2.675, "#0.00", "2.68"},
        {1e20, "#0.000", "100000000000000000000.000"},
        {0.987656, "##.####0", ".98766"},
        {-5, "###.###", "-5."},
        {-0.0004, "#0.000", "0.000"},
        {std::nan(""), "##.000", ""},
        {5, "000.0", "005.0"},  // more mandatory digits than the number has
    };
    for (const auto& [value, pattern, text] : cases)
        EXPECT_EQ(formatNumber(value, pattern), text) << value << " with " << pattern;
}

TEST(NumberToText, WritesTheShortestForm) {
    const std::tuple<double, const char*, const char*> cases[] = {
        // value, plain, decimal
        {0, " 0", "0"},
        {0.5, " .5", "0.5"},
        {100, " 100", "100"},
        {0.1 + 0.2, " .3", "0.3"},
        {1e15, " 1E+15", "1E+15"},
        {-1.5e20, "-1.5E+20", "-1.5E+20"},
        {0.0001, " .0001", "0.0001"},
        {0.00001, " 1E-05", "1E-05"},
        {std::nan(""), " 0", "0"},
    };
    for (const auto& [value, plain, decimal] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(numberToPlainText(value), plain);
        EXPECT_EQ(numberToDecimalText(value), decimal);
    }
}

TEST(Numbers, IgnoreTheLocalesDecimalComma) {
    // The locale's POSIX name, or its name in the Windows C runtime.
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                        std::setlocale(LC_ALL, "German_Germany.1252") != nullptr;
    ASSERT_TRUE(german) << "de_DE.UTF-8 is missing: scripts/install-deps.sh generates it";
    // Read with the locale's decimal comma these would be 12.5 and 0, written "0,500", "-7,25".
    EXPECT_EQ(textToNumber("12,5"), 12);
    EXPECT_EQ(textToNumber("0.5"), 0.5);
    EXPECT_EQ(formatNumber(0.5, "#0.000"), "0.500");
    EXPECT_EQ(numberToPlainText(-7.25), "-7.25");
    std::setlocale(LC_ALL, "C");
}
