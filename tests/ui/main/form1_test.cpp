// The main window as an observer meets it: commands, messages, drops, data files, layout, desktop.

#include "ui/main/form1.h"

#include <sys/stat.h>

#include <QTest>
#include <QtWidgets>
#include <functional>

#include "core/messages.h"
#include "ui/graph/form2.h"
#include "ui/main/desktop_setup.h"
#include "ui/main/form1_layout.h"
#include "ui/main/import_area.h"
#include "ui/main/message_boxes.h"

using namespace lumitrak;

namespace {

enum class Box { Message, OkCancel, RetryCancel };
struct RecordedBox {
    QString title, text;
    Box kind = Box::Message;
};
using Answer = std::function<bool(const RecordedBox&)>;  // true: OK or Retry

// Every box is recorded; a question gets the test's answer.
struct RecordingMessageBoxes : MessageBoxes {
    RecordingMessageBoxes(std::vector<RecordedBox>& shown, Answer answer)
        : shown(shown), answer(std::move(answer)) {}
    void showMessage(const QString& title, const QString& text) override {
        shown.push_back({title, text});
    }
    bool askOkCancel(const QString& title, const QString& text) override {
        return ask({title, text, Box::OkCancel});
    }
    bool askRetryCancel(const QString& title, const QString& text) override {
        return ask({title, text, Box::RetryCancel});
    }
    bool ask(const RecordedBox& box) { return shown.push_back(box), answer(box); }
    std::vector<RecordedBox>& shown;
    Answer answer;
};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A shown main window in the current folder, driven through its controls by name.
struct Window {
    std::vector<RecordedBox> shown;
    std::unique_ptr<Form1> form;
    explicit Window(Answer answer = [](const RecordedBox&) { return false; })
        : form(std::make_unique<Form1>(
              std::make_unique<RecordingMessageBoxes>(shown, std::move(answer)))) {
        form->show();
    }
    template <typename T = QWidget>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QString text(const QString& name) const {
        return find<QLabel>(name) ? find<QLabel>(name)->text() : find<QLineEdit>(name)->text();
    }
    // Typed key by key; text beyond ASCII arrives as an input method commits it.
    void type(const QString& name, const QString& text) const {
        QLineEdit* field = find<QLineEdit>(name);
        field->clear();
        text.toLatin1() == text.toUtf8() ? QTest::keyClicks(field, text) : field->insert(text);
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
};

QByteArray readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString twoLines(const std::string& first, std::string_view second) {
    return fromUtf8(first) + "\r" + fromUtf8(second);
}

// A drag that enters `target` and drops `urls` on it, as the window system delivers it.
void dropUrls(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Where a control draws its caption, in its parent's coordinates, and whether the caption fits
// the room the style gives it.
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
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control),
                  margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) / 2;
        room.adjust(frame + margin, frame, -frame - margin, -frame);
        alignment = Qt::AlignCenter;
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
        room = label->contentsRect().translated(label->pos());
        alignment = label->alignment();
    }
    const QSize size(control->fontMetrics().horizontalAdvance(text),
                     text.isEmpty() ? 0 : control->fontMetrics().height());
    const QRect drawn = QStyle::alignedRect(Qt::LeftToRight, alignment, size, room);
    return {drawn, text.isEmpty() || room.contains(drawn)};
}

// Rows 1..3 on the line magnitude = measured value.
const QStringList kExactLine{"Text1", "10", "Text2", "10", "Text3", "11",
                             "Text4", "11", "Text5", "13", "Text6", "13"};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
    QTemporaryDir dropped_;  // files to drop, made while the tests' rows are laid out
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Window> w_;

    void type(const QStringList& fieldsAndTexts) {
        for (qsizetype i = 0; i < fieldsAndTexts.size(); i += 2) {
            if (fieldsAndTexts[i] == "Text37")
                w_->find<QPlainTextEdit>("Text37")->setPlainText(fieldsAndTexts[i + 1]);
            else
                w_->type(fieldsAndTexts[i], fieldsAndTexts[i + 1]);
        }
    }
    QUrl writeUrl(const QString& name, const QByteArray& bytes) {
        writeFile(dropped_.filePath(name), bytes);
        return QUrl::fromLocalFile(dropped_.filePath(name));
    }

private slots:
    void initTestCase() { setUpApplication(*qApp); }
    // Each test in an empty folder; the window of the command tests opens there.
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        w_ = std::make_unique<Window>();
    }

    // One observation end to end: "s" on the variable's row, the measure button, Enter, the
    // average.
    void typicalObservation() {
        type(kExactLine + QStringList{"Text7", "12.345"});
        w_->click("Command39");
        w_->click("Command17");
        QCOMPARE(w_->text("Label10") + " " + w_->text("Label16") + " " + w_->text("Label8"),
                 QStringLiteral("傾き = 1 相関係数 =1.00000 0.000"));
        w_->type("Text31", "１２．４０１");  // as an input method types it
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Return);
        w_->type("Text31", "12.380");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Enter);  // the keypad's Enter
        QCOMPARE(w_->text("Text32") + " " + w_->text("Text33") + " " + w_->text("Text34"),
                 QStringLiteral("12.345 12.401 12.380"));
        type({"Text51", "0.020", "Text52", "0.030", "Text53", "0.010"});
        w_->click("Command18");
        QCOMPARE(QStringList({w_->text("Label14"), w_->text("Label15"), w_->text("Label19"),
                              w_->text("Label20")})
                     .join(' '),
                 "12.375 0.023 12.375 0.009");
        QVERIFY(w_->shown.empty());
    }

    // Every clear and select button (and Enter outside Text31) touches its own fields only.
    void everyButtonRunsItsOwnCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("variable");  // Text31 afterwards
        QStringList measured, catalog;
        for (int k = 1; k <= kComparisonRows; ++k) {
            measured << rowMeasuredFieldName(k);
            catalog << rowCatalogFieldName(k);
            const QStringList row{measured.last(), catalog.last()};
            QTest::addRow("c of row %d", k) << rowClearButtonName(k) << "" << row << "31";
            QTest::addRow("s of row %d", k)
                << rowSelectButtonName(k) << catalog.last() << row << measured.last().mid(4);
        }
        for (int n = 1; n <= kAveragingSlots; ++n)
            QTest::addRow("c of slot %d", n)
                << slotClearButtonName(n) << ""
                << QStringList{slotMagnitudeFieldName(n), slotErrorFieldName(n)} << "31";
        QTest::newRow("measured column") << "Command25"
                                         << "" << measured << "31";
        QTest::newRow("catalog column") << "Command26"
                                        << "" << catalog << "31";
        QTest::newRow("all rows") << "Command1"
                                  << "" << measured + catalog << "31";
        QTest::newRow("Enter in row 1") << "Text1"
                                        << "" << QStringList{} << "31";
    }
    void everyButtonRunsItsOwnCommand() {
        QFETCH(QString, control);
        QFETCH(QString, blank);
        QFETCH(QStringList, emptied);
        QFETCH(QString, variable);
        QStringList fields{"Text31"};
        for (int k = 1; k <= kComparisonRows; ++k)
            fields << rowMeasuredFieldName(k) << rowCatalogFieldName(k);
        for (int n = 1; n <= kAveragingSlots; ++n)
            fields << slotMagnitudeFieldName(n) << slotErrorFieldName(n);
        for (const QString& name : fields) w_->type(name, name == blank ? QString() : name.mid(4));
        if (control.startsWith("Text"))
            QTest::keyClick(w_->find<QLineEdit>(control), Qt::Key_Return);
        else
            w_->click(control);
        for (const QString& name : fields) {
            const QString expected = name == "Text31"         ? variable
                                     : emptied.contains(name) ? QString()
                                                              : name.mid(4);
            QVERIFY2(w_->text(name) == expected, qPrintable(name));
        }
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QVERIFY(w_->shown.empty());
    }

    // Each message reaches the window's message box, titled, after what the command showed.
    void commandsReportTheirMessages_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("magnitude");  // Label6 afterwards
        QStringList full = kExactLine + QStringList{"Text31", "12.25"};
        for (int n = 1; n <= kAveragingSlots; ++n)
            full << slotMagnitudeFieldName(n) << " ";  // a blank fills a slot
        QTest::newRow("no variable value")
            << kExactLine << "Lumitrak" << fromUtf8(kMissingVariableValueMessage) << "--.--";
        QTest::newRow("no fit") << QStringList{"Text1", "10", "Text2", "10", "Text31", "12"}
                                << "Lumitrak" << fromUtf8(kFitUndefinedMessage) << "--.--";
        QTest::newRow("area full")
            << full << "Lumitrak" << fromUtf8(kAveragingAreaFullMessage) << "12.250";
        QTest::newRow("negative count")
            << QStringList{"Text37", " 1000 SEMICTRD -5 SEMICTRD"} << "data error"
            << fromUtf8(kNegativeCountMessage) << "--.--";
    }
    void commandsReportTheirMessages() {
        QFETCH(QStringList, typed);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, magnitude);
        type(typed);
        QTest::mouseClick(w_->find<QRadioButton>("Option3"), Qt::LeftButton);
        w_->click(typed.first() == "Text37" ? "Command27" : "Command17");
        QCOMPARE(w_->shown.size(), std::size_t(1));
        QCOMPARE(w_->shown[0].title + "|" + w_->shown[0].text, title + "|" + message);
        QCOMPARE(w_->text("Label6"), magnitude);
        QCOMPARE(w_->text("Text1"),
                 typed.first() == "Text37" ? "-7.5" : typed[1]);  // rows read before the stop stay
        QCOMPARE(w_->text("Text32").isEmpty(), magnitude == "--.--");
    }

    // Both files read at opening; one that exists but cannot be read is reported, a pipe never
    // blocks.
    void openingReadsBothFiles_data() {
        QTest::addColumn<QString>("settings");  // the file's bytes, or "folder"
        QTest::addColumn<QString>("table");     // the file's bytes, or "pipe"
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("message");
        QTest::newRow("both files") << " 1 \r\n"
                                    << " 12.345 , 10.2 \r\n .5 , 11 \r\n"
                                    << 2 << "";
        QTest::newRow("unknown code") << " 5 \r\n"
                                      << "" << 1 << "";
        QTest::newRow("settings: a folder")
            << "folder"
            << "" << 1 << twoLines(fileNotReadMessage("lumitrak.ini"), kNotRegularFileReason);
        QTest::newRow("table: a pipe")
            << ""
            << "pipe" << 1 << twoLines(fileNotReadMessage("compdata.txt"), kNotRegularFileReason);
    }
    void openingReadsBothFiles() {
        QFETCH(QString, settings);
        QFETCH(QString, table);
        QFETCH(int, option);
        QFETCH(QString, message);
        if (settings == "folder")
            QVERIFY(QDir::current().mkdir("lumitrak.ini"));
        else
            writeFile("lumitrak.ini", settings.toLatin1());
        if (table == "pipe")
            QCOMPARE(mkfifo("compdata.txt", 0600), 0);
        else
            writeFile("compdata.txt", table.toLatin1());
        Window w;
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option%1").arg(option))->isChecked());
        const bool rows = !table.isEmpty() && table != "pipe";
        QCOMPARE(QStringList({w.text("Text1"), w.text("Text2"), w.text("Text3"), w.text("Text5")})
                     .join('|'),
                 rows ? "12.345|10.2|0.5|" : "|||");
        QCOMPARE(w.shown.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) QCOMPARE(w.shown[0].text, message);
    }

    // Settings, then the question; a read-only file is kept unless made writable before Retry; a
    // link stays.
    void closingSavesTheFiles_data() {
        QTest::addColumn<QString>("file");      // the file made read-only, or linked
        QTest::addColumn<QString>("answers");   // to the questions in turn: O(K), C(ancel), R(etry)
        QTest::addColumn<QByteArray>("saved");  // the file's bytes afterwards
        QTest::newRow("table, OK") << "compdata.txt"
                                   << "O" << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("table, Cancel") << "compdata.txt"
                                       << "C" << QByteArray("old");
        QTest::newRow("read-only settings, Retry") << "lumitrak.ini"
                                                   << "RC" << QByteArray(" 2 \r\n");
        QTest::newRow("read-only settings, Cancel") << "lumitrak.ini"
                                                    << "CC" << QByteArray("old");
        QTest::newRow("read-only table, Retry") << "compdata.txt"
                                                << "OR" << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("read-only table, Cancel") << "compdata.txt"
                                                 << "OC" << QByteArray("old");
        QTest::newRow("table behind a link") << "night.txt"
                                             << "O" << QByteArray(" 10 , 0 \r\n");
    }
    void closingSavesTheFiles() {
        QFETCH(QString, file);
        QFETCH(QString, answers);
        QFETCH(QByteArray, saved);
        const bool readOnly = QTest::currentDataTag()[0] == 'r';
        const QFile::Permissions rights = QFile::ReadOwner | QFile::ReadGroup;
        writeFile(file, "old");
        QVERIFY(QFile::setPermissions(
            file, rights | (readOnly ? QFile::Permissions() : QFile::WriteOwner)));
        if (file == "night.txt") QVERIFY(QFile::link(file, "compdata.txt"));
        QByteArray settingsAtQuestion;
        Window w([&](const RecordedBox& box) {
            if (box.kind == Box::OkCancel) settingsAtQuestion = readFile("lumitrak.ini");
            if (box.kind == Box::RetryCancel)
                QFile::setPermissions(file, rights | QFile::WriteOwner);
            return answers[qsizetype(w.shown.size() - 1)] != u'C';
        });
        w.type("Text1", "10");
        w.find<QRadioButton>("Option3")->setChecked(true);
        w.click("Command24");
        QPointer<Form2> graph = w.form->graphWindow();
        QVERIFY(graph && w.form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.form->isVisible() && !graph);
        QCOMPARE(readFile(file), saved);
        QCOMPARE(QFileInfo(file).permissions() & QFile::Permissions(0x7077) & ~QFile::WriteOwner,
                 rights);  // owner, group, others
        QCOMPARE(qsizetype(w.shown.size()), answers.size());
        const std::string failed =
            fileNotSavedMessage(file == "lumitrak.ini" ? "lumitrak.ini" : "compdata.txt");
        for (const RecordedBox& box : w.shown)
            QCOMPARE(
                box.title + "|" + box.text,
                "Lumitrak|" + (box.kind == Box::OkCancel ? fromUtf8(kSaveComparisonDataPrompt)
                                                         : twoLines(failed, kReadOnlyFileReason)));
        if (!answers.startsWith('C'))
            QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));  // before the question
        QVERIFY(file != "night.txt" || QFileInfo("compdata.txt").isSymLink());
    }

    // The first file dropped is decoded, joined and imported; no text file is refused with a
    // reason.
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
        loads("at the size limit",
              QByteArray(" 250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit, 'x'),
              QString("  250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit + 1, u'x'));
        const QString pipe =
            dropped_.filePath("pipe");  // nothing ever writes to it: open() would wait
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
        dropUrls(area->viewport(), dropped);
        const bool loaded = dropped.size() == 2;
        QCOMPARE(area->toPlainText(), loaded ? shown : QStringLiteral("kept"));
        QCOMPARE(w_->shown.size(), std::size_t(loaded ? 0 : 1));
        QCOMPARE(loaded ? shown : w_->shown[0].text, shown);
        if (!loaded) return;
        w_->find<QRadioButton>("Option3")->click();
        w_->click("Command27");
        QCOMPARE(w_->text("Text1") + " " + w_->text("Text3"), QStringLiteral("-5.995 -6.747"));
    }

    // A paste is taken up to the limit, less the selection it replaces; one beyond it is refused.
    void pastesUpToTheLimit() {
        auto* area = w_->find<QPlainTextEdit>("Text37");
        area->setPlainText("replaced");
        area->selectAll();
        for (const QString& text :
             {QString(kImportTextLimit - 1, u'x'), QStringLiteral("yz"), QStringLiteral("y")}) {
            QGuiApplication::clipboard()->setText(text);
            area->paste();
        }
        QCOMPARE(area->toPlainText(), QString(kImportTextLimit - 1, u'x') + "y");
        QCOMPARE(w_->shown.size(), std::size_t(1));
        QCOMPARE(w_->shown[0].text, fromUtf8(kPasteTooLargeMessage));
    }

    // Pixel anchors (each frame, rows 1, 16, 20, slots 1, 6, the bottom line) and the keyboard
    // order.
    void controlsStandInTheirPlaceAndOrder() {
        const struct {
            const char* name;
            const char* parent;
            QRect geometry;
            const char* caption;
        } anchors[] = {{"Frame1", "Form1", {8, 8, 217, 561}, "比較星"},
                       {"Frame2", "Form1", {240, 8, 289, 225}, "変光星"},
                       {"Frame3", "Form1", {240, 240, 289, 289}, "平均の算出"},
                       {"Text37", "Form1", {536, 16, 361, 513}, ""},
                       {"Option3", "Form1", {680, 536, 73, 33}, "S.Image"},
                       {"Command26", "Frame1", {96, 536, 73, 18}, "Clear"},
                       {"Label10", "Frame2", {16, 128, 257, 25}, "等級 = 傾き x 測光値 + 定数"},
                       {"Text1", "Frame1", {16, 48, 73, 21}, ""},
                       {"Command28", "Frame1", {176, 408, 17, 25}, "c"},
                       {"Command55", "Frame1", {192, 504, 17, 25}, "s"},
                       {"Command19", "Frame3", {160, 24, 17, 26}, "c"},
                       {"Text48", "Frame3", {16, 184, 65, 27}, ""}};
        Window w;
        for (const auto& a : anchors) {
            QWidget* widget = w.find(a.name);
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(a.parent));
            QCOMPARE(widget->geometry(), a.geometry);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            auto* frame = qobject_cast<QGroupBox*>(widget);
            auto* label = qobject_cast<QLabel*>(widget);
            QCOMPARE(button  ? button->text()
                     : frame ? frame->title()
                     : label ? label->text()
                             : QString(),
                     QString::fromUtf8(a.caption));
        }
        QStringList expected;
        const auto add = [&](const char* prefix, int from, int to) {
            while (from <= to) expected << prefix + QString::number(from++);
        };
        add("Text", 1, 30), add("Text", 38, 47), expected << "Command1";
        add("Command", 2, 16), add("Command", 28, 32),
            expected << "Text31"
                     << "Command17";
        add("Text", 32, 36), add("Text", 48, 58), expected << "Command18";
        add("Command", 19, 23), add("Command", 33, 35);
        expected << "Command24"
                 << "Command25"
                 << "Command26"
                 << "Text37"
                 << "Command27"
                 << "Option1"
                 << "Option2"
                 << "Option3";
        add("Command", 36, 55);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QStringList chain;
        for (QWidget* widget = QApplication::focusWidget(); chain.size() < expected.size();
             widget = widget->nextInFocusChain())
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
        QCOMPARE(chain, expected);
    }

    // Qt's own texts in Japanese: the Retry box (再試行 default, Escape キャンセル), the menus.
    void qtSpeaksJapanese() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.lumitrak.Lumitrak"));
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QVERIFY(menu->actions().at(4)->text().startsWith(QStringLiteral("コピー")));
        QString seen;  // title, text, default and Cancel buttons; no icon and plain text make 0
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = QStringList{box->windowTitle(), box->text(), box->defaultButton()->text(),
                               box->button(QMessageBox::Cancel)->text(),
                               QString::number(int(box->icon()) + int(box->textFormat()))}
                       .join('|');
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!QtMessageBoxes(&field).askRetryCancel("Lumitrak",
                                                       QStringLiteral("一行目\r<b>二</b>")));
        QCOMPARE(seen, QStringLiteral("Lumitrak|一行目\n<b>二</b>|再試行|キャンセル|0"));
    }

    // At 9 to 12 pt: distinct names, tooltips, copyable results, captions uncut and clear of
    // neighbours.
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
        if (points == 0) QCOMPARE(size, QSize(914, 576));
        if (points <= 11)
            QVERIFY(size.width() <= 1366 && size.height() + 40 <= 768);  // with a title bar

        QSet<QString> names;
        for (QWidget* control : w.form->findChildren<QWidget*>(
                 QRegularExpression("^(Text|Command|Label|Frame|Option)\\d+$"))) {
            const QString name = control->accessibleName();
            QVERIFY2(!name.isEmpty() && !names.contains(name),
                     qPrintable(control->objectName() + ": " + name));
            names << name;
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && (button->text().size() == 1 || button->text() == "Clear"))
                QVERIFY(!button->toolTip().isEmpty());
            const auto [drawn, fits] = captionOf(control);
            QVERIFY2(fits, qPrintable(control->objectName() + " cuts its caption"));
            for (QWidget* sibling :
                 control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                auto* heading = qobject_cast<QLabel*>(sibling);
                const QRect footprint = heading && heading->frameShape() == QFrame::NoFrame
                                            ? captionOf(sibling).first
                                            : sibling->geometry();
                QVERIFY2(sibling == control || !footprint.intersects(drawn),
                         qPrintable(control->objectName() + " runs into " + sibling->objectName()));
            }
        }
        QCOMPARE(names.size(), 139);
        for (const auto& [control, name] : {std::pair{"Text5", "比較星 3 測光値"},
                                            {"Text6", "比較星 3 ｶﾀﾛｸﾞ値"},
                                            {"Command4", "比較星 3 クリア"},
                                            {"Command38", "比較星 3 を変光星に選ぶ"},
                                            {"Text33", "平均 2 等級"},
                                            {"Text52", "平均 2 測光ｴﾗｰ"},
                                            {"Text37", "取り込みテキスト"}})
            QCOMPARE(w.find(control)->accessibleName(), QString::fromUtf8(name));

        for (const char* name : {"Label6", "Label8", "Label10", "Label12", "Label16", "Label14",
                                 "Label15", "Label19", "Label20"}) {
            auto* label = w.find<QLabel>(name);
            label->setText(QStringLiteral("-12.345 %1").arg(name));
            QTest::keySequence(label, QKeySequence::SelectAll);
            QTest::keySequence(label, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), label->text());
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
