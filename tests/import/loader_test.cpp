#include "import/loader.h"

#include <gtest/gtest.h>

namespace lumitrak {
namespace {

struct JoinCase {
    const char* name;
    std::string file;
    std::string joined;
};

void PrintTo(const JoinCase& c, std::ostream* out) {
    *out << c.name;
}

class JoinFileLinesTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinFileLinesTest, JoinsLinesAfterBlanks) {
    EXPECT_EQ(joinFileLines(GetParam().file), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, JoinFileLinesTest,
    testing::Values(JoinCase{"ThreeCrLfLines", "one\r\ntwo\r\nthree\r\n", " one two three"},
                    JoinCase{"LastLineWithoutEnd", "one\r\ntwo", " one two"},
                    JoinCase{"LoneCarriageReturnEndsALine", "one\rtwo\r", " one two"},
                    JoinCase{"LoneLineFeedStaysInTheLine", "one\ntwo\r\n", " one\ntwo"},
                    JoinCase{"LineFeedBeforeCarriageReturn", "one\n\rtwo", " one\n two"},
                    JoinCase{"EmptyFile", "", ""}, JoinCase{"OneEmptyLine", "\r\n", " "},
                    JoinCase{"EmptyLinesInBetween", "a\r\n\r\n\rb", " a   b"},
                    JoinCase{"JapaneseTextPassesThrough", "等級\r\nｶﾀﾛｸﾞ", " 等級 ｶﾀﾛｸﾞ"}),
    [](const testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumitrak
