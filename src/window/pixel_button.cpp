#include "window/pixel_button.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace fontedit::window {
namespace {

// The faces' colours. Lit is the design's &H0008FF&, which the window system reads with red in
// the low byte: red 255, green 8, blue 0, #FF0800. Unlit is the design's &H8000000F&, the system
// colour of button faces, which is the palette's Button.
constexpr QRgb kLitFace = qRgb(255, 8, 0);
constexpr QPalette::ColorRole kUnlitFace = QPalette::Button;

// The ring runs inside the bevel and leaves the middle of the face alone, so the face keeps
// exactly its colour where the eye (and a test) looks, lit or unlit.
constexpr int kFocusInset = 3;
constexpr int kFocusWidth = 2;

// To a screen reader a pixel is a check box, checked while lit, as a plain button would not
// tell lit from unlit. Toggling it clicks the button, which leaves the change to the editor.
class PixelAccessible : public QAccessibleWidget {
public:
    explicit PixelAccessible(PixelButton* pixel)
        : QAccessibleWidget(pixel, QAccessible::CheckBox) {}

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

PixelButton::PixelButton(QWidget* parent) : QAbstractButton(parent) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(accessibleOf), true);
    setFocusPolicy(Qt::StrongFocus);
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
    return lit_ ? QColor(kLitFace) : palette().color(kUnlitFace);
}

void PixelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face(faceColour());
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
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
