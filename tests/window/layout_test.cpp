// The window against the design: every control's kind, place, size, caption and tab order,
// the window's own frame, and the three icon images.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "window/form1.h"
#include "window/icon.h"
#include "window/look.h"

using fontedit::window::Form1;

namespace {

// The pixel buttons' tab order as the design writes it, column(row).
const char* const kPixelTabOrder =
    "1(0), 2(0), 2(1), 3(0), 4(0), 5(0), 1(1), 1(2), 1(3), 1(4), 1(5), 1(6), 1(7), 2(2), "
    "2(3), 2(4), 2(5), 2(6), 2(7), 3(1), 4(1), 5(1), 3(2), 4(2), 5(2), 3(3), 4(3), 5(3), "
    "3(4), 4(4), 5(4), 3(5), 4(5), 5(5), 3(6), 4(6), 5(6), 3(7), 4(7), 5(7)";

struct Row {
    const char* name;
    const char* kind;
    const char* caption;
    int left, top, width, height, tab;
};

const Row kOtherControls[] = {
    {"Label3", "QLabel", "文字", 4320, 360, 495, 255, 54},
    {"Text10", "QLineEdit", "", 4800, 240, 375, 375, 53},
    {"Label1", "QLabel", "コード", 4320, 840, 495, 255, 49},
    {"Text9", "QLineEdit", "0", 4800, 720, 375, 375, 48},
    {"Command9", "QPushButton", "←", 4320, 1200, 375, 375, 40},
    {"Command10", "QPushButton", "→", 4800, 1200, 375, 375, 41},
    {"Label2", "QLabel", "ファイル", 4320, 1920, 975, 255, 51},
    {"Command11", "QPushButton", "読出し", 4320, 2160, 855, 375, 47},
    {"Command12", "QPushButton", "保存", 4320, 2640, 855, 375, 50},
    {"Command14", "QPushButton", "Cヘッダ生成", 4320, 3240, 855, 615, 55},
    {"Command13", "QPushButton", "終了", 4320, 4200, 855, 375, 52},
    {"Text1", "QLineEdit", "0", 240, 4320, 375, 270, 42},
    {"Text2", "QLineEdit", "0", 720, 4320, 375, 270, 43},
    {"Text3", "QLineEdit", "0", 1200, 4320, 375, 270, 44},
    {"Text4", "QLineEdit", "0", 1680, 4320, 375, 270, 45},
    {"Text5", "QLineEdit", "0", 2160, 4320, 375, 270, 46},
};

QRect fromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    return qobject_cast<const QAbstractButton*>(widget)->text();
}

// A control by design name and, for a pixel button, its Index.
QWidget* control(const Form1& form, const QString& name, int index) {
    QWidget* found = nullptr;
    for (QWidget* widget : form.findChildren<QWidget*>(name)) {
        if (index >= 0 && widget->property("Index").toInt() != index) continue;
        if (found != nullptr) return nullptr;
        found = widget;
    }
    return found;
}

// Every control that takes the focus, as "name/index", in design tab order.
QStringList expectedFocusOrder() {
    QStringList order;
    static const QRegularExpression pixel(QStringLiteral("(\\d)\\((\\d)\\)"));
    for (auto match = pixel.globalMatch(QString::fromLatin1(kPixelTabOrder)); match.hasNext();) {
        const auto m = match.next();
        order << QStringLiteral("Command%1/%2").arg(m.captured(1), m.captured(2));
    }
    QList<Row> others(std::begin(kOtherControls), std::end(kOtherControls));
    std::ranges::sort(others, {}, &Row::tab);
    for (const Row& row : others) {
        if (QLatin1String(row.kind) != QLatin1String("QLabel"))
            order << QString::fromUtf8(row.name);
    }
    return order;
}

QString focusName(const QWidget* widget) {
    const QVariant index = widget->property("Index");
    return index.isValid() ? QStringLiteral("%1/%2").arg(widget->objectName()).arg(index.toInt())
                           : widget->objectName();
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

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        for (int column = 1; column <= 5; ++column) {
            for (int row = 0; row < 8; ++row) {
                const QString name = QStringLiteral("Command%1").arg(column);
                QTest::addRow("%s(%d)", qPrintable(name), row)
                    << name << row << QStringLiteral("fontedit::window::PixelButton") << QString()
                    << fromTwips(240 + 480 * (column - 1), 240 + 480 * row, 375, 375);
            }
        }
        for (const Row& row : kOtherControls) {
            QTest::newRow(row.name) << QString::fromUtf8(row.name) << -1
                                    << QString::fromUtf8(row.kind) << QString::fromUtf8(row.caption)
                                    << fromTwips(row.left, row.top, row.width, row.height);
        }
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        Form1 form(std::filesystem::current_path());
        const QWidget* widget = control(form, name, index);
        QVERIFY2(widget != nullptr, "missing or not unique");
        QVERIFY(widget->inherits(qPrintable(kind)));
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(captionOf(widget), caption);
        if (index >= 0) {
            QCOMPARE(widget->accessibleName(),
                     QStringLiteral("列 %1 行 %2").arg(name.back()).arg(index));
        }
    }

    void tabOrder() {
        Form1 form(std::filesystem::current_path());
        QStringList actual;
        QWidget* widget = control(form, QStringLiteral("Command1"), 0);
        do {
            if (widget->focusPolicy() & Qt::TabFocus) actual << focusName(widget);
            widget = widget->nextInFocusChain();
        } while (widget != control(form, QStringLiteral("Command1"), 0));
        QCOMPARE(actual, expectedFocusOrder());
    }

    void frame() {
        Form1 form(std::filesystem::current_path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("8x8フォントエディタ"));
        QCOMPARE(form.size(), QSize(374, 329));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.findChildren<QMenuBar*>().isEmpty());
        QCOMPARE(form.focusWidget(), control(form, QStringLiteral("Command1"), 0));
    }

    // Every caption and the widest text of each field shows whole on the window, nothing
    // clipped by its own box or hidden under a neighbour.
    void textsShowWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const Row& row : kOtherControls) {
            QString text = QString::fromUtf8(row.caption);
            if (QLatin1String(row.kind) == QLatin1String("QLineEdit")) {
                text = row.name == QByteArray("Text10")  ? QStringLiteral("DEL")
                       : row.name == QByteArray("Text9") ? QStringLiteral("100")
                                                         : QStringLiteral("FF");
            }
            QTest::newRow(row.name) << QString::fromUtf8(row.name) << text;
        }
    }

    void textsShowWhole() {
        QFETCH(QString, name);
        QFETCH(QString, text);
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

    void icon_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("32x32, 2 colours") << "fontedit-32x32-2.xpm" << QSize(32, 32) << 2;
        QTest::newRow("32x32, 16 colours") << "fontedit-32x32-16.xpm" << QSize(32, 32) << 16;
        QTest::newRow("16x16, 16 colours") << "fontedit-16x16-16.xpm" << QSize(16, 16) << 16;
    }

    void icon() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(int, maxColours);
        QVERIFY(fontedit::window::programIcon().availableSizes().contains(size));
        const QImage image(QStringLiteral(":/icons/") + file);
        QCOMPARE(image.size(), size);
        QVERIFY(distinctOpaqueColours(image) <= maxColours);
        QVERIFY(distinctOpaqueColours(image) >= 2);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
