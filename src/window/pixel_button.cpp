#include "window/pixel_button.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include "window/widget_style.h"

namespace fontedit::window {
namespace {

// An unlit face is the design's &H8000000F&, the system colour of button faces, which is the
// palette's Button.
constexpr QPalette::ColorRole kUnlitFace = QPalette::Button;

// The ring runs inside the bevel and leaves the middle of the face alone, so the face keeps
// exactly its colour where the eye (and a test) looks, lit or unlit.
constexpr int kFocusInset = 3;
constexpr int kFocusWidth = 2;

// The bevel of qDrawWinButton, a light and a dark edge outside and a midtone pair inside, swapped
// when the button is down, drawn as filled rectangles: its lines go through the pen's stroker,
// which took a fifth of the start-up's drawing. Each edge pair is a rectangle in the bottom-right
// colour with one a pixel smaller over it in the top-left colour, which gives the same pixels as
// four bars in five fills instead of nine.
void drawButton(QPainter& painter, const QRect& box, const QPalette& palette, bool down,
                const QColor& face) {
    const QColor light = palette.color(QPalette::Light), shadow = palette.color(QPalette::Shadow);
    const QColor button = palette.color(QPalette::Button), dark = palette.color(QPalette::Dark);
    const int x = box.x(), y = box.y(), w = box.width(), h = box.height();
    painter.fillRect(x, y, w, h, down ? light : shadow);
    painter.fillRect(x, y, w - 1, h - 1, down ? shadow : light);
    painter.fillRect(x + 1, y + 1, w - 2, h - 2, down ? button : dark);
    painter.fillRect(x + 1, y + 1, w - 3, h - 3, down ? dark : button);
    painter.fillRect(x + 2, y + 2, w - 4, h - 4, face);
}

// To a screen reader a pixel is a check box, checked while lit, as a plain button would not
// tell lit from unlit. Toggling it clicks the button, which leaves the change to the editor.
// Its name is made here, when a screen reader asks: set on the widget, each of the 40 names
// would make its interface at start, listened to or not.
class PixelAccessible : public QAccessibleWidget {
public:
    explicit PixelAccessible(PixelButton* pixel)
        : QAccessibleWidget(pixel, QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return pixel()->placeName();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = pixel()->isLit();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == toggleAction()) {
            pixel()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    PixelButton* pixel() const { return static_cast<PixelButton*>(widget()); }
};

QAccessibleInterface* accessibleOf(const QString& className, QObject* object) {
    if (className != QLatin1String(PixelButton::staticMetaObject.className())) return nullptr;
    return new PixelAccessible(static_cast<PixelButton*>(object));
}

}  // namespace

PixelButton::PixelButton(int column, int row, QWidget* parent)
    : QAbstractButton(parent), column_(column), row_(row) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(accessibleOf), true);
    setFocusPolicy(Qt::StrongFocus);
}

QString PixelButton::placeName() const {
    return tr("列 %1 行 %2").arg(column_).arg(row_);
}

void PixelButton::setLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    update();
    // Told only to a listening screen reader: the notice would make the pixel's accessible
    // interface, which nothing else needs.
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QColor PixelButton::faceColour() const {
    return lit_ ? QColor(kLitColour) : palette().color(kUnlitFace);
}

void PixelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawButton(painter, rect(), palette(), isDown(), faceColour());
    if (hasFocus()) {
        // An outline only: the styles' focus frames fill the face with a translucent tint.
        // Four filled bars, as a pen two pixels wide goes through the path stroker, which
        // made each click a seventh dearer.
        const QRect outer = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        const QRect inner = outer.adjusted(kFocusWidth, kFocusWidth, -kFocusWidth, -kFocusWidth);
        const QColor ring = palette().color(QPalette::Highlight);
        painter.fillRect(outer.left(), outer.top(), outer.width(), kFocusWidth, ring);
        painter.fillRect(outer.left(), inner.bottom() + 1, outer.width(), kFocusWidth, ring);
        painter.fillRect(outer.left(), inner.top(), kFocusWidth, inner.height(), ring);
        painter.fillRect(inner.right() + 1, inner.top(), kFocusWidth, inner.height(), ring);
    }
}

void PixelButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            emit focusStepRequested(-1, 0);
            break;
        case Qt::Key_Right:
            emit focusStepRequested(1, 0);
            break;
        case Qt::Key_Up:
            emit focusStepRequested(0, -1);
            break;
        case Qt::Key_Down:
            emit focusStepRequested(0, 1);
            break;
        default:
            QAbstractButton::keyPressEvent(event);
    }
}

}  // namespace fontedit::window
