#include "core/sheet_commands.h"

namespace lumitrak {

void clearComparisonRow(PhotometrySheet& sheet, int k) { sheet.comparisonRow(k) = ComparisonRow{}; }

void clearMeasuredColumn(PhotometrySheet& sheet) {
    for (ComparisonRow& row : sheet.comparisonRows) row.measuredText.clear();
}

void clearCatalogColumn(PhotometrySheet& sheet) {
    for (ComparisonRow& row : sheet.comparisonRows) row.catalogText.clear();
}

void clearAllComparisonRows(PhotometrySheet& sheet) {
    for (ComparisonRow& row : sheet.comparisonRows) row = ComparisonRow{};
}

void selectVariableStar(PhotometrySheet& sheet, int k) {
    sheet.variableMeasuredText = sheet.comparisonRow(k).measuredText;
    clearRowsWithoutCatalog(sheet);
}

void clearRowsWithoutCatalog(PhotometrySheet& sheet) {
    // Only the empty string counts as no catalog text; a blank is a text.
    for (ComparisonRow& row : sheet.comparisonRows) {
        if (row.catalogText.empty()) row.measuredText.clear();
    }
}

void clearAveragingSlot(PhotometrySheet& sheet, int n) { sheet.averagingSlot(n) = AveragingSlot{}; }

}  // namespace lumitrak
