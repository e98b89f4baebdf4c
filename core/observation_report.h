#pragma once
// The night's result as observers send it: one line of the AAVSO Extended File Format (v1.2)
// and one VSNET line, made from what the observer typed into the report window and from the
// sheet's results and fit.

#include <string>
#include <string_view>

#include "core/sheet.h"

namespace lumitrak {

enum class ReportedResult { LastMeasurement, Mean, WeightedMean };

// The report window's fields, as typed.
struct ReportForm {
    std::string starName;        // as AAVSO spells it, "SS CYG"
    std::string date;            // the middle of the exposure: "2024-12-15" (or with "/")
    std::string time;            // "21:30" or "21:30:05"
    bool universalTime = false;  // otherwise JST
    std::string band = "TG";
    std::string observerCode;
    std::string chart;  // optional, as every field below
    std::string checkName;
    std::string checkMeasured;
    std::string checkCatalog;
    std::string notes;
    std::string rightAscension;  // J2000 "20 09 07.8"; with the declination it gives HJD
    std::string declination;     // "+37 09 07"
    ReportedResult result = ReportedResult::LastMeasurement;
};

// The bands a DSLR observer reports: the camera's green, blue and red channels, the standard
// V, B and R, and unfiltered with a V zero point.
inline constexpr std::string_view kReportBands[] = {"TG", "TB", "TR", "V", "B", "R", "CV"};

enum class ReportProblem {
    None,
    NoResult,  // the chosen result has not been computed yet
    NoStarName,
    NoObserverCode,
    InvalidDate,  // no such date, or not written as a date
    InvalidTime,
    FutureTime,
    InvalidCoordinates,   // a right ascension or declination that cannot be read
    CheckStarIncomplete,  // a check star needs its measured value
    CheckStarWithoutFit,  // a check star needs a fit to be measured through
    FieldTooLong,
    SeparatorInField,  // a comma or "|" would break the line
};

struct Report {
    ReportProblem problem = ReportProblem::None;
    std::string field;  // the field the problem is in, as the window names it
    double date = 0;    // the Julian Date in UT, or the heliocentric one
    bool heliocentric = false;
    std::string checkMagnitude;   // the check star through the fit, "" without one
    std::string checkDifference;  // that magnitude less its catalog magnitude, "+0.012"
    std::string aavsoLine;        // without its line end
    std::string vsnetLine;
};

// The report of the chosen result at the time typed; `nowJulianDate` is the present moment, which
// the observation may not lie after.
Report makeReport(const ReportForm& form, const PhotometrySheet& sheet, double nowJulianDate);

// The AAVSO file's header lines, each ended by CR LF, the column line last.
std::string aavsoHeader(std::string_view observerCode, bool heliocentric);

// The VSNET form of a star's name: its constellation, then its designation ("SS CYG" → "CYGSS").
std::string vsnetStarName(std::string_view starName);

}  // namespace lumitrak
