#include "core/sheet.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

using namespace lumitrak;

// The settings file keeps a program as its code; the window shows its name.
TEST(SourceProgram, CodesAndNames) {
    const std::tuple<SourceProgram, int, std::string_view> programs[] = {
        {SourceProgram::Iris, 0, "IRIS"},
        {SourceProgram::Makari, 1, "Makari"},
        {SourceProgram::SImage, 2, "S.Image"},
    };
    for (const auto& [program, code, name] : programs) {
        EXPECT_EQ(sourceProgramCode(program), code);
        EXPECT_EQ(sourceProgramFromCode(code), program);
        EXPECT_EQ(sourceProgramName(program), name);
    }
    EXPECT_EQ(sourceProgramFromCode(3), std::nullopt);
    EXPECT_EQ(sourceProgramFromCode(-1), std::nullopt);
}

// A row or slot number outside 1..20 or 1..8 is a programming error, stopped where checks are on.
TEST(PhotometrySheetDeathTest, RowsAndSlotsOutsideTheTableStop) {
#ifdef NDEBUG
    GTEST_SKIP() << "assertions are off in this build";
#else
    PhotometrySheet sheet;
    EXPECT_DEATH(sheet.comparisonRow(0), "");
    EXPECT_DEATH(sheet.comparisonRow(21), "");
    EXPECT_DEATH(sheet.averagingSlot(0), "");
    EXPECT_DEATH(sheet.averagingSlot(9), "");
    const PhotometrySheet& shown = sheet;
    EXPECT_EQ(&shown.comparisonRow(20), &sheet.comparisonRows.back());
    EXPECT_EQ(&shown.averagingSlot(8), &sheet.averagingSlots.back());
    EXPECT_DEATH(shown.comparisonRow(0), "");
    EXPECT_DEATH(shown.comparisonRow(21), "");
    EXPECT_DEATH(shown.averagingSlot(0), "");
    EXPECT_DEATH(shown.averagingSlot(9), "");
#endif
}
