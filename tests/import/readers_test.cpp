#include "import/readers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumitrak {
namespace {

using Values = std::vector<std::string>;

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct ReaderCase {
    const char* name;
    std::string text;
    Values values;
    ImportOutcome outcome = ImportOutcome::Imported;
};

std::string caseName(const testing::TestParamInfo<ReaderCase>& info) {
    return info.param.name;
}
void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

void expectRead(const CountReading& read, const ReaderCase& expected) {
    EXPECT_EQ(read.values, expected.values);
    EXPECT_EQ(read.outcome, expected.outcome);
}

// ---- IRIS: "Magnitude", then seven characters from the first minus sign within 100 characters.

class IrisReaderTest : public testing::TestWithParam<ReaderCase> {};
TEST_P(IrisReaderTest, CopiesSevenCharactersFromTheMinusSign) {
    EXPECT_EQ(readIrisValues(GetParam().text), GetParam().values);
}

// The keyword fills positions p..p+8, so 91 fill characters put the next one at p+100.
const std::string kFillTo99 = std::string(91, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, IrisReaderTest,
    testing::Values(
        ReaderCase{"CutAfterSevenNotRounded", " Magnitude=-12.3456 (err 0.01)", {"-12.345"}},
        ReaderCase{"ShortValueTakesWhatFollows", " Magnitude : -9.87 mag", {"-9.87 m"}},
        ReaderCase{"OneValuePerKeyword",
                   " Star 1 Magnitude = -10.1234 Star 2 Magnitude = -8.5 Star 3 Magnitude -11.0000",
                   {"-10.123", "-8.5 St", "-11.000"}},
        ReaderCase{"LowerCaseIsNoKeyword", " magnitude = -10.1234", {}},
        ReaderCase{"KeywordInsideALongerWord", " AbsMagnitudes -7.654321", {"-7.6543"}},
        ReaderCase{
            "MinusAtTheHundredthCharacter", "Magnitude" + kFillTo99 + "-1.23456", {"-1.2345"}},
        ReaderCase{"NoMinusWithinHundredTakesTheHundredAndFirst",
                   "Magnitude" + kFillTo99 + "xy-1.23456",
                   {"y-1.234"}},
        ReaderCase{"HundredCharactersCountedNotBytes",
                   "Magnitude" + repeat("等", 91) + "-1.23456",
                   {"-1.2345"}},
        // A byte that starts no valid sequence is one character, also inside a sequence.
        ReaderCase{"InvalidBytesCountOneEach",
                   "Magnitude" + repeat("\xE7\xAD", 45) + "\xFF-1.23456",
                   {"-1.2345"}},
        ReaderCase{"InvalidBytesPastTheHundredth",
                   "Magnitude" + repeat("\xE7\xAD", 46) + "\xFF-1.23456",
                   {"\xFF-1.234"}},
        ReaderCase{"SevenCharactersNotBytes", " Magnitude -等級等級等級等級", {"-等級等級等級"}},
        ReaderCase{"ScanResumesRightAfterTheHundredAndFirst",
                   "Magnitude" + kFillTo99 + "xyMagnitude -5.5555555",
                   {"yMagnit", "-5.5555"}},
        ReaderCase{"ScanResumesRightAfterTheMinusSign",
                   " Magnitude -1.2Magnitude -3.4567890",
                   {"-1.2Mag", "-3.4567"}},
        ReaderCase{
            "KeywordInsideTheSearchIsPassedOver", " Magnitude Magnitude -1.234567", {"-1.2345"}},
        ReaderCase{"ValueCutByTheTextsEnd", " Magnitude -1.2", {"-1.2"}},
        ReaderCase{"EmptyValueWhereTheTextHasEnded", " Magnitude = 12.3", {""}},
        ReaderCase{"EmptyText", "", {}}),
    caseName);

// ---- Makari: the field after every 16th comma, counted from the 17th comma of the text.

std::string makariLine(const std::string& field17) {
    // 18 fields, 17 commas; the 16 fields before the count and the one after it hold other data.
    std::string line;
    for (int i = 1; i <= 16; ++i) line += std::to_string(i * 11) + ",";
    return line + field17 + ",X";
}

// A heading of 17 commas and one data line per count, joined as a dropped file would be.
std::string makariText(const Values& counts) {
    std::string text = " No,X,Y,A,B,C,D,E,F,G,H,I,J,K,L,M,Count,Flag";
    for (const std::string& count : counts) text += " " + makariLine(count);
    return text;
}

class MakariReaderTest : public testing::TestWithParam<ReaderCase> {};
TEST_P(MakariReaderTest, TakesTheSeventeenthFieldOfEveryLine) {
    expectRead(readMakariValues(GetParam().text), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakariReaderTest,
    testing::Values(
        ReaderCase{
            "ThreeDataLines", makariText({"100", "250", "500"}), {"-5.", "-5.995", "-6.747"}},
        ReaderCase{"BlanksAroundTheCount", makariText({" 40 ", "0.5"}), {"-4.005", ".753"}},
        ReaderCase{"HeadingOnly", makariText({}), {}},
        ReaderCase{"FewerThanSeventeenCommas", repeat("100,", 16), {}},
        // After the taken field's comma the next character is skipped even when it is a comma,
        // so "999" is the 16th field after it, not the 17th.
        ReaderCase{"CharacterAfterTheFieldIsNotLookedAt",
                   repeat(",", 17) + repeat(",", 16) + "250,," + repeat(",", 15) + "999,100,",
                   {"-5.995", "-5."}},
        ReaderCase{"LastFieldRunsToTheTextsEnd", repeat(",", 33) + "250", {"-5.995"}},
        ReaderCase{"EmptyFieldStops",
                   makariText({"100", "", "500"}),
                   {"-5."},
                   ImportOutcome::InvalidCount},
        ReaderCase{"NonNumericFieldStops", makariText({"n/a"}), {}, ImportOutcome::InvalidCount},
        ReaderCase{
            "ZeroCountStops", makariText({"250", "0"}), {"-5.995"}, ImportOutcome::InvalidCount},
        ReaderCase{"NegativeCountStops", makariText({"-250"}), {}, ImportOutcome::InvalidCount},
        ReaderCase{"OverflowingCountStops", makariText({"1e999"}), {}, ImportOutcome::InvalidCount},
        ReaderCase{"FieldAtTheTextsEndIsEmpty", repeat(",", 33), {}, ImportOutcome::InvalidCount}),
    caseName);

// ---- S.Image: the count between the blank before it and the keyword "SEMICTRD".

class SImageReaderTest : public testing::TestWithParam<ReaderCase> {};
TEST_P(SImageReaderTest, ReadsTheCountInFrontOfTheKeyword) {
    expectRead(readSImageValues(GetParam().text), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SImageReaderTest,
    testing::Values(
        ReaderCase{"OneCount", " 250 SEMICTRD", {"-5.995"}},
        ReaderCase{"CountGluedToTheKeyword", " 250SEMICTRD", {"-5.995"}},
        // The character right before the keyword is skipped, the one before it is searched.
        ReaderCase{"BlankTwoBeforeTheKeyword", "x 5SEMICTRD", {"-1.747"}},
        ReaderCase{"DroppedLines",
                   " #  X Y FLUX TYPE 1 10.5 20.5 100 SEMICTRD 2 30.5 40.5 500 SEMICTRD"
                   " 3 50.5 60.5 40 SEMICTRD",
                   {"-5.", "-6.747", "-4.005"}},
        ReaderCase{"LowerCaseIsNoKeyword", " 250 semictrd", {}},
        ReaderCase{"NegativeCountStops",
                   " 250 SEMICTRD -40 SEMICTRD 500 SEMICTRD",
                   {"-5.995"},
                   ImportOutcome::NegativeCount},
        ReaderCase{
            "ZeroCountStops", " 250 SEMICTRD 0 SEMICTRD", {"-5.995"}, ImportOutcome::InvalidCount},
        ReaderCase{"TwoBlanksReadAsZero", " 250  SEMICTRD", {}, ImportOutcome::InvalidCount},
        ReaderCase{"NoBlankInFront", "250 SEMICTRD", {}, ImportOutcome::InvalidCount},
        ReaderCase{"KeywordFirst", "SEMICTRD", {}, ImportOutcome::InvalidCount},
        ReaderCase{"KeywordSecond", "5SEMICTRD", {}, ImportOutcome::InvalidCount},
        // Pasted lines: a line break is no blank, so the line's own count has none in front.
        ReaderCase{"PastedLineWithoutBlank",
                   " 250 SEMICTRD\r\n500 SEMICTRD",
                   {"-5.995"},
                   ImportOutcome::InvalidCount},
        ReaderCase{"EmptyText", "", {}}),
    caseName);

TEST(SImageReaderTest, CountsPastTheKeptOnesAreStillChecked) {
    const std::string text = repeat(" 250 SEMICTRD", 21) + " 500 SEMICTRD -1 SEMICTRD";
    const CountReading read = readSImageValues(text, 20);
    EXPECT_EQ(read.values, Values(20, "-5.995"));
    EXPECT_EQ(read.found, 22u);
    EXPECT_EQ(read.outcome, ImportOutcome::NegativeCount);
}

TEST(MakariReaderTest, CountsPastTheKeptOnesAreStillChecked) {
    const CountReading read = readMakariValues(makariText({"100", "250", "500", "0"}), 2);
    EXPECT_EQ(read.values, Values({"-5.", "-5.995"}));
    EXPECT_EQ(read.found, 3u);
    EXPECT_EQ(read.outcome, ImportOutcome::InvalidCount);
}

TEST(IrisReaderTest, StopsAtTheKeptValues) {
    EXPECT_EQ(readIrisValues(" Magnitude -1.111111 Magnitude -2.222222 Magnitude -3.3333333", 2),
              Values({"-1.1111", "-2.2222"}));
}

TEST(SImageReaderTest, BlankFoundOnceServesKeywordsWithoutBlanks) {
    // Every keyword after the first has no blank of its own: its number text runs from the one
    // blank at the start, which reads as 5 each time.
    const CountReading read = readSImageValues(" 5xSEMICTRD" + repeat("SEMICTRD", 3));
    EXPECT_EQ(read.values, Values(4, "-1.747"));
    EXPECT_EQ(read.outcome, ImportOutcome::Imported);
}

// ---- countToMagnitude

TEST(CountToMagnitudeTest, WritesTheMagnitudeWithOptionalDecimals) {
    EXPECT_EQ(countToMagnitude(100), "-5.");
    EXPECT_EQ(countToMagnitude(250), "-5.995");
    EXPECT_EQ(countToMagnitude(500), "-6.747");
    EXPECT_EQ(countToMagnitude(40), "-4.005");
    EXPECT_EQ(countToMagnitude(0.5), ".753");
    EXPECT_EQ(countToMagnitude(1e6), "-15.");
    EXPECT_EQ(countToMagnitude(123456), "-12.729");
}

TEST(CountToMagnitudeTest, NoTextForACountWithoutMagnitude) {
    EXPECT_EQ(countToMagnitude(0), "");
    EXPECT_EQ(countToMagnitude(-0.0), "");
    EXPECT_EQ(countToMagnitude(-100), "");
    EXPECT_EQ(countToMagnitude(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(countToMagnitude(1e-310), "");  // its reciprocal overflows
}

}  // namespace
}  // namespace lumitrak
