// The import readers and the line joining on arbitrary input, checked against a literal
// character-by-character reading written for this check alone: same values, same stop, and
// IRIS values of at most seven characters.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "import/import.h"
#include "import/loader.h"

namespace {

using namespace lumitrak;

void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "broken invariant: %s (text of %zu bytes)\n", what, text.size());
    std::abort();
}

// The text as its characters: a valid UTF-8 sequence is one character, any other byte one too.
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80    ? 1
                             : lead >= 0xF8 ? 0
                             : lead >= 0xF0 ? 4
                             : lead >= 0xE0 ? 3
                             : lead >= 0xC0 ? 2
                                            : 0;
        char32_t codePoint = lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && codePoint >= kSmallest[length] && codePoint <= 0x10FFFF &&
                !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
        if (!valid) length = 1;
        out.emplace_back(text.substr(i, length));
        i += length;
    }
    return out;
}

// 1-based positions, as the readers' rules are written.
struct Chars {
    std::vector<std::string> c;
    long size() const { return static_cast<long>(c.size()); }
    const std::string& at(long p) const { return c[static_cast<std::size_t>(p - 1)]; }
    bool is(long p, std::string_view s) const { return p >= 1 && p <= size() && at(p) == s; }
    bool keywordAt(long p, std::string_view keyword) const {
        for (std::size_t k = 0; k < keyword.size(); ++k) {
            if (!is(p + static_cast<long>(k), keyword.substr(k, 1))) return false;
        }
        return true;
    }
    std::string join(long from, long to) const {  // positions from..to, cut to the text
        std::string out;
        for (long p = std::max(from, 1L); p <= std::min(to, size()); ++p) out += at(p);
        return out;
    }
};

std::vector<std::string> literalIris(const Chars& t) {
    std::vector<std::string> values;
    for (long p = 1; p <= t.size();) {
        if (!t.keywordAt(p, "Magnitude")) {
            ++p;
            continue;
        }
        long q = p + 101;
        for (long i = p + 1; i <= p + 100; ++i) {
            if (t.is(i, "-")) {
                q = i;
                break;
            }
        }
        values.push_back(t.join(q, q + 6));
        p = q + 1;
    }
    return values;
}

CountReading literalMakari(const Chars& t) {
    CountReading reading;
    long h = 0;
    for (long p = 1, commas = 0; p <= t.size() && commas < 17; ++p) {
        if (t.is(p, ",") && ++commas == 17) h = p;
    }
    if (h == 0) return reading;
    long count = 0;
    for (long p = h + 1; p <= t.size();) {
        if (!t.is(p, ",") || ++count < 16) {
            ++p;
            continue;
        }
        long e = p + 1;
        while (e <= t.size() && !t.is(e, ",")) ++e;
        const std::string magnitude = countToMagnitude(textToNumber(t.join(p + 1, e - 1)));
        if (magnitude.empty()) {
            reading.outcome = ImportOutcome::InvalidCount;
            return reading;
        }
        reading.values.push_back(magnitude);
        count = 0;
        p = e + 2;
    }
    return reading;
}

CountReading literalSImage(const Chars& t) {
    CountReading reading;
    for (long p = 1; p <= t.size(); ++p) {
        if (!t.keywordAt(p, "SEMICTRD")) continue;
        long b = 0;
        for (long i = p - 2; i >= 1 && b == 0; --i) {
            if (t.is(i, " ")) b = i;
        }
        const double v = b == 0 ? 0 : textToNumber(t.join(b, p - 1));
        if (v < 0) {
            reading.outcome = ImportOutcome::NegativeCount;
            return reading;
        }
        const std::string magnitude = b == 0 ? std::string() : countToMagnitude(v);
        if (magnitude.empty()) {
            reading.outcome = ImportOutcome::InvalidCount;
            return reading;
        }
        reading.values.push_back(magnitude);
    }
    return reading;
}

std::string literalJoin(std::string_view content) {
    std::string out;
    std::string line;
    bool inLine = false;
    for (std::size_t i = 0; i < content.size(); ++i) {
        inLine = true;
        if (content[i] != '\r') {
            line += content[i];
            continue;
        }
        if (i + 1 < content.size() && content[i + 1] == '\n') ++i;
        out += ' ' + line;
        line.clear();
        inLine = false;
    }
    if (inLine) out += ' ' + line;
    return out;
}

// Control bytes 1 to 3 stand for the keywords and a run of 16 commas, so that the fuzzer
// reaches the readers' interesting paths quickly; every other byte stands for itself.
std::string expand(std::string_view data) {
    std::string text;
    for (char c : data) {
        switch (c) {
            case '\x01': text += "Magnitude"; break;
            case '\x02': text += "SEMICTRD"; break;
            case '\x03': text += std::string(16, ','); break;
            default: text += c;
        }
    }
    return text;
}

// The reader's result equals the literal reading, and keeping only 20 values changes nothing
// but the values kept.
template <typename Reader>
CountReading checkCountReader(const char* name, Reader read, const CountReading& literal,
                              std::string_view text) {
    const CountReading all = read(text, kAllValues);
    if (all.values != literal.values || all.outcome != literal.outcome ||
        all.found != all.values.size()) {
        fail(name, text);
    }
    const CountReading kept = read(text, 20);
    const std::vector<std::string> first20(
        all.values.begin(), all.values.begin() + std::min<std::size_t>(20, all.found));
    if (kept.values != first20 || kept.found != all.found || kept.outcome != all.outcome) {
        fail(name, text);
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    if (joinFileLines(raw) != literalJoin(raw)) fail("joinFileLines", raw);

    const std::string text = expand(raw);
    const Chars chars{characters(text)};

    const std::vector<std::string> iris = readIrisValues(text);
    if (iris != literalIris(chars)) fail("readIrisValues", text);
    const std::vector<std::string> iris20 = readIrisValues(text, 20);
    if (!std::equal(iris20.begin(), iris20.end(), iris.begin()) ||
        iris20.size() != std::min<std::size_t>(20, iris.size())) {
        fail("readIrisValues keeping 20", text);
    }
    for (const std::string& value : iris) {
        if (characters(value).size() > 7) fail("IRIS value longer than seven characters", text);
    }
    checkCountReader("readMakariValues", readMakariValues, literalMakari(chars), text);
    const CountReading sImage =
        checkCountReader("readSImageValues", readSImageValues, literalSImage(chars), text);

    // The import writes the first 20 values into the rows and touches nothing else.
    PhotometrySheet sheet;
    for (ComparisonRow& row : sheet.comparisonRows) row = {"untouched", "catalog"};
    sheet.importText = text;
    sheet.sourceProgram = SourceProgram::SImage;
    const ImportReport report = importMeasuredValues(sheet);
    if (report.outcome != sImage.outcome ||
        (report.outcome != ImportOutcome::Imported &&
         report.failedStar != static_cast<int>(sImage.found) + 1)) {
        fail("import outcome", text);
    }
    for (std::size_t i = 0; i < sheet.comparisonRows.size(); ++i) {
        const ComparisonRow& row = sheet.comparisonRows[i];
        const std::string expected = i < sImage.values.size() ? sImage.values[i] : "untouched";
        if (row.measuredText != expected || row.catalogText != "catalog") fail("import rows", text);
    }
    return 0;
}
