#pragma once
// The least-squares line magnitude = slope x measured value + constant through the comparison
// stars.

#include <array>
#include <optional>
#include <string_view>

#include "core/sheet.h"
#include "core/sorted_pairs.h"

namespace lumitrak {

// Both halves of the pair that stands for an empty comparison row before sorting.
inline constexpr double kEmptyRowMarker = kEmptyEntryMarker;

struct CalibrationFit {
    double slope;
    double constant;
    double correlation;  // r squared
    int starCount;       // the pairs the fit used, 2 to 20
    double residualRms;  // the photometric error
};

// The comparison pairs as the fit and the graph use them: read from rows 1..20, empty rows
// marked, exchange-sorted by measured value, and counted. Pairs 0..count-1 are the used ones;
// each keeps the number of the row it was read from.
struct ComparisonPairs {
    std::array<double, kComparisonRows> measured{};
    std::array<double, kComparisonRows> catalog{};
    std::array<int, kComparisonRows> rows{};
    int count = 0;
};
ComparisonPairs sortedComparisonPairs(const PhotometrySheet& sheet);

// No value when the fit is undefined: fewer than two pairs, all used measured or all used
// catalog values equal, or a result that is not a finite number.
std::optional<CalibrationFit> computeCalibrationFit(const PhotometrySheet& sheet);

// What the three fit captions start with; the number follows directly.
inline constexpr std::string_view kSlopeCaptionPrefix = "傾き =";
inline constexpr std::string_view kConstantCaptionPrefix = "定数 =";
inline constexpr std::string_view kCorrelationCaptionPrefix = "相関係数 =";

// Writes the three fit captions: each prefix, then slope, constant and correlation.
void showCalibrationFit(PhotometrySheet& sheet, const CalibrationFit& fit);

// The number a fit caption shows, without the blanks around it: "傾き = 1.02" gives "1.02",
// "定数 =-.23" gives "-.23". Empty for any other text, such as the formula shown before the
// first fit.
std::string_view captionNumberText(std::string_view caption);

// The graph's refresh: fit, its captions, and the error with two decimals. False when the fit
// is undefined; then nothing is written.
bool refreshFitLabels(PhotometrySheet& sheet);

}  // namespace lumitrak
