#include "import/import.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/messages.h"
#include "import/loader.h"
#include "import/readers.h"

using namespace lumitrak;

using Values = std::vector<std::string>;
constexpr ImportOutcome kInvalid = ImportOutcome::InvalidCount;

std::string repeat(std::string_view piece, int times) {
    return times > 0 ? std::string(piece) + repeat(piece, times - 1) : "";
}
struct Case {
    const char* name;
    std::string text;
    Values values;
    ImportOutcome outcome = ImportOutcome::Imported;
};

TEST(IrisReader, CopiesSevenCharactersFromTheFirstMinusWithinHundred) {
    const std::string to99 =
        "Magnitude" + std::string(91, 'x');  // keyword at p..p+8: the next one is p+100
    const Case cases[] = {
        {"seven, not rounded", " Magnitude=-12.3456 (err 0.01)", {"-12.345"}},
        {"one per keyword", " Magnitude = -10.1234 x Magnitude -8.5 x", {"-10.123", "-8.5 x"}},
        {"inside a word, not lower case", " AbsMagnitudes -7.654321 magnitude -1", {"-7.6543"}},
        {"minus at the 100th", to99 + "-1.23456", {"-1.2345"}},
        {"at the 101st", to99 + "y-1.23456", {"-1.2345"}},
        {"at the 102nd: not searched", to99 + "yz-1.23456", {"z-1.234"}},
        {"multi-byte counts once", "Magnitude" + repeat("等", 91) + "-1.23456", {"-1.2345"}},
        {"characters, not bytes", " Magnitude -等級等級等級等級", {"-等級等級等級"}},
        {"two, three and four bytes",
         " Magnitude -é\xC2\xA0𝄞ｘ\x80\x80\x80z",
         {"-é\xC2\xA0𝄞ｘ\x80\x80"}},
        {"a bad byte is one character: 92 end at p+100",
         "Magnitude" + repeat("\xE7\xAD", 46) + "\xFF-1.23456",
         {"\xFF-1.234"}},
        {"resumes after the minus", " Magnitude -1.2Magnitude -3.4567890", {"-1.2Mag", "-3.4567"}},
        {"keyword inside the search", " Magnitude Magnitude -1.234567", {"-1.2345"}},
        {"cut by the end", " Magnitude -1.2", {"-1.2"}},
        {"empty at the end", " Magnitude = 12.3", {""}}};
    for (const Case& c : cases) EXPECT_EQ(readIrisValues(c.text), c.values) << c.name;
    EXPECT_EQ(readIrisValues(" Magnitude -1.111111 Magnitude -2.22222 Magnitude -3.3333", 2),
              Values({"-1.1111", "-2.2222"}));
}

std::string makariText(
    const Values& counts) {  // a heading of 17 commas, then the count in each 17th field
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
        {makari,
         {"after the field",
          repeat(",", 33) + "250,," + repeat(",", 15) + "9,100",
          {"-5.995", "-5."}}},
        {makari, {"last field to the end", repeat(",", 33) + "250", {"-5.995"}}},
        {makari, {"empty stops", makariText({"100", "", "500"}), {"-5."}, kInvalid}},
        {makari, {"zero stops", makariText({"250", "0"}), {"-5.995"}, kInvalid}},
        {makari, {"negative stops", makariText({"-250"}), {}, kInvalid}},
        {makari, {"1 / count overflows", makariText({"40", "1e-310"}), {"-4.005"}, kInvalid}},
        // S.Image: the search for the blank starts at p-2; the character right before is skipped.
        {sImage, {"blank, count, blank", " 250 SEMICTRD semictrd", {"-5.995"}}},
        {sImage, {"glued", " 250SEMICTRD", {"-5.995"}}},
        {sImage, {"blank at p-2", "x 5SEMICTRD", {"-1.747"}}},
        {sImage, {"two blanks read 0", " 250  SEMICTRD", {}, kInvalid}},
        {sImage, {"no blank before p-1", "250 SEMICTRD", {}, kInvalid}},
        {sImage, {"first", "SEMICTRD", {}, kInvalid}},
        {sImage,
         {"dropped lines",
          " # X FLUX 1 10.5 100 SEMICTRD 2 30.5 500 SEMICTRD 3 5 40 SEMICTRD",
          {"-5.", "-6.747", "-4.005"}}},
        {sImage,
         {"negative",
          " 250 SEMICTRD -40 SEMICTRD 500 SEMICTRD",
          {"-5.995"},
          ImportOutcome::NegativeCount}},
        {sImage, {"zero stops", " 250 SEMICTRD 0 SEMICTRD", {"-5.995"}, kInvalid}},
        {sImage, {"line break is no blank", " 250 SEMICTRD\r\n500 SEMICTRD", {"-5.995"}, kInvalid}},
        {sImage,
         {"one blank serves all", " 5xSEMICTRD" + repeat("SEMICTRD", 3), Values(4, "-1.747")}}};
    for (const auto& [reader, c] : cases) {
        const CountReading read = reader(c.text, kAllValues);
        EXPECT_EQ(std::tuple(read.values, read.outcome), std::tuple(c.values, c.outcome)) << c.name;
    }
}

TEST(JoinFileLines,
     PutsABlankBeforeEachLine) {  // a lone CR ends a line; a lone LF is part of its line
    const std::pair<std::string, std::string> cases[] = {{"a\r\nb\r\nc\r\n", " a b c"},
                                                         {"a\r\nb", " a b"},
                                                         {"a\rb\r", " a b"},
                                                         {"a\nb\r\n", " a\nb"},
                                                         {"a\n\rb", " a\n b"},
                                                         {"a\r\n\r\n\rb", " a   b"},
                                                         {"", ""},
                                                         {"\r\n", " "}};
    for (const auto& [file, line] : cases) {
        const std::vector<char> bytes(file.begin(), file.end());  // no byte after the last to read
        EXPECT_EQ(joinFileLines({bytes.data(), bytes.size()}), line)
            << testing::PrintToString(file);
    }
}

PhotometrySheet filledSheet(SourceProgram program,
                            std::string text) {  // rows hold "old1", "old2", ...
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k)
        sheet.comparisonRow(k) = {"old" + std::to_string(k), "c"};
    std::tie(sheet.sourceProgram, sheet.importText) = std::tuple(program, std::move(text));
    return sheet;
}

TEST(ImportMeasuredValues, TheSourceProgramChoosesTheReader) {
    const std::string both = " Magnitude -9.87654 x 250 SEMICTRD";  // no comma for Makari
    std::ifstream file(LUMITRAK_IMPORT_FIXTURES "/simage_output_crlf.txt", std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_NE(saved.find("\r\n"), std::string::npos) << "the fixture lost its CR LF line ends";
    using enum SourceProgram;
    const std::tuple<SourceProgram, std::string, Values> cases[] = {
        {Iris, both, {"-9.8765"}},
        {SImage, both, {"-5.995"}},
        {Makari, both, {}},
        {Iris, "", {}},
        {SImage, joinFileLines(saved), {"-10.995", "-10.", "-8.495"}}};  // a saved file, as dropped
    for (const auto& [program, text, rows] : cases) {
        PhotometrySheet sheet = filledSheet(program, text), expected = sheet;
        for (std::size_t k = 0; k < rows.size(); ++k)
            expected.comparisonRows[k].measuredText = rows[k];
        EXPECT_EQ(importMeasuredValues(sheet), ImportOutcome::Imported);
        EXPECT_EQ(sheet, expected);
    }
    PhotometrySheet sheet = filledSheet(SourceProgram::Makari, makariText({"250", ""}));
    EXPECT_EQ(importAbortMessage(importMeasuredValuesDetailed(sheet)),
              "2番目の星のデータが正しくありません\r処理を中断します");
    EXPECT_EQ(
        std::as_const(sheet).comparisonRow(1).measuredText + sheet.comparisonRow(2).measuredText,
        "-5.995old2");
}

// At most 20 rows are written, but a negative count after them still stops the import.
TEST(ImportMeasuredValues, WritesAtMostTwentyRowsAndChecksEveryCount) {
    for (const int stars : {19, 20, 21, 25}) {
        for (const bool negativeAfter : {false, true}) {
            std::string text;
            for (int i = 0; i < stars; ++i) text += " " + std::to_string(100 + i) + " SEMICTRD";
            if (negativeAfter) text += " -0.5 SEMICTRD";
            PhotometrySheet sheet = filledSheet(SourceProgram::SImage, text), expected = sheet;
            for (int k = 1; k <= std::min(stars, 20); ++k)
                expected.comparisonRow(k).measuredText = countToMagnitude(99 + k);
            const ImportReport report = importMeasuredValuesDetailed(sheet);
            SCOPED_TRACE(stars + negativeAfter * 100);
            EXPECT_EQ(sheet, expected);
            const auto stopped =
                std::tuple(ImportOutcome::NegativeCount, stars + 1, kNegativeCountMessage);
            EXPECT_EQ(std::tuple(report.outcome, report.failedStar, importAbortMessage(report)),
                      negativeAfter ? stopped : std::tuple(ImportOutcome::Imported, 0, ""));
        }
    }
}
