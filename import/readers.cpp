#include "import/readers.h"

#include <cmath>

#include "core/numbers.h"
#include "core/text.h"

namespace lumitrak {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// 2.5 x ln(1 / count) / ln(10), in this order; not a finite number for a count <= 0, an
// infinity, or a count so small that its reciprocal overflows.
double instrumentalMagnitude(double count) { return 2.5 * std::log(1.0 / count) / std::log(10.0); }

// Adds the magnitude of one more star's count to the reading, written only while it is kept;
// false, with the reading stopped, when the count gives no magnitude.
bool addCount(CountReading& reading, double count, std::size_t keep) {
    const double magnitude = instrumentalMagnitude(count);
    if (!std::isfinite(magnitude)) {
        reading.outcome = ImportOutcome::InvalidCount;
        return false;
    }
    if (reading.found++ < keep) reading.values.push_back(formatNumber(magnitude, "###.###"));
    return true;
}

}  // namespace

std::vector<std::string> readIrisValues(std::string_view text, std::size_t keep) {
    constexpr std::string_view kKeyword = "Magnitude";
    constexpr std::size_t kMinusSearch = 100;  // characters after the keyword's first letter
    constexpr std::size_t kValueLength = 7;    // characters
    std::vector<std::string> values;
    for (std::size_t p = text.find(kKeyword); p != npos && values.size() < keep;) {
        const std::size_t searchStart = p + 1;
        const std::size_t searchEnd = advanceCharacters(text, searchStart, kMinusSearch);
        const std::size_t minus = text.substr(searchStart, searchEnd - searchStart).find('-');
        // Without a minus sign the value starts at the 101st character after the keyword's
        // first letter: the text's end when the text is shorter.
        const std::size_t q = minus == npos ? searchEnd : searchStart + minus;
        values.emplace_back(text.substr(q, advanceCharacters(text, q, kValueLength) - q));
        if (q == text.size()) break;
        p = text.find(kKeyword, advanceCharacters(text, q, 1));
    }
    return values;
}

CountReading readMakariValues(std::string_view text, std::size_t keep) {
    constexpr int kHeadingCommas = 17;
    constexpr int kCommasBeforeField = 16;
    CountReading reading;
    std::size_t heading = npos;  // the 17th comma of the text, the end of the heading
    for (int commas = 0; commas < kHeadingCommas; ++commas) {
        heading = text.find(',', heading + 1);  // npos + 1 is 0: the first search starts at 0
        if (heading == npos) return reading;
    }
    int commas = 0;
    for (std::size_t p = text.find(',', heading + 1); p != npos;) {
        if (++commas < kCommasBeforeField) {
            p = text.find(',', p + 1);
            continue;
        }
        const std::size_t e = text.find(',', p + 1);
        const std::size_t fieldEnd = e == npos ? text.size() : e;
        if (!addCount(reading, textToNumber(text.substr(p + 1, fieldEnd - p - 1)), keep)) break;
        if (e == npos) break;
        // The terminating comma is not counted, and the character after it is not looked at.
        commas = 0;
        p = text.find(',', advanceCharacters(text, e + 1, 1));
    }
    return reading;
}

CountReading readSImageValues(std::string_view text, std::size_t keep) {
    constexpr std::string_view kKeyword = "SEMICTRD";
    CountReading reading;
    // The last blank in front of `searchedTo` and the count read from it. Each keyword's
    // backward search only looks at the bytes the previous keyword's search did not reach, and
    // a count is read only from a new blank, so a text of keywords with no blank among them is
    // still read in linear time.
    std::size_t searchedTo = 0;
    std::size_t lastBlank = npos;
    double count = 0;
    for (std::size_t p = text.find(kKeyword); p != npos; p = text.find(kKeyword, p + 1)) {
        // The character right in front of the keyword is not looked at. Skipping only its last
        // byte is the same: no byte of a longer character is a blank.
        const std::size_t searchEnd = p == 0 ? 0 : p - 1;
        const std::size_t blank = text.substr(searchedTo, searchEnd - searchedTo).rfind(' ');
        if (blank != npos) {
            lastBlank = searchedTo + blank;
            count = textToNumber(text.substr(lastBlank, p - lastBlank));
        } else if (lastBlank == npos) {
            reading.outcome = ImportOutcome::InvalidCount;
            break;
        }
        // Otherwise the number text is the previous keyword's, grown past that keyword's first
        // letter, which ends any number: the count is the same.
        searchedTo = searchEnd;
        if (count < 0) {
            reading.outcome = ImportOutcome::NegativeCount;
            break;
        }
        if (!addCount(reading, count, keep)) break;
    }
    return reading;
}

std::string countToMagnitude(double count) {
    return formatNumber(instrumentalMagnitude(count), "###.###");  // "" for no finite number
}

}  // namespace lumitrak
