#include "ui/main/message_boxes.h"

#include <QMessageBox>

#include "ui/common/qt_text.h"

namespace lumitrak {

QString messageBoxText(std::string_view text) {
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

// The box's buttons, the one Enter presses and the one Escape and the close box press.
QMessageBox::StandardButton ask(QWidget* parent, std::string_view title, std::string_view text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault,
                                QMessageBox::StandardButton onEscape) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), messageBoxText(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault);
    box.setEscapeButton(onEscape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

void QtMessageBoxes::showMessage(std::string_view title, std::string_view text) {
    ask(parent_, title, text, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::askOkCancel(std::string_view title, std::string_view text) {
    return ask(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
               QMessageBox::Cancel) == QMessageBox::Ok;
}

bool QtMessageBoxes::askRetryCancel(std::string_view title, std::string_view text) {
    return ask(parent_, title, text, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
               QMessageBox::Cancel) == QMessageBox::Retry;
}

bool QtMessageBoxes::askYesNo(std::string_view title, std::string_view text, bool yesByDefault) {
    return ask(parent_, title, text, QMessageBox::Yes | QMessageBox::No,
               yesByDefault ? QMessageBox::Yes : QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

YesNoLater QtMessageBoxes::askYesNoLater(std::string_view title, std::string_view text) {
    switch (ask(parent_, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes, QMessageBox::Cancel)) {
        case QMessageBox::Yes: return YesNoLater::Yes;
        case QMessageBox::No: return YesNoLater::No;
        default: return YesNoLater::Later;
    }
}

}  // namespace lumitrak
