#pragma once
// Message boxes a test answers: each box is recorded with its kind, title and text, and each
// question gets the test's reply (by default No, which is also Cancel and Later's opposite).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_boxes.h"

namespace lumitrak {

enum class Box { Message, OkCancel, RetryCancel, YesNoYesDefault, YesNoNoDefault, YesNoLater };
enum class Reply { Yes, No, Later };

struct ShownBox {
    Box kind;
    std::string title;
    std::string text;
    bool operator==(const ShownBox&) const = default;
};

struct RecordingMessageBoxes : MessageBoxes {
    using Replier = std::function<Reply(std::string_view text)>;
    explicit RecordingMessageBoxes(Replier replier = nullptr) : reply(std::move(replier)) {}

    void showMessage(std::string_view title, std::string_view text) override {
        record(Box::Message, title, text);
    }
    bool askOkCancel(std::string_view title, std::string_view text) override {
        return record(Box::OkCancel, title, text) == Reply::Yes;
    }
    bool askRetryCancel(std::string_view title, std::string_view text) override {
        return record(Box::RetryCancel, title, text) == Reply::Yes;
    }
    bool askYesNo(std::string_view title, std::string_view text, bool yesByDefault) override {
        const Box kind = yesByDefault ? Box::YesNoYesDefault : Box::YesNoNoDefault;
        return record(kind, title, text) == Reply::Yes;
    }
    YesNoLater askYesNoLater(std::string_view title, std::string_view text) override {
        switch (record(Box::YesNoLater, title, text)) {
            case Reply::Yes: return YesNoLater::Yes;
            case Reply::No: return YesNoLater::No;
            case Reply::Later: return YesNoLater::Later;
        }
        return YesNoLater::Later;
    }

    // The texts shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const ShownBox& box : shown) all.push_back(box.text);
        return all;
    }

    std::vector<ShownBox> shown;
    Replier reply;

private:
    Reply record(Box kind, std::string_view title, std::string_view text) {
        shown.push_back({kind, std::string(title), std::string(text)});
        if (kind == Box::Message) return Reply::Yes;
        return reply ? reply(text) : Reply::No;
    }
};

}  // namespace lumitrak
