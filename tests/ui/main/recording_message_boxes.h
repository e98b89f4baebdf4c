#pragma once
// Message boxes that a test answers: every box is recorded, questions get the prepared answer.

#include <QString>
#include <vector>

#include "ui/main/message_boxes.h"

struct RecordedBox {
    QString title;
    QString text;
    bool question = false;
};

class RecordingMessageBoxes : public lumitrak::MessageBoxes {
public:
    // `shown` outlives the window that owns these boxes.
    RecordingMessageBoxes(std::vector<RecordedBox>& shown, bool answer) : shown_(shown), answer_(answer) {}

    void showMessage(const QString& title, const QString& text) override {
        shown_.push_back({title, text, false});
    }
    bool askOkCancel(const QString& title, const QString& text) override {
        shown_.push_back({title, text, true});
        return answer_;
    }

private:
    std::vector<RecordedBox>& shown_;
    bool answer_;
};
