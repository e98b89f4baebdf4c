// Moving the sheet's texts into the window's controls and back. The window holds no numbers:
// texts pass through unchanged, as UTF-8 in the sheet.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "ui/common/qt_text.h"
#include "ui/main/form1.h"
#include "ui/main/import_area.h"

namespace lumitrak {

namespace {

std::string textOf(const QLineEdit* field) { return toUtf8String(field->text()); }

void showText(QLineEdit* field, const std::string& text) {
    const QString shown = toQString(text);
    // An unchanged field keeps its cursor and its undo history.
    if (field->text() != shown) field->setText(shown);
}

// A result's name says what it is and its description carries the value: a screen reader hears
// each new one, as Qt announces every change of a description.
void showText(QLabel* label, const std::string& text) {
    const QString shown = toQString(text);
    label->setText(shown);
    if (label->accessibleDescription() != shown) label->setAccessibleDescription(shown);
}

}  // namespace

void Form1::readSheet() {
    for (int k = 1; k <= kComparisonRows; ++k) {
        ComparisonRow& row = sheet_.comparisonRow(k);
        row.measuredText = textOf(controls_.measuredFields[k - 1]);
        row.catalogText = textOf(controls_.catalogFields[k - 1]);
    }
    sheet_.variableMeasuredText = textOf(controls_.variableMeasuredField);
    for (int n = 1; n <= kAveragingSlots; ++n) {
        AveragingSlot& slot = sheet_.averagingSlot(n);
        slot.magnitudeText = textOf(controls_.slotMagnitudeFields[n - 1]);
        slot.errorText = textOf(controls_.slotErrorFields[n - 1]);
    }
    sheet_.importText = toUtf8String(controls_.importArea->toPlainText());
    for (std::size_t i = 0; i < controls_.options.size(); ++i) {
        if (controls_.options[i]->isChecked()) sheet_.sourceProgram = kSourcePrograms[i];
    }
    // The captions are the window's own output: the sheet already holds what they show.
}

void Form1::writeSheet() {
    for (int k = 1; k <= kComparisonRows; ++k) {
        const ComparisonRow& row = sheet_.comparisonRow(k);
        showText(controls_.measuredFields[k - 1], row.measuredText);
        showText(controls_.catalogFields[k - 1], row.catalogText);
    }
    showText(controls_.variableMeasuredField, sheet_.variableMeasuredText);
    for (std::size_t i = 0; i < kResultCaptions.size(); ++i)
        showText(controls_.resultLabels[i], sheet_.*kResultCaptions[i].caption);
    for (int n = 1; n <= kAveragingSlots; ++n) {
        const AveragingSlot& slot = sheet_.averagingSlot(n);
        showText(controls_.slotMagnitudeFields[n - 1], slot.magnitudeText);
        showText(controls_.slotErrorFields[n - 1], slot.errorText);
    }
    const QString importText = toQString(sheet_.importText);
    if (controls_.importArea->toPlainText() != importText)
        controls_.importArea->setPlainText(importText);
    for (std::size_t i = 0; i < controls_.options.size(); ++i) {
        if (sheet_.sourceProgram == kSourcePrograms[i]) controls_.options[i]->setChecked(true);
    }
}

}  // namespace lumitrak
