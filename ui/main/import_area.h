#pragma once
// The import area: a plain-text field that takes files dropped onto it instead of their names.

#include <QList>
#include <QPlainTextEdit>
#include <QUrl>

namespace lumitrak {

class ImportArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ImportArea(QWidget* parent = nullptr);

signals:
    // A drop that carried URLs; the area's text is left to whoever loads the file.
    void urlsDropped(const QList<QUrl>& urls);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace lumitrak
