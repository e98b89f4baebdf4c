// Opening and closing the main window: the settings file and the comparison-data file, both in
// the working directory.

#include <filesystem>

#include "core/messages.h"
#include "core/sheet_commands.h"
#include "storage/comparison_data_file.h"
#include "storage/settings_file.h"
#include "ui/graph/form2.h"
#include "ui/main/form1.h"
#include "ui/main/qt_text.h"

namespace lumitrak {

void Form1::Form_Load() {
    // A missing or unknown setting leaves IRIS selected.
    if (const auto program = loadSettings(std::filesystem::path(kSettingsFileName))) {
        readSheet();
        sheet_.sourceProgram = *program;
        writeSheet();
    }
    command1_click();
    runOnSheet([](PhotometrySheet& s) {
        s.variableMeasuredText.clear();
        loadComparisonData(std::filesystem::path(kComparisonDataFileName), s);
    });
}

void Form1::Form_Unload() {
    readSheet();
    // The settings are written on every close, before the question.
    if (!saveSettings(std::filesystem::path(kSettingsFileName), sheet_.sourceProgram))
        showMessage(kApplicationTitle, fileNotSavedMessage(kSettingsFileName));
    const bool save = messageBoxes_->askOkCancel(toQString(kApplicationTitle), toQString(kSaveComparisonDataPrompt));
    if (save && !saveComparisonData(std::filesystem::path(kComparisonDataFileName), sheet_))
        showMessage(kApplicationTitle, fileNotSavedMessage(kComparisonDataFileName));
    if (graph_) graph_->close();
}

}  // namespace lumitrak
