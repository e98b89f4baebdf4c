#include "core/averaging.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/numbers.h"
#include "core/sorted_pairs.h"

namespace lumitrak {
namespace {

// A figure that cannot be formed (an infinity or NaN from overflowing values) shows no result.
std::string resultCaption(double value) {
    return std::isfinite(value) ? formatNumber(value, "#0.000") : std::string(kNoResultCaption);
}

}  // namespace

void computeAverages(PhotometrySheet& sheet) {
    std::array<double, kAveragingSlots> value{};
    std::array<double, kAveragingSlots> error{};
    for (int k = 0; k < kAveragingSlots; ++k) {
        const AveragingSlot& slot = sheet.averagingSlots[k];
        if (!slot.magnitudeText.empty()) {
            value[k] = textToNumber(slot.magnitudeText);
            error[k] = textToNumber(slot.errorText);
        } else {
            value[k] = kEmptySlotMarker;
        }
    }
    const int count = sortAndCountEntries(value, error);
    for (double& e : error) {
        if (e == 0) e = kMinimumSlotError;
    }

    if (count == 0) {
        sheet.averageCaption = kNoResultCaption;
        sheet.averageErrorCaption = kNoResultCaption;
        sheet.weightedAverageCaption = kNoResultCaption;
        sheet.weightedAverageErrorCaption = kNoResultCaption;
        return;
    }

    const double n = count;
    double sum = 0;
    for (int k = 0; k < count; ++k) sum += value[k];
    const double mean = sum / n;
    double squares = 0;
    for (int k = 0; k < count; ++k) squares += (value[k] - mean) * (value[k] - mean);
    const double scatter = std::sqrt(squares / n);
    double weightSum = 0;
    double weightedSum = 0;
    for (int k = 0; k < count; ++k) {
        const double weight = 1 / (error[k] * error[k]);
        weightSum += weight;
        weightedSum += weight * value[k];
    }
    // Weights that overflow (an error of 1e-200) form no weighted figure; the plain mean and
    // scatter are shown all the same.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const bool weighted = std::isfinite(weightSum);
    const double weightedMean = weighted ? weightedSum / weightSum : nan;
    const double weightedError = weighted ? 1 / std::sqrt(weightSum) : nan;

    sheet.averageCaption = resultCaption(mean);
    sheet.averageErrorCaption = resultCaption(scatter);
    sheet.weightedAverageCaption = resultCaption(weightedMean);
    sheet.weightedAverageErrorCaption = resultCaption(weightedError);
}

}  // namespace lumitrak
