// Opening and closing the main window: the settings file and the comparison-data file, both in
// the working directory, and the recovery copy of what was typed in between.

#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

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

// The copy follows the typing within about a second, without a write for every key.
constexpr int kRecoveryDelayMs = 1000;

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
    offerRecoveredTable();
}

void Form1::offerRecoveredTable() {
    const std::optional<TypedTable> typed = recoveryCopy_.read();
    readSheet();
    if (!typed || *typed == typedTableOf(sheet_)) return;
    const auto filled = std::count_if(typed->rows.begin(), typed->rows.end(), [](const auto& r) {
        return !r.measuredText.empty() || !r.catalogText.empty();
    });
    const QString program =
        controls_.options[static_cast<std::size_t>(sourceProgramCode(typed->program))]->text();
    const bool restore = messageBoxes_->askYesNo(
        toQString(kApplicationTitle),
        toQString(restoreTypedTableQuestion(static_cast<int>(filled), program.toStdString())),
        true);
    // Either answer settles the copy; a restored table is protected again at once.
    recoveryCopy_.remove();
    if (!restore) return;
    runOnSheet([&typed](PhotometrySheet& s) {
        s.comparisonRows = typed->rows;
        s.sourceProgram = typed->program;
    });
    recoveryCopy_.write(*typed);
}

void Form1::watchTableEdits() {
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &Form1::writeRecoveryCopy);
    const auto edited = [this] {
        closingStepsDone_ = false;
        recoveryTimer_.start();
    };
    for (int k = 0; k < kComparisonRows; ++k) {
        connect(controls_.measuredFields[k], &QLineEdit::textChanged, this, edited);
        connect(controls_.catalogFields[k], &QLineEdit::textChanged, this, edited);
    }
    for (QRadioButton* option : controls_.options)
        connect(option, &QRadioButton::toggled, this, edited);
}

void Form1::writeRecoveryCopy() {
    readSheet();
    recoveryCopy_.write(typedTableOf(sheet_));
}

void Form1::runClosingSteps() {
    recoveryTimer_.stop();
    readSheet();
    // The settings are written on every close, before the question.
    bool saved = saveOrAskToRetry(kSettingsFileName, settingsFileText(sheet_.sourceProgram));
    if (messageBoxes_->askOkCancel(toQString(kApplicationTitle),
                                   toQString(kSaveComparisonDataPrompt)))
        saved = saveComparisonData() && saved;
    // What could not be saved is kept for the next start to offer.
    if (saved)
        recoveryCopy_.remove();
    else
        recoveryCopy_.write(typedTableOf(sheet_));
    closingStepsDone_ = true;
}

void Form1::Form_Unload() {
    closingInProgress_ = true;
    if (!closingStepsDone_) runClosingSteps();
    if (graph_) graph_->close();
    closingInProgress_ = false;
}

void Form1::saveForLogout(bool mayAsk) {
    if (mayAsk) {
        closingInProgress_ = true;
        runClosingSteps();
        closingInProgress_ = false;
    } else if (!closingStepsDone_) {
        recoveryTimer_.stop();
        writeRecoveryCopy();
    }
}

}  // namespace lumitrak
