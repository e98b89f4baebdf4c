#include "core/sheet.h"

#include <cassert>

namespace lumitrak {

int sourceProgramCode(SourceProgram program) {
    switch (program) {
        case SourceProgram::Iris: return 0;
        case SourceProgram::Makari: return 1;
        case SourceProgram::SImage: return 2;
    }
    return 0;
}

std::string_view sourceProgramName(SourceProgram program) {
    switch (program) {
        case SourceProgram::Iris: return "IRIS";
        case SourceProgram::Makari: return "Makari";
        case SourceProgram::SImage: return "S.Image";
    }
    return {};
}

std::optional<SourceProgram> sourceProgramFromCode(int code) {
    switch (code) {
        case 0: return SourceProgram::Iris;
        case 1: return SourceProgram::Makari;
        case 2: return SourceProgram::SImage;
        default: return std::nullopt;
    }
}

ComparisonRow& PhotometrySheet::comparisonRow(int k) {
    assert(k >= 1 && k <= kComparisonRows);
    return comparisonRows[static_cast<std::size_t>(k - 1)];
}

const ComparisonRow& PhotometrySheet::comparisonRow(int k) const {
    assert(k >= 1 && k <= kComparisonRows);
    return comparisonRows[static_cast<std::size_t>(k - 1)];
}

AveragingSlot& PhotometrySheet::averagingSlot(int n) {
    assert(n >= 1 && n <= kAveragingSlots);
    return averagingSlots[static_cast<std::size_t>(n - 1)];
}

const AveragingSlot& PhotometrySheet::averagingSlot(int n) const {
    assert(n >= 1 && n <= kAveragingSlots);
    return averagingSlots[static_cast<std::size_t>(n - 1)];
}

}  // namespace lumitrak
