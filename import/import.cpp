#include "import/import.h"

#include "core/messages.h"

namespace lumitrak {
namespace {

CountReading readValues(SourceProgram program, std::string_view text) {
    switch (program) {
        case SourceProgram::Iris: {
            // IRIS values are never checked, so reading stops at the last row.
            CountReading reading{readIrisValues(text, kComparisonRows)};
            reading.found = reading.values.size();
            return reading;
        }
        case SourceProgram::Makari: return readMakariValues(text, kComparisonRows);
        case SourceProgram::SImage: return readSImageValues(text, kComparisonRows);
    }
    return {};
}

}  // namespace

ImportReport importMeasuredValues(PhotometrySheet& sheet) {
    const CountReading read = readValues(sheet.sourceProgram, sheet.importText);
    for (std::size_t i = 0; i < read.values.size(); ++i)
        sheet.comparisonRows[i].measuredText = read.values[i];

    ImportReport report{read.outcome};
    if (read.outcome != ImportOutcome::Imported)
        report.failedStar = static_cast<int>(read.found) + 1;
    return report;
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
