#pragma once

// Every glyph of a font of any size, in the order of their characters, row after row: only the
// rows in view are painted, so that 65,536 glyphs scroll as 96 do. The current glyph is framed;
// a click, or Return on the glyph the arrow keys moved to, asks for a glyph. A list of
// characters narrows it to theirs.
#include <QAbstractScrollArea>
#include <optional>
#include <vector>

#include "editing/glyph_cell.h"
#include "state/bitmap_font.h"
#include "window/overview_accessible.h"

namespace fontedit::window {

class GlyphList : public QAbstractScrollArea, public AccessibleItems {
    Q_OBJECT

public:
    GlyphList(const state::BitmapFont& font, const editing::CellBox& cell,
              QWidget* parent = nullptr);

    // The cell every glyph is drawn in; the font's glyphs may have been added or removed.
    void fontChanged(const editing::CellBox& cell);
    // Repaints the glyph of `character` where it is in view.
    void glyphChanged(char32_t character);
    // Frames the glyph of `character` and scrolls it into view.
    void setCurrent(char32_t character);
    // Only these characters' glyphs, sorted; nothing for every glyph.
    void setFilter(std::optional<std::vector<char32_t>> characters);

    int count() const;
    // "U+3042 あ uni3042": what the item reads as to a screen reader and in its tooltip.
    QString itemText(int index) const;

    int itemCount() const override { return count(); }
    QString itemName(int index) const override { return itemText(index); }
    QRect itemArea(int index) const override;
    std::optional<int> itemUnder(QPoint point) const override;
    std::optional<int> selectedItem() const override { return indexOf(current_); }
    int cursorItem() const override { return cursor_; }

signals:
    void glyphChosen(char32_t character);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    const state::BitmapGlyph* glyphAt(int index) const;
    std::optional<int> indexOf(char32_t character) const;
    std::optional<int> indexAt(QPoint viewportPoint) const;
    QRect itemRect(int index) const;  // in the viewport, scrolled
    int columns() const;
    QSize itemSize() const;
    int dotSize() const;
    void layOutScrollBar();
    void scrollTo(int index);
    void moveCursor(int index);

    const state::BitmapFont& font_;
    editing::CellBox cell_;
    std::optional<std::vector<char32_t>> filter_;  // those of the font's glyphs
    std::optional<std::vector<char32_t>> asked_;   // as set, with the font's missing ones
    char32_t current_ = 0;
    int cursor_ = 0;
};

}  // namespace fontedit::window
