#pragma once
// The real message boxes: modal, plain text, no icon, Japanese standard buttons where Qt's own
// translations are loaded.

#include <QString>

#include "core/message_boxes.h"

class QWidget;

namespace lumitrak {

// The boxes, shown over `parent`.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent);
    void showMessage(std::string_view title, std::string_view text) override;
    bool askOkCancel(std::string_view title, std::string_view text) override;
    bool askRetryCancel(std::string_view title, std::string_view text) override;
    bool askYesNo(std::string_view title, std::string_view text, bool yesByDefault) override;
    YesNoLater askYesNoLater(std::string_view title, std::string_view text) override;

private:
    QWidget* parent_;
};

// The text as a message box shows it: a carriage return starts a new line.
QString messageBoxText(std::string_view text);

}  // namespace lumitrak
