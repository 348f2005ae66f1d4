// The window of a font of any cell as the user drives it: the mouse and keys on the painted
// grid reach the dots they point at, the fields go to glyphs and edit hex, and the glyph list
// picks and narrows what the font holds.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "folder/font_folder.h"
#include "formats/common/imported_glyphs.h"
#include "window/dot_grid.h"
#include "window/font_window.h"
#include "window/form1.h"
#include "window/glyph_list.h"

using namespace fontedit::window;

namespace {

// `count` blank glyphs from U+0041, 6 x 10 dots on a cell of ascent 8 and descent 2, each
// advancing 7: a cell higher than 8, so the hex fields are rows.
std::string blankFont(int count) {
    std::string text =
        "STARTFONT 2.1\nFONT test\nSIZE 10 75 75\nFONTBOUNDINGBOX 6 10 0 -2\n"
        "STARTPROPERTIES 2\nFONT_ASCENT 8\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS " +
        std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i) {
        text += "STARTCHAR g" + std::to_string(i) + "\nENCODING " + std::to_string(0x41 + i) +
                "\nSWIDTH 700 0\nDWIDTH 7 0\nBBX 6 10 0 -2\nBITMAP\n";
        for (int row = 0; row < 10; ++row) text += "00\n";
        text += "ENDCHAR\n";
    }
    return text + "ENDFONT\n";
}

// The one top-level window of its kind that is shown.
template <class Window>
Window* shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

class FontWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir scratch_;
    QList<QString> asked_;

    std::unique_ptr<FontWindow> open(int glyphs) {
        const QString path = scratch_.filePath(QStringLiteral("font.bdf"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return nullptr;
        file.write(QByteArray::fromStdString(blankFont(glyphs)));
        file.close();
        auto window = std::make_unique<FontWindow>(path.toStdString());
        window->setReporter([](const QString& message) { QFAIL(qPrintable(message)); });
        asked_.clear();
        window->setAsker([this](const Question& question) {
            asked_ << question.text;
            return 0;
        });
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
        return window;
    }

private slots:
    void gridTakesDotsFromMouseAndKeys() {
        const auto window = open(2);
        QVERIFY(window);
        auto* grid = window->findChild<DotGrid*>(QStringLiteral("dotGrid"));
        const auto& editor = window->document().editor();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellDotRect({5, 9}).center());
        QVERIFY(editor.dot(5, 9));
        // A drag along the top row lights each dot passed over, the last one's edge included.
        QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellDotRect({0, 0}).center());
        QTest::mouseMove(grid, grid->cellDotRect({2, 0}).topLeft());
        QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellDotRect({2, 0}).topLeft());
        QVERIFY(editor.dot(0, 0) && editor.dot(1, 0) && editor.dot(2, 0) && !editor.dot(3, 0));
        grid->setFocus();
        for (const auto key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down,
                               Qt::Key_Space}) {
            QTest::keyClick(grid, key);
        }
        QVERIFY(editor.dot(1, 2));
        // Arrows on the grid move its cursor, not to another glyph; elsewhere they step.
        QCOMPARE(editor.current(), U'A');
        window->findChild<QWidget*>(QStringLiteral("advanceField"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(editor.current(), U'B');
    }

    void characterFieldGoesToGlyphsAndOffersMissingOnes() {
        const auto window = open(2);
        QVERIFY(window);
        auto* field = window->findChild<QLineEdit*>(QStringLiteral("characterField"));
        const auto& editor = window->document().editor();
        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        for (const auto& [typed, character] :
             {std::pair{"B", U'B'}, {"0x41", U'A'}, {"U+0042", U'B'}}) {
            field->selectAll();
            QTest::keyClicks(field, QString::fromUtf8(typed));
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(editor.current(), character);
            QVERIFY(window->findChild<DotGrid*>(QStringLiteral("dotGrid"))->hasFocus());
        }
        QVERIFY(asked_.isEmpty());
        field->setFocus();
        // As an input method commits it: QTest types ASCII only.
        field->setText(QStringLiteral("あ"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(asked_.size(), 1);
        QVERIFY(editor.currentGlyph() != nullptr);
    }

    void hexFieldsEditRowsAndRefuseOtherText() {
        const auto window = open(1);
        QVERIFY(window);
        const auto& editor = window->document().editor();
        auto* row = window->findChild<QLineEdit*>(QStringLiteral("hex9"));
        QVERIFY(row);
        QVERIFY(!window->findChild<QLineEdit*>(QStringLiteral("hex10")));
        QTest::keyClicks(row, QStringLiteral("84"));
        QVERIFY(editor.dot(0, 9) && editor.dot(5, 9) && !editor.dot(1, 9));
        QTest::keyClicks(row, QStringLiteral("z"));
        QCOMPARE(row->text(), QString::fromStdString(editor.hexField(9)));
        QVERIFY(editor.dot(0, 9));
    }

    // A folder opens in the window of its kind, in place of the window it was chosen in: the
    // classic font's folder from this window, and a folder of font.bdf from the classic one.
    void foldersOpenInTheWindowOfTheirKind() {
        const auto window = open(2);
        QVERIFY(window);
        QTemporaryDir classic;
        fontedit::state::FontData data;
        const std::uint8_t a[5] = {0x7C, 0x12, 0x11, 0x12, 0x7C};
        for (int code = 0; code < 96; ++code) fontedit::formats::setGlyph(data, code, a);
        fontedit::folder::saveFont(data, classic.path().toStdString());
        window->openFont(classic.path().toStdString());
        QPointer<Form1> form = shown<Form1>();
        QVERIFY(form && window->isHidden());
        QCOMPARE(form->directory(), classic.path().toStdString());
        QCOMPARE(form->editor().state().font.cell(0, 1), "7C");

        form->openFolder(scratch_.path().toStdString());
        QTRY_VERIFY(!form);
        FontWindow* general = shown<FontWindow>();
        QVERIFY(general && general != window.get());
        QCOMPARE(general->document().path(),
                 scratch_.filePath(QStringLiteral("font.bdf")).toStdString());
        general->close();
    }

    void listPaintsWhatIsInViewAndNarrows() {
        const auto window = open(600);
        QVERIFY(window);
        auto* list = window->findChild<GlyphList*>(QStringLiteral("glyphList"));
        auto* search = window->findChild<QLineEdit*>(QStringLiteral("searchField"));
        const auto& editor = window->document().editor();
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        // The first item of the last row, at the foot of the list scrolled to its end.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(3, list->viewport()->height() - 3));
        QVERIFY(editor.current() > U'A' + 500);
        QTest::keyClicks(search, QStringLiteral("0x41-0x5A,0x1000"));
        QCOMPARE(list->count(), 26);
        search->clear();
        QTest::keyClicks(search, QStringLiteral("C"));
        QCOMPARE(list->count(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(editor.current(), U'C');
        // A screen reader reads the item by its code, character and name, and finds it chosen.
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(list)->child(0);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("U+0043 C g2"));
        QVERIFY(item->state().selected);
        search->clear();
        QCOMPARE(list->count(), 600);
    }
};

QTEST_MAIN(FontWindowTest)
#include "font_window_test.moc"
