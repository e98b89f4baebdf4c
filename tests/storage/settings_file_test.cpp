#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumitrak {

using enum SourceProgram;

TEST(SettingsFile, WritesTheCodeAndReadsTheFirstValueAsOne) {
    EXPECT_EQ(settingsFileText(SImage), " 2 \r\n");
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {
        // the file's text, the program it names
        {"0", Iris},         {"\xEF\xBB\xBF  2,xyz", SImage},
        {"\t1\n", Makari},   {" 1 2\r\n", Makari},
        {"3", std::nullopt}, {"1.5", std::nullopt},
        {"", std::nullopt},  {",1", std::nullopt},
    };
    for (const auto& [text, program] : cases) {
        // In a buffer of its exact size, so that a read past its end is caught.
        const std::vector<char> bytes(text.begin(), text.end());
        EXPECT_EQ(parseSettings({bytes.data(), bytes.size()}), program) << text;
    }
}

}  // namespace lumitrak
