#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "temporary_folder.h"

namespace lumitrak {
namespace {

using testing::fixture;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

TEST(SettingsFileText, IsBlankCodeBlankCrLf) {
    EXPECT_EQ(settingsFileText(SourceProgram::Iris), " 0 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::Makari), " 1 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::SImage), " 2 \r\n");
}

struct SettingsCase {
    std::string text;
    std::optional<SourceProgram> program;
};

void PrintTo(const SettingsCase& c, std::ostream* out) { *out << ::testing::PrintToString(c.text); }

class ParseSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(ParseSettingsTest, ReadsTheFirstValue) {
    EXPECT_EQ(parseSettings(GetParam().text), GetParam().program) << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseSettingsTest,
    ::testing::Values(
        SettingsCase{" 0 \r\n", SourceProgram::Iris},
        SettingsCase{" 1 \r\n", SourceProgram::Makari},
        SettingsCase{" 2 \r\n", SourceProgram::SImage},
        SettingsCase{"2", SourceProgram::SImage},
        SettingsCase{"  2,xyz", SourceProgram::SImage},
        SettingsCase{"\t1\n", SourceProgram::Makari},
        SettingsCase{"1\r9", SourceProgram::Makari},
        // The value ends at a blank: "1 2" is the code 1, not 12.
        SettingsCase{" 1 2\r\n", SourceProgram::Makari},
        SettingsCase{"1.0", SourceProgram::Makari},
        SettingsCase{"\xEF\xBB\xBF" "2\r\n", SourceProgram::SImage},
        SettingsCase{" 5 \r\n", std::nullopt},
        SettingsCase{"-1", std::nullopt},
        SettingsCase{"3", std::nullopt},
        SettingsCase{"1.5", std::nullopt},
        SettingsCase{"1E+300", std::nullopt},
        SettingsCase{"1e999", std::nullopt},
        SettingsCase{"", std::nullopt},
        SettingsCase{"   \r\n", std::nullopt},
        SettingsCase{"\r\n1\r\n", std::nullopt},
        SettingsCase{",1", std::nullopt}));

TEST(LoadSettings, ReadsTheSavedProgramBack) {
    TemporaryFolder folder;
    for (SourceProgram program : {SourceProgram::Iris, SourceProgram::Makari, SourceProgram::SImage}) {
        ASSERT_TRUE(saveSettings(folder / kSettingsFileName, program));
        EXPECT_EQ(loadSettings(folder / kSettingsFileName), program);
    }
}

TEST(SaveSettings, WritesExactlyFiveBytes) {
    TemporaryFolder folder;
    writeBytes(folder / kSettingsFileName, "an older and longer settings file\r\n");
    ASSERT_TRUE(saveSettings(folder / kSettingsFileName, SourceProgram::Makari));
    EXPECT_EQ(readBytes(folder / kSettingsFileName), std::string(" 1 \r\n"));
    EXPECT_EQ(std::filesystem::file_size(folder / kSettingsFileName), 5u);
}

TEST(LoadSettings, ReadsAFileWrittenElsewhere) {
    EXPECT_EQ(loadSettings(fixture("lumitrak_makari.ini")), SourceProgram::Makari);
}

TEST(LoadSettings, GivesNoValueForAMissingEmptyOrUnreadableFile) {
    TemporaryFolder folder;
    EXPECT_EQ(loadSettings(folder / kSettingsFileName), std::nullopt);
    writeBytes(folder / kSettingsFileName, "");
    EXPECT_EQ(loadSettings(folder / kSettingsFileName), std::nullopt);
    std::filesystem::create_directory(folder / "folder.ini");
    EXPECT_EQ(loadSettings(folder / "folder.ini"), std::nullopt);
}

TEST(SaveSettings, FailsWithoutTouchingTheOldFile) {
    TemporaryFolder folder;
    writeBytes(folder / "plain", " 2 \r\n");
    EXPECT_FALSE(saveSettings(folder / "plain" / kSettingsFileName, SourceProgram::Makari));
    EXPECT_EQ(readBytes(folder / "plain"), " 2 \r\n");

    std::filesystem::create_directory(folder / kSettingsFileName);
    EXPECT_FALSE(saveSettings(folder / kSettingsFileName, SourceProgram::Makari));
    EXPECT_TRUE(std::filesystem::is_directory(folder / kSettingsFileName));
    EXPECT_EQ(folder.names().size(), 2u);  // "plain" and the folder; no temporary file
}

}  // namespace
}  // namespace lumitrak
