#pragma once
// The import area: a plain-text field that takes files dropped onto it instead of their names.

#include <QList>
#include <QPlainTextEdit>
#include <QUrl>

namespace lumitrak {

// The most the import area takes: the bytes of a dropped file, the characters of its text.
// Real outputs are a few kilobytes; the text widget lays a longer line out too slowly, and its
// blinking cursor would keep a core busy.
inline constexpr qsizetype kImportTextLimit = 256 * 1024;

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
