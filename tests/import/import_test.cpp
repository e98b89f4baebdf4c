#include "import/import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "import/loader.h"

namespace lumitrak {
namespace {

TEST(JoinFileLines, PutsABlankBeforeEachLine) {
    // A lone CR ends a line; a lone LF is part of its line.
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\nc\r\n", " a b c"}, {"a\r\nb", " a b"}, {"a\rb\r", " a b"}, {"a\nb\r\n", " a\nb"},
        {"a\n\rb", " a\n b"}, {"a\r\n\r\n\rb", " a   b"}, {"", ""}, {"\r\n", " "}};
    for (const auto& [file, joined] : cases) EXPECT_EQ(joinFileLines(file), joined) << testing::PrintToString(file);
}

// A sheet with every row and the variable star's field holding texts of their own.
PhotometrySheet filledSheet(SourceProgram program, std::string text) {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k) {
        sheet.comparisonRow(k) = {"old" + std::to_string(k), "cat" + std::to_string(k)};
    }
    sheet.variableMeasuredText = "-7.5";
    sheet.sourceProgram = program;
    sheet.importText = std::move(text);
    return sheet;
}

TEST(ImportMeasuredValues, TheSourceProgramChoosesTheReader) {
    const std::string text = " Magnitude -9.87654 x 250 SEMICTRD";  // no comma for Makari
    const std::tuple<SourceProgram, std::string, const char*> cases[] = {
        {SourceProgram::Iris, text, "-9.8765"}, {SourceProgram::SImage, text, "-5.995"},
        {SourceProgram::Makari, text, "old1"}, {SourceProgram::Iris, "", "old1"}};
    for (const auto& [program, text, row1] : cases) {
        PhotometrySheet sheet = filledSheet(program, text), expected = sheet;
        expected.comparisonRow(1).measuredText = row1;
        EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
        EXPECT_EQ(sheet, expected);
    }
}

// Star n has the count 100 + n - 1. At most 20 rows are written, but a negative count after
// them still stops the import; the rows before the stopping star stay written either way.
TEST(ImportMeasuredValues, WritesAtMostTwentyRowsAndChecksEveryCount) {
    for (const int stars : {19, 20, 21, 25}) {
        for (const bool negativeAfter : {false, true}) {
            std::string text;
            for (int i = 0; i < stars; ++i) text += " " + std::to_string(100 + i) + " SEMICTRD";
            if (negativeAfter) text += " -0.5 SEMICTRD";
            PhotometrySheet sheet = filledSheet(SourceProgram::SImage, text), expected = sheet;
            for (int k = 1; k <= std::min(stars, kComparisonRows); ++k) {
                expected.comparisonRow(k).measuredText = countToMagnitude(100 + k - 1);
            }
            const ImportReport report = importMeasuredValuesDetailed(sheet);
            SCOPED_TRACE(std::to_string(stars) + (negativeAfter ? " + negative" : ""));
            EXPECT_EQ(sheet, expected);
            EXPECT_EQ(sheet.comparisonRow(20).measuredText, stars == 19 ? "old20" : "-5.189");
            EXPECT_EQ(report.outcome, negativeAfter ? ImportOutcome::NegativeCount : ImportOutcome::Imported);
            EXPECT_EQ(report.failedStar, negativeAfter ? stars + 1 : 0);
            EXPECT_EQ(importAbortMessage(report), negativeAfter ? kNegativeCountMessage : "");
        }
    }
}

TEST(ImportMeasuredValues, InvalidCountNamesTheStar) {
    // A heading of 17 commas, then lines whose 17th field is 250 and then empty.
    const std::string head = " " + std::string(17, ','), row = " " + std::string(16, ',');
    PhotometrySheet sheet = filledSheet(SourceProgram::Makari, head + row + "250,x" + row + ",x");
    const ImportReport report = importMeasuredValuesDetailed(sheet);
    EXPECT_EQ(report.outcome, ImportOutcome::InvalidCount);
    EXPECT_EQ(importAbortMessage(report), "2番目の星のデータが正しくありません\r処理を中断します");
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-5.995");
    EXPECT_EQ(sheet.comparisonRow(2).measuredText, "old2");
}

// A real S.Image output file with CR LF line ends, loaded as a drop loads it.
TEST(ImportMeasuredValues, ReadsASavedSImageOutputFile) {
    std::ifstream file(LUMITRAK_IMPORT_FIXTURES "/simage_output_crlf.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_NE(bytes.find("\r\n"), std::string::npos) << "the fixture lost its CR LF line ends";
    PhotometrySheet sheet = filledSheet(SourceProgram::SImage, joinFileLines(bytes));
    EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-10.995");
    EXPECT_EQ(sheet.comparisonRow(2).measuredText, "-10.");
    EXPECT_EQ(sheet.comparisonRow(3).measuredText, "-8.495");
    EXPECT_EQ(sheet.comparisonRow(4).measuredText, "old4");
}

}  // namespace
}  // namespace lumitrak
