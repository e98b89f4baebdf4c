#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "core/text.h"

using namespace lumitrak;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextToNumber, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},
        {"abc", 0},
        {" ", 0},
        {"12.3abc", 12.3},
        {" \t\n- 1 2 . 5", -12.5},
        {"+7", 7},
        {"--5", 0},
        {".5", 0.5},
        {"-.25", -0.25},
        {"5.", 5},
        {".", 0},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2D2", 200},
        {"2d+2", 200},
        {"1 e 3", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"&HAF", 175},
        {"&haf", 175},
        {"&O17", 15},
        {"&o8", 0},
        {"&X1", 0},
        {"&H", 0},
        {"\r5", 0},
        {" 1.23456789012345E+15", 1.23456789012345e15},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"0.000001e400", kInf},
        {"1e-999", 0},
        {"0e999", 0},
        {"100000e-328", 1e-323},  // then input-method forms
        {"１１．８０", 11.8},
        {"－９．７００", -9.7},
        {"−1.5", -1.5},
        {"＋２Ｅ－１", 0.2},
        {"ー８．２", -8.2},
        {"－８。２", -8.2},
        {"ｰ8｡25", -8.25},
        {"ー.5", -0.5},
        {"１ｄ２", 100},
        {"＆Ｈｆｆ", 255},
        {"＆ｏ１７", 15},
        {"　１　２", 12},
        {"1２", 12},
        {"１２ｘ", 12},
        {"１\xEF\xBC", 1},
        {"\xEF\xBC\x91", 1},
        {"×5", 0},
        {"\xE2\x88", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(textToNumber(text), value) << '"' << text << '"';
    // No byte after the buffer; far from the point the first non-zero digit decides the range.
    const std::string zeros(400, '0');
    for (const auto& [text, value] : {std::pair(zeros + "1e-330", 0.0),
                                      {"1" + zeros + "1e-50", kInf},
                                      {"0.1" + zeros + "1e400", kInf},
                                      {"12", 12.0},
                                      {"1２", 12.0}}) {
        const std::vector<char> bytes(text.begin(), text.end());
        EXPECT_EQ(textToNumber({bytes.data(), bytes.size()}), value) << text.substr(0, 8);
    }
}

TEST(FormatNumber, RoundsHalfAwayFromZeroToThePattern) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {0.5, "##.000", ".500"},
        {-0.5, "##.000", "-.500"},
        {12.3456, "##.000", "12.346"},
        {9.9996, "##.000", "10.000"},
        {0.5, "#0.000", "0.500"},
        {0.012, "#0.000", "0.012"},
        {-0.25, "#0.000", "-0.250"},
        {0, "#0.000", "0.000"},
        {0.004999, "#0.00", "0.00"},
        {0.005, "#0.00", "0.01"},
        {2.675, "#0.00", "2.68"},
        {1.0005, "#0.000", "1.001"},
        {0.9995, "#0.000", "1.000"},
        {5, "00.0", "05.0"},
        {12345678.9, "#0.000", "12345678.900"},
        {1, "##.####0", "1.00000"},
        {1e20, "#0.000", "100000000000000000000.000"},
        {0.987654, "##.####0", ".98765"},
        {0.987656, "##.####0", ".98766"},
        {0.999996, "##.####0", "1.00000"},
        {-5, "###.###", "-5."},
        {-5.995, "###.###", "-5.995"},
        {0.75257, "###.###", ".753"},
        {-4.9999999999, "###.###", "-5."},
        {0, "###.###", "."},
        {1234.5, "###.###", "1234.5"},
        {-10.2, "#####.00", "-10.20"},
        {-0.5, "####.00", "-.50"},
        {123456.785, "#####.00", "123456.79"},
        {-0.0004, "#0.000", "0.000"},
        {-0.0004, "##.000", ".000"},
        {kInf, "#0.000", ""},
        {std::nan(""), "##.000", ""}};  // -0 has no sign; no number no text
    for (const auto& [value, pattern, text] : cases)
        EXPECT_EQ(formatNumber(value, pattern), text) << value << pattern;
}

TEST(NumberToText, WritesTheShortestForm) {
    const std::tuple<double, const char*, const char*> cases[] = {
        // value, plain, decimal
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {0.5, " .5", "0.5"},
        {-0.25, "-.25", "-0.25"},
        {12.345, " 12.345", "12.345"},
        {-7.25, "-7.25", "-7.25"},
        {-1, "-1", "-1"},
        {100, " 100", "100"},
        {0.1 + 0.2, " .3", "0.3"},
        {1.0 / 3, " .333333333333333", "0.333333333333333"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {1e20, " 1E+20", "1E+20"},
        {-1.5e20, "-1.5E+20", "-1.5E+20"},
        {1e15, " 1E+15", "1E+15"},
        {123456789012345, " 123456789012345", "123456789012345"},
        {999999999999999.9, " 1E+15", "1E+15"},
        {0.0001, " .0001", "0.0001"},
        {0.00001, " 1E-05", "1E-05"},
        {-1.25e-7, "-1.25E-07", "-1.25E-07"},
        {1e-10, " 1E-10", "1E-10"},
        {1e-300, " 1E-300", "1E-300"},
        {kInf, " 1E+999", "1E+999"},
        {-kInf, "-1E+999", "-1E+999"},
        {std::nan(""), " 0", "0"}};
    for (const auto& [value, plain, decimal] : cases)
        EXPECT_EQ(numberToPlainText(value) + "|" + numberToDecimalText(value),
                  plain + ("|" + std::string(decimal)));
    for (const auto& [text, first, rest] :
         {std::tuple("傾き = 1.25", 5, " 1.25"), {"abc", 1, "abc"}, {"abc", 4, ""}})
        EXPECT_EQ(textFromCharacter(text, first), rest) << text << ' ' << first;
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // a decimal comma, where installed, changes nothing
    EXPECT_EQ(textToNumber("12,5") + textToNumber("0.5"), 12.5);
    EXPECT_EQ(formatNumber(0.5, "#0.000") + numberToPlainText(-7.25), "0.500-7.25");
    std::setlocale(LC_ALL, "C");
}
