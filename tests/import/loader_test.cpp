#include "import/loader.h"

#include <gtest/gtest.h>

namespace lumitrak {
namespace {

TEST(JoinFileLinesTest, PutsABlankBeforeEachLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\nc\r\n", " a b c"},
        {"a\r\nb", " a b"},        // the last line needs no line end
        {"a\rb\r", " a b"},        // a lone CR ends a line
        {"a\nb\r\n", " a\nb"},     // a lone LF is part of its line
        {"a\n\rb", " a\n b"},
        {"a\r\n\r\n\rb", " a   b"},  // empty lines keep their blanks
        {"", ""},
        {"\r\n", " "},
    };
    for (const auto& [file, joined] : cases) {
        EXPECT_EQ(joinFileLines(file), joined) << testing::PrintToString(file);
    }
}

}  // namespace
}  // namespace lumitrak
