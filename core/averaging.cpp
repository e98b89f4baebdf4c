#include "core/averaging.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/numbers.h"

namespace lumitrak {

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
    for (int i = 0; i < kAveragingSlots - 1; ++i) {
        for (int j = i + 1; j < kAveragingSlots; ++j) {
            if (value[i] > value[j]) {
                std::swap(value[i], value[j]);
                std::swap(error[i], error[j]);
            }
        }
    }
    for (double& e : error) {
        if (e == 0) e = kMinimumSlotError;
    }
    int count = kAveragingSlots;
    for (int k = kAveragingSlots; k >= 1; --k) {
        if (value[k - 1] == kEmptySlotMarker) count = k - 1;
    }

    const auto resetCaptions = [&sheet] {
        sheet.averageCaption = kNoResultCaption;
        sheet.averageErrorCaption = kNoResultCaption;
        sheet.weightedAverageCaption = kNoResultCaption;
        sheet.weightedAverageErrorCaption = kNoResultCaption;
    };
    if (count == 0) {
        resetCaptions();
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
    const double weightedMean = weightedSum / weightSum;
    const double weightedError = 1 / std::sqrt(weightSum);

    if (!std::isfinite(mean) || !std::isfinite(scatter) || !std::isfinite(weightedMean) ||
        !std::isfinite(weightedError)) {
        resetCaptions();
        return;
    }
    sheet.averageCaption = formatNumber(mean, "#0.000");
    sheet.averageErrorCaption = formatNumber(scatter, "#0.000");
    sheet.weightedAverageCaption = formatNumber(weightedMean, "#0.000");
    sheet.weightedAverageErrorCaption = formatNumber(weightedError, "#0.000");
}

}  // namespace lumitrak
