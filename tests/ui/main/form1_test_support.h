#pragma once
// What the main-window tests share: message boxes answered by the test, a window driven by name.

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ui/main/form1.h"

enum class Box { Message, OkCancel, RetryCancel };
struct RecordedBox {
    QString title, text;
    Box kind = Box::Message;
};
using Answer = std::function<bool(const RecordedBox&)>;  // true: OK or Retry

// Every box is recorded; a question gets the test's answer.
struct RecordingMessageBoxes : lumitrak::MessageBoxes {
    RecordingMessageBoxes(std::vector<RecordedBox>& shown, Answer answer) : shown(shown), answer(std::move(answer)) {}
    void showMessage(const QString& title, const QString& text) override { shown.push_back({title, text}); }
    bool askOkCancel(const QString& title, const QString& text) override { return ask({title, text, Box::OkCancel}); }
    bool askRetryCancel(const QString& title, const QString& text) override { return ask({title, text, Box::RetryCancel}); }
    bool ask(const RecordedBox& box) {
        shown.push_back(box);
        return answer(box);
    }
    std::vector<RecordedBox>& shown;
    Answer answer;
};

inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A shown main window in the current folder, driven through its controls by name.
struct Window {
    std::vector<RecordedBox> shown;
    std::unique_ptr<lumitrak::Form1> form;

    explicit Window(Answer answer = [](const RecordedBox&) { return false; }) {
        form = std::make_unique<lumitrak::Form1>(std::make_unique<RecordingMessageBoxes>(shown, std::move(answer)));
        form->show();
    }
    template <typename T = QWidget> T* find(const QString& name) const { return form->findChild<T*>(name); }
    QString text(const QString& name) const {
        if (auto* label = find<QLabel>(name)) return label->text();
        return find<QLineEdit>(name)->text();
    }
    // Typed key by key; text beyond ASCII arrives as an input method commits it.
    void type(const QString& name, const QString& text) const {
        QLineEdit* field = find<QLineEdit>(name);
        field->clear();
        if (text.toLatin1() == text.toUtf8()) QTest::keyClicks(field, text);
        else field->insert(text);
    }
    void click(const QString& name) const { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
};
