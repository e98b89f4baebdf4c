#include "core/calibration.h"

#include <cmath>

#include "core/numbers.h"
#include "core/sorted_pairs.h"
#include "core/text.h"

namespace lumitrak {
namespace {

bool allEqual(const std::array<double, kComparisonRows>& values, int count) {
    for (int k = 1; k < count; ++k) {
        if (values[k] != values[0]) return false;
    }
    return true;
}

}  // namespace

ComparisonPairs sortedComparisonPairs(const PhotometrySheet& sheet) {
    ComparisonPairs pairs;
    auto& x = pairs.measured;
    auto& y = pairs.catalog;
    for (int k = 0; k < kComparisonRows; ++k) {
        x[k] = textToNumber(sheet.comparisonRows[k].measuredText);
        y[k] = textToNumber(sheet.comparisonRows[k].catalogText);
        pairs.rows[k] = k + 1;
    }
    for (int k = 0; k < kComparisonRows; ++k) {
        if (x[k] == 0 && y[k] == 0) x[k] = y[k] = kEmptyRowMarker;
    }
    pairs.count = sortAndCountEntries(x, y, pairs.rows);
    return pairs;
}

std::optional<CalibrationFit> computeCalibrationFit(const PhotometrySheet& sheet) {
    const ComparisonPairs pairs = sortedComparisonPairs(sheet);
    const auto& x = pairs.measured;
    const auto& y = pairs.catalog;
    const int count = pairs.count;
    if (count < 2) return std::nullopt;

    double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
    for (int k = 0; k < count; ++k) {
        sx += x[k];
        sy += y[k];
        sxy += y[k] * x[k];
        sxx += x[k] * x[k];
        syy += y[k] * y[k];
    }
    const double n = count;
    const double qxy = sxy - (sx * sy) / n;
    const double qxx = sxx - (sx * sx) / n;
    const double qyy = syy - (sy * sy) / n;
    // Equal values can leave a rounding residue in Qxx or Qyy; they still have no line.
    if (qxx == 0 || qyy == 0 || allEqual(x, count) || allEqual(y, count)) return std::nullopt;

    CalibrationFit fit{};
    fit.slope = qxy / qxx;
    fit.constant = (sy - fit.slope * sx) / n;
    fit.correlation = (qxy * qxy) / (qxx * qyy);
    double ssr = 0;
    for (int k = 0; k < count; ++k) {
        const double residual = y[k] - (fit.constant + fit.slope * x[k]);
        ssr += residual * residual;
    }
    fit.residualRms = std::sqrt(ssr / n);
    fit.starCount = count;
    if (!std::isfinite(fit.slope) || !std::isfinite(fit.constant) ||
        !std::isfinite(fit.correlation) || !std::isfinite(fit.residualRms)) {
        return std::nullopt;
    }
    return fit;
}

void showCalibrationFit(PhotometrySheet& sheet, const CalibrationFit& fit) {
    sheet.slopeCaption = std::string(kSlopeCaptionPrefix) + numberToPlainText(fit.slope);
    sheet.constantCaption = std::string(kConstantCaptionPrefix) + numberToPlainText(fit.constant);
    sheet.correlationCaption =
        std::string(kCorrelationCaptionPrefix) + formatNumber(fit.correlation, "##.####0");
}

std::string_view captionNumberText(std::string_view caption) {
    for (const std::string_view prefix :
         {kSlopeCaptionPrefix, kConstantCaptionPrefix, kCorrelationCaptionPrefix}) {
        if (!caption.starts_with(prefix)) continue;
        std::string_view number = caption.substr(prefix.size());
        while (!number.empty() && isBlank(number.front())) number.remove_prefix(1);
        while (!number.empty() && isBlank(number.back())) number.remove_suffix(1);
        return number;
    }
    return {};
}

bool refreshFitLabels(PhotometrySheet& sheet) {
    const std::optional<CalibrationFit> fit = computeCalibrationFit(sheet);
    if (!fit) return false;
    showCalibrationFit(sheet, *fit);
    sheet.photometricErrorCaption = formatNumber(fit->residualRms, "#0.00");
    return true;
}

}  // namespace lumitrak
