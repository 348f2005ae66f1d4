#include "window/text_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "editing/grid_commands.h"
#include "formats/font_bytes.h"
#include "window/look.h"

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
    setAccessibleName(tr("見本"));
}

std::vector<formats::TextGlyph> TextPreview::matchedGlyphs() const {
    return formats::textGlyphs(
        text_, [this](int code) -> std::string_view { return labels_.label(code); });
}

void TextPreview::setText(const QString& text) {
    text_ = text.toStdString();
    glyphs_ = matchedGlyphs();
    update();
}

void TextPreview::glyphChanged(int code) {
    if (std::ranges::find(glyphs_, code, &formats::TextGlyph::code) != glyphs_.end()) update();
}

// The tables tell of a label before it is written, and a Read writes 96 of them: one match
// after the last.
void TextPreview::labelChanged() {
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

void TextPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor lit(kLitColour);
    const int pitch = formats::kCharacterPitch * kPreviewDot;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const int left = kPreviewMargin + static_cast<int>(i) * pitch;
        if (left >= width()) break;
        if (!glyphs_[i].code) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(left, kPreviewMargin, state::kGlyphColumns * kPreviewDot - 1,
                             state::kGlyphRows * kPreviewDot - 1);
            continue;
        }
        const editing::GlyphBytes glyph = editing::storedGlyph(font_, *glyphs_[i].code);
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            for (int row = 0; row < state::kGlyphRows; ++row) {
                if (formats::dotLit(glyph[column], row)) {
                    painter.fillRect(left + column * kPreviewDot,
                                     kPreviewMargin + row * kPreviewDot, kPreviewDot, kPreviewDot,
                                     lit);
                }
            }
        }
    }
}

}  // namespace fontedit::window
