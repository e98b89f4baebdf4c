#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "storage/comparison_data_file.h"
#include "storage/file_bytes.h"
#include "storage/settings_file.h"

namespace lumitrak {
namespace {

// A fresh empty folder for one test, removed with everything in it at the test's end.
struct TemporaryFolder {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
        ("lumitrak-storage-" + std::to_string(std::random_device{}()) + "-" +
         std::to_string(std::random_device{}()));

    TemporaryFolder() { std::filesystem::create_directories(path); }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    std::filesystem::path operator/(std::string_view name) const { return path / name; }
    // How many entries the folder holds, to see that no temporary file was left behind.
    long entries() const { return std::distance(std::filesystem::directory_iterator(path), {}); }
};

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReplaceFileAtomically, WritesExactlyTheBytesAndLeavesNoOtherFile) {
    TemporaryFolder folder;
    const std::string bytes("a\r\nb\0c\r\n", 8);
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", std::string(5000, 'x')));
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", bytes));  // shorter: replaced whole
    EXPECT_EQ(readBytes(folder / "out.txt"), bytes);
    EXPECT_EQ(folder.entries(), 1);
}

TEST(ReplaceFileAtomically, KeepsTheOldFilesAccessRights) {
    TemporaryFolder folder;
    writeBytes(folder / "out.txt", "old");
    const auto rights = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(folder / "out.txt", rights);
    ASSERT_TRUE(replaceFileAtomically(folder / "out.txt", "new"));
    EXPECT_EQ(std::filesystem::status(folder / "out.txt").permissions(), rights);
}

// Creating the new file fails under a regular file; the final rename fails over a folder.
TEST(ReplaceFileAtomically, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TemporaryFolder folder;
    writeBytes(folder / "plain", "not a folder");
    EXPECT_FALSE(replaceFileAtomically(folder / "plain" / "out.txt", "new"));
    std::filesystem::create_directory(folder / "out.txt");
    writeBytes(folder / "out.txt" / "inside", "kept");
    EXPECT_FALSE(replaceFileAtomically(folder / "out.txt", "new"));
    EXPECT_EQ(readBytes(folder / "plain"), "not a folder");
    EXPECT_EQ(readBytes(folder / "out.txt" / "inside"), "kept");
    EXPECT_EQ(folder.entries(), 2);
}

TEST(ReadFilePrefix, ReadsBytesUpToTheLimit) {
    TemporaryFolder folder;
    const std::string bytes = "\xEF\xBB\xBF" + std::string("1\0,2\r", 5) + std::string(40000, 'a');
    writeBytes(folder / "in.txt", bytes + "b");
    EXPECT_EQ(readFilePrefix(folder / "in.txt"), bytes + "b");
    EXPECT_EQ(readFilePrefix(folder / "in.txt", bytes.size()), bytes);  // over several buffers
    EXPECT_EQ(readFilePrefix(folder / "missing.txt"), std::nullopt);
    std::filesystem::create_directory(folder / "sub");
    EXPECT_EQ(readFilePrefix(folder / "sub"), std::nullopt);
}

TEST(WithoutByteOrderMark, DropsOnlyAWholeMarkAtTheStart) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF" "1,2"), "1,2");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB" "1,2"), "\xEF\xBB" "1,2");
    EXPECT_EQ(withoutByteOrderMark("1\xEF\xBB\xBF"), "1\xEF\xBB\xBF");
}

TEST(SaveSettings, WritesBlankCodeBlankCrLfAndReadsItBack) {
    TemporaryFolder folder;
    const auto file = folder / kSettingsFileName;
    writeBytes(file, "an older and longer settings file\r\n");
    const std::pair<SourceProgram, std::string> cases[] = {
        {SourceProgram::Makari, " 1 \r\n"}, {SourceProgram::Iris, " 0 \r\n"},
        {SourceProgram::SImage, " 2 \r\n"}};
    for (const auto& [program, bytes] : cases) {
        ASSERT_TRUE(saveSettings(file, program));
        EXPECT_EQ(readBytes(file), bytes);  // five bytes, nothing of the older file left
        EXPECT_EQ(loadSettings(file), program);
    }
    EXPECT_FALSE(saveSettings(file / "x", SourceProgram::Makari));  // under a file: no folder
    EXPECT_EQ(readBytes(file), " 2 \r\n");
}

TEST(ParseSettings, ReadsTheFirstValueAsACode) {
    const std::optional<SourceProgram> none, iris = SourceProgram::Iris,
        makari = SourceProgram::Makari, sImage = SourceProgram::SImage;
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {
        {"0", iris}, {"2", sImage}, {"  2,xyz", sImage}, {"\t1\n", makari}, {"1\r9", makari},
        {" 1 2\r\n", makari},  // the value ends at a blank: not 12
        {"1.0", makari}, {"\xEF\xBB\xBF" "2\r\n", sImage},
        {" 5 \r\n", none}, {"-1", none}, {"3", none}, {"1.5", none}, {"1E+300", none},
        {"", none}, {"   \r\n", none}, {"\r\n1\r\n", none}, {",1", none}};
    for (const auto& [text, program] : cases) {
        EXPECT_EQ(parseSettings(text), program) << ::testing::PrintToString(text);
    }
}

TEST(LoadSettings, GivesNoValueForAMissingEmptyOrUnreadableFile) {
    TemporaryFolder folder;
    EXPECT_EQ(loadSettings(folder / kSettingsFileName), std::nullopt);
    writeBytes(folder / kSettingsFileName, "");
    EXPECT_EQ(loadSettings(folder / kSettingsFileName), std::nullopt);
    std::filesystem::create_directory(folder / "folder.ini");
    EXPECT_EQ(loadSettings(folder / "folder.ini"), std::nullopt);
}

// Rows as (measured, catalog) pairs, which GoogleTest compares and prints.
using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

template <typename RowRange>
Rows texts(const RowRange& rows) {
    Rows out;
    for (const ComparisonRow& row : rows) out.emplace_back(row.measuredText, row.catalogText);
    return out;
}

// All 20 rows: the given ones from row 1 on, the rest `rest`.
Rows table(Rows rows, const Row& rest = {}) {
    rows.resize(kComparisonRows, rest);
    return rows;
}

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    const std::pair<Row, std::string> cases[] = {
        {{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"},
        {{"-7.25", "9"}, "-7.25 , 9 \r\n"},
        {{"0.5", "11"}, " .5 , 11 \r\n"},
        {{"100000000000000000000", "0.00001"}, " 1E+20 , 1E-05 \r\n"},
        {{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"},
        {{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
        {{" ", "8"}, " 0 , 8 \r\n"},  // a blank is not an empty text: the row is kept
        {{"", "10.2"}, ""},
    };
    for (const auto& [row, line] : cases) {
        PhotometrySheet sheet;
        sheet.comparisonRow(1) = {row.first, row.second};
        EXPECT_EQ(comparisonDataText(sheet), line) << row.first << " / " << row.second;
    }
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const std::pair<std::string, Rows> cases[] = {
        {" 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n 1E+20 , 1E-05 \r\n",
         {{"12.345", "10.2"}, {"-7.25", "9"}, {"0.5", "11"}, {"1E+20", "1E-05"}}},
        {"", {}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n\r\n", {{"1", "2"}, {"3", "4"}}},  // blank lines skipped
        {"1,2\n3,4\n", {{"1", "2"}, {"3", "4"}}},
        {"1,2\r3,4\r", {{"1", "2"}, {"3", "4"}}},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        {"1,2\r\n12.3", {{"1", "2"}, {"12.3", ""}}},
        // A line of one value runs on into the next line.
        {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {"\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        {std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(texts(parseComparisonData(text)), rows) << ::testing::PrintToString(text);
    }
}

TEST(ParseComparisonData, ReadsAtMostTwentyRecords) {
    for (const int records : {19, 20, 21}) {
        std::string text;
        for (int r = 1; r <= records; ++r)
            text += " " + std::to_string(r) + " , 1" + std::to_string(r) + " \r\n";
        const Rows rows = texts(parseComparisonData(text));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(records, 20))) << records;
        EXPECT_EQ(rows.back(), Row(std::to_string(rows.size()), "1" + std::to_string(rows.size())));
    }
}

TEST(LoadComparisonData, FillsRowsFromTheTopAndLeavesTheRest) {
    TemporaryFolder folder;
    PhotometrySheet sheet;
    for (ComparisonRow& row : sheet.comparisonRows) row = {"kept", "kept"};
    loadComparisonData(folder / "missing.txt", sheet);  // a missing file changes nothing
    std::filesystem::create_directory(folder / "folder.txt");
    loadComparisonData(folder / "folder.txt", sheet);  // nor does an unreadable one
    EXPECT_EQ(texts(sheet.comparisonRows), table({}, {"kept", "kept"}));
    writeBytes(folder / kComparisonDataFileName, " 1 , 11 \r\n 2 , 12 \r\n");
    loadComparisonData(folder / kComparisonDataFileName, sheet);
    EXPECT_EQ(texts(sheet.comparisonRows), table({{"1", "11"}, {"2", "12"}}, {"kept", "kept"}));
}

// A huge file is read only to its first mebibyte: a record beyond it is never seen.
TEST(LoadComparisonData, ReadsOnlyTheStartOfAHugeFile) {
    TemporaryFolder folder;
    std::string text = " 1 , 2 \r\n";
    text.resize(kDataFileReadLimit - 1, '\n');
    writeBytes(folder / "near_limit.txt", text + "3,4");
    writeBytes(folder / "past_limit.txt", text + "\n3,4");
    PhotometrySheet nearLimit, pastLimit;
    loadComparisonData(folder / "near_limit.txt", nearLimit);
    loadComparisonData(folder / "past_limit.txt", pastLimit);
    EXPECT_EQ(texts(nearLimit.comparisonRows), table({{"1", "2"}, {"3", ""}}));
    EXPECT_EQ(texts(pastLimit.comparisonRows), table({{"1", "2"}}));
}

TEST(SaveComparisonData, ASavedFileReadsBackToTheSameBytes) {
    TemporaryFolder folder;
    const std::string bytes = " 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n 1E+20 , 1E-05 \r\n";
    writeBytes(folder / "old.txt", bytes);
    PhotometrySheet sheet;
    loadComparisonData(folder / "old.txt", sheet);
    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, sheet));
    EXPECT_EQ(readBytes(folder / kComparisonDataFileName), bytes);
}

TEST(SaveComparisonData, RoundTripNormalisesTextsAndClosesGaps) {
    TemporaryFolder folder;
    PhotometrySheet sheet;
    sheet.comparisonRow(2) = {"12.300", ".5"};
    sheet.comparisonRow(5) = {"abc", "7.5mag"};
    sheet.comparisonRow(9) = {"-.25", ""};
    sheet.comparisonRow(12).catalogText = "10";  // no measured value: not kept
    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, sheet));
    PhotometrySheet loaded;
    loadComparisonData(folder / kComparisonDataFileName, loaded);
    EXPECT_EQ(texts(loaded.comparisonRows), table({{"12.3", "0.5"}, {"0", "7.5"}, {"-0.25", "0"}}));

    ASSERT_TRUE(saveComparisonData(folder / kComparisonDataFileName, PhotometrySheet{}));
    EXPECT_EQ(readBytes(folder / kComparisonDataFileName), "");  // no measured value: empty file
    EXPECT_FALSE(saveComparisonData(folder / kComparisonDataFileName / "x", sheet));  // no folder
}

}  // namespace
}  // namespace lumitrak
