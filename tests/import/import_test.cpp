#include "import/import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/messages.h"

namespace lumitrak {
namespace {

std::string sImageStars(int count, int firstCount = 100) {
    std::string text;
    for (int i = 0; i < count; ++i) text += " " + std::to_string(firstCount + i) + " SEMICTRD";
    return text;
}

// A sheet with every row and every other field holding a text of its own.
PhotometrySheet filledSheet() {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k) {
        sheet.comparisonRow(k).measuredText = "old" + std::to_string(k);
        sheet.comparisonRow(k).catalogText = "cat" + std::to_string(k);
    }
    sheet.variableMeasuredText = "-7.5";
    sheet.averagingSlot(1) = {"12.345", "0.012"};
    sheet.averageCaption = "12.345";
    return sheet;
}

TEST(ImportMeasuredValuesTest, WritesOnlyTheMeasuredTextsOfTheFoundStars) {
    PhotometrySheet sheet = filledSheet();
    sheet.sourceProgram = SourceProgram::SImage;
    sheet.importText = " 250 SEMICTRD 500 SEMICTRD 40 SEMICTRD";

    PhotometrySheet expected = sheet;
    expected.comparisonRow(1).measuredText = "-5.995";
    expected.comparisonRow(2).measuredText = "-6.747";
    expected.comparisonRow(3).measuredText = "-4.005";

    EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
    EXPECT_EQ(sheet, expected);  // rows 4..20, every catalog text and the rest unchanged

    EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
    EXPECT_EQ(sheet, expected);  // the same text and choice give the same rows again
}

TEST(ImportMeasuredValuesTest, SourceProgramChoosesTheReader) {
    const std::string text = " Magnitude = -9.87654 x 250 SEMICTRD";
    PhotometrySheet sheet;
    sheet.importText = text;

    sheet.sourceProgram = SourceProgram::Iris;
    importMeasuredValues(sheet);
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-9.8765");

    sheet.sourceProgram = SourceProgram::SImage;
    importMeasuredValues(sheet);
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-5.995");

    sheet.sourceProgram = SourceProgram::Makari;  // no commas: nothing read, nothing changed
    EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-5.995");
}

TEST(ImportMeasuredValuesTest, StoresAtMostTwentyStars) {
    // Star n has the count 100 + n - 1; star 19 gives -5.18, star 20 gives -5.189.
    for (int stars : {19, 20, 21, 25}) {
        SCOPED_TRACE(stars);
        PhotometrySheet sheet = filledSheet();
        sheet.sourceProgram = SourceProgram::SImage;
        sheet.importText = sImageStars(stars);
        PhotometrySheet expected = sheet;
        for (int k = 1; k <= std::min(stars, kComparisonRows); ++k) {
            expected.comparisonRow(k).measuredText = countToMagnitude(100 + k - 1);
        }
        EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
        EXPECT_EQ(sheet, expected);
        EXPECT_EQ(sheet.comparisonRow(19).measuredText, "-5.18");
        EXPECT_EQ(sheet.comparisonRow(20).measuredText, stars == 19 ? "old20" : "-5.189");
    }
}

TEST(ImportMeasuredValuesTest, NegativeCountKeepsTheRowsBeforeIt) {
    PhotometrySheet sheet = filledSheet();
    sheet.sourceProgram = SourceProgram::SImage;
    sheet.importText = " 250 SEMICTRD 500 SEMICTRD -40 SEMICTRD 100 SEMICTRD";

    const ImportReport result = importMeasuredValuesDetailed(sheet);
    EXPECT_EQ(result.outcome, ImportOutcome::NegativeCount);
    EXPECT_EQ(result.failedStar, 3);
    EXPECT_EQ(importAbortMessage(result), kNegativeCountMessage);
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-5.995");
    EXPECT_EQ(sheet.comparisonRow(2).measuredText, "-6.747");
    EXPECT_EQ(sheet.comparisonRow(3).measuredText, "old3");
    EXPECT_EQ(sheet.comparisonRow(4).measuredText, "old4");
}

TEST(ImportMeasuredValuesTest, NegativeCountAfterTwentyStarsStillStops) {
    PhotometrySheet sheet;
    sheet.sourceProgram = SourceProgram::SImage;
    sheet.importText = sImageStars(21) + " -5 SEMICTRD";

    const ImportReport result = importMeasuredValuesDetailed(sheet);
    EXPECT_EQ(result.outcome, ImportOutcome::NegativeCount);
    EXPECT_EQ(result.failedStar, 22);
    EXPECT_EQ(sheet.comparisonRow(20).measuredText, "-5.189");
}

TEST(ImportMeasuredValuesTest, InvalidCountNamesTheStar) {
    PhotometrySheet sheet = filledSheet();
    sheet.sourceProgram = SourceProgram::Makari;
    // A heading of 17 commas, then lines whose 17th field is 250 and then empty.
    std::string text = " " + std::string(17, ',');
    text += " " + std::string(16, ',') + "250,x";
    text += " " + std::string(16, ',') + ",x";

    sheet.importText = text;
    const ImportReport result = importMeasuredValuesDetailed(sheet);
    EXPECT_EQ(result.outcome, ImportOutcome::InvalidCount);
    EXPECT_EQ(result.failedStar, 2);
    EXPECT_EQ(importAbortMessage(result), "2番目の星のデータが正しくありません\r処理を中断します");
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "-5.995");
    EXPECT_EQ(sheet.comparisonRow(2).measuredText, "old2");
}

TEST(ImportMeasuredValuesTest, EmptyTextChangesNothing) {
    for (SourceProgram program :
         {SourceProgram::Iris, SourceProgram::Makari, SourceProgram::SImage}) {
        PhotometrySheet sheet = filledSheet();
        sheet.sourceProgram = program;
        const PhotometrySheet before = sheet;
        const ImportReport result = importMeasuredValuesDetailed(sheet);
        EXPECT_EQ(result.outcome, ImportOutcome::Imported);
        EXPECT_EQ(importAbortMessage(result), "");
        EXPECT_EQ(sheet, before);
    }
}

}  // namespace
}  // namespace lumitrak
