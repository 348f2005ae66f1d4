// The window as laid out: it shows each control of its layout as the layout places it, and the
// layout keeps the design's order: a regular grid, fields under their columns, a right-hand
// column of aligned controls, labels beside what they name, nothing overlapping, every text
// whole. Then the window's own frame and the three icon images.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "widest_field_text.h"
#include "window/control_geometry.h"
#include "window/form1.h"
#include "window/icon.h"
#include "window/question.h"
#include "window/translation.h"
#include "window/widget_style.h"

// The icons the program is built with.
#include "icons/fontedit-16x16-16.xpm"
#include "icons/fontedit-32x32-16.xpm"
#include "icons/fontedit-32x32-2.xpm"

using namespace fontedit::window;

namespace {

constexpr int kColumns = 5, kRows = 8;

// The design's controls besides the pixel buttons Command1 ... Command5, which have an Index
// for each row.
const char* const kNamedControls[] = {"Label1",    "Label2",    "Label3",    "Text1",
                                      "Text2",     "Text3",     "Text4",     "Text5",
                                      "Text9",     "Text10",    "Command9",  "Command10",
                                      "Command11", "Command12", "Command13", "Command14"};

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    return qobject_cast<const QAbstractButton*>(widget)->text();
}

// A control by design name and, for a pixel button, its Index.
QWidget* control(const Form1& form, const QString& name, int index = -1) {
    QWidget* found = nullptr;
    for (QWidget* widget : form.findChildren<QWidget*>(name)) {
        if (index >= 0 && widget->property("Index").toInt() != index) continue;
        if (found != nullptr) return nullptr;
        found = widget;
    }
    return found;
}

QWidget* pixel(const Form1& form, int column, int row) {
    return control(form, QStringLiteral("Command%1").arg(column), row);
}

QRect place(const Form1& form, const char* name) {
    const QWidget* widget = control(form, QString::fromLatin1(name));
    return widget != nullptr ? widget->geometry() : QRect();
}

// The class a control of this design name must have.
const char* classByName(const QString& name) {
    if (name.startsWith(QLatin1String("Label"))) return "QLabel";
    if (name.startsWith(QLatin1String("Text"))) return "QLineEdit";
    return name.mid(7).toInt() <= kColumns ? "fontedit::window::PixelButton" : "QPushButton";
}

const char* classByKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "QLabel";
        case ControlKind::TextField:
            return "QLineEdit";
        case ControlKind::Button:
            return "QPushButton";
        case ControlKind::PixelButton:
            return "fontedit::window::PixelButton";
    }
    return "";
}

// The controls that make up the window, in the order they were made.
QList<QWidget*> controlsOf(const Form1& form) {
    return form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString focusName(const QWidget* widget) {
    const QVariant index = widget->property("Index");
    return index.isValid() ? QStringLiteral("%1/%2").arg(widget->objectName()).arg(index.toInt())
                           : widget->objectName();
}

QString describe(const QWidget* widget) {
    const QRect box = widget->geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(focusName(widget))
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

// Pixels dark enough to be text: the faces, frames and bevels of Fusion are all lighter.
int inkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 100;
    }
    return ink;
}

// The rows free of ink above the first and below the last row that has some.
std::pair<int, int> marginsAboveAndBelowInk(const QImage& image) {
    int first = image.height(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 100) continue;
            first = std::min(first, y);
            last = y;
        }
    }
    return {first, image.height() - 1 - last};
}

int distinctOpaqueColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fontedit::window::pinLook(); }

    // Each control of the layout is one widget of its kind at its place, with its caption, and
    // the window has no control besides.
    void controls() {
        Form1 form(std::filesystem::current_path());
        const auto layout = formControls();
        QCOMPARE(controlsOf(form).size(), qsizetype(layout.size()));
        for (const auto& placement : layout) {
            const QString name = qtText(placement.name());
            const int index = placement.kind() == ControlKind::PixelButton ? placement.row : -1;
            const QWidget* widget = control(form, name, index);
            const QString what = QStringLiteral("%1/%2").arg(name).arg(index);
            QVERIFY2(widget != nullptr, qPrintable(what + " missing or not unique"));
            QVERIFY2(widget->inherits(classByKind(placement.kind())), qPrintable(what));
            QCOMPARE(widget->geometry(), pixelRect(placement));
            if (qobject_cast<const QLineEdit*>(widget) == nullptr) {
                QCOMPARE(captionOf(widget), qtText(placement.caption));
            }
            if (index >= 0) {
                QCOMPARE(placement.column, name.mid(7).toInt());
                QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))
                             ->text(QAccessible::Name),
                         QStringLiteral("列 %1 行 %2").arg(placement.column).arg(index));
            }
        }
    }

    // The design's controls are all there, each once and of the class its name says.
    void designControls() {
        Form1 form(std::filesystem::current_path());
        for (const char* name : kNamedControls) {
            const QWidget* widget = control(form, QString::fromLatin1(name));
            QVERIFY2(widget != nullptr, name);
            QVERIFY2(widget->inherits(classByName(QString::fromLatin1(name))), name);
        }
        for (int column = 1; column <= kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                QVERIFY2(pixel(form, column, row) != nullptr,
                         qPrintable(QStringLiteral("Command%1(%2)").arg(column).arg(row)));
                QVERIFY(pixel(form, column, row)->inherits("fontedit::window::PixelButton"));
            }
        }
    }

    void everyControlInsideTheWindow() {
        Form1 form(std::filesystem::current_path());
        for (const QWidget* widget : controlsOf(form)) {
            QVERIFY2(form.rect().contains(widget->geometry()), qPrintable(describe(widget)));
        }
    }

    // No two controls that take clicks or keys share a pixel, nor do two labels. A label may
    // reach a pixel into the control it names (see labelsStandBesideWhatTheyName); that its text
    // stays clear, textsShowWhole sees.
    void nothingOverlaps() {
        Form1 form(std::filesystem::current_path());
        const QList<QWidget*> controls = controlsOf(form);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const bool firstIsLabel = qobject_cast<QLabel*>(controls[i]) != nullptr;
                const bool secondIsLabel = qobject_cast<QLabel*>(controls[j]) != nullptr;
                if (firstIsLabel != secondIsLabel) continue;
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(describe(controls[i]) + " overlaps " + describe(controls[j])));
            }
        }
    }

    // 5 x 8 equal squares on one pitch across and down, column 1 on the left, Index 0 on top,
    // with a gap between neighbours.
    void pixelGridIsRegular() {
        Form1 form(std::filesystem::current_path());
        const QRect first = pixel(form, 1, 0)->geometry();
        const int pitch = pixel(form, 2, 0)->x() - first.x();
        QCOMPARE(first.width(), first.height());
        QVERIFY(pitch > first.width());
        for (int column = 1; column <= kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                QCOMPARE(pixel(form, column, row)->geometry(),
                         first.translated(pitch * (column - 1), pitch * row));
            }
        }
    }

    // Each column's byte field stands under its pixel column, as wide as it, all in one row
    // below the grid.
    void columnFieldsStandUnderTheirColumns() {
        Form1 form(std::filesystem::current_path());
        const QRect first = place(form, "Text1");
        QVERIFY(first.top() > pixel(form, 1, kRows - 1)->geometry().bottom());
        for (int column = 1; column <= kColumns; ++column) {
            const QRect field = place(form, qPrintable(QStringLiteral("Text%1").arg(column)));
            const QRect pixels = pixel(form, column, 0)->geometry();
            QCOMPARE(field.left(), pixels.left());
            QCOMPARE(field.width(), pixels.width());
            QCOMPARE(field.top(), first.top());
            QCOMPARE(field.height(), first.height());
        }
    }

    // Right of the grid, the controls line up on two left edges and one right edge; the label
    // and code fields, the arrows and the file buttons stand level with rows of the grid, and
    // take a pixel's height; 終了 stands apart at the foot, level with the column fields.
    void rightColumnIsAligned() {
        Form1 form(std::filesystem::current_path());
        const QRect pixelBox = pixel(form, 1, 0)->geometry();
        const int left = place(form, "Command11").left();
        const int right = place(form, "Command11").right();
        QVERIFY(left > pixel(form, kColumns, 0)->geometry().right());
        for (const char* name : {"Label3", "Label1", "Command9", "Label2", "Command11", "Command12",
                                 "Command14", "Command13"}) {
            QVERIFY2(place(form, name).left() == left, name);
        }
        const int innerLeft = place(form, "Command10").left();
        for (const char* name : {"Text10", "Text9", "Command10"}) {
            QVERIFY2(place(form, name).left() == innerLeft, name);
            QVERIFY2(place(form, name).right() == right, name);
            QVERIFY2(place(form, name).size() == pixelBox.size(), name);
        }
        QCOMPARE(place(form, "Command9").size(), pixelBox.size());
        for (const char* name : {"Command11", "Command12", "Command14", "Command13"}) {
            QVERIFY2(place(form, name).right() == right, name);
        }
        for (const char* name : {"Command11", "Command12", "Command13"}) {
            QVERIFY2(place(form, name).height() == pixelBox.height(), name);
        }
        const std::pair<const char*, int> levelWithRow[] = {
            {"Text10", 0},    {"Text9", 1},     {"Command9", 2},
            {"Command10", 2}, {"Command11", 4}, {"Command12", 5},
        };
        for (const auto& [name, row] : levelWithRow) {
            QVERIFY2(place(form, name).top() == pixel(form, 1, row)->y(), name);
        }
        QVERIFY(place(form, "Command14").top() > place(form, "Command12").bottom());
        QVERIFY(place(form, "Command13").top() > place(form, "Command14").bottom());
        QVERIFY(qAbs(place(form, "Command13").bottom() - place(form, "Text1").bottom()) <= 1);
    }

    // Each label stands right beside the control it names, at most a pixel away or into it:
    // left of a field and level with its foot, or above a button and level with its left edge.
    void labelsStandBesideWhatTheyName_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("above");
        QTest::newRow("文字") << QStringLiteral("文字") << QStringLiteral("Text10") << false;
        QTest::newRow("コード") << QStringLiteral("コード") << QStringLiteral("Text9") << false;
        QTest::newRow("ファイル") << QStringLiteral("ファイル") << QStringLiteral("Command11")
                                  << true;
    }

    void labelsStandBesideWhatTheyName() {
        QFETCH(QString, caption);
        QFETCH(QString, named);
        QFETCH(bool, above);
        Form1 form(std::filesystem::current_path());
        const QLabel* label = nullptr;
        for (const QLabel* candidate : form.findChildren<QLabel*>()) {
            if (candidate->text() == caption) label = candidate;
        }
        QVERIFY(label != nullptr);
        const QRect box = label->geometry();
        const QRect other = control(form, named)->geometry();
        if (above) {
            QVERIFY(qAbs(box.bottom() + 1 - other.top()) <= 1);
            QCOMPARE(box.left(), other.left());
        } else {
            QVERIFY(qAbs(box.right() + 1 - other.left()) <= 1);
            QCOMPARE(box.bottom(), other.bottom());
        }
    }

    // Tab reaches every control that takes the focus once, in the layout's tab order: the whole
    // grid first from the first pixel, then ← and →, then the column fields from left to right.
    // Labels take no focus.
    void tabOrder() {
        Form1 form(std::filesystem::current_path());
        QStringList actual;
        QWidget* first = pixel(form, 1, 0);
        QWidget* widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus) actual << focusName(widget);
            widget = widget->nextInFocusChain();
        } while (widget != first);

        QStringList focusable;
        for (const QWidget* control : controlsOf(form)) {
            if (qobject_cast<const QLabel*>(control) != nullptr) {
                QCOMPARE(control->focusPolicy(), Qt::NoFocus);
            } else {
                focusable << focusName(control);
            }
        }
        QStringList sorted = actual;
        sorted.sort();
        focusable.sort();
        QCOMPARE(sorted, focusable);
        QCOMPARE(actual.size(), QSet<QString>(actual.begin(), actual.end()).size());
        for (int i = 0; i < kColumns * kRows; ++i) {
            QVERIFY2(actual[i].startsWith(QLatin1String("Command")) &&
                         actual[i].contains(QLatin1Char('/')),
                     qPrintable(actual[i]));
        }
        QCOMPARE(
            actual.mid(kColumns * kRows, 7),
            (QStringList{"Command9", "Command10", "Text1", "Text2", "Text3", "Text4", "Text5"}));

        std::vector<ControlPlacement> layout(formControls().begin(), formControls().end());
        std::ranges::sort(layout, {}, &ControlPlacement::tabIndex);
        QStringList expected;
        for (const auto& placement : layout) {
            const QString name = qtText(placement.name());
            switch (placement.kind()) {
                case ControlKind::Label:
                    break;
                case ControlKind::PixelButton:
                    expected << QStringLiteral("%1/%2").arg(name).arg(placement.row);
                    break;
                default:
                    expected << name;
            }
        }
        QCOMPARE(actual, expected);
    }

    void frame() {
        Form1 form(std::filesystem::current_path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("8x8フォントエディタ"));
        QCOMPARE(form.size(), QSize(374, 329));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.findChildren<QMenuBar*>().isEmpty());
        QCOMPARE(form.focusWidget(), pixel(form, 1, 0));
    }

    // Every caption and the widest text of each field shows whole on the window, nothing
    // clipped by its own box or hidden under a neighbour, in Japanese and in English.
    void textsShowWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("language");
        for (const char* language : {"ja", "en"}) {
            for (const char* name : kNamedControls) {
                // A field must show its widest text; the others show their captions.
                const QString field = QString::fromLatin1(name);
                const QString text = field.startsWith(QLatin1String("Text"))
                                         ? fontedit::window_tests::widestFieldText(field)
                                         : QString();
                QTest::addRow("%s %s", language, name) << field << text << language;
            }
        }
    }

    void textsShowWhole() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, language);
        // As the program starts: the translation first, then the font sized to its captions.
        std::unique_ptr<QTranslator> translation =
            fontedit::window::translatorInto(language.toStdString());
        QCOMPARE(translation != nullptr, language != QLatin1String("ja"));
        if (translation) QCoreApplication::installTranslator(translation.get());
        fontedit::window::pinLook();
        const auto restore = qScopeGuard([&translation] {
            translation.reset();
            fontedit::window::pinLook();
        });
        Form1 form(std::filesystem::current_path());
        QWidget* widget = control(form, name, -1);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(text);
        // Flat, the face is one colour whatever the button's height; the text stays in place.
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button != nullptr) button->setFlat(true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect box = widget->geometry();
        // As the window shows it, neighbours included.
        const QImage shown = form.grab(box).toImage();
        // The same control alone with room to spare: 20 pixels above and below, where text
        // centred vertically moves by exactly 20, and 40 to the right of left-aligned text.
        // Buttons keep their width, so a caption too wide for one shows as more lines.
        widget->setGeometry(box.adjusted(0, -20, button != nullptr ? 0 : 40, 20));
        const QImage roomy = widget->grab().toImage();
        const qreal ratio = roomy.devicePixelRatio();
        const QImage inBox =
            roomy.copy(QRectF(QPointF(0, 20) * ratio, box.size() * ratio).toRect());
        QCOMPARE(inkPixels(roomy), inkPixels(inBox));
        QCOMPARE(inkPixels(shown), inkPixels(inBox));
        if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            // Capitals and digits, with nothing below the line, have their middle within a
            // pixel of the field's.
            const auto [above, below] = marginsAboveAndBelowInk(shown);
            QVERIFY2(qAbs(above - below) <= 2 * ratio,
                     qPrintable(QStringLiteral("%1 rows above, %2 below").arg(above).arg(below)));
        }
    }

    // The readings an import offers are long answers: each shows whole, and the one clicked
    // is the one returned.
    void longAnswersShowWhole() {
        QWidget window;
        const fontedit::window::Question question{
            QStringLiteral("?"),
            {QStringLiteral("--layout columns --stride 8"),
             QStringLiteral("--layout columns --msb-top --stride 8"),
             QStringLiteral("--layout rows --stride 8"),
             QStringLiteral("--layout rows --msb-left --stride 8"), QStringLiteral("キャンセル")},
            0,
            4};
        QStringList cut;
        QTimer::singleShot(0, &window, [&] {
            QPushButton* third = nullptr;
            for (QPushButton* button :
                 QApplication::activeModalWidget()->findChildren<QPushButton*>()) {
                if (button->isVisible() && button->width() < button->sizeHint().width())
                    cut << button->text();
                if (button->text() == question.answers[2]) third = button;
            }
            third->click();
        });
        QCOMPARE(fontedit::window::askInMessageBox(&window, question), 2);
        QCOMPARE(cut, QStringList());
    }

    void icon_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("32x32, 2 colours") << QImage(fontedit_32x32_2) << QSize(32, 32) << 2;
        QTest::newRow("32x32, 16 colours") << QImage(fontedit_32x32_16) << QSize(32, 32) << 16;
        QTest::newRow("16x16, 16 colours") << QImage(fontedit_16x16_16) << QSize(16, 16) << 16;
    }

    void icon() {
        QFETCH(QImage, image);
        QFETCH(QSize, size);
        QFETCH(int, maxColours);
        QVERIFY(fontedit::window::programIcon().availableSizes().contains(size));
        QCOMPARE(image.size(), size);
        QVERIFY(distinctOpaqueColours(image) <= maxColours);
        QVERIFY(distinctOpaqueColours(image) >= 2);
    }
};

QTEST_MAIN(LayoutTest)
#include "control_geometry_test.moc"
