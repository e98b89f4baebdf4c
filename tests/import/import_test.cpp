#include "import/import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "import/loader.h"
#include "import/readers.h"

using namespace lumitrak;

using Values = std::vector<std::string>;

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct Case {
    const char* label;
    std::string text;
    Values values;
    ImportOutcome outcome = ImportOutcome::Imported;
};

TEST(IrisReader, CopiesSevenCharactersFromTheFirstMinusWithinHundred) {
    // With the keyword's first letter at p, the last "x" stands at p + 99.
    const std::string to99 = "Magnitude" + std::string(91, 'x');
    const Case cases[] = {
        {"at the 101st", to99 + "y-1.23456", {"-1.2345"}},
        {"at the 102nd: not searched", to99 + "yz-1.23456", {"z-1.234"}},
        {"a bad byte is a character", " Magnitude -\xFF\x80𝄞ｘé12", {"-\xFF\x80𝄞ｘé1"}},
        {"valid and invalid edges",
         " Magnitude -\xDF\xBF\xE0\xA0\x80\xE0\x80\x80\xE3\x81z",
         {"-\xDF\xBF\xE0\xA0\x80\xE0\x80\x80\xE3"}},
        {"resumes after the minus", " Magnitude -1.2Magnitude -3.4567", {"-1.2Mag", "-3.4567"}},
        {"two bytes from C2 on", " Magnitude -¢¢¢¢¢¢¢", {"-¢¢¢¢¢¢"}},
        {"F5 starts nothing",
         " Magnitude -\xF5\x80\x80\x80"
         "123",
         {"-\xF5\x80\x80\x80"
          "12"}},
    };
    for (const Case& c : cases) EXPECT_EQ(readIrisValues(c.text), c.values) << c.label;
    EXPECT_EQ(readIrisValues(repeat(" Magnitude -1.2345678", 3), 2), Values(2, "-1.2345"));
    EXPECT_EQ(readSImageValues(repeat(" 100 SEMICTRD", 3), 2).values, Values(2, "-5."));
}

std::string makariText(const Values& counts) {
    // A heading of 17 commas, then each line's count in its 17th field.
    std::string text = " No,X,Y,A,B,C,D,E,F,G,H,I,J,K,L,M,Count,Flag";
    for (const std::string& count : counts) text += " " + repeat("12,", 16) + count + ",X";
    return text;
}

TEST(CountReaders, ReadTheCountsAsMagnitudesUntilOneGivesNone) {
    constexpr ImportOutcome kInvalid = ImportOutcome::InvalidCount;
    constexpr ImportOutcome kNegative = ImportOutcome::NegativeCount;
    const auto makari = &readMakariValues;
    const auto sImage = &readSImageValues;
    // 2.5 x log10(1 / count): 100 gives -5, 250 -5.995, 500 -6.747, 40 -4.005, 5 -1.747.
    const std::string afterField = repeat(",", 33) + "250,," + repeat(",", 15) + "9,100";
    const std::string dropped = " # X FLUX 1 10.5 100 SEMICTRD 2 30.5 500 SEMICTRD 3 5 40 SEMICTRD";
    const std::pair<CountReading (*)(std::string_view, std::size_t), Case> cases[] = {
        {makari, {"three lines", makariText({"100", "250", "500"}), {"-5.", "-5.995", "-6.747"}}},
        // The character after the taken field's comma is skipped even when it is a comma.
        {makari, {"after the field", afterField, {"-5.995", "-5."}}},
        {makari, {"empty stops", makariText({"100", "", "500"}), {"-5."}, kInvalid}},
        {sImage, {"blank, count, blank", " 250 SEMICTRD semictrd", {"-5.995"}}},
        {sImage, {"dropped lines", dropped, {"-5.", "-6.747", "-4.005"}}},
        {sImage, {"negative stops", " 250 SEMICTRD -40 SEMICTRD", {"-5.995"}, kNegative}},
        {sImage,
         {"one blank serves all", " 5xSEMICTRD" + repeat("SEMICTRD", 3), Values(4, "-1.747")}},
    };
    for (const auto& [reader, c] : cases) {
        SCOPED_TRACE(c.label);
        const CountReading read = reader(c.text, kAllValues);
        EXPECT_EQ(read.values, c.values);
        EXPECT_EQ(read.outcome, c.outcome);
    }
}

TEST(JoinFileLines, PutsABlankBeforeEachLine) {
    // A lone CR ends a line; a lone LF is part of its line.
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\nc\r\n", " a b c"}, {"a\rb\r", " a b"}, {"a\nb\r\n", " a\nb"},
        {"a\r\n\r\n\rb", " a   b"},    {"", ""},           {"\r\n", " "},
    };
    for (const auto& [file, line] : cases) {
        // A buffer of the file's exact size: no byte after it may be read.
        const std::vector<char> bytes(file.begin(), file.end());
        EXPECT_EQ(joinFileLines({bytes.data(), bytes.size()}), line)
            << testing::PrintToString(file);
    }
}

// A dropped file is text up to the size limit, and NUL bytes only in UTF-16 behind its mark.
TEST(ClassifyDroppedBytes, TakesTextUpToTheLimit) {
    const std::size_t limit = kImportTextLimit;
    const std::pair<std::string, DroppedBytes> cases[] = {
        {std::string(limit, 'x'), DroppedBytes::Text},
        {std::string(limit + 1, 'x'), DroppedBytes::TooLarge},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), DroppedBytes::NotText},
        {std::string("\xff\xfe"
                     "1\0",
                     4),
         DroppedBytes::Text},
        {std::string("\xfe\xff\0"
                     "1",
                     4),
         DroppedBytes::Text},
        {"", DroppedBytes::Text},
    };
    for (const auto& [bytes, kind] : cases)
        EXPECT_EQ(classifyDroppedBytes(bytes), kind) << bytes.size();
}

// Rows 1..20 hold "old1", "old2", ...
PhotometrySheet sheetToImport(SourceProgram program, std::string text) {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k)
        sheet.comparisonRow(k) = {"old" + std::to_string(k), "c"};
    sheet.sourceProgram = program;
    sheet.importText = std::move(text);
    return sheet;
}

TEST(ImportMeasuredValues, TheSourceProgramChoosesTheReader) {
    const std::string both = " Magnitude -9.87654 x 250 SEMICTRD";  // no comma for Makari
    const std::pair<SourceProgram, const char*> cases[] = {
        {SourceProgram::Iris, "-9.8765"},
        {SourceProgram::SImage, "-5.995"},
        {SourceProgram::Makari, "old1"},
    };
    for (const auto& [program, row1] : cases) {
        PhotometrySheet sheet = sheetToImport(program, both);
        EXPECT_EQ(importMeasuredValues(sheet).outcome, ImportOutcome::Imported) << row1;
        EXPECT_EQ(sheet.comparisonRow(1).measuredText, row1);
    }
}

TEST(ImportMeasuredValues, AStoppingStarKeepsTheRowsBeforeItAndIsNamed) {
    PhotometrySheet sheet = sheetToImport(SourceProgram::Makari, makariText({"250", ""}));
    const ImportReport report = importMeasuredValues(sheet);
    EXPECT_EQ(report.failedStar, 2);
    EXPECT_EQ(importAbortMessage(report), "2番目の星のデータが正しくありません\r処理を中断します");
    const PhotometrySheet& imported = sheet;
    EXPECT_EQ(imported.comparisonRow(1).measuredText, "-5.995");
    EXPECT_EQ(imported.comparisonRow(2).measuredText, "old2");
    // At most 20 rows are written, but a negative count after them still stops the import.
    sheet = sheetToImport(SourceProgram::SImage, repeat(" 100 SEMICTRD", 21) + " -1 SEMICTRD");
    const ImportReport negative = importMeasuredValues(sheet);
    EXPECT_EQ(imported.comparisonRow(20).measuredText, "-5.");
    EXPECT_EQ(negative.failedStar, 22);
    EXPECT_EQ(importAbortMessage(negative), kNegativeCountMessage);
}

// An S.Image output saved on Windows, read as a dropped file is: its CR LF lines joined into one.
TEST(ImportMeasuredValues, ASavedOutputImportsAsDropped) {
    std::ifstream file(LUMITRAK_IMPORT_FIXTURES "/simage_output_crlf.txt", std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(file), {}};
    ASSERT_NE(saved.find("\r\n"), std::string::npos) << "the fixture lost its CR LF line ends";
    PhotometrySheet sheet = sheetToImport(SourceProgram::SImage, joinFileLines(saved));
    EXPECT_EQ(importMeasuredValues(sheet).outcome, ImportOutcome::Imported);
    // -2.5 log10 of the counts 25000, 10000 and 2500.
    const PhotometrySheet& imported = sheet;
    EXPECT_EQ(imported.comparisonRow(1).measuredText, "-10.995");
    EXPECT_EQ(imported.comparisonRow(2).measuredText, "-10.");
    EXPECT_EQ(imported.comparisonRow(3).measuredText, "-8.495");
}
