#pragma once

// All 96 glyphs, 16 to a row, drawn from the glyph table at each paint; the current code is
// framed. A click, or Return on the glyph the arrow keys moved to, asks for a glyph.
#include <QWidget>
#include <optional>

#include "state/tables.h"
#include "window/overview_accessible.h"

namespace fontedit::window {

class GlyphOverview : public QWidget, public AccessibleItems {
    Q_OBJECT

public:
    GlyphOverview(const state::FontTable& font, const state::LabelTable& labels,
                  QWidget* parent = nullptr);

    // Repaints the cell of a glyph whose dots changed.
    void glyphChanged(int code);
    // The code to frame; nothing where the code field names no glyph of the overview.
    void setCurrent(std::optional<int> code);
    // The code whose cell holds `point`, if any.
    std::optional<int> codeAt(QPoint point) const;
    static QRect cellRect(int code);
    // "33 A": what a cell reads as to a screen reader and in its tooltip.
    QString cellText(int code) const;

    int itemCount() const override { return state::kSavedCodes; }
    QString itemName(int index) const override { return cellText(index); }
    QRect itemArea(int index) const override { return cellRect(index); }
    std::optional<int> itemUnder(QPoint point) const override { return codeAt(point); }
    std::optional<int> selectedItem() const override { return current_; }
    int cursorItem() const override { return cursor_; }

signals:
    void glyphChosen(int code);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void moveCursor(int code);

    const state::FontTable& font_;
    const state::LabelTable& labels_;
    std::optional<int> current_;
    int cursor_ = 0;
};

}  // namespace fontedit::window
