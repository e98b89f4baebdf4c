#include "import/import.h"

#include <algorithm>

#include "core/messages.h"

namespace lumitrak {
namespace {

CountReading readValues(SourceProgram program, std::string_view text) {
    switch (program) {
    case SourceProgram::Iris: return {readIrisValues(text)};
    case SourceProgram::Makari: return readMakariValues(text);
    case SourceProgram::SImage: return readSImageValues(text);
    }
    return {};
}

}  // namespace

ImportReport importMeasuredValuesDetailed(PhotometrySheet& sheet) {
    const CountReading read = readValues(sheet.sourceProgram, sheet.importText);
    const std::size_t stored = std::min(read.values.size(), sheet.comparisonRows.size());
    for (std::size_t i = 0; i < stored; ++i) sheet.comparisonRows[i].measuredText = read.values[i];

    ImportReport report{read.outcome};
    if (read.outcome != ImportOutcome::Imported) report.failedStar = static_cast<int>(read.values.size()) + 1;
    return report;
}

ImportOutcome importMeasuredValues(PhotometrySheet& sheet) {
    return importMeasuredValuesDetailed(sheet).outcome;
}

std::string importAbortMessage(const ImportReport& report) {
    switch (report.outcome) {
    case ImportOutcome::Imported: return {};
    case ImportOutcome::NegativeCount: return std::string(kNegativeCountMessage);
    case ImportOutcome::InvalidCount: return invalidCountMessage(report.failedStar);
    }
    return {};
}

}  // namespace lumitrak
