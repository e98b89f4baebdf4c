#include "core/measurement.h"

#include <cmath>

#include "core/calibration.h"
#include "core/numbers.h"

namespace lumitrak {

MeasureOutcome measureVariable(PhotometrySheet& sheet) {
    // Only the empty string is missing; a blank passes and reads as 0.
    if (sheet.variableMeasuredText.empty()) return MeasureOutcome::MissingVariableValue;

    const std::optional<CalibrationFit> fit = computeCalibrationFit(sheet);
    if (!fit) return MeasureOutcome::FitUndefined;
    showCalibrationFit(sheet, *fit);

    const double measured = textToNumber(sheet.variableMeasuredText);
    const double magnitude = fit->constant + fit->slope * measured;
    if (!std::isfinite(magnitude)) return MeasureOutcome::MagnitudeUndefined;
    sheet.variableMagnitudeCaption = formatNumber(magnitude, "##.000");
    sheet.photometricErrorCaption = formatNumber(fit->residualRms, "#0.000");

    if (!placeInAveragingArea(sheet, sheet.variableMagnitudeCaption,
                              sheet.photometricErrorCaption)) {
        return MeasureOutcome::AveragingAreaFull;
    }
    return MeasureOutcome::Measured;
}

bool placeInAveragingArea(PhotometrySheet& sheet, const std::string& magnitudeText,
                          const std::string& errorText) {
    // Only the magnitude text decides whether a slot is free.
    for (AveragingSlot& slot : sheet.averagingSlots) {
        if (slot.magnitudeText.empty()) {
            slot.magnitudeText = magnitudeText;
            slot.errorText = errorText;
            return true;
        }
    }
    return false;
}

}  // namespace lumitrak
