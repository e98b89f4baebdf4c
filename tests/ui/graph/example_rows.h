#pragma once
// Sheets the graph tests share.

#include <initializer_list>
#include <string>
#include <utility>

#include "core/sheet.h"

namespace lumitrak {

// A sheet whose rows 1, 2, ... hold the given (measured, catalog) texts; the other rows empty.
inline PhotometrySheet sheetWithRows(std::initializer_list<std::pair<std::string, std::string>> rows,
                                     int firstRow = 1) {
    PhotometrySheet sheet;
    int k = firstRow;
    for (const auto& [measured, catalog] : rows) {
        sheet.comparisonRow(k).measuredText = measured;
        sheet.comparisonRow(k).catalogText = catalog;
        ++k;
    }
    return sheet;
}

// Three stars whose scale is -10.2..-7.8 across and 8.79..11.31 down.
inline PhotometrySheet exampleSheet() {
    return sheetWithRows({{"-10", "9.0"}, {"-9", "10.0"}, {"-8", "11.1"}});
}

// Four stars about magnitude = measured value + 10 with residuals of +-0.03 exactly, so the
// error caption reads 0.03.
inline PhotometrySheet sheetWithErrorOf003() {
    return sheetWithRows({{"1", "11.03"}, {"2", "11.97"}, {"3", "12.97"}, {"4", "14.03"}});
}

}  // namespace lumitrak
