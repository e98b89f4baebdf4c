#pragma once
// The measure command: fit, the variable star's magnitude, its error, and a slot for both.

#include <string>

#include "core/sheet.h"

namespace lumitrak {

enum class MeasureOutcome {
    Measured,
    MissingVariableValue,  // the variable star's field is empty; nothing changed
    AveragingAreaFull,     // results shown, no slot free
    FitUndefined,          // nothing changed
    MagnitudeUndefined,    // fit captions written; magnitude, error and slots not
};

MeasureOutcome measureVariable(PhotometrySheet& sheet);

// Puts both texts into the first slot whose magnitude text is empty; false when all are filled.
bool placeInAveragingArea(PhotometrySheet& sheet, const std::string& magnitudeText,
                          const std::string& errorText);

}  // namespace lumitrak
