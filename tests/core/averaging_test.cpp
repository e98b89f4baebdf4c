#include "core/averaging.h"

#include <gtest/gtest.h>

#include <array>

namespace lumitrak {
namespace {

struct Captions {
    const char* mean;
    const char* scatter;
    const char* weighted;
    const char* weightedError;
};

void expectCaptions(const PhotometrySheet& sheet, const Captions& c, const char* name) {
    EXPECT_EQ(sheet.averageCaption, c.mean) << name;
    EXPECT_EQ(sheet.averageErrorCaption, c.scatter) << name;
    EXPECT_EQ(sheet.weightedAverageCaption, c.weighted) << name;
    EXPECT_EQ(sheet.weightedAverageErrorCaption, c.weightedError) << name;
}

PhotometrySheet sheetWithSlots(std::initializer_list<std::pair<int, AveragingSlot>> slots) {
    PhotometrySheet sheet;
    for (const auto& [n, slot] : slots) sheet.averagingSlot(n) = slot;
    return sheet;
}

TEST(ComputeAverages, Cases) {
    const AveragingSlot a{"12.345", "0.020"}, b{"12.401", "0.030"}, c{"12.380", "0.010"};
    const struct {
        const char* name;
        PhotometrySheet sheet;
        Captions expected;
    } cases[] = {
        {"three slots", sheetWithSlots({{1, a}, {2, b}, {3, c}}), {"12.375", "0.023", "12.375", "0.009"}},
        {"spread and reordered", sheetWithSlots({{8, a}, {2, c}, {5, b}}), {"12.375", "0.023", "12.375", "0.009"}},
        {"an empty error dominates", sheetWithSlots({{1, a}, {2, {"12.401", ""}}, {3, c}}),
         {"12.375", "0.023", "12.401", "0.000"}},
        {"one slot", sheetWithSlots({{1, {"11.5", "0.04"}}}), {"11.500", "0.000", "11.500", "0.040"}},
        {"a blank magnitude is zero", sheetWithSlots({{1, {" ", "0.1"}}, {2, {"1", "0.1"}}}),
         {"0.500", "0.500", "0.500", "0.071"}},
        {"a negative mean", sheetWithSlots({{1, {"-.25", "0.1"}}}), {"-0.250", "0.000", "-0.250", "0.100"}},
        {"a negative error acts like its size", sheetWithSlots({{1, {"1", "-0.1"}}, {2, {"2", "0.1"}}}),
         {"1.500", "0.500", "1.500", "0.071"}},
        {"9999 is an empty slot", sheetWithSlots({{1, {"9999", "0.1"}}, {2, {"1", "0.1"}}}),
         {"1.000", "0.000", "1.000", "0.100"}},
        {"above 9999 is cut behind an empty slot", sheetWithSlots({{1, {"10000", "0.1"}}, {2, {"1", "0.1"}}}),
         {"1.000", "0.000", "1.000", "0.100"}},
        {"an error text beside an empty magnitude is ignored",
         sheetWithSlots({{1, {"", "0.000001"}}, {2, {"2", "0.1"}}}), {"2.000", "0.000", "2.000", "0.100"}},
    };
    for (const auto& test : cases) {
        PhotometrySheet sheet = test.sheet;
        computeAverages(sheet);
        expectCaptions(sheet, test.expected, test.name);
    }
}

TEST(ComputeAverages, AboveTheMarkerCountsWhenAllEightAreFilled) {
    PhotometrySheet sheet;
    for (int n = 1; n <= 7; ++n) sheet.averagingSlot(n) = {"1", "1"};
    sheet.averagingSlot(8) = {"10001", "1"};
    computeAverages(sheet);
    EXPECT_EQ(sheet.averageCaption, "1251.000");
}

// Only a figure that cannot be formed shows no result.
TEST(ComputeAverages, AFigureThatCannotBeFormedShowsNoResult) {
    const struct {
        const char* name;
        PhotometrySheet sheet;
        Captions expected;
    } cases[] = {
        {"no slot", sheetWithSlots({}), {"--.--", "--.--", "--.--", "--.--"}},
        {"infinite magnitude", sheetWithSlots({{1, {"1e999", "0.1"}}}), {"--.--", "--.--", "--.--", "--.--"}},
        {"overflowing weights", sheetWithSlots({{1, {"12.3", "1e-200"}}, {2, {"12.5", "0.1"}}}),
         {"12.400", "0.100", "--.--", "--.--"}},
    };
    for (const auto& test : cases) {
        PhotometrySheet sheet = test.sheet;
        sheet.averageCaption = "12.000";
        computeAverages(sheet);
        expectCaptions(sheet, test.expected, test.name);
    }
}

TEST(ComputeAverages, ChangesNoSlot) {
    PhotometrySheet sheet = sheetWithSlots({{3, {"12.1", "0.02"}}, {1, {"12.3", ""}}});
    const auto before = sheet.averagingSlots;
    computeAverages(sheet);
    EXPECT_EQ(sheet.averagingSlots, before);
}

}  // namespace
}  // namespace lumitrak
