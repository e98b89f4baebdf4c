// Opening and closing the main window: the settings file and the comparison-data file, both in
// the working directory.

#include "core/messages.h"
#include "core/sheet_commands.h"
#include "storage/comparison_data_file.h"
#include "storage/settings_file.h"
#include "ui/graph/form2.h"
#include "ui/main/data_files.h"
#include "ui/main/form1.h"
#include "ui/main/qt_text.h"

namespace lumitrak {

namespace {

bool wasRead(const DataFileRead& file) { return file.status == DataFileRead::Status::Read; }

}  // namespace

DataFileRead Form1::readReportingFailure(std::string_view fileName) {
    DataFileRead file = readDataFile(std::string(fileName));
    // The window goes on with what it could read; a missing file is no news.
    if (file.status == DataFileRead::Status::Failed)
        showMessage(kApplicationTitle,
                    toQString(fileNotReadMessage(fileName)) + u'\r' + file.reason);
    return file;
}

bool Form1::saveOrAskToRetry(std::string_view fileName, const std::string& bytes) {
    // Retry writes again once the user has made room or mended a permission; Cancel leaves the
    // old file as it was.
    for (;;) {
        const QString reason = writeDataFile(std::string(fileName), bytes);
        if (reason.isEmpty()) return true;
        const QString message = toQString(fileNotSavedMessage(fileName)) + u'\r' + reason;
        if (!messageBoxes_->askRetryCancel(toQString(kApplicationTitle), message)) return false;
    }
}

bool Form1::saveComparisonData() {
    // Another window on this folder may have saved its table since this one read the file:
    // it is replaced only when the user says so.
    const DataFileRead now = readDataFile(std::string(kComparisonDataFileName));
    if (!now.sameContent(tableAsRead_) &&
        !messageBoxes_->askYesNo(toQString(kApplicationTitle),
                                 toQString(fileChangedElsewhereQuestion(kComparisonDataFileName)),
                                 false))
        return true;
    const std::string bytes = comparisonDataText(sheet_);
    if (!saveOrAskToRetry(kComparisonDataFileName, bytes)) return false;
    tableAsRead_ = {DataFileRead::Status::Read, bytes, {}};
    return true;
}

void Form1::Form_Load() {
    // A missing, unreadable or unknown setting leaves IRIS selected.
    const DataFileRead settings = readReportingFailure(kSettingsFileName);
    if (const auto program = wasRead(settings) ? parseSettings(settings.bytes) : std::nullopt) {
        readSheet();
        sheet_.sourceProgram = *program;
        writeSheet();
    }
    command1_click();
    tableAsRead_ = readReportingFailure(kComparisonDataFileName);
    runOnSheet([this](PhotometrySheet& s) {
        s.variableMeasuredText.clear();
        if (wasRead(tableAsRead_)) fillRowsFromComparisonData(tableAsRead_.bytes, s);
    });
}

void Form1::Form_Unload() {
    readSheet();
    // The settings are written on every close, before the question.
    saveOrAskToRetry(kSettingsFileName, settingsFileText(sheet_.sourceProgram));
    if (messageBoxes_->askOkCancel(toQString(kApplicationTitle),
                                   toQString(kSaveComparisonDataPrompt)))
        saveComparisonData();
    if (graph_) graph_->close();
}

}  // namespace lumitrak
