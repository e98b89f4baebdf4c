#pragma once
// What the main-window tests share: message boxes answered by the test, files, drops, a window.

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/main/form1.h"
#include "ui/main/message_boxes.h"

enum class Box { Message, OkCancel, RetryCancel };

struct RecordedBox {
    QString title;
    QString text;
    Box kind = Box::Message;
};

// Every box is recorded; a question is answered by `answer` (true: OK or Retry).
using Answer = std::function<bool(const RecordedBox&)>;
class RecordingMessageBoxes : public lumitrak::MessageBoxes {
public:
    RecordingMessageBoxes(std::vector<RecordedBox>& shown, Answer answer) : shown_(shown), answer_(std::move(answer)) {}
    void showMessage(const QString& title, const QString& text) override { shown_.push_back({title, text}); }
    bool askOkCancel(const QString& title, const QString& text) override { return ask({title, text, Box::OkCancel}); }
    bool askRetryCancel(const QString& title, const QString& text) override { return ask({title, text, Box::RetryCancel}); }

private:
    bool ask(const RecordedBox& box) {
        shown_.push_back(box);
        return answer_(box);
    }
    std::vector<RecordedBox>& shown_;
    Answer answer_;
};

inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qWarning("cannot write %s", qPrintable(path));
}

// A drag that enters `target` and drops `urls` on it, as the window system delivers it.
inline void dropUrls(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// A shown main window in the current folder, driven through its controls by name.
struct Window {
    std::vector<RecordedBox> shown;
    std::unique_ptr<lumitrak::Form1> form;

    explicit Window(bool answer = false) : Window(Answer([answer](const RecordedBox&) { return answer; })) {}
    explicit Window(Answer answer) {
        form = std::make_unique<lumitrak::Form1>(std::make_unique<RecordingMessageBoxes>(shown, std::move(answer)));
        form->show();
    }
    template <typename T = QWidget> T* find(const QString& name) const { return form->findChild<T*>(name); }
    QString text(const QString& name) const {
        if (auto* label = find<QLabel>(name)) return label->text();
        return find<QLineEdit>(name)->text();
    }
    // Typed key by key; characters beyond ASCII arrive as an input method commits them.
    void type(const QString& name, const QString& text) const {
        QLineEdit* field = find<QLineEdit>(name);
        field->clear();
        bool ascii = true;
        for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
        if (ascii) QTest::keyClicks(field, text);
        else field->insert(text);
    }
    void click(const QString& name) const { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    // Rows 1..3 (Text1..Text6) on the line magnitude = measured value.
    void typeExactLine() const {
        const char* values[] = {"10", "10", "11", "11", "13", "13"};
        for (int i = 0; i < 6; ++i) type(QStringLiteral("Text%1").arg(i + 1), values[i]);
    }
};
