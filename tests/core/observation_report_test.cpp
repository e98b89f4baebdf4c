#include "core/observation_report.h"

#include <gtest/gtest.h>

#include "core/julian_date.h"
#include "core/version.h"

namespace lumitrak {
namespace {

// Five comparison stars on magnitude = measured value + 19, the variable star measured at 10.763.
PhotometrySheet measuredSheet() {
    PhotometrySheet sheet;
    const ComparisonRow rows[] = {
        {"-8", "11"}, {"-8.5", "10.5"}, {"-9.5", "9.5"}, {"-10", "9"}, {"-11", "8"}};
    std::copy(std::begin(rows), std::end(rows), sheet.comparisonRows.begin());
    sheet.variableMagnitudeCaption = "10.763";
    sheet.photometricErrorCaption = "0.003";
    sheet.averageCaption = "10.760";
    sheet.averageErrorCaption = "0.004";
    sheet.averagingSlots[0] = {"10.763", "0.003"};
    sheet.averagingSlots[1] = {"10.757", "0.003"};
    sheet.weightedAverageCaption = ".760";
    sheet.weightedAverageErrorCaption = "0.002";
    return sheet;
}

ReportForm ssCygni() {
    ReportForm form;
    form.starName = "SS CYG";
    form.date = "2024-12-16";
    form.time = "21:30";
    form.observerCode = "ABC";
    form.chart = "X12345AB";
    return form;
}

const double kLater = *julianDate({2025, 1, 1, 0, 0, 0});

TEST(ObservationReport, WritesTheAavsoAndVsnetLines) {
    ReportForm form = ssCygni();
    Report report = makeReport(form, measuredSheet(), kLater);
    ASSERT_EQ(report.problem, ReportProblem::None) << report.field;
    EXPECT_EQ(report.aavsoLine,
              "SS CYG,2460661.02083,10.763,0.003,TG,NO,STD,ENSEMBLE,na,na,na,na,na,X12345AB,"
              "linear fit of 5 comparison stars; slope 1.000; r2 1.00000");
    EXPECT_EQ(report.vsnetLine, "CYGSS 20241216.521 10.763TG ABC");

    // In UT, with a check star measured through the fit, the mean, the observer's own note.
    form.universalTime = true;
    form.time = "12:30:14";
    form.date = "2024/12/15";
    form.band = "V";
    form.chart.clear();
    form.checkName = "000-BBC-123";
    form.checkMeasured = "-8.75";
    form.checkCatalog = "10.26";
    form.notes = "thin clouds";
    form.result = ReportedResult::Mean;
    report = makeReport(form, measuredSheet(), kLater);
    ASSERT_EQ(report.problem, ReportProblem::None) << report.field;
    EXPECT_EQ(report.checkMagnitude, "10.250");
    EXPECT_EQ(report.checkDifference, "-0.010");
    EXPECT_EQ(report.aavsoLine,
              "SS CYG,2460660.02100,10.760,0.004,V,NO,STD,ENSEMBLE,na,000-BBC-123,10.250,na,na,"
              "na,mean of 2 linear-fit measurements; thin clouds");
    EXPECT_EQ(report.vsnetLine, "CYGSS 20241215.521 10.760V ABC");

    // The weighted mean's caption has no digit before its point; the format wants one.
    form.result = ReportedResult::WeightedMean;
    form.checkName = form.checkMeasured = form.checkCatalog = form.notes = "";
    EXPECT_EQ(makeReport(form, measuredSheet(), kLater).vsnetLine, "CYGSS 20241215.521 0.760V ABC");
}

TEST(ObservationReport, GivesTheHeliocentricDateWithCoordinates) {
    ReportForm form = ssCygni();
    const Report plain = makeReport(form, measuredSheet(), kLater);
    form.rightAscension = "21 42 42.8";
    form.declination = "+43:35:10";
    const Report helio = makeReport(form, measuredSheet(), kLater);
    ASSERT_EQ(helio.problem, ReportProblem::None) << helio.field;
    EXPECT_TRUE(helio.heliocentric);
    EXPECT_FALSE(plain.heliocentric);
    const double ra = (21 + 42 / 60.0 + 42.8 / 3600) * 15;
    const double dec = 43 + 35 / 60.0 + 10 / 3600.0;
    EXPECT_DOUBLE_EQ(helio.date, heliocentricJulianDate(plain.date, ra, dec));
    EXPECT_NE(helio.date, plain.date);
    // VSNET keeps the UT date.
    EXPECT_EQ(helio.vsnetLine, plain.vsnetLine);
    // The sky's own edges are places too: 0 h and the south pole.
    form.rightAscension = "0 00 00.0";
    form.declination = "-90";
    EXPECT_TRUE(makeReport(form, measuredSheet(), kLater).heliocentric);
}

// Bad input is refused with the field it is in, and nothing else is made.
TEST(ObservationReport, RefusesWhatCannotBeReported) {
    struct Case {
        const char* label;
        void (*edit)(ReportForm&, PhotometrySheet&);
        ReportProblem problem;
        std::string field;
    };
    const Case cases[] = {
        {"no measurement yet", [](ReportForm&, PhotometrySheet& s) { s = PhotometrySheet{}; },
         ReportProblem::NoResult, ""},
        {"no mean yet",
         [](ReportForm& f, PhotometrySheet& s) {
             f.result = ReportedResult::Mean;
             s.averageCaption = "--.--";
         },
         ReportProblem::NoResult, ""},
        {"no star", [](ReportForm& f, PhotometrySheet&) { f.starName = " "; },
         ReportProblem::NoStarName, "星名"},
        {"no observer", [](ReportForm& f, PhotometrySheet&) { f.observerCode = ""; },
         ReportProblem::NoObserverCode, "観測者コード"},
        {"February 30", [](ReportForm& f, PhotometrySheet&) { f.date = "2023-02-29"; },
         ReportProblem::InvalidDate, "日付"},
        {"no date", [](ReportForm& f, PhotometrySheet&) { f.date = "16.12.2024"; },
         ReportProblem::InvalidDate, "日付"},
        {"25 o'clock", [](ReportForm& f, PhotometrySheet&) { f.time = "25:00"; },
         ReportProblem::InvalidTime, "時刻"},
        {"in the future", [](ReportForm& f, PhotometrySheet&) { f.date = "2025-01-01"; },
         ReportProblem::FutureTime, "日付"},
        {"right ascension of 24 h",
         [](ReportForm& f, PhotometrySheet&) {
             f.rightAscension = "24 00 00";
             f.declination = "+43 35 10";
         },
         ReportProblem::InvalidCoordinates, "赤経"},
        {"declination past the pole",
         [](ReportForm& f, PhotometrySheet&) {
             f.rightAscension = "21 42 42.8";
             f.declination = "+91 00 00";
         },
         ReportProblem::InvalidCoordinates, "赤緯"},
        {"check star without a value",
         [](ReportForm& f, PhotometrySheet&) { f.checkName = "000-BBC-123"; },
         ReportProblem::CheckStarIncomplete, "チェック星の測光値"},
        {"check star without a fit",
         [](ReportForm& f, PhotometrySheet& s) {
             f.checkName = "000-BBC-123";
             f.checkMeasured = "-8.75";
             s.comparisonRows = {};
         },
         ReportProblem::CheckStarWithoutFit, "チェック星"},
        {"a comma", [](ReportForm& f, PhotometrySheet&) { f.notes = "clouds, wind"; },
         ReportProblem::SeparatorInField, "備考"},
        {"a bar", [](ReportForm& f, PhotometrySheet&) { f.chart = "X1|X2"; },
         ReportProblem::SeparatorInField, "チャート"},
        {"a star name of 31",
         [](ReportForm& f, PhotometrySheet&) { f.starName = std::string(31, 'A'); },
         ReportProblem::FieldTooLong, "星名"},
        {"a chart of 21", [](ReportForm& f, PhotometrySheet&) { f.chart = std::string(21, 'X'); },
         ReportProblem::FieldTooLong, "チャート"},
        {"a magnitude of 9",
         [](ReportForm&, PhotometrySheet& s) { s.variableMagnitudeCaption = "12345.678"; },
         ReportProblem::FieldTooLong, "等級"},
        {"an error of 7",
         [](ReportForm&, PhotometrySheet& s) { s.photometricErrorCaption = "0.00300"; },
         ReportProblem::FieldTooLong, "誤差"},
    };
    for (const Case& c : cases) {
        ReportForm form = ssCygni();
        PhotometrySheet sheet = measuredSheet();
        c.edit(form, sheet);
        const Report report = makeReport(form, sheet, kLater);
        EXPECT_EQ(report.problem, c.problem) << c.label;
        EXPECT_EQ(report.field, c.field) << c.label;
        EXPECT_EQ(report.aavsoLine, "") << c.label;
    }
    // The limits themselves are allowed: 30 characters of name (Japanese ones count as one),
    // 20 of chart, notes up to 100 with the fit's own.
    ReportForm form = ssCygni();
    PhotometrySheet atTheLimits = measuredSheet();
    atTheLimits.variableMagnitudeCaption = "1234.678";
    atTheLimits.photometricErrorCaption = "0.0030";
    form.starName = std::string(27, 'A') + "星名X";
    form.chart = std::string(20, 'X');
    const std::string fitNote = "linear fit of 5 comparison stars; slope 1.000; r2 1.00000";
    form.notes = std::string(100 - fitNote.size() - 2, 'n');
    EXPECT_EQ(makeReport(form, atTheLimits, kLater).problem, ReportProblem::None);
    form.notes += "n";
    EXPECT_EQ(makeReport(form, measuredSheet(), kLater).field, "備考");
}

TEST(ObservationReport, NamesStarsTheVsnetWay) {
    const std::pair<std::string, std::string> cases[] = {
        {"SS CYG", "CYGSS"}, {"V402 Cyg", "CYGV402"}, {" R CrB ", "CRBR"}, {"EPSAUR", "EPSAUR"}};
    for (const auto& [aavso, vsnet] : cases) EXPECT_EQ(vsnetStarName(aavso), vsnet) << aavso;
}

TEST(ObservationReport, HeadsTheFileAsTheFormatAsks) {
    EXPECT_EQ(aavsoHeader("ABC", true),
              "#TYPE=EXTENDED\r\n#OBSCODE=ABC\r\n#SOFTWARE=Lumitrak " + std::string(kVersion) +
                  "\r\n#DELIM=,\r\n#DATE=HJD\r\n#OBSTYPE=DSLR\r\n"
                  "#NAME,DATE,MAG,MERR,FILT,TRANS,MTYPE,CNAME,CMAG,KNAME,KMAG,AMASS,GROUP,CHART,"
                  "NOTES\r\n");
}

}  // namespace
}  // namespace lumitrak
