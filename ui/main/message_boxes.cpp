#include "ui/main/message_boxes.h"

#include <QMessageBox>

namespace lumitrak {

MessageBoxes::~MessageBoxes() = default;

QString messageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

void QtMessageBoxes::showMessage(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, messageBoxText(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

namespace {

// A question whose answer is `yes` or Cancel; `yes` is the default, Escape is Cancel.
bool askYesOrCancel(QWidget* parent, const QString& title, const QString& text,
                    QMessageBox::StandardButton yes) {
    QMessageBox box(QMessageBox::NoIcon, title, messageBoxText(text), yes | QMessageBox::Cancel,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yes);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == yes;
}

}  // namespace

bool QtMessageBoxes::askOkCancel(const QString& title, const QString& text) {
    return askYesOrCancel(parent_, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::askRetryCancel(const QString& title, const QString& text) {
    return askYesOrCancel(parent_, title, text, QMessageBox::Retry);
}

}  // namespace lumitrak
