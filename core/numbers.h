#pragma once
// The number helpers every command uses to move between the sheet's texts and doubles. None of
// them depends on the C or C++ locale: "." is always the decimal point.

#include <string>
#include <string_view>

namespace lumitrak {

// The value of the number at the start of `text`. Blanks, tabs and line feeds are skipped
// wherever they stand (also between digits); then an optional sign, digits with at most one
// ".", and an optional exponent (E or D, optional sign, digits). "&H" and "&O" start a
// hexadecimal or octal integer. A text with no number at its start gives 0. An exponent too
// large for a double gives an infinity of the number's sign; one too small gives 0. The
// full-width forms an input method types ("１２．５", "－", "Ｅ", "＆Ｈ", the minus sign "−" and
// the ideographic space) and its kana-mode minus and point ("ー", "ｰ", "。", "｡") count as their
// ASCII forms.
double textToNumber(std::string_view text);

// `value` written with a display pattern such as "##.000", "#0.000", "###.###" or "#####.00":
// rounded (half away from zero, on the value's 15 significant digits) to the pattern's places;
// '#' an optional and '0' a mandatory digit. A value that rounds to zero is written without a
// minus sign. A value that is not a finite number gives the empty text.
std::string formatNumber(double value, std::string_view pattern);

// A blank (value >= 0) or "-", then the shortest form with at most 15 significant digits, no
// digit before the point below 1 (" .5", "-.25"), and the exponent form for very large or very
// small magnitudes (" 1E+20", " 1E-05"). textToNumber reads it back.
std::string numberToPlainText(double value);

// The ordinary decimal text of a number, as a field shows it after the data file is read:
// like numberToPlainText but without the leading blank and with a zero before the point
// ("0.5", "-0.5", "12.3", "1E+20").
std::string numberToDecimalText(double value);

}  // namespace lumitrak
