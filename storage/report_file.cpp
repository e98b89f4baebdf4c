#include "storage/report_file.h"

#include <vector>

#include "core/messages.h"
#include "platform/file_system.h"

namespace lumitrak {
namespace {

// A report of a few thousand observations is well below this.
constexpr std::size_t kReportReadLimit = 16 * 1024 * 1024;

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t comma; (comma = line.find(',')) != std::string_view::npos;) {
        fields.push_back(line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    fields.push_back(line);
    return fields;
}

// The value of a "#KEY=value" line among the parameters, upper-cased; "" when there is none.
std::string parameter(const std::vector<std::string_view>& lines, std::string_view key) {
    for (const std::string_view line : lines) {
        const std::string head = upper(line.substr(0, key.size()));
        if (head == key) return upper(line.substr(key.size()));
    }
    return {};
}

// The star, the date and the band, which make two lines the same observation.
bool sameObservation(std::string_view line, std::string_view other) {
    const auto a = fieldsOf(line);
    const auto b = fieldsOf(other);
    return a.size() > 4 && b.size() > 4 && upper(a[0]) == upper(b[0]) && a[1] == b[1] &&
           upper(a[4]) == upper(b[4]);
}

}  // namespace

ReportAppend appendToReportFile(MessageBoxes& boxes, const Report& report,
                                std::string_view observerCode) {
    const std::string name(kReportFileName);
    const FileRead file = readRegularFile(name, kReportReadLimit);
    if (file.status == FileRead::Status::Failed) {
        boxes.showMessage(kApplicationTitle, fileNotReadMessage(name) + "\r" + file.reason);
        return ReportAppend::Failed;
    }
    std::string text = file.bytes;
    const std::vector<std::string_view> lines = linesOf(text);
    if (lines.empty()) {
        text = aavsoHeader(observerCode, report.heliocentric);
    } else {
        // One file is one observer's, with one kind of date.
        const std::string observer = parameter(lines, "#OBSCODE=");
        const std::string dates = parameter(lines, "#DATE=");
        const std::string wanted = report.heliocentric ? "HJD" : "JD";
        if (observer != upper(observerCode) || dates != wanted) {
            boxes.showMessage(kApplicationTitle,
                              reportFileOfOtherKindMessage(name, observer, dates));
            return ReportAppend::Refused;
        }
        for (const std::string_view line : lines) {
            if (!line.starts_with('#') && sameObservation(line, report.aavsoLine)) {
                if (!boxes.askYesNo(kApplicationTitle, kSameObservationQuestion, false))
                    return ReportAppend::Declined;
                break;
            }
        }
        if (!text.ends_with('\n')) text += "\r\n";
    }
    text += report.aavsoLine + "\r\n";
    for (;;) {
        const std::string reason = replaceFile(name, text);
        if (reason.empty()) return ReportAppend::Appended;
        if (!boxes.askRetryCancel(kApplicationTitle, fileNotSavedMessage(name) + "\r" + reason))
            return ReportAppend::Failed;
    }
}

}  // namespace lumitrak
