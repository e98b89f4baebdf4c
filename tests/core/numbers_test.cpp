#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace lumitrak {
namespace {

struct TextCase {
    const char* text;
    double value;
};

class TextToNumberTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToNumberTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(textToNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToNumberTest, ::testing::Values(
    TextCase{"", 0}, TextCase{"abc", 0}, TextCase{" ", 0}, TextCase{"12.3abc", 12.3},
    TextCase{"1 2", 12}, TextCase{" \t\n- 1 2 . 5", -12.5}, TextCase{"+7", 7}, TextCase{"--5", 0},
    TextCase{".5", 0.5}, TextCase{"-.25", -0.25}, TextCase{"5.", 5}, TextCase{".", 0},
    TextCase{"1.2.3", 1.2}, TextCase{"1e3", 1000}, TextCase{"1E-2", 0.01}, TextCase{"2D2", 200},
    TextCase{"2d+2", 200}, TextCase{"1 e 3", 1000}, TextCase{"1e", 1}, TextCase{"1e+", 1},
    TextCase{"1ex", 1}, TextCase{"7.5mag", 7.5}, TextCase{"&HFF", 255}, TextCase{"&hff", 255},
    TextCase{"&O17", 15}, TextCase{"&o8", 0}, TextCase{"&X1", 0}, TextCase{"&H", 0},
    TextCase{"\r5", 0},
    // Full-width forms from an input method read as their ASCII forms.
    TextCase{"１１．８０", 11.8}, TextCase{"－９．７００", -9.7}, TextCase{"−1.5", -1.5},
    TextCase{"＋２Ｅ－１", 0.2}, TextCase{"１ｄ２", 100}, TextCase{"＆Ｈｆｆ", 255}, TextCase{"＆ｏ１７", 15},
    TextCase{"　１　２", 12}, TextCase{"1２", 12}, TextCase{"１２ｘ", 12}, TextCase{"１\xEF\xBC", 1},
    TextCase{"\xEF\xBC\x91", 1}, TextCase{"×5", 0}, TextCase{"\xE2\x88", 0}, TextCase{"1e-999", 0}, TextCase{"0e999", 0},
    TextCase{" 1.23456789012345E+15", 1.23456789012345e15}));

TEST(TextToNumber, OverflowGivesAnInfinityOfTheNumbersSign) {
    EXPECT_EQ(textToNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("0.000001e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("100000e-328"), 1e-323);  // a subnormal, not zero
}

TEST(TextToNumber, ReadsOnlyTheGivenView) {
    const std::string buffer = "12345";
    EXPECT_EQ(textToNumber(std::string_view(buffer).substr(0, 2)), 12);
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberTest, ::testing::Values(
    // No digit before the point where the integer part has no '0'.
    FormatCase{0.5, "##.000", ".500"}, FormatCase{-0.5, "##.000", "-.500"},
    FormatCase{0.25, "##.000", ".250"}, FormatCase{12.3456, "##.000", "12.346"},
    FormatCase{123.4, "##.000", "123.400"}, FormatCase{-12.5, "##.000", "-12.500"},
    // A mandatory digit before the point.
    FormatCase{0.5, "#0.000", "0.500"}, FormatCase{0.012, "#0.000", "0.012"},
    FormatCase{-0.25, "#0.000", "-0.250"}, FormatCase{0, "#0.000", "0.000"},
    FormatCase{0.5, "#0.00", "0.50"}, FormatCase{0.004999, "#0.00", "0.00"},
    FormatCase{0.005, "#0.00", "0.01"}, FormatCase{2.675, "#0.00", "2.68"},
    FormatCase{1.0005, "#0.000", "1.001"}, FormatCase{0.9995, "#0.000", "1.000"},
    FormatCase{9.9996, "##.000", "10.000"}, FormatCase{12345678.9, "#0.000", "12345678.900"},
    // A value that rounds to zero carries no minus sign.
    FormatCase{-0.0004, "#0.000", "0.000"}, FormatCase{-0.0004, "##.000", ".000"},
    // '#' places before the last '0' are always shown.
    FormatCase{1, "##.####0", "1.00000"}, FormatCase{0.987654, "##.####0", ".98765"},
    FormatCase{0.987656, "##.####0", ".98766"}, FormatCase{0.999996, "##.####0", "1.00000"},
    // Optional places: trailing zeros dropped, the point always written.
    FormatCase{-5, "###.###", "-5."}, FormatCase{-5.995, "###.###", "-5.995"},
    FormatCase{-5.99, "###.###", "-5.99"}, FormatCase{0.75257, "###.###", ".753"},
    FormatCase{-4.9999999999, "###.###", "-5."}, FormatCase{0, "###.###", "."},
    FormatCase{1234.5, "###.###", "1234.5"},
    // The read-out patterns.
    FormatCase{-10.2, "#####.00", "-10.20"}, FormatCase{8.79, "####.00", "8.79"},
    FormatCase{0.5, "#####.00", ".50"}, FormatCase{-0.5, "####.00", "-.50"},
    FormatCase{123456.785, "#####.00", "123456.79"}));

TEST(FormatNumber, NonFiniteValuesGiveNoText) {
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "#0.000"), "");
    EXPECT_EQ(formatNumber(std::nan(""), "##.000"), "");
}

TEST(FormatNumber, ShowsEveryIntegerDigitOfAHugeValue) {
    const std::string text = formatNumber(1e20, "#0.000");
    EXPECT_EQ(text, "100000000000000000000.000");
}

struct PlainCase {
    double value;
    const char* plain;
    const char* decimal;
};

class PlainTextTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainTextTest, WritesTheShortestForm) {
    const PlainCase& c = GetParam();
    EXPECT_EQ(numberToPlainText(c.value), c.plain);
    EXPECT_EQ(numberToDecimalText(c.value), c.decimal);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlainTextTest, ::testing::Values(
    PlainCase{0, " 0", "0"}, PlainCase{-0.0, " 0", "0"}, PlainCase{0.5, " .5", "0.5"},
    PlainCase{-0.25, "-.25", "-0.25"}, PlainCase{12.345, " 12.345", "12.345"},
    PlainCase{-7.25, "-7.25", "-7.25"}, PlainCase{1.25, " 1.25", "1.25"}, PlainCase{-1, "-1", "-1"},
    PlainCase{0.1 + 0.2, " .3", "0.3"}, PlainCase{1.0 / 3, " .333333333333333", "0.333333333333333"},
    PlainCase{2.0 / 3, " .666666666666667", "0.666666666666667"},
    PlainCase{1e20, " 1E+20", "1E+20"}, PlainCase{-1.5e20, "-1.5E+20", "-1.5E+20"},
    PlainCase{123456789012345, " 123456789012345", "123456789012345"},
    PlainCase{1e15, " 1E+15", "1E+15"}, PlainCase{999999999999999.9, " 1E+15", "1E+15"},
    PlainCase{0.0001, " .0001", "0.0001"}, PlainCase{0.00001, " 1E-05", "1E-05"},
    PlainCase{-1.25e-7, "-1.25E-07", "-1.25E-07"}, PlainCase{1e-300, " 1E-300", "1E-300"},
    PlainCase{100, " 100", "100"}));

TEST(NumberToPlainText, InfinityReadsBack) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(textToNumber(numberToPlainText(inf)), inf);
    EXPECT_EQ(textToNumber(numberToPlainText(-inf)), -inf);
}

TEST(TextFromCharacter, CountsCharactersNotBytes) {
    EXPECT_EQ(textFromCharacter("傾き = 1.25", 5), " 1.25");
    EXPECT_EQ(textFromCharacter("定数 =-2.5", 5), "-2.5");
    EXPECT_EQ(textFromCharacter("abc", 1), "abc");
    EXPECT_EQ(textFromCharacter("abc", 4), "");
    EXPECT_EQ(textFromCharacter("abc", 9), "");
}

// A numpunct whose decimal point is a comma, for the C++ global locale.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(NumberHelpers, DoNotDependOnTheLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    const char* cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(textToNumber("12.5"), 12.5);
    EXPECT_EQ(textToNumber("12,5"), 12);
    EXPECT_EQ(formatNumber(0.5, "#0.000"), "0.500");
    EXPECT_EQ(numberToPlainText(-7.25), "-7.25");
    EXPECT_EQ(numberToDecimalText(1e20), "1E+20");
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous);
    if (cLocale == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed; only the C++ locale was changed";
}

}  // namespace
}  // namespace lumitrak
