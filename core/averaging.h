#pragma once
// The average command: mean, scatter, weighted mean and its error over the filled slots.

#include "core/sheet.h"
#include "core/sorted_pairs.h"

namespace lumitrak {

// The magnitude given to an empty slot before sorting.
inline constexpr double kEmptySlotMarker = kEmptyEntryMarker;
// Replaces an error of exactly 0, so that no weight divides by zero.
inline constexpr double kMinimumSlotError = 0.000001;

// Writes the four averaging captions; with no filled slot, or a result that is not a finite
// number, all four go back to "--.--".
void computeAverages(PhotometrySheet& sheet);

}  // namespace lumitrak
