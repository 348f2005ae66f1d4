#include "window/text_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "editing/grid_commands.h"
#include "window/glyph_drawing.h"

namespace fontedit::window {
namespace {

constexpr int kPreviewDot = 3;
constexpr int kPreviewMargin = 4;

bool sameGlyphs(const std::vector<formats::TextGlyph>& a,
                const std::vector<formats::TextGlyph>& b) {
    return std::ranges::equal(a, b, {}, &formats::TextGlyph::code, &formats::TextGlyph::code);
}

}  // namespace

TextPreview::TextPreview(const state::FontTable& font, const state::LabelTable& labels,
                         QWidget* parent)
    : QWidget(parent), font_(font), labels_(labels) {
    setFixedHeight(state::kGlyphRows * kPreviewDot + 2 * kPreviewMargin);
    // It paints all of itself; what lies below need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("見本"));
}

std::vector<formats::TextGlyph> TextPreview::matchedGlyphs() {
    if (!lookup_) {
        lookup_.emplace([this](int code) -> std::string_view { return labels_.label(code); });
    }
    return formats::textGlyphs(text_, *lookup_);
}

void TextPreview::setText(const QString& text) {
    text_ = text.toStdString();
    glyphs_ = matchedGlyphs();
    update();
}

void TextPreview::glyphChanged(int code) {
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        if (glyphs_[i].code == code) update(glyphRect(i));
    }
}

QRect TextPreview::glyphRect(std::size_t index) {
    return {kPreviewMargin + static_cast<int>(index) * formats::kCharacterPitch * kPreviewDot,
            kPreviewMargin, state::kGlyphColumns * kPreviewDot, state::kGlyphRows * kPreviewDot};
}

// The tables tell of a label before it is written, and a Read writes 96 of them: one match
// after the last.
void TextPreview::labelChanged() {
    lookup_.reset();
    if (matchPending_ || text_.empty()) return;
    matchPending_ = true;
    QTimer::singleShot(0, this, &TextPreview::matchAgain);
}

void TextPreview::matchAgain() {
    matchPending_ = false;
    std::vector<formats::TextGlyph> glyphs = matchedGlyphs();
    if (sameGlyphs(glyphs, glyphs_)) return;
    glyphs_ = std::move(glyphs);
    update();
}

void TextPreview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.fillRect(area, palette().color(QPalette::Base));
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const QRect place = glyphRect(i);
        if (place.left() >= width()) break;
        if (!event->region().intersects(place)) continue;
        if (!glyphs_[i].code) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(place.adjusted(0, 0, -1, -1));
            continue;
        }
        drawGlyph(painter, editing::storedGlyph(font_, *glyphs_[i].code), place.topLeft(),
                  kPreviewDot);
    }
}

}  // namespace fontedit::window
