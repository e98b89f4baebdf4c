#pragma once
// The main window. It shows one photometry sheet and runs every command on it: each handler
// reads the widgets into the sheet, runs the command on the sheet and shows the sheet again.

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <string_view>

#include "core/message_boxes.h"
#include "core/sheet.h"
#include "storage/folder_session.h"
#include "ui/graph/form2.h"
#include "ui/main/form1_layout.h"
#include "ui/report/form3.h"

class QLabel;

namespace lumitrak {

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Without message boxes of its own the window shows the real ones. Once shown, the window
    // opens its data files, in the current working directory.
    explicit Form1(std::unique_ptr<MessageBoxes> messageBoxes = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // The graph window, or nullptr when it is not open.
    Form2* graphWindow() const { return graph_; }
    // The report window, or nullptr when it is not open.
    Form3* reportWindow() const { return report_; }

    // A request from outside to end the program: the recovery copy is brought up to date at
    // once, then the window closes the normal way.
    void closeForQuitRequest();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The handlers of the window's events.
    void command1_click();
    void Command17_Click();
    void Command18_Click();
    void Command24_Click();
    void Command56_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();
    // True when the key was the Enter key and the measurement ran in its place.
    bool Text31_KeyPress(int key);
    void Text37_OLEDragDrop(const QList<QUrl>& urls);
    // Puts the text of the first dropped file into the import area.
    void loadDroppedFile(const QList<QUrl>& urls);
    void Form_Load();
    void Form_Unload();
    // At a desktop logout: with `mayAsk` the closing steps run now, question included, and the
    // window's close that follows asks nothing more; without it only the recovery copy is
    // brought up to date, so nothing blocks the logout.
    void saveForLogout(bool mayAsk);
    // The nine results as one line for a spreadsheet, separated by tabs, each as shown: the
    // variable star's magnitude and error, slope, constant, r squared (the numbers alone), then
    // mean, its error, weighted mean and its error. Ctrl+Shift+C puts it on the clipboard.
    QString resultsLine() const;
    void copyResults() const;

    // The row and slot buttons.
    void clearComparisonRow(int k);
    void selectVariableStar(int k);
    void clearAveragingSlot(int n);

    void connectControls();
    // A result's context menu: copy and select all.
    void showResultMenu(QLabel* label, const QPoint& at);
    void readSheet();
    void writeSheet();
    void showMessage(std::string_view title, std::string_view text);
    void watchTableEdits();
    void writeRecoveryCopy();
    // The settings, the question and the table: what closing writes, once.
    void runClosingSteps();
    // Every command: the widgets into the sheet, the command on the sheet, the sheet back.
    template <typename Command>
    void runOnSheet(Command command) {
        readSheet();
        command(sheet_);
        writeSheet();
    }

    PhotometrySheet sheet_;
    QPointer<Form2> graph_;   // the graph window while it is open
    QPointer<Form3> report_;  // the report window while it is open
    Form1Controls controls_;
    std::unique_ptr<MessageBoxes> messageBoxes_;
    std::unique_ptr<FolderSession> session_;  // from the opening on
    QTimer recoveryTimer_;                    // started by the first edit the recovery copy lacks
    bool openingInProgress_ = false;
    bool closeAfterOpening_ = false;
    bool closingInProgress_ = false;
};

}  // namespace lumitrak
