#pragma once
// The readers of the three outside programs' output: each scans the import text and yields the
// comparison stars' measured values in the order in which the stars appear. Positions count
// characters (UTF-8 code points; a byte that is no part of a valid sequence counts as one
// character), not bytes; line breaks are ordinary characters.

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace lumitrak {

enum class ImportOutcome {
    Imported,       // read to the end of the text
    NegativeCount,  // an S.Image count below 0 stopped the reading
    InvalidCount,   // a count that gives no magnitude stopped it: 0, an empty or non-numeric
                    // field, a number too large or too small, an S.Image keyword with no blank
                    // before its count
};

// A reader keeps the first `keep` values it finds. The count readers go on to the end of the
// text all the same, since a later count can still stop the reading.
inline constexpr std::size_t kAllValues = std::numeric_limits<std::size_t>::max();

struct CountReading {
    std::vector<std::string> values;                  // the first `keep` values, in order
    std::size_t found = 0;                            // every value found, kept or not
    ImportOutcome outcome = ImportOutcome::Imported;  // a stop comes from star number found + 1
};

// IRIS: after each "Magnitude", the seven characters from the first "-" within the next 100
// characters (from the 101st character when there is none), copied as they stand.
std::vector<std::string> readIrisValues(std::string_view text, std::size_t keep = kAllValues);
// Makari: from the 17th comma of the text on, the field after every 16th comma, as a magnitude.
CountReading readMakariValues(std::string_view text, std::size_t keep = kAllValues);
// S.Image: the count in front of each "SEMICTRD", from the blank before it, as a magnitude.
CountReading readSImageValues(std::string_view text, std::size_t keep = kAllValues);

// The instrumental magnitude 2.5 x ln(1 / count) / ln(10) written with "###.###" ("-5.",
// "-5.995", ".753"); the empty text when the count gives no finite magnitude (count <= 0,
// an infinity, or a count so small that its reciprocal overflows).
std::string countToMagnitude(double count);

}  // namespace lumitrak
