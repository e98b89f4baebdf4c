// The main window as an observer meets it: commands, drops, layout, keyboard, message boxes.

#include "ui/main/form1.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <QTest>
#include <QtWidgets>
#include <functional>

#include "app/desktop_setup.h"
#include "core/messages.h"
#include "platform/folders.h"
#include "tests/support/fifo.h"
#include "tests/support/recording_message_boxes.h"
#include "ui/main/import_area.h"
#include "ui/main/message_boxes.h"

using namespace lumitrak;

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

// The recovery copies' folder: on POSIX the tests' own, as XDG_DATA_HOME names it; on Windows
// the one in the test prefix's %LOCALAPPDATA%.
QString copiesFolder() { return QString::fromStdString(recoveryFolder().path); }

// "Text" 1 to 3 gives Text1, Text2, Text3; with a step of 2, Text1, Text3.
QStringList numbered(const QString& prefix, int first, int last, int step = 1) {
    QStringList names;
    for (int number = first; number <= last; number += step)
        names << prefix + QString::number(number);
    return names;
}

// A shown main window in the current folder, its files opened, driven through its controls by
// name; each question gets `reply`'s answer (by default No).
struct Window {
    RecordingMessageBoxes* boxes;
    std::unique_ptr<Form1> form;
    explicit Window(RecordingMessageBoxes::Replier reply = nullptr) {
        auto recording = std::make_unique<RecordingMessageBoxes>(std::move(reply));
        boxes = recording.get();
        form = std::make_unique<Form1>(std::move(recording));
        form->show();
        QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
    }
    // The texts of the boxes shown so far.
    QStringList shown() const {
        QStringList texts;
        for (const std::string& text : boxes->texts()) texts << QString::fromStdString(text);
        return texts;
    }
    QStringList titles() const {
        QStringList all;
        for (const ShownBox& box : boxes->shown) all << QString::fromStdString(box.title);
        return all;
    }
    template <typename T = QWidget>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QString text(const QString& name) const {
        if (const auto* label = find<QLabel>(name)) return label->text();
        return find<QLineEdit>(name)->text();
    }
    QStringList texts(const QStringList& names) const {
        QStringList shownTexts;
        for (const QString& name : names) shownTexts << text(name);
        return shownTexts;
    }
    void type(const QString& name, const QString& text) const {
        find<QLineEdit>(name)->clear();
        QTest::keyClicks(find<QLineEdit>(name), text);
    }
    // Texts typed into Text1, Text2, ... in turn: row 1's measured and catalog value first.
    void typeRows(const QStringList& texts) const {
        for (qsizetype i = 0; i < texts.size(); ++i)
            type(QStringLiteral("Text%1").arg(i + 1), texts[i]);
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
};

// Where a control draws its caption (in its parent) and whether the caption fits its room.
std::pair<QRect, bool> captionOf(QWidget* control) {
    const QStyle* style = control->style();
    QString text;
    QRect room = control->geometry();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        text = option->text();
        room.setLeft(room.left() +
                     style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control));
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        text = button->text();
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) / 2;
        room.adjust(frame + margin, frame, -frame - margin, -frame);
        alignment = Qt::AlignCenter;
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
        room = label->contentsRect().translated(label->pos());
        alignment = label->alignment();
    }
    const int height = text.isEmpty() ? 0 : control->fontMetrics().height();
    const QSize size(control->fontMetrics().horizontalAdvance(text), height);
    const QRect drawn = QStyle::alignedRect(Qt::LeftToRight, alignment, size, room);
    return {drawn, text.isEmpty() || room.contains(drawn)};
}

// The names of the window's controls.
QStringList controlNames() {
    return numbered("Text", 1, 58) + numbered("Command", 1, 56) + numbered("Label", 1, 20) +
           numbered("Frame", 1, 3) + numbered("Option", 1, 3);
}

// The WCAG contrast of a control's text against the background it paints, or, where it paints
// none, the background of the parent it stands on.
double textContrast(const QWidget* control) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](const QColor& colour) {
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF()) + 0.05;
    };
    const QWidget* ground = control;
    while (!ground->autoFillBackground() && ground->backgroundRole() == QPalette::Window)
        ground = ground->parentWidget();
    const double text = luminance(control->palette().color(control->foregroundRole()));
    const double background = luminance(ground->palette().color(ground->backgroundRole()));
    return std::max(text / background, background / text);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
    QTemporaryDir dropped_;   // files to drop, made while the tests' rows are laid out
    QTemporaryDir dataHome_;  // the recovery copies' home
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Window> w_;

    QUrl writeUrl(const QString& name, const QByteArray& bytes) {
        writeFile(dropped_.filePath(name), bytes);
        return QUrl::fromLocalFile(dropped_.filePath(name));
    }

private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    }
    // Each test in an empty folder, so the window opens without data files.
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        QDir(copiesFolder()).removeRecursively();
        w_ = std::make_unique<Window>();
    }

    // One observation: "s", 測光, both Enter keys in the variable's field, the averages; a screen
    // reader hears each new result, Ctrl+Shift+C copies all nine, and the graph refreshes the fit.
    void typicalObservation() {
        static QList<QObject*> described;
        // Offscreen, Qt passes accessibility events on only once told a reader listens.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::DescriptionChanged) described << event->object();
        });
        const auto restoreHandler =
            qScopeGuard([&] { QAccessible::installUpdateHandler(previous); });
        // Rows 1..3 on the line magnitude = measured value, the variable in row 4.
        w_->typeRows({"10", "10", "11", "11", "13", "13", "12.345"});
        w_->click("Command39");
        w_->click("Command17");
        w_->type("Text31", "12.401");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Return);
        w_->type("Text31", "12.380");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Enter);
        w_->type("Text51", "0.020");
        w_->type("Text52", "0.030");
        w_->type("Text53", "0.010");
        w_->click("Command18");
        const QStringList placed{"12.345", "12.401", "12.380"};
        QCOMPARE(w_->texts({"Text32", "Text33", "Text34"}), placed);
        QVERIFY(w_->shown().empty());
        auto* magnitude = w_->find<QLabel>("Label6");
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(magnitude);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("変光星の等級"));
        QCOMPARE(spoken->text(QAccessible::Description), QStringLiteral("12.380"));
        QVERIFY(described.contains(magnitude));
        QVERIFY(QTest::qWaitForWindowActive(w_->form.get()));  // the shortcut's window
        QTest::keyClick(w_->find("Text1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "12.380\t0.000\t1\t0\t1.00000\t12.375\t0.023\t12.375\t0.009");
        // The graph draws the fit of the rows as they stand: the error comes with two decimals.
        w_->click("Command24");
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.00"));
    }

    // Every clear and select button (and Enter outside Text31) touches its own fields only.
    void everyButtonRunsItsOwnCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("variable");  // Text31 afterwards
        // Rows 16 to 20 and slots 6 to 8 have numbers after the others.
        const QStringList measured = numbered("Text", 1, 29, 2) + numbered("Text", 38, 46, 2);
        const QStringList catalog = numbered("Text", 2, 30, 2) + numbered("Text", 39, 47, 2);
        const QStringList rowClear = numbered("Command", 2, 16) + numbered("Command", 28, 32);
        const QStringList rowSelect = numbered("Command", 36, 55);
        for (int k = 0; k < 20; ++k) {
            const QStringList row{measured[k], catalog[k]};
            QTest::addRow("c of row %d", k + 1) << rowClear[k] << QString() << row << "31";
            QTest::addRow("s of row %d", k + 1)
                << rowSelect[k] << catalog[k] << row << measured[k].mid(4);
        }
        const QStringList magnitude = numbered("Text", 32, 36) + numbered("Text", 48, 50);
        const QStringList slotClear = numbered("Command", 19, 23) + numbered("Command", 33, 35);
        for (int n = 0; n < 8; ++n) {
            const QStringList slot{magnitude[n], QStringLiteral("Text%1").arg(n + 51)};
            QTest::addRow("c of slot %d", n + 1) << slotClear[n] << QString() << slot << "31";
        }
        QTest::newRow("measured column") << "Command25" << QString() << measured << "31";
        QTest::newRow("catalog column") << "Command26" << QString() << catalog << "31";
        QTest::newRow("all rows") << "Command1" << QString() << measured + catalog << "31";
        QTest::newRow("Enter in row 1") << "Text1" << QString() << QStringList{} << "31";
    }
    void everyButtonRunsItsOwnCommand() {
        QFETCH(QString, control);
        QFETCH(QString, blank);
        QFETCH(QStringList, emptied);
        QFETCH(QString, variable);
        const QStringList fields = numbered("Text", 1, 36) + numbered("Text", 38, 58);
        for (const QString& name : fields) w_->type(name, name == blank ? QString() : name.mid(4));
        if (control.startsWith("Text"))
            QTest::keyClick(w_->find<QLineEdit>(control), Qt::Key_Return);
        else
            w_->click(control);
        for (const QString& name : fields) {
            QString expected = emptied.contains(name) ? QString() : name.mid(4);
            if (name == "Text31") expected = variable;
            QVERIFY2(w_->text(name) == expected, qPrintable(name));
        }
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QVERIFY(w_->shown().empty());
    }

    // A command that cannot go on says why in the window's box, under the right title.
    void commandsReportTheirMessages_data() {
        QTest::addColumn<QStringList>("typed");  // field, text, field, text ...
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("magnitude");  // Label6 afterwards
        const QStringList line{"Text1", "10", "Text2", "10", "Text3", "11", "Text4", "11"};
        QStringList full = line + QStringList{"Text31", "12.25"};
        for (const QString& slot : numbered("Text", 32, 36) + numbered("Text", 48, 50))
            full << slot << " ";
        QTest::newRow("no variable value")
            << line << "Command17"
            << "Lumitrak" << fromUtf8(kMissingVariableValueMessage) << "--.--";
        const QStringList oneStar{"Text1", "10", "Text2", "10", "Text31", "12"};
        QTest::newRow("no fit") << oneStar << "Command17"
                                << "Lumitrak" << fromUtf8(kFitUndefinedMessage) << "--.--";
        QTest::newRow("area full") << full << "Command17"
                                   << "Lumitrak" << fromUtf8(kAveragingAreaFullMessage) << "12.250";
        const QStringList negative{"Text1", "10"};
        QTest::newRow("negative count")
            << negative << "Command27"
            << "data error" << fromUtf8(kNegativeCountMessage) << "--.--";
    }
    void commandsReportTheirMessages() {
        QFETCH(QStringList, typed);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, magnitude);
        for (qsizetype i = 0; i < typed.size(); i += 2) w_->type(typed[i], typed[i + 1]);
        w_->find<QPlainTextEdit>("Text37")->setPlainText(" 1000 SEMICTRD -5 SEMICTRD");
        w_->find<QRadioButton>("Option3")->click();
        w_->click(button);
        QCOMPARE(w_->titles(), QStringList{title});
        QCOMPARE(w_->shown(), QStringList{message});
        QCOMPARE(w_->text("Label6"), magnitude);
        // A stopped import keeps the rows it wrote before the bad count.
        QCOMPARE(w_->text("Text1"), button == "Command27" ? "-7.5" : typed[1]);
    }

    // Closing through the real window: the settings are written before the question, OK saves
    // the table as typed, and the graph window closes with the main one.
    void closingSavesTheFilesAndTheGraphCloses() {
        QByteArray settingsAtQuestion;
        Window w([&](std::string_view) {
            settingsAtQuestion = readFile("lumitrak.ini");
            return Reply::Yes;
        });
        w.type("Text2", "10");
        w.find<QRadioButton>("Option3")->setChecked(true);
        w.click("Command24");
        QPointer<Form2> graph = w.form->graphWindow();
        QVERIFY(graph);
        QVERIFY(w.form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph);
        QCOMPARE(w.shown(), QStringList{fromUtf8(kSaveComparisonDataPrompt)});
        QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));
        QCOMPARE(readFile("compdata.txt"), QByteArray(", 10 \r\n"));
    }

    // Steady typing is copied within a second, and a window that ends without closing leaves its
    // table for the next start to offer; Cancel keeps it for the one after, No drops it.
    void typedTableSurvivesAKill() {
        QElapsedTimer typing;
        typing.start();
        for (const char* key : {"1", "2", "3", "4", "5", "6", "7"}) {
            QTest::keyClicks(w_->find<QLineEdit>("Text1"), key);
            QTest::qWait(300);
        }
        QVERIFY(typing.elapsed() >= 2000);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(copiesFolder()).entryList({"*.txt"}).size(), 1, 1500);
        w_.reset();
        const QString question = fromUtf8(restoreTypedTableQuestion(1, "IRIS"));
        for (const Reply reply : {Reply::Later, Reply::No}) {
            Window next([reply](std::string_view) { return reply; });
            QCOMPARE(next.shown(), QStringList{question});
            QCOMPARE(next.text("Text1"), QString());
        }
        // A close while the opening asks waits for the answer, then closes the normal way and
        // saves the table restored.
        auto killed = std::make_unique<Window>();
        killed->type("Text1", "9");
        QTRY_COMPARE(QDir(copiesFolder()).entryList({"*.txt"}).size(), 1);
        killed.reset();
        Window closed([](std::string_view) {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<Form1*>(window)) window->close();
            return Reply::Yes;
        });
        QTRY_VERIFY(!closed.form->isVisible());
        const QStringList asked{question, fromUtf8(kSaveComparisonDataPrompt)};
        QCOMPARE(closed.shown(), asked);
        QCOMPARE(readFile("compdata.txt"), QByteArray(" 9 ,\r\n"));
    }

    // The first file dropped is decoded into the area; no text file is refused with a reason.
    void dropsOntoTheImportArea_data() {
        QTest::addColumn<QList<QUrl>>("dropped");
        QTest::addColumn<QString>("shown");  // the area's text, or the message with the file's name
        const QUrl second = writeUrl("second.txt", " 9 SEMICTRD");
        const auto loads = [&](const char* name, const QByteArray& bytes, const QString& joined) {
            QTest::newRow(name) << QList<QUrl>{writeUrl(name, bytes), second} << joined;
        };
        loads("Shift_JIS", "\x94\xe4\x8a\x72\x90\xaf\r\n 250 SEMICTRD\r\n 500 SEMICTRD",
              " 比較星  250 SEMICTRD  500 SEMICTRD");
        // Nothing ever writes to the pipe: opening it to read would wait.
        const QString pipe = dropped_.filePath("pipe");
        if (fileSystemHasFifos()) QVERIFY(makeFifo(QFile::encodeName(pipe).toStdString()));
        const auto refused = [](const char* name, const QUrl& url, std::string_view text) {
            const QString file = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                                   : url.toDisplayString();
            QTest::newRow(name) << QList<QUrl>{url} << fromUtf8(text) + "\r" + file;
        };
        refused("web address", QUrl("https://example.org/out.txt"), kDropWithoutFileMessage);
        refused("folder", QUrl::fromLocalFile(dropped_.path()), kFolderDroppedMessage);
        if (fileSystemHasFifos())
            refused("pipe", QUrl::fromLocalFile(pipe), kFileUnreadableMessage);
        refused("binary", writeUrl("image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
                kNotTextFileMessage);
        refused("over the size limit", writeUrl("over.txt", QByteArray(kImportTextLimit + 1, 'x')),
                kFileTooLargeMessage);
    }
    void dropsOntoTheImportArea() {
        QFETCH(QList<QUrl>, dropped);
        QFETCH(QString, shown);
        auto* area = w_->find<QPlainTextEdit>("Text37");
        area->setPlainText("kept");
        QMimeData data;
        data.setUrls(dropped);
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &drop);
        if (dropped.size() == 2) {
            QCOMPARE(area->toPlainText(), shown);
            QVERIFY(w_->shown().empty());
            return;
        }
        QCOMPARE(area->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(w_->shown(), QStringList{shown});
    }

    // A paste is taken up to the limit, less the selection it replaces; one beyond it is refused.
    void pastesUpToTheLimit() {
        auto* area = w_->find<QPlainTextEdit>("Text37");
        area->setPlainText("replaced");
        area->selectAll();
        const QString almost(kImportTextLimit - 1, u'x');
        for (const QString& text : {almost, QStringLiteral("yz"), QStringLiteral("y")}) {
            QGuiApplication::clipboard()->setText(text);
            area->paste();
        }
        QCOMPARE(area->toPlainText(), almost + "y");
        QCOMPARE(w_->shown(), QStringList{fromUtf8(kPasteTooLargeMessage)});
    }

    // Tab: the rows, their commands, the variable, the slots, the bottom line, the "s" buttons.
    void tabFollowsTheKeyboardOrder() {
        const QStringList expected =
            numbered("Text", 1, 30) + numbered("Text", 38, 47) + QStringList{"Command1"} +
            numbered("Command", 2, 16) + numbered("Command", 28, 32) +
            QStringList{"Text31", "Command17", "Command56"} + numbered("Text", 32, 36) +
            numbered("Text", 48, 58) + QStringList{"Command18"} + numbered("Command", 19, 23) +
            numbered("Command", 33, 35) +
            QStringList{"Command24", "Command25", "Command26", "Text37", "Command27"} +
            numbered("Option", 1, 3) + numbered("Command", 36, 55);
        QVERIFY(QTest::qWaitForWindowActive(w_->form.get()));
        QStringList chain;
        QWidget* widget = QApplication::focusWidget();
        while (chain.size() < expected.size()) {
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    // On a dark desktop every caption, heading, result and typed value reads at 4.5 : 1 or better.
    void readableOnADarkDesktop() {
        const auto restorePalette =
            qScopeGuard([palette = QApplication::palette()] { QApplication::setPalette(palette); });
        QApplication::setPalette(QPalette(QColor(45, 45, 48)));  // light text on dark grey
        Window w;
        for (const QString& name : controlNames()) {
            const auto* area = qobject_cast<QAbstractScrollArea*>(w.find(name));
            const QWidget* control = area ? area->viewport() : w.find(name);
            QVERIFY2(textContrast(control) >= 4.5, qPrintable(name));
        }
    }

    // Tab leaves the import area both ways; a clicked result opens its menu on Shift+F10; Ctrl+R
    // opens the report window, once.
    void keyboardMovesOnAndOpensMenus() {
        QVERIFY(QTest::qWaitForWindowActive(w_->form.get()));
        for (const auto& [key, next] :
             {std::pair{Qt::Key_Tab, "Command27"}, {Qt::Key_Backtab, "Command26"}}) {
            w_->find("Text37")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
        QTest::mouseClick(w_->find("Label6"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(menu->actions().value(0)->text().startsWith(QStringLiteral("コピー")));
        menu->close();
        QTest::keyClick(w_->find("Text1"), Qt::Key_R, Qt::ControlModifier);
        QPointer<Form3> report = w_->form->reportWindow();
        QVERIFY(report && report->isVisible());
        w_->click("Command56");
        QCOMPARE(w_->form->reportWindow(), report.data());
    }

    // At 9 to 12 pt each control is there once, in its frame, named, its caption whole and clear.
    void atHomeOnAJapaneseDesktop_data() {
        QTest::addColumn<int>("points");
        for (const int points : {0, 10, 11, 12}) QTest::addRow("%d pt", points) << points;
    }
    void atHomeOnAJapaneseDesktop() {
        QFETCH(int, points);
        const auto restoreFont =
            qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        if (points > 0) QApplication::setFont(QFont(QApplication::font().family(), points));
        Window w;
        const QSize size = w.form->size();
        QCOMPARE(w.form->minimumSize(), size);
        QCOMPARE(w.form->maximumSize(), size);
        QSet<QString> spoken;
        for (const QString& name : controlNames()) {
            const QList<QWidget*> found = w.form->findChildren<QWidget*>(name);
            QVERIFY2(found.size() == 1, qPrintable(name + " is not there once"));
            QWidget* control = found.first();
            QWidget* parent = control->parentWidget();
            QVERIFY2(parent->rect().contains(control->geometry()),
                     qPrintable(name + " sticks out of " + parent->objectName()));
            const QString spokenName = control->accessibleName();
            QVERIFY2(!spokenName.isEmpty(), qPrintable(name + " has no spoken name"));
            QVERIFY2(!spoken.contains(spokenName), qPrintable(name + " repeats " + spokenName));
            spoken << spokenName;
            const auto [drawn, fits] = captionOf(control);
            QVERIFY2(fits, qPrintable(name + " cuts its caption"));
            for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (sibling == control) continue;
                auto* heading = qobject_cast<QLabel*>(sibling);
                const bool bare = heading && heading->frameShape() == QFrame::NoFrame;
                const QRect footprint = bare ? captionOf(sibling).first : sibling->geometry();
                QVERIFY2(!footprint.intersects(drawn),
                         qPrintable(name + " runs into " + sibling->objectName()));
            }
        }
    }

    // Real questions: plain text, each CR or CR LF a new line, no icon, Japanese buttons; Enter
    // gives the default answer, Escape the cautious one.
    void realQuestionsAnswerAsPressed_data() {
        QTest::addColumn<QStringList>("buttons");  // the default first
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        const QStringList ok{"OK", "キャンセル"};
        const QStringList retry{"再試行", "キャンセル"};
        const QStringList later{"はい(&Y)", "いいえ(&N)", "キャンセル"};
        QTest::newRow("OK, Enter") << ok << int(Qt::Key_Return) << "yes";
        QTest::newRow("OK, Escape") << ok << int(Qt::Key_Escape) << "no";
        QTest::newRow("Retry, Enter") << retry << int(Qt::Key_Return) << "yes";
        QTest::newRow("Retry, Escape") << retry << int(Qt::Key_Escape) << "no";
        QTest::newRow("restore, Enter") << later << int(Qt::Key_Return) << "yes";
        QTest::newRow("restore, Escape") << later << int(Qt::Key_Escape) << "later";
    }
    void realQuestionsAnswerAsPressed() {
        QFETCH(QStringList, buttons);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QWidget parent;
        QtMessageBoxes boxes(&parent);
        QTimer::singleShot(0, &parent, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QTest::keyClick(box, Qt::Key(key));  // answered when this returns
            QCOMPARE(box->text(), QStringLiteral("一行目\n二行目\n<b>三</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->defaultButton()->text(), buttons.first());
            QStringList shown;
            for (QAbstractButton* button : box->buttons()) shown << button->text();
            shown.sort();
            QStringList expected = buttons;
            expected.sort();
            QCOMPARE(shown, expected);
        });
        const std::string sent = "一行目\r\n二行目\r<b>三</b>";
        QString answered;
        if (buttons.size() == 3) {
            const YesNoLater reply = boxes.askYesNoLater("Lumitrak", sent);
            answered = reply == YesNoLater::Yes ? "yes" : reply == YesNoLater::No ? "no" : "later";
        } else {
            const bool yes = buttons.first() == "OK" ? boxes.askOkCancel("Lumitrak", sent)
                                                     : boxes.askRetryCancel("Lumitrak", sent);
            answered = yes ? "yes" : "no";
        }
        QCOMPARE(answered, answer);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
