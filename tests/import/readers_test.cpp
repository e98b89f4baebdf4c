#include "import/readers.h"

#include <gtest/gtest.h>

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
        {makari, {"after the field", repeat(",", 33) + "250,," + repeat(",", 15) + "9,100,", {"-5.995", "-5."}}},
        {makari, {"last field runs to the end", repeat(",", 33) + "250", {"-5.995"}}},
        {makari, {"empty field stops", makariText({"100", "", "500"}), {"-5."}, kInvalid}},
        {makari, {"zero stops", makariText({"250", "0"}), {"-5.995"}, kInvalid}},
        {makari, {"negative stops", makariText({"-250"}), {}, kInvalid}},
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
    const CountReading kept = readMakariValues(makariText({"100", "250", "500", "0"}), 2);
    EXPECT_EQ(kept.values, Values({"-5.", "-5.995"}));
    EXPECT_EQ(kept.found, 3u);
    EXPECT_EQ(kept.outcome, kInvalid);
}

TEST(CountToMagnitude, WritesHashFormatOrNothing) {
    const std::pair<double, const char*> cases[] = {
        {100, "-5."}, {250, "-5.995"}, {0.5, ".753"}, {1e6, "-15."}, {123456, "-12.729"}, {0, ""},
        {-0.0, ""}, {-100, ""}, {std::numeric_limits<double>::infinity(), ""}, {1e-310, ""}};
    for (const auto& [count, text] : cases) EXPECT_EQ(countToMagnitude(count), text) << count;
}

}  // namespace
}  // namespace lumitrak
