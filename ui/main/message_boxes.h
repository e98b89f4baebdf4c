#pragma once
// Every message box of the main window goes through this interface, so that a test can answer
// them without a person.

#include <QString>

class QWidget;

namespace lumitrak {

struct MessageBoxes {
    virtual ~MessageBoxes();
    // A modal box with one OK button and no icon. A carriage return separates two lines.
    virtual void showMessage(const QString& title, const QString& text) = 0;
    // A modal box with OK (the default) and Cancel, no icon; true for OK. Escape or the close
    // box count as Cancel.
    virtual bool askOkCancel(const QString& title, const QString& text) = 0;
    // A modal box with Retry (the default) and Cancel, no icon; true for Retry. Escape or the
    // close box count as Cancel.
    virtual bool askRetryCancel(const QString& title, const QString& text) = 0;
    // A modal box with Yes and No, no icon; true for Yes. `yesByDefault` makes Yes the default
    // button, otherwise No is. Escape or the close box count as No.
    virtual bool askYesNo(const QString& title, const QString& text, bool yesByDefault) = 0;
};

// The real boxes, shown over `parent`.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent);
    void showMessage(const QString& title, const QString& text) override;
    bool askOkCancel(const QString& title, const QString& text) override;
    bool askRetryCancel(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text, bool yesByDefault) override;

private:
    QWidget* parent_;
};

// The text as a message box shows it: a carriage return starts a new line.
QString messageBoxText(const QString& text);

}  // namespace lumitrak
