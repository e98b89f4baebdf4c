#pragma once
// Sheets the graph tests share.

#include <QTest>

#include <initializer_list>
#include <string>
#include <utility>

#include "core/sheet.h"

Q_DECLARE_METATYPE(lumitrak::PhotometrySheet)
Q_DECLARE_METATYPE(std::string)

// A sheet whose rows 1, 2, ... hold the given (measured, catalog) texts; the other rows empty.
inline lumitrak::PhotometrySheet sheetWithRows(std::initializer_list<std::pair<std::string, std::string>> rows) {
    lumitrak::PhotometrySheet sheet;
    int k = 1;
    for (const auto& [measured, catalog] : rows) sheet.comparisonRow(k++) = {measured, catalog};
    return sheet;
}

// Three stars whose scale is -10.2..-7.8 across and 8.79..11.31 down.
inline lumitrak::PhotometrySheet exampleSheet() { return sheetWithRows({{"-10", "9.0"}, {"-9", "10.0"}, {"-8", "11.1"}}); }

// Four stars about magnitude = measured value + 10 with residuals of +-0.03, so the error is 0.03.
inline lumitrak::PhotometrySheet sheetWithErrorOf003() {
    return sheetWithRows({{"1", "11.03"}, {"2", "11.97"}, {"3", "12.97"}, {"4", "14.03"}});
}

// Sheets for which the graph cannot draw everything, with the reason it gives.
inline void addUndefinedSheets(const std::string& needsTwo, const std::string& undefinedFit) {
    QTest::addColumn<lumitrak::PhotometrySheet>("sheet");
    QTest::addColumn<std::string>("explanation");
    QTest::addColumn<int>("dots");
    QTest::newRow("no row") << lumitrak::PhotometrySheet{} << needsTwo << 0;
    QTest::newRow("one row") << sheetWithRows({{"5", "10"}}) << needsTwo << 0;
    QTest::newRow("equal measured values") << sheetWithRows({{"5", "10"}, {"5", "11"}, {"5", "12"}}) << undefinedFit << 0;
    QTest::newRow("equal catalog values") << sheetWithRows({{"5", "10"}, {"6", "10"}}) << undefinedFit << 0;
    QTest::newRow("sums overflow, every star placed") << sheetWithRows({{"-3E300", "1"}, {"-2E300", "2"}, {"-1E300", "4"}}) << undefinedFit << 3;
}
