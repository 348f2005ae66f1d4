#include "window/glyph_list.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "formats/common/bitmap_cell.h"
#include "state/utf8.h"
#include "window/glyph_drawing.h"
#include "window/item_cursor.h"

namespace fontedit::window {
namespace {

// A glyph of any size drawn about this many pixels across, at a whole number of pixels a dot.
constexpr int kListItemPixels = 32;
constexpr int kListItemPadding = 3;
constexpr int kListFrameWidth = 2;

}  // namespace

GlyphList::GlyphList(const state::BitmapFont& font, const editing::CellBox& cell, QWidget* parent)
    : QAbstractScrollArea(parent), font_(font), cell_(cell) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Before the name, whose notice makes the interface.
    installOverviewAccessible();
    setAccessibleName(tr("一覧"));
    layOutScrollBar();
}

QRect GlyphList::itemArea(int index) const {
    return itemRect(index).translated(viewport()->pos());
}

std::optional<int> GlyphList::itemUnder(QPoint point) const {
    return indexAt(point - viewport()->pos());
}

int GlyphList::count() const {
    return filter_ ? static_cast<int>(filter_->size()) : static_cast<int>(font_.glyphs.size());
}

const state::BitmapGlyph* GlyphList::glyphAt(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    if (filter_) return font_.find((*filter_)[static_cast<std::size_t>(index)]);
    return &font_.glyphs[static_cast<std::size_t>(index)];
}

std::optional<int> GlyphList::indexOf(char32_t character) const {
    if (filter_) {
        const auto it = std::ranges::lower_bound(*filter_, character);
        if (it == filter_->end() || *it != character) return std::nullopt;
        return static_cast<int>(it - filter_->begin());
    }
    const state::BitmapGlyph* glyph = font_.find(character);
    if (!glyph) return std::nullopt;
    return static_cast<int>(glyph - font_.glyphs.data());
}

int GlyphList::dotSize() const {
    return std::max(1, kListItemPixels / std::max({cell_.width, cell_.height, 1}));
}

QSize GlyphList::itemSize() const {
    const int dot = dotSize();
    return {std::max(cell_.width * dot, fontMetrics().horizontalAdvance(QStringLiteral("0000"))) +
                2 * kListItemPadding,
            cell_.height * dot + fontMetrics().height() + 3 * kListItemPadding};
}

int GlyphList::columns() const {
    return std::max(1, viewport()->width() / itemSize().width());
}

QRect GlyphList::itemRect(int index) const {
    const QSize size = itemSize();
    return {index % columns() * size.width(),
            index / columns() * size.height() - verticalScrollBar()->value(), size.width(),
            size.height()};
}

std::optional<int> GlyphList::indexAt(QPoint viewportPoint) const {
    const QSize size = itemSize();
    const int column = viewportPoint.x() / size.width();
    if (viewportPoint.x() < 0 || column >= columns()) return std::nullopt;
    const int row = (viewportPoint.y() + verticalScrollBar()->value()) / size.height();
    const int index = row * columns() + column;
    if (viewportPoint.y() < 0 || index >= count()) return std::nullopt;
    return index;
}

void GlyphList::layOutScrollBar() {
    const int rows = (count() + columns() - 1) / columns();
    const int height = itemSize().height();
    verticalScrollBar()->setRange(0, std::max(0, rows * height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(height);
}

void GlyphList::fontChanged(const editing::CellBox& cell) {
    cell_ = cell;
    setFilter(std::move(asked_));
}

void GlyphList::setFilter(std::optional<std::vector<char32_t>> characters) {
    asked_ = std::move(characters);
    filter_.reset();
    if (asked_) {
        filter_.emplace();
        for (const char32_t character : *asked_) {
            if (font_.find(character)) filter_->push_back(character);
        }
    }
    cursor_ = std::min(cursor_, std::max(count() - 1, 0));
    layOutScrollBar();
    viewport()->update();
}

void GlyphList::glyphChanged(char32_t character) {
    if (const std::optional<int> index = indexOf(character)) viewport()->update(itemRect(*index));
}

void GlyphList::setCurrent(char32_t character) {
    if (const std::optional<int> old = indexOf(current_)) viewport()->update(itemRect(*old));
    current_ = character;
    if (const std::optional<int> index = indexOf(character)) {
        moveCursor(*index);
        viewport()->update(itemRect(*index));
    }
}

void GlyphList::scrollTo(int index) {
    const QRect item = itemRect(index);
    QScrollBar* bar = verticalScrollBar();
    if (item.top() < 0) {
        bar->setValue(bar->value() + item.top());
    } else if (item.bottom() >= viewport()->height()) {
        bar->setValue(bar->value() + item.bottom() + 1 - viewport()->height());
    }
}

void GlyphList::moveCursor(int index) {
    viewport()->update(itemRect(cursor_));
    cursor_ = index;
    scrollTo(index);
    viewport()->update(itemRect(cursor_));
    announceCursor(*this, index);
}

QString GlyphList::itemText(int index) const {
    const state::BitmapGlyph* glyph = glyphAt(index);
    if (!glyph) return {};
    const QString character = QString::fromStdString(state::utf8Bytes(glyph->character));
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromStdString(formats::codePointText(glyph->character)),
             character.trimmed().isEmpty() || !character.at(0).isPrint() ? QString() : character,
             QString::fromStdString(glyph->name))
        .simplified();
}

void GlyphList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    const QSize size = itemSize();
    const int dot = dotSize();
    const int first = verticalScrollBar()->value() / size.height() * columns();
    const int last = std::min(
        count(), (verticalScrollBar()->value() + viewport()->height()) / size.height() * columns() +
                     columns());
    painter.setPen(palette().color(QPalette::Text));
    for (int index = first; index < last; ++index) {
        const QRect item = itemRect(index);
        if (!event->rect().intersects(item)) continue;
        const state::BitmapGlyph& glyph = *glyphAt(index);
        const QPoint cellTopLeft(item.left() + (item.width() - cell_.width * dot) / 2,
                                 item.top() + kListItemPadding);
        drawGlyph(painter, glyph,
                  cellTopLeft + QPoint(glyph.left - cell_.left,
                                       cell_.bottom + cell_.height - glyph.bottom - glyph.height) *
                                    dot,
                  dot);
        const QRect caption(item.left(), cellTopLeft.y() + cell_.height * dot + kListItemPadding,
                            item.width(), fontMetrics().height());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(caption, Qt::AlignCenter,
                         QString::number(static_cast<unsigned>(glyph.character), 16).toUpper());
        if (glyph.character == current_) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), kListFrameWidth));
            painter.drawRect(item.adjusted(1, 1, -1, -1));
        }
        if (index == cursor_ && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.drawRect(item.adjusted(3, 3, -4, -4));
        }
    }
}

void GlyphList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layOutScrollBar();
}

void GlyphList::mousePressEvent(QMouseEvent* event) {
    const std::optional<int> index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index) return;
    moveCursor(*index);
    emit glyphChosen(glyphAt(*index)->character);
}

void GlyphList::keyPressEvent(QKeyEvent* event) {
    const int page = std::max(1, viewport()->height() / itemSize().height()) * columns();
    if (const std::optional<int> step = cursorStep(event->key(), columns(), page)) {
        if (count() > 0) moveCursor(std::clamp(cursor_ + *step, 0, count() - 1));
    } else if (choosesItem(event->key())) {
        if (const state::BitmapGlyph* glyph = glyphAt(cursor_)) emit glyphChosen(glyph->character);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool GlyphList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showItemTip(*this, *this, viewport()->pos() + help->pos(), help->globalPos());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace fontedit::window
