// The main window as an observer meets it: commands, drops, layout, keyboard, message boxes.

#include "ui/main/form1.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QTest>
#include <QtWidgets>
#include <csignal>
#include <functional>

#include "core/messages.h"
#include "ui/main/desktop_setup.h"
#include "ui/main/import_area.h"
#include "ui/main/message_boxes.h"

using namespace lumitrak;

namespace {

// Every box is recorded, title and text; a question gets the test's answer (true: OK, Retry, Yes).
using Answer = std::function<bool(const QString& text)>;
struct RecordingMessageBoxes : MessageBoxes {
    RecordingMessageBoxes(QStringList& titles, QStringList& shown, Answer answer)
        : titles(titles), shown(shown), answer(std::move(answer)) {}
    void showMessage(const QString& title, const QString& text) override { record(title, text); }
    bool askOkCancel(const QString& title, const QString& text) override {
        record(title, text);
        return answer(text);
    }
    bool askRetryCancel(const QString& title, const QString& text) override {
        record(title, text);
        return answer(text);
    }
    bool askYesNo(const QString& title, const QString& text, bool) override {
        record(title, text);
        return answer(text);
    }
    void record(const QString& title, const QString& text) {
        titles << title;
        shown << text;
    }
    QStringList& titles;
    QStringList& shown;
    Answer answer;
};

bool cancel(const QString&) { return false; }

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Two lines of a message box: a carriage return between them.
QString twoLines(std::string_view first, std::string_view second) {
    return fromUtf8(first) + "\r" + fromUtf8(second);
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

QString recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recovery";
}

// "Text" 1 to 3 gives Text1, Text2, Text3; with a step of 2, Text1, Text3.
QStringList numbered(const QString& prefix, int first, int last, int step = 1) {
    QStringList names;
    for (int number = first; number <= last; number += step)
        names << prefix + QString::number(number);
    return names;
}

// A shown main window in the current folder, driven through its controls by name.
struct Window {
    QStringList titles;
    QStringList shown;
    std::unique_ptr<Form1> form;
    explicit Window(Answer answer = cancel)
        : form(std::make_unique<Form1>(
              std::make_unique<RecordingMessageBoxes>(titles, shown, std::move(answer)))) {
        form->show();
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
    return numbered("Text", 1, 58) + numbered("Command", 1, 55) + numbered("Label", 1, 20) +
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
    QTemporaryDir dropped_;  // files to drop, made while the tests' rows are laid out
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Window> w_;

    QUrl writeUrl(const QString& name, const QByteArray& bytes) {
        writeFile(dropped_.filePath(name), bytes);
        return QUrl::fromLocalFile(dropped_.filePath(name));
    }

private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails, the test goes on
        QStandardPaths::setTestModeEnabled(true);  // recovery copies in the tests' own folder
    }
    // Each test in an empty folder, so the window opens without data files.
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        QDir(recoveryFolder()).removeRecursively();
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
        QVERIFY(w_->shown.empty());
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
        QVERIFY(w_->shown.empty());
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
        QCOMPARE(w_->titles, QStringList{title});
        QCOMPARE(w_->shown, QStringList{message});
        QCOMPARE(w_->text("Label6"), magnitude);
        // A stopped import keeps the rows it wrote before the bad count.
        QCOMPARE(w_->text("Text1"), button == "Command27" ? "-7.5" : typed[1]);
    }

    // A data file that exists but cannot be read is reported at opening, and a pipe never blocks
    // the start: the window opens empty, IRIS chosen. (Files that read well: the session check.)
    void openingReportsUnreadableFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("settings: a folder") << "lumitrak.ini";
        QTest::newRow("table: a pipe") << "compdata.txt";
    }
    void openingReportsUnreadableFiles() {
        QFETCH(QString, file);
        if (file == "lumitrak.ini")
            QVERIFY(QDir::current().mkdir(file));
        else
            QCOMPARE(mkfifo("compdata.txt", 0600), 0);
        Window w;
        QVERIFY(w.find<QRadioButton>("Option1")->isChecked());
        QCOMPARE(w.text("Text1"), QString());
        const QString message =
            twoLines(fileNotReadMessage(file.toStdString()), kNotRegularFileReason);
        QCOMPARE(w.shown, QStringList{message});
    }

    // Settings first, then the question; a read-only file is kept unless made writable before
    // Retry; a linked table stays a link; the graph window closes with the main one.
    void closingSavesTheFiles_data() {
        QTest::addColumn<QString>("file");  // the file made read-only, or linked
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QList<bool>>("answers");  // to the questions in turn
        QTest::addColumn<QByteArray>("saved");     // the file's bytes afterwards
        const QByteArray row(" 10 , 0 \r\n");
        const QByteArray old("old");
        QTest::newRow("table, OK") << "compdata.txt" << false << QList<bool>{true} << row;
        QTest::newRow("table, Cancel") << "compdata.txt" << false << QList<bool>{false} << old;
        QTest::newRow("read-only settings, Retry")
            << "lumitrak.ini" << true << QList<bool>{true, false} << QByteArray(" 2 \r\n");
        QTest::newRow("read-only settings, Cancel")
            << "lumitrak.ini" << true << QList<bool>{false, false} << old;
        QTest::newRow("read-only table, Retry")
            << "compdata.txt" << true << QList<bool>{true, true} << row;
        QTest::newRow("read-only table, Cancel")
            << "compdata.txt" << true << QList<bool>{true, false} << old;
        QTest::newRow("table behind a link") << "night.txt" << false << QList<bool>{true} << row;
        QTest::newRow("full disk, Retry")
            << "compdata.txt" << false << QList<bool>{true, true} << row;
        QTest::newRow("saved by another window, No")
            << "compdata.txt" << false << QList<bool>{true, false} << QByteArray("other");
    }
    void closingSavesTheFiles() {
        QFETCH(QString, file);
        QFETCH(bool, readOnly);
        QFETCH(QList<bool>, answers);
        QFETCH(QByteArray, saved);
        const QFile::Permissions rights = QFile::ReadOwner | QFile::ReadGroup;
        writeFile(file, "old");
        QVERIFY(QFile::setPermissions(file, readOnly ? rights : rights | QFile::WriteOwner));
        if (file == "night.txt") QVERIFY(QFile::link(file, "compdata.txt"));
        const QByteArray tag = QTest::currentDataTag();
        rlimit fileSize{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &fileSize), 0);
        const rlimit fiveBytes{5, fileSize.rlim_max};  // the settings fit, the table does not
        if (tag.startsWith("full")) QCOMPARE(setrlimit(RLIMIT_FSIZE, &fiveBytes), 0);
        QStringList questions;
        QByteArray settingsAtQuestion;
        const QString prompt = fromUtf8(kSaveComparisonDataPrompt);
        Window w([&](const QString& text) {
            questions << text;
            if (text == prompt) {
                settingsAtQuestion = readFile("lumitrak.ini");
                if (tag.startsWith("saved")) writeFile(file, "other");  // another window saves
            } else {  // the user mends the cause before answering
                QFile::setPermissions(file, rights | QFile::WriteOwner);
                setrlimit(RLIMIT_FSIZE, &fileSize);
            }
            return answers.value(questions.size() - 1);
        });
        w.type("Text1", "10");
        w.find<QRadioButton>("Option3")->setChecked(true);
        w.click("Command24");
        QPointer<Form2> graph = w.form->graphWindow();
        QVERIFY(graph);
        QVERIFY(w.form->close());
        setrlimit(RLIMIT_FSIZE, &fileSize);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph);
        QCOMPARE(readFile(file), saved);
        QCOMPARE(questions.size(), answers.size());
        const QString kept = file == "lumitrak.ini" ? file : QStringLiteral("compdata.txt");
        const QString reason =
            tag.startsWith("full") ? qt_error_string(EFBIG) : fromUtf8(kReadOnlyFileReason);
        const QString failed = fromUtf8(fileNotSavedMessage(kept.toStdString())) + "\r" + reason;
        for (const QString& question : questions) {
            QVERIFY2(question == prompt || question == failed ||
                         question == fromUtf8(fileChangedElsewhereQuestion("compdata.txt")),
                     qPrintable(question));
        }
        // Group and others keep what they had; the owner's write bit is the test's own.
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(file).permissions() & (others | QFile::ReadOwner), rights);
        QCOMPARE(settingsAtQuestion, readFile("lumitrak.ini"));  // written before the question
        if (file == "night.txt") QVERIFY(QFileInfo("compdata.txt").isSymLink());
    }

    // A window that ends without closing leaves its table for the next start to offer: No drops it.
    void typedTableSurvivesAKill() {
        w_->type("Text1", "8");
        QTRY_COMPARE(QDir(recoveryFolder()).entryList({"*.txt"}).size(), 1);
        w_.reset();
        auto refused = std::make_unique<Window>();
        QCOMPARE(refused->shown, QStringList{fromUtf8(restoreTypedTableQuestion(1, "IRIS"))});
        refused.reset();
        QVERIFY(Window().shown.isEmpty());
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
        loads("UTF-8 with byte-order mark", "\xef\xbb\xbf\xe7\xad\x89 250 SEMICTRD\r 500 SEMICTRD",
              " 等 250 SEMICTRD  500 SEMICTRD");
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
        const QByteArray unicode = utf16(u"等 250 SEMICTRD\r\n 500 SEMICTRD");
        loads("UTF-16 with byte-order mark", unicode, " 等 250 SEMICTRD  500 SEMICTRD");
        loads("at the size limit", QByteArray(kImportTextLimit, 'x'),
              QString(kImportTextLimit, u'x').prepend(' '));
        // Nothing ever writes to the pipe: opening it to read would wait.
        const QString pipe = dropped_.filePath("pipe");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const auto refused = [](const char* name, const QUrl& url, std::string_view text) {
            const QString file = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                                   : url.toDisplayString();
            QTest::newRow(name) << QList<QUrl>{url} << fromUtf8(text) + "\r" + file;
        };
        refused("web address", QUrl("https://example.org/out.txt"), kDropWithoutFileMessage);
        refused("folder", QUrl::fromLocalFile(dropped_.path()), kFolderDroppedMessage);
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
            QVERIFY(w_->shown.empty());
            return;
        }
        QCOMPARE(area->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(w_->shown, QStringList{shown});
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
        QCOMPARE(w_->shown, QStringList{fromUtf8(kPasteTooLargeMessage)});
    }

    // Tab: the rows, their commands, the variable, the slots, the bottom line, the "s" buttons.
    void tabFollowsTheKeyboardOrder() {
        const QStringList expected =
            numbered("Text", 1, 30) + numbered("Text", 38, 47) + QStringList{"Command1"} +
            numbered("Command", 2, 16) + numbered("Command", 28, 32) +
            QStringList{"Text31", "Command17"} + numbered("Text", 32, 36) +
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

    // Tab leaves the import area both ways; a clicked result opens its menu on Shift+F10.
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

    // Real questions: plain text, each CR or CR LF a new line, no icon; Enter says yes, Escape no.
    void realQuestionsAnswerAsPressed_data() {
        QTest::addColumn<bool>("retry");  // askRetryCancel, else askOkCancel
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK, Enter") << false << int(Qt::Key_Return) << true;
        QTest::newRow("OK, Escape") << false << int(Qt::Key_Escape) << false;
        QTest::newRow("Retry, Enter") << true << int(Qt::Key_Return) << true;
        QTest::newRow("Retry, Escape") << true << int(Qt::Key_Escape) << false;
    }
    void realQuestionsAnswerAsPressed() {
        QFETCH(bool, retry);
        QFETCH(int, key);
        QFETCH(bool, answer);
        QWidget parent;
        QtMessageBoxes boxes(&parent);
        const QStringList buttons{retry ? "再試行" : "OK", "キャンセル"};
        QTimer::singleShot(0, &parent, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QTest::keyClick(box, Qt::Key(key));  // answered when this returns
            QCOMPARE(box->text(), QStringLiteral("一行目\n二行目\n<b>三</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->defaultButton()->text(), buttons.first());
            QStringList shown;
            for (QAbstractButton* button : box->buttons()) shown << button->text();
            QCOMPARE(shown, buttons);
        });
        const QString sent = QStringLiteral("一行目\r\n二行目\r<b>三</b>");
        const bool answered =
            retry ? boxes.askRetryCancel("Lumitrak", sent) : boxes.askOkCancel("Lumitrak", sent);
        QCOMPARE(answered, answer);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
