#include "core/observation_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/calibration.h"
#include "core/julian_date.h"
#include "core/numbers.h"
#include "core/version.h"

namespace lumitrak {
namespace {

// The format's own limits on its fields, in characters.
constexpr std::size_t kStarNameLimit = 30;
constexpr std::size_t kMagnitudeLimit = 8;
constexpr std::size_t kErrorLimit = 6;
constexpr std::size_t kComparisonNameLimit = 20;
constexpr std::size_t kChartLimit = 20;
constexpr std::size_t kNotesLimit = 100;

std::string fixed(double value, int decimals) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Whole numbers of ASCII digits between the separators; none when anything else stands there.
std::optional<std::vector<int>> numbersSeparatedBy(std::string_view text, std::string_view by) {
    std::vector<int> numbers;
    text = trimmed(text);
    while (true) {
        const std::size_t end = text.find_first_of(by);
        const std::string_view part = text.substr(0, end);
        int value = 0;
        const auto [ptr, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || ptr != part.data() + part.size())
            return std::nullopt;
        numbers.push_back(value);
        if (end == std::string_view::npos) return numbers;
        text.remove_prefix(end + 1);
    }
}

// "20 09 07.8" or "20:09:07.8" as a number of units (hours or degrees), a sign allowed in front.
std::optional<double> sexagesimal(std::string_view text) {
    text = trimmed(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    double value = 0;
    double unit = 1;
    int parts = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(" :");
        const std::string_view part = text.substr(0, end);
        double number = 0;
        const auto [ptr, error] = std::from_chars(part.data(), part.data() + part.size(), number);
        if (part.empty() || error != std::errc() || ptr != part.data() + part.size() ||
            number < 0 || (parts > 0 && number >= 60) || ++parts > 3)
            return std::nullopt;
        value += number * unit;
        unit /= 60;
        text = end == std::string_view::npos ? std::string_view() : trimmed(text.substr(end + 1));
    }
    if (parts == 0) return std::nullopt;
    return negative ? -value : value;
}

// A result caption as a number text with a digit before its point: ".250" gives "0.250".
std::optional<std::string> resultText(const std::string& caption) {
    const std::string_view text = trimmed(caption);
    if (text.empty() || text == kNoResultCaption) return std::nullopt;
    std::string shown(text);
    if (shown.starts_with('.')) shown.insert(0, "0");
    if (shown.starts_with("-.")) shown.insert(1, "0");
    // The format wants a point in every magnitude: "9.0", never "9".
    if (shown.find('.') == std::string::npos) shown += ".0";
    return shown;
}

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

int filledSlots(const PhotometrySheet& sheet) {
    int filled = 0;
    for (const AveragingSlot& slot : sheet.averagingSlots) filled += !slot.magnitudeText.empty();
    return filled;
}

// What the notes say of the result: the fit behind it, or how many results were averaged.
std::string resultNote(const ReportForm& form, const PhotometrySheet& sheet) {
    switch (form.result) {
        case ReportedResult::LastMeasurement: {
            const std::optional<CalibrationFit> fit = computeCalibrationFit(sheet);
            if (!fit) return "linear fit";
            return "linear fit of " + std::to_string(fit->starCount) + " comparison stars; slope " +
                   fixed(fit->slope, 3) + "; r2 " + fixed(fit->correlation, 5);
        }
        case ReportedResult::Mean:
            return "mean of " + std::to_string(filledSlots(sheet)) + " linear-fit measurements";
        case ReportedResult::WeightedMean:
            return "weighted mean of " + std::to_string(filledSlots(sheet)) +
                   " linear-fit measurements";
    }
    return {};
}

Report problem(ReportProblem kind, std::string_view field = {}) {
    Report report;
    report.problem = kind;
    report.field = std::string(field);
    return report;
}

// The VSNET date: the UT day and its fraction to three decimals, "20241215.521".
std::string vsnetDate(double julianDate) {
    const double rounded = std::round((julianDate + 0.5) * 1000) / 1000 - 0.5;
    const CalendarDay day = calendarDay(rounded + 1e-7);
    const int whole = static_cast<int>(std::floor(day.day));
    const int thousandths = static_cast<int>(std::floor((day.day - whole) * 1000));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d.%03d", day.year, day.month, whole, thousandths);
    return text;
}

}  // namespace

std::string vsnetStarName(std::string_view starName) {
    std::string name;
    starName = trimmed(starName);
    const std::size_t space = starName.rfind(' ');
    const std::string_view constellation =
        space == std::string_view::npos ? std::string_view() : starName.substr(space + 1);
    const std::string_view designation =
        space == std::string_view::npos ? starName : starName.substr(0, space);
    for (const std::string_view part : {constellation, designation}) {
        for (const char c : part) {
            if (c != ' ') name += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return name;
}

std::string aavsoHeader(std::string_view observerCode, bool heliocentric) {
    return "#TYPE=EXTENDED\r\n#OBSCODE=" + std::string(observerCode) + "\r\n#SOFTWARE=Lumitrak " +
           std::string(kVersion) + "\r\n#DELIM=,\r\n#DATE=" + (heliocentric ? "HJD" : "JD") +
           "\r\n#OBSTYPE=DSLR\r\n"
           "#NAME,DATE,MAG,MERR,FILT,TRANS,MTYPE,CNAME,CMAG,KNAME,KMAG,AMASS,GROUP,CHART,NOTES\r\n";
}

Report makeReport(const ReportForm& form, const PhotometrySheet& sheet, double nowJulianDate) {
    const std::string_view star = trimmed(form.starName);
    const std::string_view observer = trimmed(form.observerCode);
    const std::string_view chart = trimmed(form.chart);
    const std::string_view checkName = trimmed(form.checkName);
    const std::string_view notes = trimmed(form.notes);
    // Typed texts go into the line as they are; a separator there would break it.
    const std::pair<std::string_view, std::string_view> typed[] = {
        {"星名", star},  {"観測者コード", observer}, {"チャート", chart}, {"チェック星", checkName},
        {"備考", notes},
    };
    for (const auto& [field, text] : typed) {
        if (text.find_first_of(",|\r\n") != std::string_view::npos)
            return problem(ReportProblem::SeparatorInField, field);
    }
    const auto pickResult = [&]() -> std::pair<std::string, std::string> {
        switch (form.result) {
            case ReportedResult::LastMeasurement:
                return {sheet.variableMagnitudeCaption, sheet.photometricErrorCaption};
            case ReportedResult::Mean: return {sheet.averageCaption, sheet.averageErrorCaption};
            case ReportedResult::WeightedMean:
                return {sheet.weightedAverageCaption, sheet.weightedAverageErrorCaption};
        }
        return {};
    };
    const auto [magnitudeCaption, errorCaption] = pickResult();
    const std::optional<std::string> magnitude = resultText(magnitudeCaption);
    const std::optional<std::string> error = resultText(errorCaption);
    if (!magnitude || !error) return problem(ReportProblem::NoResult);
    if (star.empty()) return problem(ReportProblem::NoStarName, "星名");
    if (observer.empty()) return problem(ReportProblem::NoObserverCode, "観測者コード");

    const auto date = numbersSeparatedBy(form.date, "-/");
    if (!date || date->size() != 3) return problem(ReportProblem::InvalidDate, "日付");
    const auto time = numbersSeparatedBy(form.time, ":");
    if (!time || time->size() < 2 || time->size() > 3)
        return problem(ReportProblem::InvalidTime, "時刻");
    const CivilTime civil{(*date)[0], (*date)[1], (*date)[2],
                          (*time)[0], (*time)[1], time->size() == 3 ? (*time)[2] : 0};
    const std::optional<double> local = julianDate(civil);
    if (!local) {
        const CivilTime midnight{civil.year, civil.month, civil.day, 0, 0, 0};
        return isValidCivilTime(midnight) ? problem(ReportProblem::InvalidTime, "時刻")
                                          : problem(ReportProblem::InvalidDate, "日付");
    }
    const double ut = *local - (form.universalTime ? 0 : kJstHoursAheadOfUt / 24);
    if (ut > nowJulianDate) return problem(ReportProblem::FutureTime, "日付");

    Report report;
    report.date = ut;
    const bool coordinates =
        !trimmed(form.rightAscension).empty() || !trimmed(form.declination).empty();
    if (coordinates) {
        const auto ra = sexagesimal(form.rightAscension);
        const auto dec = sexagesimal(form.declination);
        if (!ra || *ra >= 24) return problem(ReportProblem::InvalidCoordinates, "赤経");
        if (!dec || std::fabs(*dec) > 90) return problem(ReportProblem::InvalidCoordinates, "赤緯");
        report.date = heliocentricJulianDate(ut, *ra * 15, *dec);
        report.heliocentric = true;
    }

    const bool checkStar = !checkName.empty() || !trimmed(form.checkMeasured).empty() ||
                           !trimmed(form.checkCatalog).empty();
    if (checkStar) {
        if (checkName.empty()) return problem(ReportProblem::CheckStarIncomplete, "チェック星");
        if (trimmed(form.checkMeasured).empty())
            return problem(ReportProblem::CheckStarIncomplete, "チェック星の測光値");
        const std::optional<CalibrationFit> fit = computeCalibrationFit(sheet);
        if (!fit) return problem(ReportProblem::CheckStarWithoutFit, "チェック星");
        const double through = fit->constant + fit->slope * textToNumber(form.checkMeasured);
        report.checkMagnitude = fixed(through, 3);
        if (!trimmed(form.checkCatalog).empty()) {
            const double difference = through - textToNumber(form.checkCatalog);
            report.checkDifference = (difference >= 0 ? "+" : "") + fixed(difference, 3);
        }
    }

    std::string note = resultNote(form, sheet);
    if (!notes.empty()) note += "; " + std::string(notes);
    const std::pair<std::string_view, std::pair<std::string_view, std::size_t>> limits[] = {
        {"星名", {star, kStarNameLimit}},   {"等級", {*magnitude, kMagnitudeLimit}},
        {"誤差", {*error, kErrorLimit}},    {"チェック星", {checkName, kComparisonNameLimit}},
        {"チャート", {chart, kChartLimit}}, {"備考", {note, kNotesLimit}},
    };
    for (const auto& [field, limit] : limits) {
        if (characters(limit.first) > limit.second)
            return problem(ReportProblem::FieldTooLong, field);
    }
    const auto orNa = [](std::string_view text) {
        return text.empty() ? std::string("na") : std::string(text);
    };
    report.aavsoLine = std::string(star) + "," + fixed(report.date, 5) + "," + *magnitude + "," +
                       *error + "," + form.band + ",NO,STD,ENSEMBLE,na," + orNa(checkName) + "," +
                       orNa(report.checkMagnitude) + ",na,na," + orNa(chart) + "," + note;
    report.vsnetLine = vsnetStarName(star) + " " + vsnetDate(ut) + " " + *magnitude + form.band +
                       " " + std::string(observer);
    return report;
}

}  // namespace lumitrak
