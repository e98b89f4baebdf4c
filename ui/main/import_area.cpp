#include "ui/main/import_area.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

namespace lumitrak {

ImportArea::ImportArea(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setAcceptDrops(true);
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
    if (source->hasText()) insertPlainText(source->text());
}

}  // namespace lumitrak
