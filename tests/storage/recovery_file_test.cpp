#include "storage/recovery_file.h"

#include <gtest/gtest.h>

namespace lumitrak {

// Whatever a field holds comes back as it was typed; a copy cut short is none.
TEST(RecoveryFile, KeepsEveryTextAsTyped) {
    TypedTable table{.program = SourceProgram::SImage};
    table.rows[0] = {"12.3", ""};
    table.rows[1] = {"a\\nb\\", "\r\n,\t"};
    table.rows[19] = {"日本 ｶﾀﾛｸﾞ", std::string("x\0y", 3)};
    const std::string text = recoveryFileText(table);
    EXPECT_EQ(parseRecoveryFile(text), table);
    EXPECT_EQ(parseRecoveryFile(text.substr(0, text.size() - 1)), std::nullopt);  // cut off
}

}  // namespace lumitrak
