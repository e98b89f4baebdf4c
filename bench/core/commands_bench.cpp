// The commands an observer presses, each on a full table of 20 comparison stars.
#include <benchmark/benchmark.h>

#include <string>

#include "core/averaging.h"
#include "core/calibration.h"
#include "core/measurement.h"
#include "core/numbers.h"
#include "core/sheet.h"
#include "import/import.h"

namespace lumitrak {
namespace {

PhotometrySheet fullSheet() {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k) {
        const double measured = -11.0 + 0.17 * k;
        sheet.comparisonRow(k).measuredText = numberToDecimalText(measured);
        sheet.comparisonRow(k).catalogText = numberToDecimalText(21.3 + measured + 0.01 * (k % 3));
    }
    sheet.variableMeasuredText = "-9.123";
    for (int n = 1; n <= kAveragingSlots; ++n) {
        sheet.averagingSlot(n) = {formatNumber(12.3 + 0.01 * n, "##.000"),
                                  formatNumber(0.02 + 0.001 * n, "#0.000")};
    }
    return sheet;
}

void BM_Measure(benchmark::State& state) {
    PhotometrySheet sheet = fullSheet();
    for (auto _ : state) {
        sheet.averagingSlot(8).magnitudeText.clear();
        benchmark::DoNotOptimize(measureVariable(sheet));
    }
}
BENCHMARK(BM_Measure);

void BM_Average(benchmark::State& state) {
    PhotometrySheet sheet = fullSheet();
    for (auto _ : state) {
        computeAverages(sheet);
        benchmark::DoNotOptimize(sheet.averageCaption.data());
    }
}
BENCHMARK(BM_Average);

void BM_RefreshFitLabels(benchmark::State& state) {
    PhotometrySheet sheet = fullSheet();
    for (auto _ : state) benchmark::DoNotOptimize(refreshFitLabels(sheet));
}
BENCHMARK(BM_RefreshFitLabels);

// An S.Image output of 20 stars as the loader leaves it: one line, each record after a blank.
std::string simageText() {
    std::string text;
    for (int n = 1; n <= kComparisonRows; ++n) {
        text += " " + std::to_string(n) + " 1234.5 2345.6 " + std::to_string(1000 * n + 250) +
                " SEMICTRD 3.2 0.8";
    }
    return text;
}

void BM_ImportTwentyStars(benchmark::State& state) {
    PhotometrySheet sheet = fullSheet();
    sheet.sourceProgram = SourceProgram::SImage;
    sheet.importText = simageText();
    for (auto _ : state) benchmark::DoNotOptimize(importMeasuredValues(sheet).outcome);
}
BENCHMARK(BM_ImportTwentyStars);

}  // namespace
}  // namespace lumitrak
