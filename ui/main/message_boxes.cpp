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

bool QtMessageBoxes::askOkCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, messageBoxText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace lumitrak
