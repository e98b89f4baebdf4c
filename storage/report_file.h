#pragma once
// The report file in the working folder, which grows by one AAVSO line at a time: its header is
// written when it is new, and each append replaces it as safely as the data files.

#include <string_view>

#include "core/message_boxes.h"
#include "core/observation_report.h"

namespace lumitrak {

inline constexpr std::string_view kReportFileName = "aavso-report.txt";

enum class ReportAppend {
    Appended,
    Declined,  // the same star, date and band is in the file already, and the observer said No
    Refused,   // the file belongs to another observer code, or keeps its dates otherwise
    Failed,    // the file could not be read, or not written (the observer gave up at Retry)
};

// Appends `report`'s AAVSO line to the report file, asking before a second line for the same
// star, date and band; every problem is told through `boxes`.
ReportAppend appendToReportFile(MessageBoxes& boxes, const Report& report,
                                std::string_view observerCode);

}  // namespace lumitrak
