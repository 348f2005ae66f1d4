#pragma once

// A line of text drawn in the font as `fontedit-cli render` draws it, in one of its display
// looks: a glyph 5 dots wide with a blank column after it, a character that no glyph stands for
// as an empty frame; or laid out on a character LCD's cells as render --layout lays it out. The
// picture is the formats' own canvas; a changed glyph is drawn again in its cells alone.
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "pictures/text_canvas.h"
#include "pictures/text_glyphs.h"
#include "state/tables.h"

namespace fontedit::window {

class TextPreview : public QWidget {
    Q_OBJECT

public:
    TextPreview(const state::FontTable& font, const state::LabelTable& labels,
                QWidget* parent = nullptr);

    void setText(const QString& text);
    void setLook(const pictures::DisplayLook& look);
    // A character LCD of that size, or nothing for a line of text.
    void setLayout(std::optional<pictures::PanelSize> layout);
    // A line of text spans at least this width, in its look's ground.
    void setLeastWidth(int width);
    // Repaints when the text shows this glyph.
    void glyphChanged(int code);
    // A label names a glyph; the characters are matched again once the change has landed.
    void labelChanged();

    std::optional<pictures::PanelSize> layout() const { return layout_; }
    // How the text lies on the LCD's cells, when there is one.
    const pictures::PanelText& panelText() const { return panel_; }

signals:
    // The picture was made again: its size, or what the LCD cannot show, may have changed.
    void laidOut();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The glyph of each place, a character's or an LCD cell's, and where its top left dot is.
    struct Places {
        std::vector<std::optional<int>> codes;
        std::vector<pictures::DotPosition> dots;
        pictures::PanelText panel;
    };

    Places placesNow();
    void layOut();
    void matchAgain();
    void drawChangedGlyphs();
    QRect placeRect(std::size_t index) const;
    QPoint origin() const;
    pictures::GlyphOf glyphOf() const;

    const state::FontTable& font_;
    const state::LabelTable& labels_;
    std::string text_;
    pictures::DisplayLook look_;
    std::optional<pictures::PanelSize> layout_;
    int leastWidth_ = 0;
    // Built again on the first match after a label changed.
    std::optional<pictures::GlyphLookup> lookup_;
    bool matchPending_ = false;
    std::vector<std::optional<int>> codes_;
    std::vector<pictures::DotPosition> dots_;
    std::vector<std::size_t> missing_;  // places of a line whose character has no glyph
    pictures::PanelText panel_;
    std::optional<pictures::DotCanvas> canvas_;
    std::vector<int> changed_;  // glyphs to draw on the canvas again before it is painted
};

}  // namespace fontedit::window
