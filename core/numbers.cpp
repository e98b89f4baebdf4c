#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

#include "core/text.h"

namespace lumitrak {
namespace {

bool isSkipped(char c) { return isBlank(c) || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text with blanks, tabs and line feeds taken out, one character at a time.
class SkippingReader {
public:
    explicit SkippingReader(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void next() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double readRadixInteger(SkippingReader& in, int radix) {
    double value = 0;
    while (digitValue(in.peek()) < radix) {
        value = value * radix + digitValue(in.peek());
        in.next();
    }
    return value;
}

// The 15 significant digits of a positive finite value and the power of ten of the first one:
// value ~ d0.d1d2...d14 x 10^exponent.
struct SignificantDigits {
    char digits[15];
    int exponent;
};

SignificantDigits significantDigits(double magnitude) {
    char buffer[40];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    SignificantDigits out{};
    const char* p = buffer;
    int n = 0;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (isDigit(*p)) out.digits[n++] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, out.exponent);
    return out;
}

std::string exponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    int size = exponent < 0 ? -exponent : exponent;
    if (size < 10) text += '0';
    text += std::to_string(size);
    return text;
}

// The shortest text of a non-zero finite magnitude; `zeroBeforePoint` gives 0.5 rather than .5.
std::string shortestText(double magnitude, bool zeroBeforePoint) {
    SignificantDigits sig = significantDigits(magnitude);
    std::string digits(sig.digits, 15);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int x = sig.exponent;
    if (x >= 15 || x < -4) {
        std::string text(1, digits[0]);
        if (digits.size() > 1) text += "." + digits.substr(1);
        return text + exponentText(x);
    }
    if (x < 0) {
        return std::string(zeroBeforePoint ? "0." : ".") + std::string(-x - 1, '0') + digits;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(x) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

std::string numberText(double value, bool plainSign, bool zeroBeforePoint) {
    const std::string sign = value < 0 ? "-" : (plainSign ? " " : "");
    if (std::isnan(value)) return (plainSign ? " " : "") + std::string("0");
    // An infinity (a text like 1e999) is written so that textToNumber reads it back.
    if (std::isinf(value)) return sign + "1E+999";
    if (value == 0) return (plainSign ? " " : "") + std::string("0");
    return sign + shortestText(std::fabs(value), zeroBeforePoint);
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// round(magnitude x 10^places), half away from zero on its 15 significant digits, as digits.
std::string scaledRoundedDigits(double magnitude, int places) {
    if (magnitude == 0) return "0";
    SignificantDigits sig = significantDigits(magnitude);
    const int shift = sig.exponent + places;  // power of ten of the first digit once scaled
    if (shift >= 14) return std::string(sig.digits, 15) + std::string(shift - 14, '0');
    if (shift < -1) return "0";
    std::string kept(sig.digits, static_cast<std::size_t>(shift + 1));
    if (kept.empty()) kept = "0";
    if (sig.digits[shift + 1] >= '5') incrementDigits(kept);
    return kept;
}

// Characters an input method types, read as the ASCII they stand for: the code points
// first..last become ascii, ascii + 1, ...
struct AsciiForm {
    char32_t first;
    char32_t last;
    char ascii;
};
constexpr AsciiForm kAsciiForms[] = {
    {0xFF01, 0xFF5E, '!'},  // full-width "!".."~": "１２．５", "－", "Ｅ", "＆Ｈ"
    {0x2212, 0x2212, '-'},  // minus sign
    {0x30FC, 0x30FC, '-'},  // prolonged sound mark: kana mode's minus key
    {0xFF70, 0xFF70, '-'},  // the same, half-width
    {0x3002, 0x3002, '.'},  // ideographic full stop: kana mode's point key
    {0xFF61, 0xFF61, '.'},  // the same, half-width
    {0x3000, 0x3000, ' '},  // ideographic space
};

// The text with those characters replaced; a text of ASCII alone is returned as it is.
std::string_view withAsciiForms(std::string_view text, std::string& storage) {
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(text.begin(), text.end(), isAscii)) return text;
    storage.clear();
    storage.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = characterAt(text, i);
        const auto* form =
            std::find_if(std::begin(kAsciiForms), std::end(kAsciiForms),
                         [&](const AsciiForm& f) { return c.code >= f.first && c.code <= f.last; });
        if (form != std::end(kAsciiForms)) {
            storage += static_cast<char>(form->ascii + (c.code - form->first));
        } else {
            storage += text.substr(i, c.length);
        }
        i += c.length;
    }
    return storage;
}

}  // namespace

double textToNumber(std::string_view original) {
    std::string halfWidth;
    SkippingReader in(withAsciiForms(original, halfWidth));
    if (in.peek() == '&') {
        in.next();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.next();
            return readRadixInteger(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.next();
            return readRadixInteger(in, 8);
        }
        return 0;
    }

    std::string number;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    // Where the first non-zero digit stands decides between overflow and underflow below.
    bool seenPoint = false;
    int integerDigits = 0;
    int firstNonZeroInteger = -1;   // index among the integer digits
    int firstNonZeroFraction = -1;  // index among the fraction digits
    int fractionDigits = 0;
    for (;;) {
        const char c = in.peek();
        if (isDigit(c)) {
            number += c;
            if (!seenPoint) {
                if (c != '0' && firstNonZeroInteger < 0) firstNonZeroInteger = integerDigits;
                ++integerDigits;
            } else {
                if (c != '0' && firstNonZeroInteger < 0 && firstNonZeroFraction < 0) {
                    firstNonZeroFraction = fractionDigits;
                }
                ++fractionDigits;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
        in.next();
    }
    if (integerDigits + fractionDigits == 0) return 0;

    long long exponent = 0;
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        SkippingReader afterLetter = in;
        afterLetter.next();
        bool exponentNegative = false;
        if (afterLetter.peek() == '+' || afterLetter.peek() == '-') {
            exponentNegative = afterLetter.peek() == '-';
            afterLetter.next();
        }
        if (isDigit(afterLetter.peek())) {
            while (isDigit(afterLetter.peek())) {
                // Saturates far beyond any double's range; the result is the same.
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (afterLetter.peek() - '0');
                afterLetter.next();
            }
            if (exponentNegative) exponent = -exponent;
            number += 'e';
            number += std::to_string(exponent);
        }
    }
    if (firstNonZeroInteger < 0 && firstNonZeroFraction < 0) return negative ? -0.0 : 0.0;

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const long long leadingPower = firstNonZeroInteger >= 0
                                           ? integerDigits - 1 - firstNonZeroInteger
                                           : -(firstNonZeroFraction + 1);
        value = leadingPower + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return {};
    const std::size_t point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);

    // Before the point: every placeholder from the first '0' on is a mandatory digit.
    int minimumIntegerDigits = 0;
    const std::size_t firstZero = integerPattern.find('0');
    if (firstZero != std::string_view::npos) {
        for (char c : integerPattern.substr(firstZero)) {
            if (c == '0' || c == '#') ++minimumIntegerDigits;
        }
    }
    // After the point: every place up to the last '0' is shown, later '#' places only when
    // they are not trailing zeros.
    int places = 0;
    int mandatoryPlaces = 0;
    for (char c : fractionPattern) {
        if (c == '0' || c == '#') ++places;
        if (c == '0') mandatoryPlaces = places;
    }

    std::string digits = scaledRoundedDigits(std::fabs(value), places);
    if (digits.size() < static_cast<std::size_t>(places) + 1) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    std::string integerDigits = digits.substr(0, digits.size() - places);
    std::string fractionDigits = digits.substr(digits.size() - places);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits =
        firstNonZero == std::string::npos ? std::string{} : integerDigits.substr(firstNonZero);
    if (integerDigits.size() < static_cast<std::size_t>(minimumIntegerDigits)) {
        integerDigits.insert(0, minimumIntegerDigits - integerDigits.size(), '0');
    }
    while (fractionDigits.size() > static_cast<std::size_t>(mandatoryPlaces) &&
           fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }

    std::string text;
    if (value < 0 && !isZero) text += '-';
    text += integerDigits;
    if (point != std::string_view::npos) text += '.' + fractionDigits;
    return text;
}

std::string numberToPlainText(double value) { return numberText(value, true, false); }

std::string numberToDecimalText(double value) { return numberText(value, false, true); }

}  // namespace lumitrak
