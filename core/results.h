#pragma once
// The nine results the main window shows, in one list: the labels that show them, their spoken
// names and the line Ctrl+Shift+C copies all follow it.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/sheet.h"

namespace lumitrak {

// The results in the order the copied line lists them.
enum class Result {
    Magnitude,
    Error,
    Slope,
    Constant,
    Correlation,
    Mean,
    MeanError,
    WeightedMean,
    WeightedMeanError,
};

struct ResultCaption {
    Result result;
    std::string PhotometrySheet::*caption;
    std::string_view spokenName;  // what a screen reader calls the label that shows it
    bool fitLine;                 // copied by its number alone
};

inline constexpr std::array<ResultCaption, 9> kResultCaptions = {{
    {Result::Magnitude, &PhotometrySheet::variableMagnitudeCaption, "変光星の等級", false},
    {Result::Error, &PhotometrySheet::photometricErrorCaption, "測光ｴﾗｰ", false},
    {Result::Slope, &PhotometrySheet::slopeCaption, "傾き", true},
    {Result::Constant, &PhotometrySheet::constantCaption, "定数", true},
    {Result::Correlation, &PhotometrySheet::correlationCaption, "相関係数", true},
    {Result::Mean, &PhotometrySheet::averageCaption, "平均値", false},
    {Result::MeanError, &PhotometrySheet::averageErrorCaption, "平均値の測光ｴﾗｰ", false},
    {Result::WeightedMean, &PhotometrySheet::weightedAverageCaption, "加重平均", false},
    {Result::WeightedMeanError, &PhotometrySheet::weightedAverageErrorCaption, "加重平均誤差",
     false},
}};

// Where a result stands in kResultCaptions, and in every list that follows it.
constexpr std::size_t resultIndex(Result result) { return static_cast<std::size_t>(result); }

constexpr bool resultsInOrder() {
    for (std::size_t i = 0; i < kResultCaptions.size(); ++i) {
        if (resultIndex(kResultCaptions[i].result) != i) return false;
    }
    return true;
}
static_assert(resultsInOrder(), "kResultCaptions lists the results in the order of Result");

// The nine results as one line for a spreadsheet, separated by tabs, each as shown; a fit line
// by its number alone, which is nothing before the first fit.
std::string resultsLine(const PhotometrySheet& sheet);

}  // namespace lumitrak
