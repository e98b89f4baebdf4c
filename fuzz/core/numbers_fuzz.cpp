// Invariants of the three number helpers on arbitrary input.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/numbers.h"

namespace {

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "broken invariant: %s: %s\n", what, detail.c_str());
    std::abort();
}

// x rounded to 15 significant digits, independently of the code under test.
double roundTo15Digits(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

// Does `text` have the shape the pattern promises: optional '-', digits, and when the pattern
// has a point, the point and between `mandatory` and `places` digits?
bool hasPatternShape(const std::string& text, int minimumIntegerDigits, int mandatory, int places) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t integerDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++integerDigits;
    if (integerDigits < static_cast<std::size_t>(minimumIntegerDigits)) return false;
    if (i >= text.size() || text[i] != '.') return false;
    ++i;
    const std::size_t fraction = text.size() - i;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return fraction >= static_cast<std::size_t>(mandatory) &&
           fraction <= static_cast<std::size_t>(places);
}

struct Pattern {
    const char* text;
    int minimumIntegerDigits, mandatory, places;
};
constexpr Pattern kPatterns[] = {
    {"##.000", 0, 3, 3},  {"#0.000", 1, 3, 3},   {"#0.00", 1, 2, 2},   {"##.####0", 0, 5, 5},
    {"###.###", 0, 0, 3}, {"#####.00", 0, 2, 2}, {"####.00", 0, 2, 2},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The text is copied into a buffer of exactly its size, so ASan sees any read past it.
    std::unique_ptr<char[]> exact(new char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    const std::string_view text(exact.get(), size);
    const double parsed = lumitrak::textToNumber(text);
    if (std::isnan(parsed)) fail("textToNumber gave NaN", std::string(text));

    // Every finite double: from the raw bytes when there are eight, else the parsed value.
    double x = parsed;
    if (size >= 8) std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x)) return 0;

    const std::string plain = lumitrak::numberToPlainText(x);
    const double back = lumitrak::textToNumber(plain);
    if (back != roundTo15Digits(x)) fail("numberToPlainText round trip", plain);
    if (plain.empty() || (plain[0] != ' ' && plain[0] != '-'))
        fail("numberToPlainText sign", plain);

    if (lumitrak::textToNumber(lumitrak::numberToDecimalText(x)) != roundTo15Digits(x)) {
        fail("numberToDecimalText round trip", lumitrak::numberToDecimalText(x));
    }

    for (const Pattern& p : kPatterns) {
        const std::string formatted = lumitrak::formatNumber(x, p.text);
        if (!hasPatternShape(formatted, p.minimumIntegerDigits, p.mandatory, p.places)) {
            fail(p.text, formatted);
        }
        // The shown text is the value rounded to the pattern's places.
        const double shown = lumitrak::textToNumber(formatted);
        const double step = std::pow(10.0, -p.places);
        if (std::fabs(x) < 1e12 &&
            std::fabs(shown - roundTo15Digits(x)) > step * 0.5000001 + std::fabs(x) * 1e-15) {
            fail("formatNumber rounding", std::string(p.text) + " " + formatted + " " + plain);
        }
    }
    return 0;
}
