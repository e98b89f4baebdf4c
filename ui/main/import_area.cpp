#include "ui/main/import_area.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "core/sheet.h"
#include "ui/common/qt_text.h"

namespace lumitrak {

ImportArea::ImportArea(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The one long line is broken anywhere: breaking at blanks lays out text without blanks in
    // quadratic time.
    setWordWrapMode(QTextOption::WrapAnywhere);
    setAcceptDrops(true);
    // Output files hold no tabs worth typing: Tab moves on along the window's keyboard order.
    setTabChangesFocus(true);
    // Shown only while the area is empty; it is never part of the text.
    QString programs;
    for (const SourceProgram program : kSourcePrograms) {
        if (!programs.isEmpty()) programs += QStringLiteral("、");
        programs += toQString(sourceProgramName(program));
    }
    setPlaceholderText(
        programs +
        QStringLiteral(" の出力ファイルをここにドロップするか、内容を貼り付けてください"));
}

void ImportArea::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void ImportArea::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void ImportArea::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasUrls()) {
        // A dropped file is loaded, never its name typed into the text.
        event->acceptProposedAction();
        emit urlsDropped(event->mimeData()->urls());
        return;
    }
    QPlainTextEdit::dropEvent(event);
}

void ImportArea::insertFromMimeData(const QMimeData* source) {
    // Pasted output is taken as plain text, whatever else the clipboard offers.
    if (!source->hasText()) return;
    const QString text = source->text();
    const QTextCursor cursor = textCursor();
    const qsizetype replaced = cursor.selectionEnd() - cursor.selectionStart();
    if (document()->characterCount() - 1 - replaced + text.size() > kImportTextLimit) {
        emit pasteRefused();
        return;
    }
    insertPlainText(text);
}

}  // namespace lumitrak
