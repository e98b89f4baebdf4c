#include "core/sheet.h"

#include <gtest/gtest.h>

using namespace lumitrak;

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
    EXPECT_DEATH(shown.comparisonRow(0), "");
    EXPECT_DEATH(shown.comparisonRow(21), "");
    EXPECT_DEATH(shown.averagingSlot(0), "");
    EXPECT_DEATH(shown.averagingSlot(9), "");
#endif
}
