// The window as the user drives it: simulated clicks and keystrokes reach the editor, and
// what the editor changes shows in the widgets.
#include <sys/stat.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QColorSpace>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "folder/font_folder.h"
#include "formats/common/imported_glyphs.h"
#include "formats/export_formats.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/own/font_files.h"
#include "formats/png/png_render.h"
#include "window/export_dialog.h"
#include "window/form1.h"
#include "window/glyph_overview.h"
#include "window/panel_settings.h"
#include "window/pixel_button.h"
#include "window/widget_style.h"
#include "window/work_aside.h"

using fontedit::window::Form1;
using fontedit::window::GlyphOverview;
using fontedit::window::PixelButton;
using fontedit::window::Question;

namespace {

// Glyph 0 a letter A, the rest empty.
fontedit::state::FontData letterA() {
    fontedit::state::FontData data;
    const std::uint8_t empty[5] = {};
    const std::uint8_t a[5] = {0x7C, 0x12, 0x11, 0x12, 0x7C};
    for (int code = 0; code < 96; ++code) fontedit::formats::setGlyph(data, code, code ? empty : a);
    return data;
}

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    // A fresh one for each test function.
    std::unique_ptr<QTemporaryDir> directory_;
    std::unique_ptr<Form1> form_;
    QStringList reports_;
    // The questions asked, and the answer each gets.
    QList<Question> questions_;
    int answer_ = 0;

    QLineEdit* field(const char* name) const {
        return form_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QAbstractButton* button(const char* name) const {
        return form_->findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    PixelButton* pixel(int column, int row) const {
        for (auto* found :
             form_->findChildren<PixelButton*>(QStringLiteral("Command%1").arg(column))) {
            if (found->property("Index").toInt() == row) return found;
        }
        return nullptr;
    }
    // Rows of a column that show lit, as bits.
    int litRows(int column) const {
        int mask = 0;
        for (int row = 0; row < 8; ++row) mask |= pixel(column, row)->isLit() ? 1 << row : 0;
        return mask;
    }
    const std::string& cell(int code, int column) const {
        return form_->editor().state().font.cell(code, column);
    }
    // Replaces a field's text the way a user does: select all, then type.
    void retype(const char* name, const QString& text) {
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }

private slots:
    void initTestCase() { fontedit::window::pinLook(); }

    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME",
                QFile::encodeName(directory_->filePath(QStringLiteral("config"))));
        // QSettings reads the variable once a process.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           directory_->filePath(QStringLiteral("config")));
        openForm();
    }
    // The window writes its settings as it goes: into its own test's directory.
    void cleanup() { form_.reset(); }

private:
    // A new window on the test's directory, as a new start of the program.
    void openForm() {
        reports_.clear();
        questions_.clear();
        form_.reset();
        form_ = std::make_unique<Form1>(directory_->path().toStdString());
        form_->setReporter([this](const QString& message) { reports_ << message; });
        form_->setAsker([this](const Question& question) {
            questions_ << question;
            return answer_;
        });
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

private slots:
    void importOf(const QString& file) {
        answerFileDialog(file);
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_I));
    }
    // Keys for the window, which has the focus back from a dialog only once it is active again.
    void pressInWindow(const QKeySequence& keys) {
        if (!QApplication::focusWidget()) refocus(pixel(1, 0));
        pressKeys(keys);
    }
    // Runs the event loop until the program exits; -1 when it is still running after a second.
    static int statusAfter(const std::function<void()>& action) {
        QTimer::singleShot(0, action);
        QTimer running;
        connect(&running, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        running.start(1000);
        return QApplication::exec();
    }
    static void pressKeys(const QKeySequence& keys) {
        QTest::keySequence(QApplication::focusWidget(), keys);
    }
    QStringList columnTexts() const {
        QStringList texts;
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            texts << field(name)->text();
        }
        return texts;
    }
    // Answers the file dialog once it is open with `file`, in the name filter that opens with
    // `filter` where one is given, and with `codes` in the Export dialog's codes field.
    // The name is typed as a user types it; the dialog is answered again until it closes, as
    // it may not take an answer before it has looked at its folder.
    static void answerFileDialog(const QString& file, const QString& filter = {},
                                 const QString& codes = {}) {
        auto* waiting = new QTimer;
        // The dialog first answered, and only that one: a dialog of a later step is not this
        // step's to answer.
        auto answered = std::make_shared<QPointer<QFileDialog>>();
        auto seen = std::make_shared<bool>(false);
        connect(waiting, &QTimer::timeout, waiting, [waiting, answered, seen, file, filter, codes] {
            QFileDialog* dialog = *answered;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible() && !dialog && !*seen) {
                    dialog = qobject_cast<QFileDialog*>(widget);
                }
            }
            if (!dialog || !dialog->isVisible()) {
                if (*seen) waiting->deleteLater();
                return;
            }
            *seen = true;
            *answered = dialog;
            for (const QString& name : dialog->nameFilters()) {
                if (filter.isEmpty() || !name.startsWith(filter)) continue;
                dialog->selectNameFilter(name);
                emit dialog->filterSelected(name);
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
            if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("codesField"))) {
                field->setText(codes);
            }
            static_cast<QDialog*>(dialog)->accept();
        });
        waiting->start(10);
    }
    // Chooses an entry of the context menu once it is open.
    static void chooseFromMenu(const QString& entry) {
        QTimer::singleShot(0, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) {
                if (action->text() == entry) action->trigger();
            }
            menu->close();
        });
    }
    // Back from a menu, the window is active again and the pixel has the focus.
    void refocus(PixelButton* focused) {
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        focused->setFocus();
    }

    void startState() {
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text9"}) {
            QCOMPARE(field(name)->text(), QStringLiteral("0"));
        }
        QCOMPARE(field("Text10")->text(), QString());
        for (int column = 1; column <= 5; ++column) {
            QCOMPARE(litRows(column), 0);
            QCOMPARE(cell(0, column), std::string());
        }
    }

    void clickColumn2Row0AtStart() {
        QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        QCOMPARE(field("Text2")->text(), QStringLiteral("1"));
        QCOMPARE(litRows(2), 0b1);
        QCOMPARE(cell(0, 2), "1");
        for (int column : {1, 3, 4, 5}) {
            QCOMPARE(cell(0, column), std::string());
            QCOMPARE(field(qPrintable(QStringLiteral("Text%1").arg(column)))->text(), "0");
        }
    }

    void spaceTogglesFocusedPixel() {
        QCOMPARE(QApplication::focusWidget(), pixel(1, 0));
        QTest::keyClick(pixel(1, 0), Qt::Key_Space);
        QCOMPARE(field("Text1")->text(), QStringLiteral("1"));
        QTest::keyClick(pixel(1, 0), Qt::Key_Space);
        QCOMPARE(field("Text1")->text(), QStringLiteral("0"));
        QCOMPARE(litRows(1), 0);
    }

    void typingStoresEachKeystroke_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("lit");
        QTest::newRow("7f") << "7f" << QStringList{"7", "7f"} << 0x7F;
        QTest::newRow("1FF") << "1FF" << QStringList{"1", "1F", "1FF"} << 0xFF;
        QTest::newRow("G1") << "G1" << QStringList{"G", "G1"} << 0;
    }

    void typingStoresEachKeystroke() {
        QFETCH(QString, typed);
        QFETCH(QStringList, stored);
        QFETCH(int, lit);
        field("Text4")->setFocus();
        field("Text4")->selectAll();
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QTest::keyClick(field("Text4"), typed.at(i).toLatin1());
            QCOMPARE(QString::fromStdString(cell(0, 4)), stored.at(i));
        }
        QCOMPARE(litRows(4), lit);
        QCOMPARE(field("Text4")->cursorPosition(), typed.size());
    }

    // The arrow keys walk the grid and stop at its edges; Tab keeps the designed order.
    void keysMoveTheFocusAcrossTheGrid_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPoint>("to");
        const QList<int> down3{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down};
        QTest::newRow("right") << QPoint(1, 0) << QList<int>{Qt::Key_Right} << QPoint(2, 0);
        QTest::newRow("down") << QPoint(3, 2) << QList<int>{Qt::Key_Down} << QPoint(3, 3);
        QTest::newRow("left") << QPoint(3, 2) << QList<int>{Qt::Key_Left} << QPoint(2, 2);
        QTest::newRow("up") << QPoint(3, 2) << QList<int>{Qt::Key_Up} << QPoint(3, 1);
        QTest::newRow("left edge") << QPoint(1, 4) << QList<int>{Qt::Key_Left} << QPoint(1, 4);
        QTest::newRow("top edge") << QPoint(4, 0) << QList<int>{Qt::Key_Up} << QPoint(4, 0);
        QTest::newRow("right edge") << QPoint(5, 3) << QList<int>{Qt::Key_Right} << QPoint(5, 3);
        QTest::newRow("bottom edge") << QPoint(2, 6) << down3 << QPoint(2, 7);
        QTest::newRow("tab") << QPoint(2, 1) << QList<int>{Qt::Key_Tab} << QPoint(3, 0);
        QTest::newRow("shift+tab") << QPoint(1, 1) << QList<int>{Qt::Key_Backtab} << QPoint(5, 0);
    }

    void keysMoveTheFocusAcrossTheGrid() {
        QFETCH(QPoint, from);
        QFETCH(QList<int>, keys);
        QFETCH(QPoint, to);
        pixel(from.x(), from.y())->setFocus();
        for (int key : keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), pixel(to.x(), to.y()));
        QCOMPARE(litRows(1) | litRows(2) | litRows(3) | litRows(4) | litRows(5), 0);
    }

    // A ring marks the focused pixel, lit or not, and leaves the middle of its face alone.
    void focusRingKeepsTheFaceColour_data() {
        QTest::addColumn<bool>("lit");
        QTest::newRow("unlit") << false;
        QTest::newRow("lit") << true;
    }

    void focusRingKeepsTheFaceColour() {
        QFETCH(bool, lit);
        PixelButton* focused = pixel(2, 1);
        if (lit) QTest::mouseClick(focused, Qt::LeftButton);
        // Reached by the keyboard, as the styles' focus frames only show then.
        pixel(2, 0)->setFocus();
        QTest::keyClick(pixel(2, 0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), focused);
        const QImage image = focused->grab().toImage();
        const QColor face = lit ? QColor(255, 8, 0) : focused->palette().color(QPalette::Button);
        const QPoint centre = image.rect().center();
        QCOMPARE(image.pixelColor(centre), face);
        int ringPixels = 0;
        for (int x = 0; x < centre.x(); ++x) {
            ringPixels +=
                image.pixelColor(x, centre.y()) == focused->palette().color(QPalette::Highlight);
        }
        QVERIFY(ringPixels > 0);
    }

    void arrowsShowTheGlyph() {
        QTest::mouseClick(pixel(1, 3), Qt::LeftButton);
        QTest::mouseClick(button("Command10"), Qt::LeftButton);
        QCOMPARE(field("Text9")->text(), QStringLiteral("1"));
        QCOMPARE(field("Text1")->text(), QString());
        QCOMPARE(litRows(1), 0);
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QCOMPARE(field("Text9")->text(), QStringLiteral("0"));
        QCOMPARE(field("Text1")->text(), QStringLiteral("8"));
        QCOMPARE(litRows(1), 0b1000);
    }

    void failureIsReportedAndWindowGoesOn_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("report");
        QTest::newRow("code -1") << "-1"
                                 << "エラー 9: コード -1 は 0～100 の範囲にありません";
        QTest::newRow("code 500") << "500"
                                  << "エラー 9: コード 500 は 0～100 の範囲にありません";
    }

    void failureIsReportedAndWindowGoesOn() {
        QFETCH(QString, code);
        QFETCH(QString, report);
        retype("Text9", code);
        QTest::mouseClick(pixel(3, 2), Qt::LeftButton);
        QCOMPARE(reports_, QStringList{report});
        // What the action did before the failure stands.
        QCOMPARE(field("Text3")->text(), QStringLiteral("4"));
        QCOMPARE(litRows(3), 0b100);

        retype("Text9", QStringLiteral("0"));
        QTest::mouseClick(pixel(3, 0), Qt::LeftButton);
        QCOMPARE(reports_.size(), 1);
        QCOMPARE(cell(0, 3), "5");
    }

    // The files go to the window's directory, never to the working directory.
    void fileButtonsSaveReadAndExportInTheirDirectory() {
        const QTemporaryDir& dir = *directory_;
        QVERIFY(dir.isValid());
        QVERIFY(QDir::currentPath() != dir.path());

        QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        // Japanese text arrives from the input method as a committed string.
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("あ"));
        QApplication::sendEvent(field("Text10"), &typed);
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        QTest::mouseClick(button("Command14"), Qt::LeftButton);
        QVERIFY(reports_.isEmpty());
        // Every column never drawn stays a bare "0x" in font.h, and the tip says so.
        QVERIFY2(QToolTip::text().contains(QStringLiteral("空のセル 479 個")),
                 qPrintable(QToolTip::text()));
        QFile font(dir.filePath(QStringLiteral("fntdat.txt")));
        QVERIFY(font.open(QIODevice::ReadOnly));
        QCOMPARE(font.readLine(), QByteArray(", 1, , , \r\n"));
        QFile labels(dir.filePath(QStringLiteral("mojidat.txt")));
        QVERIFY(labels.open(QIODevice::ReadOnly));
        QCOMPARE(labels.readLine(), QByteArray("\x82\xa0\r\n"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("font.h"))));

        openForm();
        QTest::mouseClick(button("Command11"), Qt::LeftButton);
        QVERIFY(reports_.isEmpty());
        QCOMPARE(field("Text2")->text(), QStringLiteral("1"));
        QCOMPARE(litRows(2), 0b1);
        QCOMPARE(field("Text1")->text(), QString());
        QCOMPARE(field("Text10")->text(), QStringLiteral("あ"));

        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("mojidat.txt"))));
        QTest::mouseClick(button("Command11"), Qt::LeftButton);
        QCOMPARE(reports_,
                 QStringList{QStringLiteral(
                                 "エラー 53: フォルダ %1 のファイル mojidat.txt が見つかりません")
                                 .arg(dir.path())});
        QVERIFY(!QFile::exists(QStringLiteral("fntdat.txt")));
    }

    void typedCodeShowsItsGlyph_data() {
        QTest::addColumn<int>("finishKey");  // 0: the focus leaves for the pixel clicked
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("focus leaves") << 0;
    }

    void typedCodeShowsItsGlyph() {
        QFETCH(int, finishKey);
        QTest::mouseClick(pixel(1, 0), Qt::LeftButton);
        field("Text9")->setFocus();
        retype("Text9", QStringLiteral("5"));
        if (finishKey != 0) {
            QTest::keyClick(field("Text9"), Qt::Key(finishKey));
            QCOMPARE(field("Text1")->text(), QString());
        }
        QTest::mouseClick(pixel(1, 0), Qt::LeftButton);
        QCOMPARE(cell(5, 1), "1");
        QCOMPARE(cell(0, 1), "1");
        QVERIFY(reports_.isEmpty());
    }

    void endsWithStatus0_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");  // -1: nothing unsaved, nothing asked
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<int>("status");  // -1: still running
        QTest::addColumn<bool>("saved");
        QTest::newRow("終了") << "終了" << -1 << false << 0 << false;
        QTest::newRow("window closed") << "close" << -1 << false << 0 << false;
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << -1 << false << 0 << false;
        QTest::newRow("終了, 保存") << "終了" << 0 << false << 0 << true;
        QTest::newRow("window closed, 保存") << "close" << 0 << false << 0 << true;
        QTest::newRow("Ctrl+Q, 破棄") << "Ctrl+Q" << 1 << false << 0 << false;
        QTest::newRow("window closed, 破棄") << "close" << 1 << false << 0 << false;
        QTest::newRow("終了, キャンセル") << "終了" << 2 << false << -1 << false;
        QTest::newRow("window closed, キャンセル") << "close" << 2 << false << -1 << false;
        QTest::newRow("終了, 保存 fails") << "終了" << 0 << true << -1 << false;
    }

    void endsWithStatus0() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, saveFails);
        QFETCH(int, status);
        QFETCH(bool, saved);
        const QTemporaryDir& dir = *directory_;
        if (saveFails) QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("fntdat.txt")));
        if (answer >= 0) QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        answer_ = answer;

        const int ended = statusAfter([this, how] {
            if (how == "終了") button("Command13")->click();
            if (how == "close") form_->close();
            if (how == "Ctrl+Q") pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Q));
        });
        QCOMPARE(ended, status);
        QCOMPARE(form_->isVisible(), status != 0 || how != "close");
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("fntdat.txt"))).isFile(), saved);
        QCOMPARE(reports_.size(), saveFails ? 1 : 0);
        QCOMPARE(questions_.size(), answer >= 0 ? 1 : 0);
        if (answer >= 0) {
            const QStringList answers{"保存", "破棄", "キャンセル"};
            QCOMPARE(questions_[0].answers, answers);
            QCOMPARE(questions_[0].returnAnswer, 0);
            QCOMPARE(questions_[0].escapeAnswer, 2);
        }
    }

    void readAsksBeforeDroppingUnsavedWork_data() {
        QTest::addColumn<int>("answer");  // -1: nothing unsaved, nothing asked
        QTest::addColumn<bool>("read");
        QTest::newRow("nothing unsaved") << -1 << true;
        QTest::newRow("読出し") << 0 << true;
        QTest::newRow("キャンセル") << 1 << false;
    }

    void readAsksBeforeDroppingUnsavedWork() {
        QFETCH(int, answer);
        QFETCH(bool, read);
        QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        if (answer >= 0) QTest::mouseClick(pixel(3, 0), Qt::LeftButton);
        answer_ = answer;
        QTest::mouseClick(button("Command11"), Qt::LeftButton);
        QVERIFY(reports_.isEmpty());
        QCOMPARE(cell(0, 3), read ? "" : "1");
        QCOMPARE(questions_.size(), answer >= 0 ? 1 : 0);
        if (answer >= 0) {
            QCOMPARE(questions_[0].answers, (QStringList{"読出し", "キャンセル"}));
            QCOMPARE(questions_[0].escapeAnswer, 1);
        }
    }

    void undoAndRedoByKeys_data() {
        QTest::addColumn<bool>("inField");
        QTest::addColumn<QKeySequence>("redo");
        QTest::newRow("grid, Ctrl+Y") << false << QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::newRow("field, Ctrl+Shift+Z")
            << true << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    }

    void undoAndRedoByKeys() {
        QFETCH(bool, inField);
        QFETCH(QKeySequence, redo);
        QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        field("Text4")->setFocus();
        retype("Text4", QStringLiteral("7f"));
        (inField ? static_cast<QWidget*>(field("Text4")) : pixel(1, 0))->setFocus();
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
        pressKeys(undo);
        QCOMPARE(cell(0, 4), std::string());
        QCOMPARE(cell(0, 2), "1");
        QCOMPARE(field("Text4")->text(), QString());
        pressKeys(undo);
        QCOMPARE(cell(0, 2), std::string());
        QCOMPARE(litRows(2), 0);
        pressKeys(redo);
        QCOMPARE(cell(0, 2), "1");
        QCOMPARE(litRows(2), 0b1);
        QCOMPARE(field("Text9")->text(), QStringLiteral("0"));
    }

    void dragPaintsAsOneUndoStep() {
        QTest::mousePress(pixel(2, 0), Qt::LeftButton);
        for (PixelButton* over : {pixel(2, 1), pixel(2, 2), pixel(3, 2)}) QTest::mouseMove(over);
        QTest::mouseRelease(pixel(3, 2), Qt::LeftButton);
        QCOMPARE(columnTexts(), (QStringList{"0", "7", "4", "0", "0"}));
        QTest::mousePress(pixel(2, 1), Qt::LeftButton);
        for (PixelButton* over : {pixel(2, 2), pixel(3, 2), pixel(3, 3)}) QTest::mouseMove(over);
        QTest::mouseRelease(pixel(3, 3), Qt::LeftButton);
        QCOMPARE(columnTexts(), (QStringList{"0", "1", "0", "0", "0"}));
        QCOMPARE(litRows(3), 0);
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(cell(0, 2), "7");
        QCOMPARE(cell(0, 3), "4");
        QCOMPARE(litRows(2), 0b111);
    }

    void gridCommands_data() {
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QStringList>("columns");
        const QStringList pasted{"7F", "9", "9", "9", "6"};
        QTest::newRow("paste") << "貼り付け" << QKeySequence() << pasted;
        QTest::newRow("clear") << "消去" << QKeySequence(Qt::Key_Delete)
                               << QStringList{"0", "0", "0", "0", "0"};
        QTest::newRow("invert") << "白黒反転" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)
                                << QStringList{"80", "F6", "F6", "F6", "F9"};
        QTest::newRow("up") << "上へずらす" << QKeySequence(Qt::SHIFT | Qt::Key_Up)
                            << QStringList{"3F", "4", "4", "4", "3"};
        QTest::newRow("down") << "下へずらす" << QKeySequence(Qt::SHIFT | Qt::Key_Down)
                              << QStringList{"FE", "12", "12", "12", "C"};
        QTest::newRow("left") << "左へずらす" << QKeySequence(Qt::SHIFT | Qt::Key_Left)
                              << QStringList{"9", "9", "9", "6", "0"};
        QTest::newRow("right") << "右へずらす" << QKeySequence(Qt::SHIFT | Qt::Key_Right)
                               << QStringList{"0", "7F", "9", "9", "9"};
        QTest::newRow("mirror") << "左右反転" << QKeySequence(Qt::CTRL | Qt::Key_M)
                                << QStringList{"6", "9", "9", "9", "7F"};
    }

    // Each command by its shortcut on the focused grid, then again from the context menu, as
    // the right button and the Menu key raise it, after undoing it.
    void gridCommands() {
        QFETCH(QString, menuEntry);
        QFETCH(QKeySequence, keys);
        QFETCH(QStringList, columns);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("{ 0x7F, 0x09, 0x09, 0x09, 0x06 }, // P"));
        pixel(3, 3)->setFocus();
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_V));
        const QStringList before = columnTexts();
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
        if (!keys.isEmpty()) {
            pressKeys(keys);
            QCOMPARE(columnTexts(), columns);
            pressKeys(undo);
            QCOMPARE(columnTexts(), before);
        }
        chooseFromMenu(menuEntry);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(4, 4),
                                     pixel(2, 5)->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(pixel(2, 5), &rightClick);
        QCOMPARE(columnTexts(), columns);
        for (int column = 1; column <= 5; ++column) {
            QCOMPARE(QString::fromStdString(cell(0, column)), columns[column - 1]);
        }
        refocus(pixel(3, 3));
        pressKeys(undo);
        chooseFromMenu(menuEntry);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(12, 12),
                                  pixel(3, 3)->mapToGlobal(QPoint(12, 12)));
        QApplication::sendEvent(QApplication::focusWidget(), &menuKey);
        QCOMPARE(columnTexts(), columns);
        refocus(pixel(3, 3));
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_C));
        QStringList copied;
        for (const QString& column : columns) copied << column.rightJustified(2, u'0');
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.join(u' '));
        QVERIFY(reports_.isEmpty());
    }

    void pasteRefusesWhatIsNotAGlyph() {
        QGuiApplication::clipboard()->setText(QStringLiteral("7F 09 09 09"));
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(reports_.size(), 1);
        QVERIFY(reports_[0].startsWith(QStringLiteral("エラー 1400: ")));
        QCOMPARE(columnTexts(), (QStringList{"0", "0", "0", "0", "0"}));
    }

    void buttonShortcutsShowInTooltips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("←") << "Command9" << QKeySequence(Qt::Key_PageUp) << "← (PgUp)";
        QTest::newRow("→") << "Command10" << QKeySequence(Qt::Key_PageDown) << "→ (PgDown)";
        QTest::newRow("読出し") << "Command11" << QKeySequence(Qt::CTRL | Qt::Key_R)
                                << "読出し (Ctrl+R)";
        QTest::newRow("保存") << "Command12" << QKeySequence(Qt::CTRL | Qt::Key_S)
                              << "保存 (Ctrl+S)";
        QTest::newRow("Cヘッダ生成")
            << "Command14" << QKeySequence(Qt::CTRL | Qt::Key_H) << "Cヘッダ生成 (Ctrl+H)";
        QTest::newRow("終了") << "Command13" << QKeySequence() << "終了 (Ctrl+Q)";
    }

    // Ctrl+L opens the 一覧 panel to the right of the controls, last in the tab order. Its arrow
    // keys move without showing, Return shows the glyph as its typed code would, a screen
    // reader finds each glyph, and the next start finds the panel and its text again.
    void glyphPanel() {
        const int closedWidth = form_->width();
        const QRect grid = pixel(1, 0)->geometry();
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(form_->width() > closedWidth);
        QCOMPARE(pixel(1, 0)->geometry(), grid);
        auto* overview = form_->findChild<GlyphOverview*>();
        // The panel's two controls follow the last of the others, Cヘッダ生成, in the tab order.
        button("Command14")->setFocus();
        pressKeys(QKeySequence(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), overview);
        pressKeys(QKeySequence(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), field("previewField"));
        overview->setFocus();
        QTest::keyClick(overview, Qt::Key_Right);
        QTest::keyClick(overview, Qt::Key_Down);
        QCOMPARE(field("Text9")->text(), QStringLiteral("0"));
        QTest::keyClick(overview, Qt::Key_Return);
        QCOMPARE(field("Text9")->text(), QStringLiteral("17"));
        // A screen reader reads each glyph as its code and label; the one shown is selected.
        field("Text10")->setFocus();
        QTest::keyClicks(field("Text10"), QStringLiteral("Q"));
        QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(overview);
        QCOMPARE(cells->childCount(), 96);
        QCOMPARE(cells->child(17)->text(QAccessible::Name), QStringLiteral("17 Q"));
        QVERIFY(cells->child(17)->state().selected);
        QVERIFY(!cells->child(16)->state().selected);
        field("previewField")->setFocus();
        QTest::keyClicks(field("previewField"), QStringLiteral("Hi"));

        openForm();
        QVERIFY(form_->width() > closedWidth);
        QCOMPARE(field("previewField")->text(), QStringLiteral("Hi"));
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_L));
        openForm();
        QCOMPARE(form_->width(), closedWidth);
        QVERIFY(reports_.isEmpty());
    }

    // The preview draws the look chosen, the text laid out on the LCD chosen as render draws
    // it, also after a glyph changed, with what the LCD cannot show below it; the next start
    // finds both choices again.
    void previewDrawsTheLookAndLayoutChosen() {
        using namespace fontedit::formats;
        using namespace fontedit::pictures;
        fontedit::state::FontData data;
        for (int code = 0; code < 96; ++code) {
            const std::uint8_t glyph[5] = {std::uint8_t(code), std::uint8_t(code + 0x20), 0x81,
                                           std::uint8_t(~code), 0x3C};
            setGlyph(data, code, glyph);
        }
        fontedit::folder::saveFont(data, directory_->path().toStdString());
        QTest::mouseClick(button("Command11"), Qt::LeftButton);
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_L));
        auto* look = form_->findChild<QComboBox*>(QStringLiteral("previewLook"));
        auto* layout = form_->findChild<QComboBox*>(QStringLiteral("previewLayout"));
        const auto preview = [this] {
            return form_->findChild<QScrollArea*>(QStringLiteral("previewArea"))
                ->widget()
                ->grab()
                .toImage()
                .convertToFormat(QImage::Format_RGB888);
        };
        const auto rgb = [](Rgb colour) { return qRgb(colour.red, colour.green, colour.blue); };
        retype("previewField", QStringLiteral("H"));
        QCOMPARE(look->currentText(), QStringLiteral("paper"));
        // The third column of every glyph lights its top dot, 3 x 3 pixels a dot inside a margin
        // of 4.
        for (std::size_t i = 0; i < displayLooks().size(); ++i) {
            look->setCurrentIndex(int(i));
            const QImage shown = preview();
            QCOMPARE(shown.pixel(0, 0), rgb(displayLooks()[i].ground));
            QCOMPARE(shown.pixel(11, 5), rgb(displayLooks()[i].lit));
        }

        look->setCurrentIndex(look->findText(QStringLiteral("lcd-green")));
        layout->setCurrentIndex(layout->findText(QStringLiteral("16x2")));
        const std::string text = "Hello, world!é";
        // A character no key of the test types.
        field("previewField")->setText(QString::fromStdString(text));
        const auto rendered = [&] {
            const auto now = fontedit::state::tableTexts<fontedit::state::FontData>(
                form_->editor().state().font, form_->editor().state().labels);
            const std::string png = panelPng(now, text, {16, 2}, 3, *lookNamed("lcd-green")).png;
            QImage image = QImage::fromData(QByteArray::fromStdString(png))
                               .convertToFormat(QImage::Format_RGB888);
            // The same bytes as the screen's, which has no colour space named.
            image.setColorSpace({});
            return image;
        };
        QCOMPARE(preview(), rendered());
        // Glyph 40 is the H: a toggle draws its cell again.
        retype("Text9", QStringLiteral("40"));
        QTest::keyClick(field("Text9"), Qt::Key_Return);
        QTest::mouseClick(pixel(1, 0), Qt::LeftButton);
        QCOMPARE(cell(40, 1), "29");
        QCOMPARE(preview(), rendered());
        const QString notes = form_->findChild<QLabel*>(QStringLiteral("previewNotes"))->text();
        QVERIFY2(notes.contains(QStringLiteral("'é'")), qPrintable(notes));

        layout->setCurrentIndex(layout->findText(QStringLiteral("20x4")));
        const QRect status = form_->findChild<QLabel*>(QStringLiteral("folderStatus"))->geometry();
        QVERIFY(status.bottom() < form_->height());
        openForm();
        QCOMPARE(form_->findChild<QComboBox*>(QStringLiteral("previewLook"))->currentText(),
                 QStringLiteral("lcd-green"));
        QCOMPARE(form_->findChild<QComboBox*>(QStringLiteral("previewLayout"))->currentText(),
                 QStringLiteral("20x4"));
        QVERIFY(reports_.isEmpty());
    }

    // Ctrl+O opens another folder. One with a font is read, asking first when that drops
    // unsaved work; one without takes the work along, asking first too. The panel and the
    // grid's tip name the folder, and the menu offers the folders opened last.
    void openFolderReadsItsFontOrTakesTheWorkAlong() {
        QTemporaryDir withFont, empty;
        fontedit::folder::saveFont(letterA(), withFont.path().toStdString());
        QTest::mouseClick(pixel(1, 0), Qt::LeftButton);
        answer_ = 1;
        answerFileDialog(withFont.path());
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(form_->directory(), directory_->path().toStdString());
        answer_ = 0;
        answerFileDialog(withFont.path());
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(form_->directory(), withFont.path().toStdString());
        QCOMPARE(cell(0, 1), "7C");
        QVERIFY(!form_->editor().hasUnsavedChanges());

        QTest::mouseClick(pixel(5, 7), Qt::LeftButton);
        answerFileDialog(empty.path());
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(questions_.size(), 3);
        QCOMPARE(form_->directory(), empty.path().toStdString());
        QVERIFY(form_->editor().hasUnsavedChanges());
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("fntdat.txt"))));
        QCOMPARE(fontedit::window::recentFolders(), (QStringList{empty.path(), withFont.path()}));

        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_L));
        const QString status = form_->findChild<QLabel*>(QStringLiteral("folderStatus"))->toolTip();
        QVERIFY2(status.contains(empty.path()) && status.contains(QStringLiteral("未保存")),
                 qPrintable(status));
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        QCOMPARE(readFile(empty.filePath(QStringLiteral("fntdat.txt"))).substr(0, 2), "7C");
        QTRY_VERIFY(!form_->findChild<QLabel*>(QStringLiteral("folderStatus"))
                         ->toolTip()
                         .contains(QStringLiteral("未保存")));
        QVERIFY(reports_.isEmpty());
    }

    // Ctrl+I takes in each format of fontedit-cli import as one step that stays unsaved and
    // writes nothing; Ctrl+Z takes it back.
    void importTakesAFontAsOneUnsavedStep_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        using fontedit::formats::ExportFormat;
        QTest::newRow("bdf") << int(ExportFormat::Bdf) << "a.bdf";
        QTest::newRow("c") << int(ExportFormat::C) << "a.c";
        QTest::newRow("bin") << int(ExportFormat::Bin) << "a.bin";
        QTest::newRow("png") << int(ExportFormat::Png) << "a.png";
    }

    void importTakesAFontAsOneUnsavedStep() {
        QFETCH(int, format);
        QFETCH(QString, name);
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath(name);
        writeFile(file, fontedit::formats::exportBytes(fontedit::formats::ExportFormat(format),
                                                       letterA(), {}));
        answerFileDialog(file);
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_I));
        QVERIFY2(reports_.isEmpty(), qPrintable(reports_.join(u'\n')));
        QCOMPARE(columnTexts(), (QStringList{"7C", "12", "11", "12", "7C"}));
        QVERIFY(form_->editor().hasUnsavedChanges());
        QVERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(name));
        QVERIFY(QDir(directory_->path()).entryList(QDir::Files).isEmpty());
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(cell(0, 1), std::string());
        QVERIFY(!form_->editor().hasUnsavedChanges());
    }

    // A table that reads more than one way offers the readings the CLI names; one refused is
    // reported and changes nothing.
    void importAsksAnUnclearShapeAndRefusesWhatItCannotRead() {
        QTemporaryDir elsewhere;
        const QString unclear = elsewhere.filePath(QStringLiteral("rows.c"));
        writeFile(unclear, "const unsigned char f[][8] = {{0x0E, 0x11, 0x11, 0x1F, 0x11}};");
        form_->setAsker([this](const Question& question) {
            questions_ << question;
            return static_cast<int>(question.answers.indexOf(u"--layout rows --stride 8"));
        });
        importOf(unclear);
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(questions_[0].answers.back(), QStringLiteral("キャンセル"));
        // Each reading is shown as the glyphs it would take, its options the tip.
        const QList<QPixmap>& pictures = questions_[0].pictures;
        QCOMPARE(pictures.size(), questions_[0].answers.size() - 1);
        QVERIFY(std::ranges::none_of(pictures, &QPixmap::isNull));
        QVERIFY(pictures[0].toImage() != pictures[1].toImage());
        QVERIFY(reports_.isEmpty());
        QCOMPARE(columnTexts(), (QStringList{"1E", "9", "9", "9", "1E"}));

        const QString refused = elsewhere.filePath(QStringLiteral("refused.bin"));
        writeFile(refused, std::string("no font\0here", 12));
        importOf(refused);
        QCOMPARE(reports_.size(), 1);
        QVERIFY2(reports_[0].startsWith(QStringLiteral("エラー 1119: ")), qPrintable(reports_[0]));
        QCOMPARE(columnTexts(), (QStringList{"1E", "9", "9", "9", "1E"}));
    }

    // Ctrl+E writes the format of the filter chosen, or of the extension typed, with the
    // options that format takes, through the same atomic write as 保存; import reads it back.
    // Codes that are no list of glyph codes are reported, and nothing is written.
    void exportWritesTheFormatChosen_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("format");
        QTest::addColumn<QList<int>>("exported");
        QTest::addColumn<QString>("report");
        using fontedit::formats::ExportFormat;
        QTest::newRow("c") << "c:"
                           << "out"
                           << ""
                           << "out.c" << int(ExportFormat::C) << QList<int>{} << "";
        QTest::newRow("bdf typed") << "c:"
                                   << "out.bdf"
                                   << ""
                                   << "out.bdf" << int(ExportFormat::Bdf) << QList<int>{} << "";
        QTest::newRow("bin") << "bin:"
                             << "out.bin"
                             << ""
                             << "out.bin" << int(ExportFormat::Bin) << QList<int>{} << "";
        QTest::newRow("png") << "png:"
                             << "sheet"
                             << ""
                             << "sheet.png" << int(ExportFormat::Png) << QList<int>{} << "";
        QTest::newRow("bin codes") << "bin:"
                                   << "two.bin"
                                   << "0x1,0"
                                   << "two.bin" << int(ExportFormat::Bin) << QList<int>{1, 0} << "";
        QTest::newRow("png ignores codes")
            << "png:"
            << "all"
            << "7-0"
            << "all.png" << int(ExportFormat::Png) << QList<int>{} << "";
        QTest::newRow("codes backwards") << "c:"
                                         << "none.c"
                                         << "0,7-0"
                                         << "none.c" << int(ExportFormat::C) << QList<int>{}
                                         << "エラー 1312: 「7-0」は終わりが始めより前です";
    }

    void exportWritesTheFormatChosen() {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, codes);
        QFETCH(QString, written);
        QFETCH(int, format);
        QFETCH(QList<int>, exported);
        QFETCH(QString, report);
        QTest::mouseClick(pixel(1, 0), Qt::LeftButton);
        QTest::mouseClick(pixel(3, 7), Qt::LeftButton);
        answerFileDialog(directory_->filePath(typed), filter, codes);
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_E));
        // Kept as typed, to be put right the next time.
        QCOMPARE(fontedit::window::programSettings()->value("export/codes").toString(), codes);
        if (!report.isEmpty()) {
            QCOMPARE(reports_, QStringList{report});
            QVERIFY(!QFileInfo::exists(directory_->filePath(written)));
            return;
        }
        QVERIFY2(reports_.isEmpty(), qPrintable(reports_.join(u'\n')));
        const std::string bytes = readFile(directory_->filePath(written));
        fontedit::formats::ExportSettings settings;
        settings.c.codes.assign(exported.begin(), exported.end());
        QCOMPARE(bytes, fontedit::formats::exportBytes(
                            fontedit::formats::ExportFormat(format),
                            fontedit::state::tableTexts<fontedit::state::FontData>(
                                form_->editor().state().font, form_->editor().state().labels),
                            settings));
        if (exported.isEmpty()) {
            const auto back =
                fontedit::formats::importFont(fontedit::formats::detectFormat(bytes), bytes, {});
            QCOMPARE(back.data.cells[0][0], "1");
            QCOMPARE(back.data.cells[0][2], "80");
        }
        QVERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(written));
    }

    // A label the files cannot hold is refused as it is typed, not at 保存, and the last good
    // one stays.
    void labelOutsideCp932IsRefusedInTheField() {
        retype("Text10", QStringLiteral("A"));
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("ä"));
        QApplication::sendEvent(field("Text10"), &typed);
        QCOMPARE(field("Text10")->text(), QStringLiteral("A"));
        QVERIFY2(QToolTip::text().startsWith(QStringLiteral("エラー 1002: ")),
                 qPrintable(QToolTip::text()));
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        QVERIFY2(reports_.isEmpty(), qPrintable(reports_.join(u'\n')));
    }

    // Another format keeps a name the user typed, with that format's extension, and replaces
    // only the name the dialog suggested, by the new format's own.
    void exportNameFollowsTheFormat() {
        using fontedit::formats::ExportFormat;
        using fontedit::window::nameForFormat;
        QCOMPARE(nameForFormat("u8g2_font.psf", "u8g2_font.c", ExportFormat::Psf), "font.psf");
        QCOMPARE(nameForFormat("u8g2_font.c", "u8g2_font.c", ExportFormat::Psf), "font.psf");
        QCOMPARE(nameForFormat("robot.c", "u8g2_font.c", ExportFormat::Psf), "robot.psf");
        QCOMPARE(nameForFormat("out/robot.psf", "font.c", ExportFormat::Bdf), "out/robot.bdf");
        QCOMPARE(nameForFormat("", "", ExportFormat::Bdf), "font.bdf");
    }

    // A preview text of a million characters in the settings is cut to what the field takes.
    void previewTextIsCutToItsField() {
        // Where the start looks for the file, and where QSettings, which keeps the path of its
        // first use in this process, reads it.
        const QString bytes = "[panel]\nshown=true\npreviewText=" + QString(1'000'000, 'A') + "\n";
        for (const QString& path :
             {directory_->filePath(QStringLiteral("config/fontedit/fontedit.conf")),
              QSettings(QStringLiteral("fontedit"), QStringLiteral("fontedit")).fileName()}) {
            QDir().mkpath(QFileInfo(path).path());
            QFile settings(path);
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(bytes.toLatin1());
        }
        openForm();
        QCOMPARE(field("previewField")->text(),
                 QString(fontedit::window::kLongestPreviewText, QLatin1Char('A')));
        QTest::keyClicks(field("previewField"), QStringLiteral("B"));
        QCOMPARE(field("previewField")->text().size(), fontedit::window::kLongestPreviewText);
    }

    // Where recovery files would lie is no folder: the start says so once, and the status line
    // goes on saying that no file is kept, after edits too.
    void recoveryOffAfterTheStartStaysInTheStatus() {
        const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
        const QString notAFolder = directory_->filePath(QStringLiteral("state"));
        QFile(notAFolder).open(QIODevice::WriteOnly);
        qputenv("XDG_STATE_HOME", QFile::encodeName(notAFolder + QStringLiteral("/below")));
        form_->offerRecovery();
        qputenv("XDG_STATE_HOME", stateHome);
        QCOMPARE(reports_.size(), 1);
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_L));
        QTest::mouseClick(pixel(2, 2), Qt::LeftButton);
        QTRY_VERIFY(form_->findChild<QLabel*>(QStringLiteral("folderStatus"))
                        ->toolTip()
                        .contains(QStringLiteral("未保存")));
        const QString status = form_->findChild<QLabel*>(QStringLiteral("folderStatus"))->toolTip();
        QVERIFY2(status.contains(QStringLiteral("復元ファイルは残していません")),
                 qPrintable(status));
    }

    // Work run aside, such as a long import: the window's events go on meanwhile, after 0.3 s
    // a dialog offers Cancel, which returns at once while the work still runs; work that ends
    // gives back what it made, or its failure.
    void workAsideLeavesTheWindowAnswering() {
        using fontedit::window::resultAside;
        auto release = std::make_shared<std::atomic<bool>>(false);
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, &tick, [&ticks] { ++ticks; });
        tick.start(50);
        QElapsedTimer clock;
        clock.start();
        qint64 shownAfter = -1;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, &cancel, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<QProgressDialog*>(widget);
                if (progress == nullptr || !progress->isVisible()) continue;
                if (shownAfter < 0) shownAfter = clock.elapsed();
                auto* button = progress->findChild<QPushButton*>();
                if (ticks >= 10 && button != nullptr) QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        cancel.start(20);
        const std::optional<int> cancelled =
            resultAside<int>(form_.get(), QStringLiteral("slow"), [release] {
                while (!release->load()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
                return 7;
            });
        QVERIFY(!cancelled);
        QVERIFY2(shownAfter >= 250, qPrintable(QString::number(shownAfter)));
        QVERIFY(ticks >= 10);
        QVERIFY(fontedit::window::workLeftRunning());
        release->store(true);
        QTRY_VERIFY(!fontedit::window::workLeftRunning());

        QCOMPARE(resultAside<int>(form_.get(), QStringLiteral("quick"), [] { return 7; }),
                 std::optional<int>(7));
        QVERIFY_THROWS_EXCEPTION(
            fontedit::state::Failure,
            resultAside<int>(form_.get(), QStringLiteral("failing"), []() -> int {
                throw fontedit::state::Failure(fontedit::state::Cause::FileNotFound, {});
            }));
    }

    // Settings another program wrote: a list of recent folders far past five is cut as it is
    // read, a name that is no C identifier never reaches the C source, and a FIFO in the
    // file's place is not waited on.
    void hostileSettingsAreBounded() {
        QString bytes = QStringLiteral("[folders]\nrecent=");
        for (int i = 0; i < 1000; ++i) bytes += QStringLiteral("/f%1, ").arg(i);
        bytes += QStringLiteral("/last\n[export]\nname=\"int evil(void){return 0;} int x\"\n");
        const QStringList paths{
            directory_->filePath(QStringLiteral("config/fontedit/fontedit.conf")),
            QSettings(QStringLiteral("fontedit"), QStringLiteral("fontedit")).fileName()};
        for (const QString& path : paths) {
            QDir().mkpath(QFileInfo(path).path());
            QFile settings(path);
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(bytes.toLatin1());
        }
        openForm();
        QCOMPARE(fontedit::window::recentFolders().size(), 5);
        answerFileDialog(directory_->filePath(QStringLiteral("out.c")), QStringLiteral("c:"));
        pressInWindow(QKeySequence(Qt::CTRL | Qt::Key_E));
        QVERIFY2(reports_.isEmpty(), qPrintable(reports_.join(u'\n')));
        const std::string source = readFile(directory_->filePath(QStringLiteral("out.c")));
        QVERIFY(source.find("evil") == std::string::npos);
        QVERIFY(source.find(" Font[") != std::string::npos);

        form_.reset();
        for (const QString& path : paths) {
            QFile::remove(path);
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        }
        openForm();
        QVERIFY(fontedit::window::recentFolders().isEmpty());
        QVERIFY(!fontedit::window::programSettings());
    }

    // A cell or a label takes as many characters as the font files carry back, and no more.
    void textFieldsTakeNoMoreThanTheFilesCarryBack() {
        const QString typed(fontedit::formats::kLongestText + 1, QLatin1Char('7'));
        for (const char* name : {"Text1", "Text10"}) {
            retype(name, typed);
            QCOMPARE(field(name)->text(), typed.left(fontedit::formats::kLongestText));
        }
        QCOMPARE(cell(0, 1), typed.left(fontedit::formats::kLongestText).toStdString());
    }

    void buttonShortcutsShowInTooltips() {
        QFETCH(QString, name);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, tooltip);
        QCOMPARE(button(qPrintable(name))->toolTip(), tooltip);
        if (keys.isEmpty()) return;
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        int clicks = 0;
        connect(button(qPrintable(name)), &QAbstractButton::clicked, [&clicks] { ++clicks; });
        // From a text field too, and a key held down clicks each time it repeats.
        field("Text10")->setFocus();
        pressKeys(keys);
        pressKeys(keys);
        QCOMPARE(clicks, 2);
        QVERIFY(reports_.isEmpty());
    }

    // What a screen reader hears: each field named by its column or by the label beside it,
    // a button by its caption, and each dot a check box named by its place, checked while lit
    // and toggled by its action as by a click.
    void screenReadersHearNamesAndDots() {
        const auto nameOf = [](QObject* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        for (int column = 1; column <= 5; ++column) {
            QCOMPARE(nameOf(field(qPrintable(QStringLiteral("Text%1").arg(column)))),
                     QStringLiteral("列 %1").arg(column));
        }
        QCOMPARE(nameOf(field("Text9")), QStringLiteral("コード"));
        QCOMPARE(nameOf(field("Text10")), QStringLiteral("文字"));
        QCOMPARE(nameOf(button("Command14")), QStringLiteral("Cヘッダ生成"));
        QAccessibleInterface* dot = QAccessible::queryAccessibleInterface(pixel(2, 3));
        QCOMPARE(dot->role(), QAccessible::CheckBox);
        QCOMPARE(dot->text(QAccessible::Name), QStringLiteral("列 2 行 3"));
        QVERIFY(dot->state().checkable);
        QVERIFY(!dot->state().checked);

        QTest::mouseClick(pixel(2, 3), Qt::LeftButton);
        QVERIFY(dot->state().checked);
        QCOMPARE(field("Text2")->text(), QStringLiteral("8"));
        dot->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!dot->state().checked);
        QCOMPARE(field("Text2")->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
