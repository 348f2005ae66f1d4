#pragma once

// A line of text drawn in the font as `fontedit-cli render` draws it, a glyph 5 dots wide with
// a blank column after it; a character that no glyph stands for shows as an empty frame. What
// does not fit the width is cut off.
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "formats/text_glyphs.h"
#include "state/tables.h"

namespace fontedit::window {

class TextPreview : public QWidget {
    Q_OBJECT

public:
    TextPreview(const state::FontTable& font, const state::LabelTable& labels,
                QWidget* parent = nullptr);

    void setText(const QString& text);
    // Repaints when the text shows this glyph.
    void glyphChanged(int code);
    // A label names a glyph; the characters are matched again once the change has landed.
    void labelChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the glyph of the text's character `index` is drawn.
    static QRect glyphRect(std::size_t index);
    std::vector<formats::TextGlyph> matchedGlyphs();
    void matchAgain();

    const state::FontTable& font_;
    const state::LabelTable& labels_;
    std::string text_;
    std::vector<formats::TextGlyph> glyphs_;
    // Built again on the first match after a label changed.
    std::optional<formats::GlyphLookup> lookup_;
    bool matchPending_ = false;
};

}  // namespace fontedit::window
