#include "window/dot_grid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "window/glyph_drawing.h"

namespace fontedit::window {
namespace {

constexpr int kGridMargin = 6;
// Lines between the dots only where a dot is large enough to leave room beside them.
constexpr int kLeastLinedZoom = 4;
// How near the advance line, in pixels, a press takes the line rather than a dot.
constexpr int kAdvanceGrip = 3;
const QColor kBaselineColour(0x30, 0x60, 0xE0);
const QColor kAdvanceColour(0x20, 0xA0, 0x40);

}  // namespace

DotGrid::DotGrid(Handlers handlers, QWidget* parent)
    : QWidget(parent), handlers_(std::move(handlers)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleName(tr("ドット"));
}

void DotGrid::showGlyph(const state::BitmapGlyph* glyph, const editing::CellBox& cell,
                        bool proportional) {
    glyph_ = glyph;
    proportional_ = proportional;
    if (cell != cell_) {
        cell_ = cell;
        cursor_ = {std::clamp(cursor_.x(), 0, std::max(cell_.width - 1, 0)),
                   std::clamp(cursor_.y(), 0, std::max(cell_.height - 1, 0))};
    }
    update();
}

void DotGrid::glyphChanged() {
    update();
}

int DotGrid::zoom() const {
    const int across = (width() - 2 * kGridMargin) / std::max(cell_.width, 1);
    const int down = (height() - 2 * kGridMargin) / std::max(cell_.height, 1);
    return std::max(1, std::min(across, down));
}

QPoint DotGrid::cellOrigin() const {
    const int z = zoom();
    return {std::max(kGridMargin, (width() - cell_.width * z) / 2),
            std::max(kGridMargin, (height() - cell_.height * z) / 2)};
}

QRect DotGrid::cellDotRect(QPoint cellDot) const {
    const int z = zoom();
    return {cellOrigin() + cellDot * z, QSize(z, z)};
}

std::optional<QPoint> DotGrid::cellDotAt(QPoint pixel) const {
    const int z = zoom();
    const QPoint inCell = pixel - cellOrigin();
    if (inCell.x() < 0 || inCell.y() < 0) return std::nullopt;
    const QPoint dot(inCell.x() / z, inCell.y() / z);
    if (dot.x() >= cell_.width || dot.y() >= cell_.height) return std::nullopt;
    return dot;
}

int DotGrid::advanceX() const {
    return cellOrigin().x() + ((glyph_ ? glyph_->advance : 0) - cell_.left) * zoom();
}

bool DotGrid::nearAdvance(QPoint pixel) const {
    return proportional_ && glyph_ && std::abs(pixel.x() - advanceX()) <= kAdvanceGrip;
}

void DotGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int z = zoom();
    const QPoint origin = cellOrigin();
    const QRect cellRect(origin, QSize(cell_.width, cell_.height) * z);
    for (const QRect& area : event->region()) {
        painter.fillRect(area, palette().color(QPalette::Window));
        painter.fillRect(area & cellRect, palette().color(QPalette::Base));
    }
    if (glyph_) {
        const QPoint boxOrigin(glyph_->left - cell_.left,
                               cell_.bottom + cell_.height - glyph_->bottom - glyph_->height);
        drawGlyph(painter, *glyph_, origin + boxOrigin * z, z);
        if (z >= kLeastLinedZoom) {
            painter.setPen(palette().color(QPalette::Midlight));
            for (int x = 1; x < cell_.width; ++x) {
                painter.drawLine(origin.x() + x * z, cellRect.top(), origin.x() + x * z,
                                 cellRect.bottom());
            }
            for (int y = 1; y < cell_.height; ++y) {
                painter.drawLine(cellRect.left(), origin.y() + y * z, cellRect.right(),
                                 origin.y() + y * z);
            }
        }
        if (glyph_->width > 0 && glyph_->height > 0) {
            painter.setPen(QPen(palette().color(QPalette::Dark), 1, Qt::DashLine));
            painter.drawRect(QRect(origin + boxOrigin * z,
                                   QSize(glyph_->width, glyph_->height) * z - QSize(1, 1)));
        }
        painter.setPen(QPen(kAdvanceColour, 2));
        painter.drawLine(advanceX(), cellRect.top(), advanceX(), cellRect.bottom());
    }
    painter.setPen(QPen(kBaselineColour, 2));
    const int baseline = origin.y() + (cell_.bottom + cell_.height) * z;
    painter.drawLine(cellRect.left(), baseline, cellRect.right(), baseline);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(cellRect.adjusted(-1, -1, 0, 0));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(cellDotRect(cursor_).adjusted(1, 1, -1, -1));
    }
}

void DotGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pixel = event->position().toPoint();
    if (nearAdvance(pixel)) {
        draggingAdvance_ = true;
        return;
    }
    const std::optional<QPoint> dot = cellDotAt(pixel);
    if (!dot) return;
    draggingDots_ = true;
    lastOver_ = dot;
    moveCursor(*dot);
    handlers_.press(dot->x(), dot->y());
}

void DotGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    setCursor(draggingAdvance_ || nearAdvance(pixel) ? Qt::SizeHorCursor : Qt::ArrowCursor);
    if (draggingAdvance_) {
        const int z = zoom();
        const int advance = (pixel.x() - cellOrigin().x() + z / 2) / z + cell_.left;
        if (advance >= 0 && advance != glyph_->advance) handlers_.advance(advance);
        return;
    }
    if (!draggingDots_) return;
    const std::optional<QPoint> dot = cellDotAt(pixel);
    if (!dot || dot == lastOver_) return;
    lastOver_ = dot;
    handlers_.over(dot->x(), dot->y());
}

void DotGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    draggingAdvance_ = false;
    if (!std::exchange(draggingDots_, false)) return;
    lastOver_.reset();
    handlers_.release();
}

void DotGrid::keyPressEvent(QKeyEvent* event) {
    const auto step = [this](int columns, int rows) {
        moveCursor({std::clamp(cursor_.x() + columns, 0, cell_.width - 1),
                    std::clamp(cursor_.y() + rows, 0, cell_.height - 1)});
    };
    switch (event->key()) {
        case Qt::Key_Left:
            step(-1, 0);
            break;
        case Qt::Key_Right:
            step(1, 0);
            break;
        case Qt::Key_Up:
            step(0, -1);
            break;
        case Qt::Key_Down:
            step(0, 1);
            break;
        case Qt::Key_Home:
            moveCursor({0, 0});
            break;
        case Qt::Key_Space:
            handlers_.press(cursor_.x(), cursor_.y());
            handlers_.release();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void DotGrid::contextMenuEvent(QContextMenuEvent* event) {
    handlers_.menu(event->globalPos());
}

void DotGrid::moveCursor(QPoint cellDot) {
    if (cellDot == cursor_) return;
    update(cellDotRect(cursor_));
    cursor_ = cellDot;
    update(cellDotRect(cursor_));
}

void DotGrid::focusInEvent(QFocusEvent* event) {
    update(cellDotRect(cursor_));
    QWidget::focusInEvent(event);
}

void DotGrid::focusOutEvent(QFocusEvent* event) {
    update(cellDotRect(cursor_));
    QWidget::focusOutEvent(event);
}

}  // namespace fontedit::window
