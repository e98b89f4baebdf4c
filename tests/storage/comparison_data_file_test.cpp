#include "storage/comparison_data_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "storage/file_bytes.h"
#include "temporary_folder.h"

namespace lumitrak {
namespace {

using testing::fixture;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;
// Rows as (measured, catalog) pairs, which GoogleTest compares and prints.
using Rows = std::vector<std::pair<std::string, std::string>>;

template <typename RowRange>
Rows texts(const RowRange& rows) {
    Rows out;
    for (const ComparisonRow& row : rows) out.emplace_back(row.measuredText, row.catalogText);
    return out;
}

Rows texts(const PhotometrySheet& sheet) { return texts(sheet.comparisonRows); }

// All 20 rows: the given ones from row 1 on, the rest empty.
Rows table(Rows rows) {
    rows.resize(kComparisonRows);
    return rows;
}

PhotometrySheet sheetWithRows(const Rows& rows) {
    PhotometrySheet sheet;
    for (std::size_t r = 0; r < rows.size(); ++r) sheet.comparisonRows[r] = {rows[r].first, rows[r].second};
    return sheet;
}

std::string records(int count) {
    std::string text;
    for (int r = 1; r <= count; ++r) text += " " + std::to_string(r) + " , 1" + std::to_string(r) + " \r\n";
    return text;
}

struct WrittenCase {
    std::pair<std::string, std::string> row;
    std::string line;
};

void PrintTo(const WrittenCase& c, std::ostream* out) { *out << c.row.first << " / " << c.row.second; }

class ComparisonDataLineTest : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(ComparisonDataLineTest, WritesEachNumberPlainWithOneBlankAfterIt) {
    EXPECT_EQ(comparisonDataText(sheetWithRows({GetParam().row})), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComparisonDataLineTest,
    ::testing::Values(WrittenCase{{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"},
                      WrittenCase{{"-7.25", "9"}, "-7.25 , 9 \r\n"},
                      WrittenCase{{"0.5", "11"}, " .5 , 11 \r\n"},
                      WrittenCase{{"100000000000000000000", "0.00001"}, " 1E+20 , 1E-05 \r\n"},
                      WrittenCase{{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"},
                      WrittenCase{{"12.300", "abc"}, " 12.3 , 0 \r\n"},
                      WrittenCase{{"7.5mag", ""}, " 7.5 , 0 \r\n"},
                      // A blank is not an empty text, so the row is kept, as 0.
                      WrittenCase{{" ", "8"}, " 0 , 8 \r\n"},
                      WrittenCase{{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
                      WrittenCase{{"", "10.2"}, ""}));

TEST(ComparisonDataText, KeepsOnlyRowsWithAMeasuredValueInRowOrder) {
    PhotometrySheet sheet;
    sheet.comparisonRow(1).catalogText = "9.9";  // no measured value: not kept
    sheet.comparisonRow(2) = {"1", "11"};
    sheet.comparisonRow(5) = {"2", "12"};
    sheet.comparisonRow(9) = {"3", ""};
    sheet.comparisonRow(20) = {"4", "14"};
    EXPECT_EQ(comparisonDataText(sheet), " 1 , 11 \r\n 2 , 12 \r\n 3 , 0 \r\n 4 , 14 \r\n");
}

TEST(ComparisonDataText, IsEmptyWhenNoRowHasAMeasuredValue) {
    PhotometrySheet sheet;
    for (ComparisonRow& row : sheet.comparisonRows) row.catalogText = "10";
    EXPECT_EQ(comparisonDataText(sheet), "");
}

struct ReadCase {
    std::string name;
    std::string text;
    Rows rows;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ParseComparisonDataTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ParseComparisonDataTest, ReadsValuesAsFarAsTheyGo) {
    EXPECT_EQ(texts(parseComparisonData(GetParam().text)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseComparisonDataTest,
    ::testing::Values(
        ReadCase{"Saved", " 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n",
                 {{"12.345", "10.2"}, {"-7.25", "9"}, {"0.5", "11"}}},
        ReadCase{"ExponentForms", " 1E+20 , 1E-05 \r\n 1E+999 ,-1E+999 \r\n",
                 {{"1E+20", "1E-05"}, {"1E+999", "-1E+999"}}},
        ReadCase{"Empty", "", {}},
        ReadCase{"OnlyBlanksAndLineEnds", "  \r\n\t\r\n\n\r", {}},
        ReadCase{"BlankLinesBetweenAndAfterRecords", "1,2\r\n   \r\n\r\n3,4\r\n\r\n\r\n",
                 {{"1", "2"}, {"3", "4"}}},
        ReadCase{"LoneLineFeeds", "1,2\n3,4\n", {{"1", "2"}, {"3", "4"}}},
        ReadCase{"LoneCarriageReturns", "1,2\r3,4\r", {{"1", "2"}, {"3", "4"}}},
        ReadCase{"TabsAroundValues", "\t1\t,\t2\t\r\n", {{"1", "2"}}},
        ReadCase{"NotNumbers", "abc,xyz\r\n7.5mag , 12.300\r\n", {{"0", "0"}, {"7.5", "12.3"}}},
        ReadCase{"EmptyCatalogValue", "12.3,\r\n", {{"12.3", "0"}}},
        // A value the file ends before is missing, not 0.
        ReadCase{"LastRecordCutShortAfterItsComma", "1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        ReadCase{"LastRecordCutShort", "1,2\r\n12.3", {{"1", "2"}, {"12.3", ""}}},
        ReadCase{"LastRecordOneValueLine", "12.3\r\n", {{"12.3", ""}}},
        // Values run on from line to line, as a record written over two lines needs.
        ReadCase{"OneValueLineTakesTheNextValue", "12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        ReadCase{"RecordOverTwoLines", "12.3\r\n10.2\r\n", {{"12.3", "10.2"}}},
        ReadCase{"MoreThanTwoValuesOnALine", "1,2,3,4\r\n", {{"1", "2"}, {"3", "4"}}},
        ReadCase{"BlanksInsideAValue", "1 2 , 3\r\n", {{"12", "3"}}},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        ReadCase{"NulPadding", std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}},
        ReadCase{"OnlyNuls", std::string(16, '\0'), {}},
        ReadCase{"NulInsideAValue", std::string("1\0" "9,2\r\n", 7), {{"1", "2"}}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ParseComparisonData, ReadsAtMostTwentyRecords) {
    EXPECT_EQ(parseComparisonData(records(19)).size(), 19u);
    EXPECT_EQ(parseComparisonData(records(20)).size(), 20u);
    const Rows rows = texts(parseComparisonData(records(21)));
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows.back(), (std::pair<std::string, std::string>{"20", "120"}));
}

TEST(LoadComparisonData, FillsRowsFromTheTopAndLeavesTheRest) {
    TemporaryFolder folder;
    writeBytes(folder / kComparisonDataFileName, " 1 , 11 \r\n 2 , 12 \r\n");
    PhotometrySheet sheet;
    for (ComparisonRow& row : sheet.comparisonRows) row = {"kept", "kept"};
    loadComparisonData(folder / kComparisonDataFileName, sheet);
    Rows expected(kComparisonRows, {"kept", "kept"});
    expected[0] = {"1", "11"};
    expected[1] = {"2", "12"};
    EXPECT_EQ(texts(sheet), expected);
}

TEST(LoadComparisonData, AMissingOrUnreadableFileChangesNothing) {
    TemporaryFolder folder;
    PhotometrySheet sheet;
    sheet.comparisonRow(1) = {"5", "6"};
    loadComparisonData(folder / kComparisonDataFileName, sheet);
    EXPECT_EQ(texts(sheet), table({{"5", "6"}}));
    std::filesystem::create_directory(folder / "folder.txt");
    loadComparisonData(folder / "folder.txt", sheet);
    EXPECT_EQ(texts(sheet), table({{"5", "6"}}));
}

TEST(LoadComparisonData, ReadsFilesWithCrLfLineEnds) {
    PhotometrySheet sheet;
    loadComparisonData(fixture("compdata_saved.txt"), sheet);
    EXPECT_EQ(texts(sheet), table({{"12.345", "10.2"}, {"-7.25", "9"}, {"0.5", "11"}, {"1E+20", "1E-05"}}));

    PhotometrySheet marked;
    loadComparisonData(fixture("compdata_bom_nul.txt"), marked);
    EXPECT_EQ(texts(marked), table({{"12.3", "10"}, {"4", "5"}}));

    PhotometrySheet full;
    loadComparisonData(fixture("compdata_21_records.txt"), full);
    EXPECT_EQ(texts(full).back(), (std::pair<std::string, std::string>{"20", "20.5"}));
}

// A huge file is read only to its first mebibyte: a record beyond it is never seen.
TEST(LoadComparisonData, ReadsOnlyTheStartOfAHugeFile) {
    TemporaryFolder folder;
    std::string text = " 1 , 2 \r\n";
    text.resize(kDataFileReadLimit - 1, '\n');
    writeBytes(folder / "near_limit.txt", text + "3,4");
    writeBytes(folder / "past_limit.txt", text + "\n3,4");
    PhotometrySheet sheet;
    loadComparisonData(folder / "near_limit.txt", sheet);
    EXPECT_EQ(texts(sheet), table({{"1", "2"}, {"3", ""}}));
    PhotometrySheet capped;
    loadComparisonData(folder / "past_limit.txt", capped);
    EXPECT_EQ(texts(capped), table({{"1", "2"}}));
}

TEST(SaveComparisonData, ASavedFileReadsBackToTheSameBytes) {
    TemporaryFolder folder;
    PhotometrySheet sheet;
    loadComparisonData(fixture("compdata_saved.txt"), sheet);
    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, sheet));
    EXPECT_EQ(readBytes(folder / kComparisonDataFileName), readBytes(fixture("compdata_saved.txt")));
}

TEST(SaveComparisonData, RoundTripNormalisesTextsAndClosesGaps) {
    TemporaryFolder folder;
    PhotometrySheet sheet;
    sheet.comparisonRow(2) = {"12.300", ".5"};
    sheet.comparisonRow(5) = {"abc", "7.5mag"};
    sheet.comparisonRow(9) = {"-.25", ""};
    sheet.comparisonRow(12).catalogText = "10";
    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, sheet));

    PhotometrySheet restarted;
    loadComparisonData(folder / kComparisonDataFileName, restarted);
    EXPECT_EQ(texts(restarted), table({{"12.3", "0.5"}, {"0", "7.5"}, {"-0.25", "0"}}));
}

TEST(SaveComparisonData, NoMeasuredValuesWritesAnEmptyFile) {
    TemporaryFolder folder;
    writeBytes(folder / kComparisonDataFileName, " 1 , 2 \r\n");
    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, PhotometrySheet{}));
    EXPECT_EQ(readBytes(folder / kComparisonDataFileName), "");
    PhotometrySheet restarted;
    loadComparisonData(folder / kComparisonDataFileName, restarted);
    EXPECT_EQ(texts(restarted), table({}));
}

TEST(SaveComparisonData, AFailedWriteLeavesTheOldDataAndNoTemporaryFile) {
    TemporaryFolder folder;
    const PhotometrySheet sheet = sheetWithRows({{"1", "2"}});
    writeBytes(folder / "plain", " 5 , 6 \r\n");
    EXPECT_FALSE(saveComparisonData(folder / "plain" / kComparisonDataFileName, sheet));
    EXPECT_EQ(readBytes(folder / "plain"), " 5 , 6 \r\n");

    std::filesystem::create_directory(folder / kComparisonDataFileName);
    writeBytes(folder / kComparisonDataFileName / "inside", " 5 , 6 \r\n");
    EXPECT_FALSE(saveComparisonData(folder / kComparisonDataFileName, sheet));
    EXPECT_EQ(readBytes(folder / kComparisonDataFileName / "inside"), " 5 , 6 \r\n");
    EXPECT_EQ(folder.names().size(), 2u);
}

}  // namespace
}  // namespace lumitrak
