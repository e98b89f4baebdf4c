#pragma once
// The photometry sheet: the whole working state of the main window, kept as the texts on display.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumitrak {

inline constexpr int kComparisonRows = 20;
inline constexpr int kAveragingSlots = 8;

// What a result caption shows before its first result.
inline constexpr std::string_view kNoResultCaption = "--.--";
// The first fit-result line before the first fit: magnitude = slope x measured value + constant.
inline constexpr std::string_view kFormulaHintCaption = "等級 = 傾き x 測光値 + 定数";

enum class SourceProgram { Iris, Makari, SImage };
// The programs in the order of their codes and of the window's option buttons.
inline constexpr std::array<SourceProgram, 3> kSourcePrograms = {
    SourceProgram::Iris, SourceProgram::Makari, SourceProgram::SImage};

// The name the window shows for a program: "IRIS", "Makari", "S.Image".
std::string_view sourceProgramName(SourceProgram program);

// The code under which the settings file stores a source program: 0, 1, 2.
int sourceProgramCode(SourceProgram program);
// The program of a stored code; no value for any other number.
std::optional<SourceProgram> sourceProgramFromCode(int code);

struct ComparisonRow {
    std::string measuredText;
    std::string catalogText;
    bool operator==(const ComparisonRow&) const = default;
};

struct AveragingSlot {
    std::string magnitudeText;
    std::string errorText;
    bool operator==(const AveragingSlot&) const = default;
};

struct PhotometrySheet {
    std::array<ComparisonRow, kComparisonRows> comparisonRows{};
    std::string variableMeasuredText;
    std::string slopeCaption{kFormulaHintCaption};
    std::string constantCaption;
    std::string correlationCaption;
    std::string variableMagnitudeCaption{kNoResultCaption};
    std::string photometricErrorCaption{kNoResultCaption};
    std::array<AveragingSlot, kAveragingSlots> averagingSlots{};
    std::string averageCaption{kNoResultCaption};
    std::string averageErrorCaption{kNoResultCaption};
    std::string weightedAverageCaption{kNoResultCaption};
    std::string weightedAverageErrorCaption{kNoResultCaption};
    std::string importText;
    SourceProgram sourceProgram = SourceProgram::Iris;

    // Rows are numbered 1..20 and slots 1..8; another number is a programming error.
    ComparisonRow& comparisonRow(int k);
    const ComparisonRow& comparisonRow(int k) const;
    AveragingSlot& averagingSlot(int n);
    const AveragingSlot& averagingSlot(int n) const;

    bool operator==(const PhotometrySheet&) const = default;
};

}  // namespace lumitrak
