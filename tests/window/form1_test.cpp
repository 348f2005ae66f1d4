// The window as the user drives it: simulated clicks and keystrokes reach the editor, and
// what the editor changes shows in the widgets.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "window/form1.h"
#include "window/pixel_button.h"

using fontedit::window::Form1;
using fontedit::window::PixelButton;

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form_;
    QStringList reports_;

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
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void init() {
        reports_.clear();
        form_ = std::make_unique<Form1>();
        form_->setReporter([this](const QString& message) { reports_ << message; });
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
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

    void fileButtonsSaveReadAndExportInTheWorkingDirectory() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));

        QTest::mouseClick(pixel(2, 0), Qt::LeftButton);
        // Japanese text arrives from the input method as a committed string.
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("あ"));
        QApplication::sendEvent(field("Text10"), &typed);
        QTest::mouseClick(button("Command12"), Qt::LeftButton);
        QTest::mouseClick(button("Command14"), Qt::LeftButton);
        QVERIFY(reports_.isEmpty());
        QFile font(dir.filePath(QStringLiteral("fntdat.txt")));
        QVERIFY(font.open(QIODevice::ReadOnly));
        QCOMPARE(font.readLine(), QByteArray(", 1, , , \r\n"));
        QFile labels(dir.filePath(QStringLiteral("mojidat.txt")));
        QVERIFY(labels.open(QIODevice::ReadOnly));
        QCOMPARE(labels.readLine(), QByteArray("\x82\xa0\r\n"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("font.h"))));

        init();
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
                                 .arg(QDir::currentPath())});
        QVERIFY(QDir::setCurrent(previous));
    }

    void endsWithStatus0_data() {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("終了") << true;
        QTest::newRow("window closed") << false;
    }

    void endsWithStatus0() {
        QFETCH(bool, exitButton);
        QTimer::singleShot(0, form_.get(), [this, exitButton] {
            if (exitButton) {
                button("Command13")->click();
            } else {
                form_->close();
            }
        });
        QTimer stuck;
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stuck.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
