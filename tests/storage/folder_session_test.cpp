#include "storage/folder_session.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

#include "core/messages.h"
#include "storage/recovery_file.h"
#include "tests/support/recording_message_boxes.h"
#include "tests/support/temporary_folder.h"

namespace lumitrak {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTable = "compdata.txt";
const std::string kOurs = " 10 , 11 \r\n";  // the table each closing test types

// Every question left for the next start.
Reply later(std::string_view) { return Reply::Later; }

struct FolderSessionTest : testing::Test {
    TemporaryFolder folder;
    FolderPath recovery{(folder.root() / "recovery").string(), {}};
    FolderPath working{fs::current_path().string(), {}};

    std::vector<fs::path> copies() const {
        std::vector<fs::path> found;
        if (!fs::is_directory(recovery.path)) return found;
        for (const auto& entry : fs::directory_iterator(recovery.path)) {
            if (entry.path().extension() == ".txt") found.push_back(entry.path());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    std::vector<TypedTable> copiedTables() const {
        std::vector<TypedTable> tables;
        for (const fs::path& copy : copies()) {
            if (const auto table = parseRecoveryFile(readBytes(copy))) tables.push_back(*table);
        }
        return tables;
    }
    // A window that ends without closing, as a kill ends it: its copy holds what it typed.
    void leaveCopy(const ComparisonRow& row1) {
        RecordingMessageBoxes boxes(later);
        FolderSession session(boxes, recovery, working);
        PhotometrySheet sheet;
        session.open(sheet);
        sheet.comparisonRow(1) = row1;
        session.edited();
        session.updateCopy(sheet);
    }
};

TypedTable tableWithRow1(const ComparisonRow& row1) {
    TypedTable table;
    table.rows[0] = row1;
    return table;
}

TEST_F(FolderSessionTest, OpeningReadsBothFilesAndTellsWhatItCannotRead) {
    struct Case {
        const char* label;
        std::string settings;  // "" for a folder in the file's place
        std::string table;
        SourceProgram program;
        std::vector<ComparisonRow> rows;
        std::vector<std::string> told;
    };
    const std::string unreadable = "\r" + std::string(kNotRegularFileReason);
    const Case cases[] = {
        {"both read",
         " 1 \r\n",
         " 12.3 , .5 \r\n,\r\n, 9 \r\n",
         SourceProgram::Makari,
         {{"12.3", "0.5"}, {"", ""}, {"", "9"}},
         {}},
        {"settings unreadable",
         "",
         " 1 , 2 \r\n",
         SourceProgram::SImage,
         {{"1", "2"}},
         {fileNotReadMessage("lumitrak.ini") + unreadable}},
        {"table unreadable",
         " 0 \r\n",
         "",
         SourceProgram::Iris,
         {},
         {fileNotReadMessage(kTable) + unreadable}},
    };
    for (const Case& c : cases) {
        for (const auto& [name, bytes] :
             {std::pair<std::string_view, std::string>{"lumitrak.ini", c.settings},
              {kTable, c.table}}) {
            fs::remove_all(fs::path(name));
            if (bytes.empty())
                fs::create_directory(fs::path(name));
            else
                writeBytes(fs::path(name), bytes);
        }
        RecordingMessageBoxes boxes;
        FolderSession session(boxes, recovery, working);
        PhotometrySheet sheet;
        sheet.sourceProgram = SourceProgram::SImage;
        sheet.comparisonRows.fill({"typed", "before"});
        sheet.variableMeasuredText = "12";
        session.open(sheet);
        std::array<ComparisonRow, kComparisonRows> rows{};
        std::copy(c.rows.begin(), c.rows.end(), rows.begin());
        EXPECT_EQ(sheet.comparisonRows, rows) << c.label;
        EXPECT_EQ(sheet.sourceProgram, c.program) << c.label;
        EXPECT_EQ(sheet.variableMeasuredText, "") << c.label;
        EXPECT_EQ(boxes.texts(), c.told) << c.label;
    }
}

// However the typing goes on, the copy is due a second after the first edit it does not hold.
TEST_F(FolderSessionTest, TheCopyFollowsTheFirstEditItLacks) {
    RecordingMessageBoxes boxes;
    FolderSession session(boxes, recovery, working);
    PhotometrySheet sheet;
    session.open(sheet);
    EXPECT_TRUE(session.edited());
    EXPECT_FALSE(session.edited());
    sheet.comparisonRow(1) = {"8", ""};
    session.updateCopy(sheet);
    EXPECT_EQ(copiedTables(), std::vector{tableWithRow1({"8", ""})});
    EXPECT_TRUE(session.edited());
    EXPECT_TRUE(boxes.shown.empty());
}

// The closing asks about another window only when one saved a different table, says what it
// finds instead, and keeps this window's table in its copy whenever it is not saved.
TEST_F(FolderSessionTest, ClosingAsksTrueQuestionsAndKeepsWhatItDoesNotSave) {
    struct Case {
        const char* label;
        std::optional<std::string> atOpening;  // compdata.txt then; none: missing
        std::function<void()> meanwhile;       // what happens to it while the window is open
        std::vector<Reply> replies;            // to the questions, in turn
        std::string after;                     // compdata.txt after the closing
        bool copyKept;
        std::vector<ShownBox> asked;  // after the save question
    };
    const std::string old = " 1 , 2 \r\n";
    const std::string other = " 7 , 8 \r\n";
    const auto otherSaves = [&] { writeBytes(kTable, other); };
    const auto nothing = [] {};
    const auto kept = std::string(kTableKeptNote);
    const ShownBox changed{Box::YesNoNoDefault, "Lumitrak",
                           fileChangedElsewhereQuestion(kTable, kept)};
    const ShownBox gone{Box::YesNoYesDefault, "Lumitrak", fileGoneQuestion(kTable, kept)};
    const ShownBox retry{Box::RetryCancel, "Lumitrak",
                         fileNotSavedQuestion(kTable, kReadOnlyFileReason, kept)};
    const auto readOnly = [] {
        fs::permissions(kTable,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    };
    const Case cases[] = {
        {"unchanged, OK", old, nothing, {Reply::Yes}, kOurs, false, {}},
        {"unchanged, Cancel", old, nothing, {Reply::No}, old, false, {}},
        {"another window saved, No",
         old,
         otherSaves,
         {Reply::Yes, Reply::No},
         other,
         true,
         {changed}},
        {"another window saved, Yes",
         old,
         otherSaves,
         {Reply::Yes, Reply::Yes},
         kOurs,
         false,
         {changed}},
        {"saved again as read",
         old,
         [] { writeBytes(kTable, "1,2\r\n"); },
         {Reply::Yes},
         kOurs,
         false,
         {}},
        {"created by another window, No",
         std::nullopt,
         otherSaves,
         {Reply::Yes, Reply::No},
         other,
         true,
         {changed}},
        {"deleted, Yes",
         old,
         [] { fs::remove(kTable); },
         {Reply::Yes, Reply::Yes},
         kOurs,
         false,
         {gone}},
        {"deleted, No",
         old,
         [] { fs::remove(kTable); },
         {Reply::Yes, Reply::No},
         "<missing>",
         true,
         {gone}},
        {"unreadable, No",
         old,
         [] {
             fs::remove(kTable);
             fs::create_directory(kTable);
         },
         {Reply::Yes, Reply::No},
         "<folder>",
         true,
         {{Box::YesNoNoDefault, "Lumitrak",
           fileUnreadableQuestion(kTable, kNotRegularFileReason, kept)}}},
        {"read-only, Cancel", old, readOnly, {Reply::Yes, Reply::No}, old, true, {retry}},
        {"read-only, mended, Retry",
         old,
         readOnly,
         {Reply::Yes, Reply::Yes},
         kOurs,
         false,
         {retry}},
    };
    for (const Case& c : cases) {
        fs::remove_all(kTable);
        fs::remove_all(recovery.path);
        if (c.atOpening) writeBytes(kTable, *c.atOpening);
        std::deque<Reply> replies(c.replies.begin(), c.replies.end());
        std::vector<TypedTable> copiedAtQuestion;
        RecordingMessageBoxes boxes([&](std::string_view text) {
            if (text == kSaveComparisonDataPrompt) copiedAtQuestion = copiedTables();
            // The observer mends the permission before Retry.
            if (text.starts_with(fileNotSavedMessage(kTable)))
                fs::permissions(kTable, fs::perms::owner_write, fs::perm_options::add);
            const Reply reply = replies.empty() ? Reply::No : replies.front();
            if (!replies.empty()) replies.pop_front();
            return reply;
        });
        {
            FolderSession session(boxes, recovery, working);
            PhotometrySheet sheet;
            session.open(sheet);
            sheet.comparisonRow(1) = {"10", "11"};
            session.edited();
            c.meanwhile();
            session.close(sheet);
            EXPECT_TRUE(session.closed()) << c.label;
        }
        const std::string after = fs::is_directory(kTable) ? "<folder>" : readBytes(kTable);
        EXPECT_EQ(after, c.after) << c.label;
        const std::vector typed{tableWithRow1({"10", "11"})};
        EXPECT_EQ(copiedAtQuestion, typed) << c.label;
        EXPECT_EQ(copiedTables(), c.copyKept ? typed : std::vector<TypedTable>{}) << c.label;
        ASSERT_FALSE(boxes.shown.empty()) << c.label;
        const ShownBox prompt{Box::OkCancel, "Lumitrak", std::string(kSaveComparisonDataPrompt)};
        std::vector<ShownBox> asked{prompt};
        asked.insert(asked.end(), c.asked.begin(), c.asked.end());
        EXPECT_EQ(boxes.shown, asked) << c.label;
        std::error_code missing;
        fs::permissions(kTable, fs::perms::owner_write, fs::perm_options::add, missing);
    }
}

// Every copy a window that no longer runs left is offered, one question each: Yes brings its
// table back, No deletes it, Later keeps it for the next start. A running window's copy, and one
// of the table on view, are not offered.
TEST_F(FolderSessionTest, EveryLeftCopyIsOfferedOnce) {
    leaveCopy({"1", ""});
    leaveCopy({"2", ""});
    leaveCopy({"3", ""});
    leaveCopy({"", ""});  // the table on view
    RecordingMessageBoxes running(later);
    FolderSession stillOpen(running, recovery, working);
    PhotometrySheet runningSheet;
    stillOpen.open(runningSheet);
    runningSheet.comparisonRow(1) = {"4", ""};
    stillOpen.edited();
    stillOpen.updateCopy(runningSheet);
    EXPECT_EQ(running.shown.size(), 3u);

    const std::vector leftOver = copiedTables();
    std::deque<Reply> replies{Reply::Later, Reply::Yes, Reply::No};
    RecordingMessageBoxes boxes([&](std::string_view) {
        const Reply reply = replies.empty() ? Reply::No : replies.front();
        if (!replies.empty()) replies.pop_front();
        return reply;
    });
    PhotometrySheet sheet;
    {
        FolderSession session(boxes, recovery, working);
        session.open(sheet);
        const std::string question = restoreTypedTableQuestion(1, "IRIS");
        EXPECT_EQ(boxes.shown,
                  std::vector<ShownBox>(3, ShownBox{Box::YesNoLater, "Lumitrak", question}));
        // The restored table is the one answered Yes, and this window's copy holds it at once.
        const TypedTable restored = typedTableOf(sheet);
        EXPECT_NE(std::find(leftOver.begin(), leftOver.end(), restored), leftOver.end());
        EXPECT_EQ(copiedTables().size(), 3u);  // the one kept, the running one, this one
        session.close(sheet);
    }
    // The next start offers only the copy kept for it.
    RecordingMessageBoxes next;
    FolderSession again(next, recovery, working);
    PhotometrySheet nextSheet;
    again.open(nextSheet);
    EXPECT_EQ(next.shown.size(), 1u);
}

TEST_F(FolderSessionTest, EveryWindowKeepsACopyOfItsOwn) {
    std::vector<std::unique_ptr<FolderSession>> windows;
    RecordingMessageBoxes boxes;
    for (int w = 1; w <= 12; ++w) {
        windows.push_back(std::make_unique<FolderSession>(boxes, recovery, working));
        PhotometrySheet sheet;
        windows.back()->open(sheet);
        sheet.comparisonRow(1) = {std::to_string(w), ""};
        windows.back()->edited();
        windows.back()->updateCopy(sheet);
    }
    EXPECT_EQ(copies().size(), 12u);
    EXPECT_TRUE(boxes.shown.empty());
}

// Without a place for the copy the window says so once, with the reason and the folder, and
// goes on; the closing then no longer promises a copy.
TEST_F(FolderSessionTest, ASafetyNetThatIsOffIsToldOnce) {
    writeBytes(recovery.path, "a file where the folder should be");
    writeBytes(kTable, " 1 , 2 \r\n");
    fs::permissions(kTable, fs::perms::owner_write, fs::perm_options::remove);
    RecordingMessageBoxes boxes([](std::string_view text) {
        return text == kSaveComparisonDataPrompt ? Reply::Yes : Reply::No;
    });
    FolderSession session(boxes, recovery, working);
    PhotometrySheet sheet;
    session.open(sheet);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              recoveryCopyOffMessage(fileProblemReason(FileProblem::NotAFolder), recovery.path));
    sheet.comparisonRow(1) = {"5", ""};
    session.edited();
    session.updateCopy(sheet);
    session.close(sheet);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].text,
              fileNotSavedQuestion(kTable, kReadOnlyFileReason, kTableLostNote));
    fs::permissions(kTable, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace lumitrak
