#pragma once

// A line of text drawn in a font of any cell, in one of the display looks, as the pictures'
// canvas draws it; a character the font has no glyph for as an empty frame. Drawn again when
// the font or a glyph of the text changes.
#include <QWidget>
#include <optional>
#include <string>

#include "pictures/text_canvas.h"
#include "state/bitmap_font.h"

namespace fontedit::window {

class BitmapPreview : public QWidget {
    Q_OBJECT

public:
    explicit BitmapPreview(const state::BitmapFont& font, QWidget* parent = nullptr);

    void setText(const QString& text);
    void setLook(const pictures::DisplayLook& look);
    // Draws the line again when it shows one of these characters, or always for none.
    void fontChanged(std::optional<std::u32string_view> characters = std::nullopt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw();

    const state::BitmapFont& font_;
    std::u32string text_;
    pictures::DisplayLook look_;
    std::optional<pictures::BitmapLine> line_;
};

}  // namespace fontedit::window
