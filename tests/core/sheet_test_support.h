#pragma once
// Building sheets for the core tests.

#include <initializer_list>
#include <utility>

#include "core/sheet.h"

namespace lumitrak::testing_support {

// Rows 1, 2, … filled with the given (measured, catalog) texts.
inline PhotometrySheet sheetWithRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
    PhotometrySheet sheet;
    int k = 1;
    for (const auto& [measured, catalog] : rows) {
        sheet.comparisonRow(k).measuredText = measured;
        sheet.comparisonRow(k).catalogText = catalog;
        ++k;
    }
    return sheet;
}

}  // namespace lumitrak::testing_support
