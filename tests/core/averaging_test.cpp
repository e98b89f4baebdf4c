#include "core/averaging.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumitrak {
namespace {

TEST(ComputeAverages, MeanScatterWeightedMeanAndItsError) {
    const AveragingSlot a{"12.345", "0.020"}, b{"12.401", "0.030"}, c{"12.380", "0.010"}, e{}, one{"1", "1"};
    const std::tuple<const char*, std::vector<AveragingSlot>, const char*> cases[] = {
        {"three slots", {a, b, c}, "12.375 0.023 12.375 0.009"},
        {"spread and reordered", {e, c, e, e, b, e, e, a}, "12.375 0.023 12.375 0.009"},
        {"an empty error dominates", {a, {"12.401", ""}, c}, "12.375 0.023 12.401 0.000"},
        {"a blank magnitude is zero", {{" ", "0.1"}, {"1", "0.1"}}, "0.500 0.500 0.500 0.071"},
        {"a negative mean", {{"-.25", "0.1"}}, "-0.250 0.000 -0.250 0.100"},
        {"a negative error acts like its size", {{"1", "-0.1"}, {"2", "0.1"}}, "1.500 0.500 1.500 0.071"},
        {"9999 is an empty slot", {{"9999", "0.1"}, {"1", "0.1"}}, "1.000 0.000 1.000 0.100"},
        {"above 9999 cut behind an empty slot", {{"10000", "0.1"}, {"1", "0.1"}}, "1.000 0.000 1.000 0.100"},
        {"above 9999 counts when all eight are filled", {one, one, one, one, one, one, one, {"10001", "1"}},
         "1251.000 3307.189 1251.000 0.354"},
        {"error of an empty magnitude ignored", {{"", "1e-6"}, {"2", "0.1"}}, "2.000 0.000 2.000 0.100"},
        // Only a figure that cannot be formed shows no result.
        {"no slot", {}, "--.-- --.-- --.-- --.--"},
        {"infinite magnitude", {{"1e999", "0.1"}}, "--.-- --.-- --.-- --.--"},
        {"overflowing weights", {{"12.3", "1e-200"}, {"12.5", "0.1"}}, "12.400 0.100 --.-- --.--"}};
    for (const auto& [name, slots, captions] : cases) {
        PhotometrySheet s;
        std::copy(slots.begin(), slots.end(), s.averagingSlots.begin());
        s.averageCaption = s.averageErrorCaption = s.weightedAverageCaption = "old";
        computeAverages(s);
        EXPECT_EQ(s.averageCaption + " " + s.averageErrorCaption + " " + s.weightedAverageCaption + " " +
                      s.weightedAverageErrorCaption, captions) << name;
    }
}

}  // namespace
}  // namespace lumitrak
