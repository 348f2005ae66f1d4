#include "window/glyph_overview.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "editing/grid_commands.h"
#include "window/glyph_drawing.h"
#include "window/item_cursor.h"
#include "window/overview_accessible.h"

namespace fontedit::window {
namespace {

constexpr int kOverviewColumns = 16;
constexpr int kOverviewRows = (state::kSavedCodes + kOverviewColumns - 1) / kOverviewColumns;
constexpr int kOverviewDot = 3;
// A frame two pixels wide and a pixel of air between it and the glyph.
constexpr int kFrameWidth = 2;
constexpr int kGlyphInset = kFrameWidth + 1;
constexpr int kCellWidth = state::kGlyphColumns * kOverviewDot + 2 * kGlyphInset;
constexpr int kCellHeight = state::kGlyphRows * kOverviewDot + 2 * kGlyphInset;

void drawFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

}  // namespace

GlyphOverview::GlyphOverview(const state::FontTable& font, const state::LabelTable& labels,
                             QWidget* parent)
    : QWidget(parent), font_(font), labels_(labels) {
    setFocusPolicy(Qt::StrongFocus);
    // It paints all of itself; what lies below need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kOverviewColumns * kCellWidth, kOverviewRows * kCellHeight);
    // Before the name, whose notice makes the interface.
    installOverviewAccessible();
    setAccessibleName(tr("一覧"));
}

QRect GlyphOverview::cellRect(int code) {
    return {code % kOverviewColumns * kCellWidth, code / kOverviewColumns * kCellHeight, kCellWidth,
            kCellHeight};
}

std::optional<int> GlyphOverview::codeAt(QPoint point) const {
    if (!rect().contains(point)) return std::nullopt;
    const int code = point.y() / kCellHeight * kOverviewColumns + point.x() / kCellWidth;
    if (code >= state::kSavedCodes) return std::nullopt;
    return code;
}

void GlyphOverview::glyphChanged(int code) {
    if (code < state::kSavedCodes) update(cellRect(code));
}

void GlyphOverview::setCurrent(std::optional<int> code) {
    if (code && *code >= state::kSavedCodes) code.reset();
    if (code == current_) return;
    if (current_) update(cellRect(*current_));
    current_ = code;
    if (current_) {
        update(cellRect(*current_));
        moveCursor(*current_);
    }
}

void GlyphOverview::moveCursor(int code) {
    if (hasFocus()) {
        update(cellRect(cursor_));
        update(cellRect(code));
    }
    cursor_ = code;
    announceCursor(*this, code);
}

QString GlyphOverview::cellText(int code) const {
    const std::string& label = labels_.label(code);
    if (label.empty()) return QString::number(code);
    return QStringLiteral("%1 %2").arg(code).arg(QString::fromStdString(label));
}

bool GlyphOverview::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showItemTip(*this, *this, help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void GlyphOverview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.fillRect(area, palette().color(QPalette::Base));
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const QRect cell = cellRect(code);
        if (!event->region().intersects(cell)) continue;
        drawGlyph(painter, editing::storedGlyph(font_, code),
                  cell.topLeft() + QPoint(kGlyphInset, kGlyphInset), kOverviewDot);
        if (code == current_)
            drawFrame(painter, cell, kFrameWidth, palette().color(QPalette::Highlight));
        if (code == cursor_ && hasFocus()) {
            drawFrame(painter, cell.adjusted(1, 1, -1, -1), 1, palette().color(QPalette::Text));
        }
    }
}

void GlyphOverview::mousePressEvent(QMouseEvent* event) {
    const std::optional<int> code = codeAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !code) return;
    moveCursor(*code);
    emit glyphChosen(*code);
}

void GlyphOverview::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<int> step = cursorStep(event->key(), kOverviewColumns, 0)) {
        moveCursor(std::clamp(cursor_ + *step, 0, state::kSavedCodes - 1));
    } else if (choosesItem(event->key())) {
        emit glyphChosen(cursor_);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void GlyphOverview::focusInEvent(QFocusEvent* event) {
    update(cellRect(cursor_));
    QWidget::focusInEvent(event);
}

void GlyphOverview::focusOutEvent(QFocusEvent* event) {
    update(cellRect(cursor_));
    QWidget::focusOutEvent(event);
}

}  // namespace fontedit::window
