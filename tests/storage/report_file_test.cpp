#include "storage/report_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/messages.h"
#include "tests/support/recording_message_boxes.h"
#include "tests/support/temporary_folder.h"

namespace lumitrak {
namespace {

namespace fs = std::filesystem;

Report reportOf(std::string line, bool heliocentric = false) {
    Report report;
    report.aavsoLine = std::move(line);
    report.heliocentric = heliocentric;
    return report;
}

TEST(ReportFile, GrowsByOneLineAndAsksBeforeTheSameObservationAgain) {
    const std::string header = aavsoHeader("ABC", false);
    const std::string first = "SS CYG,2460661.02083,10.763,0.003,TG,NO,STD,ENSEMBLE,na,na,na,na";
    const std::string again = "ss cyg,2460661.02083,10.770,0.004,tg,NO,STD,ENSEMBLE,na,na,na,na";
    const std::string other = "SS CYG,2460661.02083,10.770,0.004,V,NO,STD,ENSEMBLE,na,na,na,na";
    struct Case {
        const char* label;
        std::optional<std::string> before;  // none: no file yet
        Report report;
        std::string observer;
        Reply reply;  // to a question, if one is asked
        ReportAppend outcome;
        std::string after;
        std::vector<Box> asked;
    };
    const Case cases[] = {
        {"a new file",
         std::nullopt,
         reportOf(first),
         "ABC",
         Reply::No,
         ReportAppend::Appended,
         header + first + "\r\n",
         {}},
        {"another band",
         header + first + "\r\n",
         reportOf(other),
         "abc",
         Reply::No,
         ReportAppend::Appended,
         header + first + "\r\n" + other + "\r\n",
         {}},
        {"the same again, No",
         header + first + "\r\n",
         reportOf(again),
         "ABC",
         Reply::No,
         ReportAppend::Declined,
         header + first + "\r\n",
         {Box::YesNoNoDefault}},
        {"the same again, Yes",
         header + first,
         reportOf(again),
         "ABC",
         Reply::Yes,
         ReportAppend::Appended,
         header + first + "\r\n" + again + "\r\n",
         {Box::YesNoNoDefault}},
        {"another observer's",
         header,
         reportOf(first),
         "XYZ",
         Reply::Yes,
         ReportAppend::Refused,
         header,
         {Box::Message}},
        {"heliocentric into JD",
         header,
         reportOf(first, true),
         "ABC",
         Reply::Yes,
         ReportAppend::Refused,
         header,
         {Box::Message}},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        if (c.before) writeBytes(kReportFileName, *c.before);
        RecordingMessageBoxes boxes([&c](std::string_view) { return c.reply; });
        EXPECT_EQ(appendToReportFile(boxes, c.report, c.observer), c.outcome) << c.label;
        EXPECT_EQ(readBytes(kReportFileName), c.after) << c.label;
        std::vector<Box> asked;
        for (const ShownBox& box : boxes.shown) asked.push_back(box.kind);
        EXPECT_EQ(asked, c.asked) << c.label;
    }
}

// A file that cannot be written keeps what it held; Cancel gives up.
TEST(ReportFile, AFailedAppendKeepsTheFile) {
    TemporaryFolder folder;
    const std::string before = aavsoHeader("ABC", false);
    writeBytes(kReportFileName, before);
    fs::permissions(kReportFileName, fs::perms::owner_write, fs::perm_options::remove);
    RecordingMessageBoxes boxes;
    EXPECT_EQ(appendToReportFile(boxes, reportOf("SS CYG,2460661.02083"), "ABC"),
              ReportAppend::Failed);
    EXPECT_EQ(readBytes(kReportFileName), before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              fileNotSavedMessage(kReportFileName) + "\r" + std::string(kReadOnlyFileReason));
    fs::permissions(kReportFileName, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace lumitrak
