#include "storage/folder_session.h"

#include <algorithm>
#include <utility>

#include "core/messages.h"
#include "core/sheet_commands.h"
#include "storage/comparison_data_file.h"
#include "storage/settings_file.h"

namespace lumitrak {
namespace {

// Neither file holds more than a few hundred bytes; a larger one is read only this far.
constexpr std::size_t kDataFileReadLimit = 1024 * 1024;

bool wasRead(const FileRead& file) { return file.status == FileRead::Status::Read; }

std::vector<ComparisonRow> rowsOf(const FileRead& file) {
    return wasRead(file) ? parseComparisonData(file.bytes) : std::vector<ComparisonRow>{};
}

int filledRows(const TypedTable& table) {
    return static_cast<int>(std::count_if(table.rows.begin(), table.rows.end(), [](const auto& r) {
        return !r.measuredText.empty() || !r.catalogText.empty();
    }));
}

// What became of "compdata.txt" between this window's reading it and its saving.
enum class SinceRead { Unchanged, ChangedElsewhere, Gone, Unreadable };

// Only a different table counts as a change: the same table saved again, or the very table this
// window is about to save, asks nothing. A file that could not be read at opening was reported
// then; saving replaces it.
SinceRead sinceRead(const FileRead& then, const FileRead& now, std::string_view saving) {
    using Status = FileRead::Status;
    if (then.status == Status::Failed) return SinceRead::Unchanged;
    switch (now.status) {
        case Status::Failed: return SinceRead::Unreadable;
        case Status::Missing:
            return then.status == Status::Read ? SinceRead::Gone : SinceRead::Unchanged;
        case Status::Read: {
            const std::vector<ComparisonRow> rows = rowsOf(now);
            if (rows == rowsOf(then) || rows == parseComparisonData(saving))
                return SinceRead::Unchanged;
            return SinceRead::ChangedElsewhere;
        }
    }
    return SinceRead::Unchanged;
}

}  // namespace

FolderSession::FolderSession(MessageBoxes& boxes, const FolderPath& recoveryFolder,
                             const FolderPath& workingFolder)
    : boxes_(boxes), copies_(recoveryFolder, workingFolder) {}

void FolderSession::tell(std::string_view text) { boxes_.showMessage(kApplicationTitle, text); }

bool FolderSession::askYesNo(const std::string& text, bool yesByDefault) {
    return boxes_.askYesNo(kApplicationTitle, text, yesByDefault);
}

void FolderSession::tellCopyOff(std::string_view reason) {
    // Said once: the window goes on working without its safety net.
    if (copyOffTold_) return;
    copyOffTold_ = true;
    tell(recoveryCopyOffMessage(reason, copies_.folder()));
}

std::string_view FolderSession::tableNote() const {
    // After the closing's first write, a copy still behind is one that cannot be written.
    return copies_.problem().empty() && !copyBehind_ ? kTableKeptNote : kTableLostNote;
}

FileRead FolderSession::readReportingFailure(std::string_view fileName) {
    FileRead file = readRegularFile(std::string(fileName), kDataFileReadLimit);
    // The window goes on with what it could read; a missing file is no news.
    if (file.status == FileRead::Status::Failed)
        tell(fileNotReadMessage(fileName) + "\r" + file.reason);
    return file;
}

void FolderSession::open(PhotometrySheet& sheet) {
    // A missing, unreadable or unknown setting leaves the program chosen as it is.
    const FileRead settings = readReportingFailure(kSettingsFileName);
    if (const auto program = wasRead(settings) ? parseSettings(settings.bytes) : std::nullopt)
        sheet.sourceProgram = *program;
    clearAllComparisonRows(sheet);
    sheet.variableMeasuredText.clear();
    tableAsRead_ = readReportingFailure(kComparisonDataFileName);
    if (wasRead(tableAsRead_)) fillRowsFromComparisonData(tableAsRead_.bytes, sheet);
    if (!copies_.problem().empty()) tellCopyOff(copies_.problem());
    offerLeftCopies(sheet);
}

void FolderSession::offerLeftCopies(PhotometrySheet& sheet) {
    for (LeftCopy& left : copies_.claimLeftCopies()) {
        // A copy of the table on view holds nothing that could be lost.
        if (left.table == typedTableOf(sheet)) {
            RecoveryCopies::discard(left);
            continue;
        }
        const std::string question = restoreTypedTableQuestion(
            filledRows(left.table), sourceProgramName(left.table.program));
        switch (boxes_.askYesNoLater(kApplicationTitle, question)) {
            case YesNoLater::Yes:
                sheet.comparisonRows = left.table.rows;
                sheet.sourceProgram = left.table.program;
                // The left copy goes only once this window's own copy holds its table.
                copyBehind_ = true;
                updateCopy(sheet);
                if (!copyBehind_) RecoveryCopies::discard(left);
                break;
            case YesNoLater::No: RecoveryCopies::discard(left); break;
            case YesNoLater::Later: break;
        }
    }
}

bool FolderSession::edited() {
    closed_ = false;
    return !std::exchange(copyBehind_, true);
}

void FolderSession::updateCopy(const PhotometrySheet& sheet) {
    if (!copyBehind_) return;
    const std::string reason = copies_.write(typedTableOf(sheet));
    // A copy that cannot be written is said once; the next edit tries again.
    copyBehind_ = !reason.empty();
    if (copyBehind_) tellCopyOff(reason);
}

bool FolderSession::saveOrAskToRetry(std::string_view fileName, std::string_view bytes) {
    // Retry writes again once the observer has made room or mended a permission; Cancel leaves
    // the old file as it was.
    for (;;) {
        const std::string reason = replaceFile(std::string(fileName), bytes);
        if (reason.empty()) return true;
        if (!boxes_.askRetryCancel(kApplicationTitle,
                                   fileNotSavedQuestion(fileName, reason, tableNote())))
            return false;
    }
}

bool FolderSession::saveComparisonData(const PhotometrySheet& sheet) {
    const std::string bytes = comparisonDataText(sheet);
    const std::string name(kComparisonDataFileName);
    const FileRead now = readRegularFile(name, kDataFileReadLimit);
    switch (sinceRead(tableAsRead_, now, bytes)) {
        case SinceRead::Unchanged: break;
        case SinceRead::ChangedElsewhere:
            if (!askYesNo(fileChangedElsewhereQuestion(name, tableNote()), false)) return false;
            break;
        case SinceRead::Gone:
            if (!askYesNo(fileGoneQuestion(name, tableNote()), true)) return false;
            break;
        case SinceRead::Unreadable:
            if (!askYesNo(fileUnreadableQuestion(name, now.reason, tableNote()), false))
                return false;
            break;
    }
    if (!saveOrAskToRetry(name, bytes)) return false;
    tableAsRead_ = {FileRead::Status::Read, bytes, {}, false};
    return true;
}

void FolderSession::close(const PhotometrySheet& sheet) {
    // Whatever the questions bring, a kill while one is open loses nothing typed.
    updateCopy(sheet);
    // The settings are written on every close, before the question.
    bool saved = saveOrAskToRetry(kSettingsFileName, settingsFileText(sheet.sourceProgram));
    if (boxes_.askOkCancel(kApplicationTitle, kSaveComparisonDataPrompt))
        saved = saveComparisonData(sheet) && saved;
    // What could not be saved is kept for the next start to offer.
    if (saved) {
        copies_.remove();
    } else {
        copyBehind_ = true;
        updateCopy(sheet);
    }
    closed_ = true;
}

}  // namespace lumitrak
