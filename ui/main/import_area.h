#pragma once
// The import area: a plain-text field that takes files dropped onto it instead of their names.

#include <QList>
#include <QPlainTextEdit>
#include <QUrl>

#include "core/messages.h"  // kImportTextLimit

namespace lumitrak {

class ImportArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ImportArea(QWidget* parent = nullptr);

signals:
    // A drop that carried URLs; the area's text is left to whoever loads the file.
    void urlsDropped(const QList<QUrl>& urls);
    // A paste or dropped text refused because the text would grow beyond kImportTextLimit.
    void pasteRefused();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace lumitrak
