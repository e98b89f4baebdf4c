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

// A question whose answer is `yes` or `no`; Escape is `no`.
bool askYesOrNo(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::StandardButton yes, QMessageBox::StandardButton no,
                bool yesByDefault = true) {
    QMessageBox box(QMessageBox::NoIcon, title, messageBoxText(text), yes | no, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    return box.exec() == yes;
}

}  // namespace

bool QtMessageBoxes::askOkCancel(const QString& title, const QString& text) {
    return askYesOrNo(parent_, title, text, QMessageBox::Ok, QMessageBox::Cancel);
}

bool QtMessageBoxes::askRetryCancel(const QString& title, const QString& text) {
    return askYesOrNo(parent_, title, text, QMessageBox::Retry, QMessageBox::Cancel);
}

bool QtMessageBoxes::askYesNo(const QString& title, const QString& text, bool yesByDefault) {
    return askYesOrNo(parent_, title, text, QMessageBox::Yes, QMessageBox::No, yesByDefault);
}

}  // namespace lumitrak
