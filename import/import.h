#pragma once
// The import command: the measured values of the comparison rows from the import text.

#include "core/sheet.h"
#include "import/readers.h"

namespace lumitrak {

struct ImportReport {
    ImportOutcome outcome = ImportOutcome::Imported;
    int failedStar = 0;  // the number of the star that stopped the import; 0 when Imported
};

// Runs the reader of `sheet.sourceProgram` over `sheet.importText` and writes value n into
// measuredText of row n for n = 1..20. Later values are read (and checked) but stored nowhere;
// rows after the last value keep their text; nothing else of the sheet changes. When a star
// stops the import, the rows of the stars before it stay written.
ImportReport importMeasuredValues(PhotometrySheet& sheet);

// The text of the message box for an import that a star stopped (titled kImportAbortTitle);
// the empty text for a completed import.
std::string importAbortMessage(const ImportReport& report);

}  // namespace lumitrak
