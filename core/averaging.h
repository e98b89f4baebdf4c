#pragma once
// The average command: mean, scatter, weighted mean and its error over the filled slots.

#include "core/sheet.h"
#include "core/sorted_pairs.h"

namespace lumitrak {

// The magnitude given to an empty slot before sorting.
inline constexpr double kEmptySlotMarker = kEmptyEntryMarker;
// Replaces an error of exactly 0, so that no weight divides by zero.
inline constexpr double kMinimumSlotError = 0.000001;

// Writes the four averaging captions. With no filled slot all four go back to "--.--"; otherwise
// only a figure that is not a finite number does (weights that overflow leave the mean and the
// scatter shown).
void computeAverages(PhotometrySheet& sheet);

}  // namespace lumitrak
