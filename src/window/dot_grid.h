#pragma once

// The editing surface of a font of any cell: one widget painting every dot of the glyph in the
// font's cell at the largest whole zoom that fits, with the baseline, the advance and the
// glyph's own box drawn over it. Mouse and keys become dot actions for the window to forward;
// the grid changes nothing itself.
#include <QWidget>
#include <functional>

#include <optional>

#include "editing/glyph_cell.h"
#include "state/bitmap_font.h"

namespace fontedit::window {

class DotGrid : public QWidget {
    Q_OBJECT

public:
    // Dots are given on the cell, x from its left column, y from its top row.
    struct Handlers {
        std::function<void(int x, int y)> press;  // a left press, or Space at the cursor
        std::function<void(int x, int y)> over;   // moved onto with the button held
        std::function<void()> release;
        std::function<void(int advance)> advance;  // the right edge dragged
        std::function<void(const QPoint& globalPosition)> menu;
    };

    explicit DotGrid(Handlers handlers, QWidget* parent = nullptr);

    // Shows `glyph` in `cell`, or the empty cell; the advance may be dragged when `proportional`.
    void showGlyph(const state::BitmapGlyph* glyph, const editing::CellBox& cell,
                   bool proportional);
    // Repaints the glyph shown, whose dots, box or advance changed.
    void glyphChanged();

    int zoom() const;
    // Where dot (x, y) of the cell is drawn, in pixels.
    QRect cellDotRect(QPoint cellDot) const;
    // The dot cursor, in the cell: column from the left, row from the top.
    QPoint cursor() const { return cursor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPoint cellOrigin() const;  // the pixel of the cell's top left corner
    std::optional<QPoint> cellDotAt(QPoint pixel) const;
    int advanceX() const;  // the pixel column of the advance line
    bool nearAdvance(QPoint pixel) const;
    void moveCursor(QPoint cellDot);

    Handlers handlers_;
    const state::BitmapGlyph* glyph_ = nullptr;
    editing::CellBox cell_;
    bool proportional_ = false;
    QPoint cursor_;
    std::optional<QPoint> lastOver_;
    bool draggingDots_ = false;
    bool draggingAdvance_ = false;
};

}  // namespace fontedit::window
