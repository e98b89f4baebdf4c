// Opening and closing the main window: what happens to the files is the folder session's; the
// window reads its fields into the sheet before and shows the sheet after.

#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSessionManager>
#include <QShowEvent>

#include "platform/folders.h"
#include "ui/graph/form2.h"
#include "ui/main/form1.h"

namespace lumitrak {

namespace {

// The copy follows the typing within about a second, without a write for every key.
constexpr int kRecoveryDelayMs = 1000;

}  // namespace

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The files are opened once the window is on the screen, so that what the opening asks
    // stands over it; the queued call runs before any input reaches the window.
    if (!session_ && !event->spontaneous())
        QMetaObject::invokeMethod(this, &Form1::Form_Load, Qt::QueuedConnection);
}

void Form1::Form_Load() {
    if (session_) return;
    openingInProgress_ = true;
    session_ = std::make_unique<FolderSession>(*messageBoxes_, recoveryFolder(), workingFolder());
    runOnSheet([this](PhotometrySheet& s) { session_->open(s); });
    openingInProgress_ = false;
    watchTableEdits();
    // At a logout the question comes while someone is there to answer it, or not at all.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const bool mayAsk = manager.allowsInteraction();
        saveForLogout(mayAsk);
        if (mayAsk) manager.release();
    });
    if (closeAfterOpening_) QMetaObject::invokeMethod(this, &Form1::close, Qt::QueuedConnection);
}

void Form1::watchTableEdits() {
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &Form1::writeRecoveryCopy);
    // Further edits do not put the copy off: it follows the first edit it lacks.
    const auto edited = [this] {
        if (session_->edited()) recoveryTimer_.start();
    };
    for (int k = 0; k < kComparisonRows; ++k) {
        connect(controls_.measuredFields[k], &QLineEdit::textChanged, this, edited);
        connect(controls_.catalogFields[k], &QLineEdit::textChanged, this, edited);
    }
    for (QRadioButton* option : controls_.options)
        connect(option, &QRadioButton::toggled, this, edited);
}

void Form1::writeRecoveryCopy() {
    readSheet();
    session_->updateCopy(sheet_);
}

void Form1::runClosingSteps() {
    recoveryTimer_.stop();
    readSheet();
    session_->close(sheet_);
}

void Form1::Form_Unload() {
    closingInProgress_ = true;
    // A window closed before it opened its files has nothing to save.
    if (session_ && !session_->closed()) runClosingSteps();
    if (graph_) graph_->close();
    if (report_) report_->close();
    closingInProgress_ = false;
}

void Form1::saveForLogout(bool mayAsk) {
    if (mayAsk) {
        closingInProgress_ = true;
        runClosingSteps();
        closingInProgress_ = false;
    } else {
        writeRecoveryCopy();
    }
}

void Form1::closeForQuitRequest() {
    if (session_) writeRecoveryCopy();
    close();
}

}  // namespace lumitrak
