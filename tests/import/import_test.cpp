#include "import/import.h"
#include "import/readers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "import/loader.h"

namespace lumitrak {
namespace {

using Values = std::vector<std::string>;
constexpr ImportOutcome kInvalid = ImportOutcome::InvalidCount;

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct Case {
    const char* name;
    std::string text;
    Values values;
    ImportOutcome outcome = ImportOutcome::Imported;
};

// IRIS: the keyword fills positions p..p+8, so 91 more characters put the next one at p+100.
TEST(IrisReader, CopiesSevenCharactersFromTheFirstMinusWithinHundred) {
    const std::string to99 = "Magnitude" + std::string(91, 'x');
    const Case cases[] = {
        {"seven characters, not rounded", " Magnitude=-12.3456 (err 0.01)", {"-12.345"}},
        {"one per keyword", " Magnitude = -10.1234 x Magnitude -8.5 x", {"-10.123", "-8.5 x"}},
        {"keyword inside a word, not lower case", " AbsMagnitudes -7.654321 magnitude -1", {"-7.6543"}},
        {"minus at the 100th", to99 + "-1.23456", {"-1.2345"}},
        {"minus at the 101st: taken from the 101st", to99 + "y-1.23456", {"-1.2345"}},
        {"minus at the 102nd: not searched", to99 + "yz-1.23456", {"z-1.234"}},
        {"multi-byte counts once", "Magnitude" + repeat("等", 91) + "-1.23456", {"-1.2345"}},
        {"seven characters, not bytes", " Magnitude -等級等級等級等級", {"-等級等級等級"}},
        {"two, three and four bytes", " Magnitude -é\xC2\xA0𝄞ｘ\x80\x80\x80z", {"-é\xC2\xA0𝄞ｘ\x80\x80"}},
        // A byte that starts no valid sequence is one character: 92 of them end at p+100.
        {"bad byte is one", "Magnitude" + repeat("\xE7\xAD", 46) + "\xFF-1.23456", {"\xFF-1.234"}},
        {"resumes after the minus", " Magnitude -1.2Magnitude -3.4567890", {"-1.2Mag", "-3.4567"}},
        {"keyword inside the search passed over", " Magnitude Magnitude -1.234567", {"-1.2345"}},
        {"value cut by the text's end", " Magnitude -1.2", {"-1.2"}},
        {"empty value where the text has ended", " Magnitude = 12.3", {""}}};
    for (const Case& c : cases) EXPECT_EQ(readIrisValues(c.text), c.values) << c.name;
    EXPECT_EQ(readIrisValues(" Magnitude -1.111111 Magnitude -2.22222 Magnitude -3.3333", 2),
              Values({"-1.1111", "-2.2222"}));
}

// Makari: a heading of 17 commas, then one line per count whose 17th field is the count.
std::string makariText(const Values& counts) {
    std::string text = " No,X,Y,A,B,C,D,E,F,G,H,I,J,K,L,M,Count,Flag";
    for (const std::string& count : counts) text += " " + repeat("12,", 16) + count + ",X";
    return text;
}

TEST(CountReaders, ReadTheCountsAsMagnitudesUntilOneGivesNone) {
    const auto makari = &readMakariValues, sImage = &readSImageValues;
    const std::pair<CountReading (*)(std::string_view, std::size_t), Case> cases[] = {
        {makari, {"three lines", makariText({"100", "250", "500"}), {"-5.", "-5.995", "-6.747"}}},
        {makari, {"fewer than 17 commas", repeat("100,", 16), {}}},
        // The character after the taken field's comma is skipped even when it is a comma.
        {makari, {"after the field", repeat(",", 33) + "250,," + repeat(",", 15) + "9,100", {"-5.995", "-5."}}},
        {makari, {"last field runs to the end", repeat(",", 33) + "250", {"-5.995"}}},
        {makari, {"empty field stops", makariText({"100", "", "500"}), {"-5."}, kInvalid}},
        {makari, {"zero stops", makariText({"250", "0"}), {"-5.995"}, kInvalid}},
        {makari, {"negative stops", makariText({"-250"}), {}, kInvalid}},
        {makari, {"1 / count overflows", makariText({"40", "1e-310"}), {"-4.005"}, kInvalid}},
        // S.Image: the search for the blank starts at p-2; the character right before is skipped.
        {sImage, {"blank, count, blank", " 250 SEMICTRD semictrd", {"-5.995"}}},
        {sImage, {"count glued to the keyword", " 250SEMICTRD", {"-5.995"}}},
        {sImage, {"blank at p-2", "x 5SEMICTRD", {"-1.747"}}},
        {sImage, {"two blanks read as zero", " 250  SEMICTRD", {}, kInvalid}},
        {sImage, {"no blank before p-1", "250 SEMICTRD", {}, kInvalid}},
        {sImage, {"keyword first", "SEMICTRD", {}, kInvalid}},
        {sImage, {"dropped lines", " # X FLUX 1 10.5 100 SEMICTRD 2 30.5 500 SEMICTRD 3 5 40 SEMICTRD",
                  {"-5.", "-6.747", "-4.005"}}},
        {sImage, {"negative stops", " 250 SEMICTRD -40 SEMICTRD 500 SEMICTRD", {"-5.995"},
                  ImportOutcome::NegativeCount}},
        {sImage, {"zero stops", " 250 SEMICTRD 0 SEMICTRD", {"-5.995"}, kInvalid}},
        {sImage, {"line break is no blank", " 250 SEMICTRD\r\n500 SEMICTRD", {"-5.995"}, kInvalid}},
        // Later keywords without a blank of their own read from the one blank at the start.
        {sImage, {"one blank serves all", " 5xSEMICTRD" + repeat("SEMICTRD", 3), Values(4, "-1.747")}}};
    for (const auto& [reader, c] : cases) {
        const CountReading read = reader(c.text, kAllValues);
        EXPECT_EQ(read.values, c.values) << c.name;
        EXPECT_EQ(read.outcome, c.outcome) << c.name;
    }
}

TEST(JoinFileLines, PutsABlankBeforeEachLine) {
    // A lone CR ends a line; a lone LF is part of its line.
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\nc\r\n", " a b c"}, {"a\r\nb", " a b"}, {"a\rb\r", " a b"}, {"a\nb\r\n", " a\nb"},
        {"a\n\rb", " a\n b"}, {"a\r\n\r\n\rb", " a   b"}, {"", ""}, {"\r\n", " "}};
    for (const auto& [file, line] : cases) {
        const std::vector<char> bytes(file.begin(), file.end());  // no byte after the last to read
        EXPECT_EQ(joinFileLines({bytes.data(), bytes.size()}), line) << testing::PrintToString(file);
    }
}

// A sheet whose rows hold texts of their own: "old1", "old2", ...
PhotometrySheet filledSheet(SourceProgram program, std::string text) {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k) sheet.comparisonRow(k) = {"old" + std::to_string(k), "c"};
    sheet.sourceProgram = program;
    sheet.importText = std::move(text);
    return sheet;
}

TEST(ImportMeasuredValues, TheSourceProgramChoosesTheReader) {
    const std::string both = " Magnitude -9.87654 x 250 SEMICTRD";  // no comma for Makari
    const std::tuple<SourceProgram, std::string, const char*> cases[] = {
        {SourceProgram::Iris, both, "-9.8765"}, {SourceProgram::SImage, both, "-5.995"},
        {SourceProgram::Makari, both, "old1"}, {SourceProgram::Iris, "", "old1"}};
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
            const auto stopped = std::tuple(ImportOutcome::NegativeCount, stars + 1, kNegativeCountMessage);
            EXPECT_EQ(std::tuple(report.outcome, report.failedStar, importAbortMessage(report)),
                      negativeAfter ? stopped : std::tuple(ImportOutcome::Imported, 0, ""));
        }
    }
}

TEST(ImportMeasuredValues, InvalidCountNamesTheStar) {
    PhotometrySheet sheet = filledSheet(SourceProgram::Makari, makariText({"250", ""}));
    EXPECT_EQ(importAbortMessage(importMeasuredValuesDetailed(sheet)),
              "2番目の星のデータが正しくありません\r処理を中断します");
    EXPECT_EQ(sheet.comparisonRow(1).measuredText + sheet.comparisonRow(2).measuredText, "-5.995old2");
}

// A real S.Image output file with CR LF line ends, loaded as a drop loads it.
TEST(ImportMeasuredValues, ReadsASavedSImageOutputFile) {
    std::ifstream file(LUMITRAK_IMPORT_FIXTURES "/simage_output_crlf.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_NE(bytes.find("\r\n"), std::string::npos) << "the fixture lost its CR LF line ends";
    PhotometrySheet sheet = filledSheet(SourceProgram::SImage, joinFileLines(bytes));
    EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
    const PhotometrySheet& s = sheet;  // rows after the file's stars keep their texts
    EXPECT_EQ(s.comparisonRow(1).measuredText + s.comparisonRow(2).measuredText +
                  s.comparisonRow(3).measuredText + s.comparisonRow(20).measuredText,
              "-10.995-10.-8.495old20");
}

}  // namespace
}  // namespace lumitrak
