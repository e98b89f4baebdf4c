#pragma once
// The commands of the main window that only edit the sheet and compute nothing.

#include "core/sheet.h"

namespace lumitrak {

// Row k's measured and catalog texts become "".
void clearComparisonRow(PhotometrySheet& sheet, int k);
// Every row's measured text becomes "" (the measured column's "Clear").
void clearMeasuredColumn(PhotometrySheet& sheet);
// Every row's catalog text becomes "" (the catalog column's "Clear").
void clearCatalogColumn(PhotometrySheet& sheet);
// Both texts of every row become ""; nothing else changes (the clear-all button).
void clearAllComparisonRows(PhotometrySheet& sheet);
// Copies row k's measured text into the variable star's field, then clearRowsWithoutCatalog.
void selectVariableStar(PhotometrySheet& sheet, int k);
// Empties the measured text of every row whose catalog text is exactly "".
void clearRowsWithoutCatalog(PhotometrySheet& sheet);
// Slot n's magnitude and error texts become ""; the averaging captions stay as they are.
void clearAveragingSlot(PhotometrySheet& sheet, int n);

}  // namespace lumitrak
