#include "window/text_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "editing/grid_commands.h"

namespace fontedit::window {
namespace {

constexpr int kPreviewDot = 3;
// Around a line of text; an LCD has its own margin of dots.
constexpr int kPreviewMargin = 4;

QColor colourOf(pictures::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

TextPreview::TextPreview(const state::FontTable& font, const state::LabelTable& labels,
                         QWidget* parent)
    : QWidget(parent), font_(font), labels_(labels), look_(pictures::paperLook()) {
    // It paints all of itself; what lies below need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("見本"));
    layOut();
}

pictures::GlyphOf TextPreview::glyphOf() const {
    return [this](int code) { return editing::storedGlyph(font_, code); };
}

TextPreview::Places TextPreview::placesNow() {
    if (!lookup_) {
        lookup_.emplace([this](int code) -> std::string_view { return labels_.label(code); });
    }
    Places places;
    if (layout_) {
        places.panel = pictures::panelText(text_, *layout_, *lookup_);
        places.codes = places.panel.cells;
        for (std::size_t i = 0; i < places.codes.size(); ++i)
            places.dots.push_back(pictures::panelCellDot(*layout_, i));
        return places;
    }
    for (const pictures::TextGlyph& glyph : pictures::textGlyphs(text_, *lookup_)) {
        places.dots.push_back(pictures::lineGlyphDot(places.codes.size()));
        places.codes.push_back(glyph.code);
    }
    return places;
}

void TextPreview::setText(const QString& text) {
    text_ = text.toStdString();
    layOut();
}

void TextPreview::setLook(const pictures::DisplayLook& look) {
    look_ = look;
    layOut();
}

void TextPreview::setLayout(std::optional<pictures::PanelSize> layout) {
    layout_ = layout;
    layOut();
}

void TextPreview::setLeastWidth(int width) {
    leastWidth_ = width;
    layOut();
}

void TextPreview::layOut() {
    Places places = placesNow();
    codes_ = std::move(places.codes);
    dots_ = std::move(places.dots);
    panel_ = std::move(places.panel);
    missing_.clear();
    changed_.clear();
    if (layout_) {
        canvas_.emplace(pictures::panelCanvas(panel_, *layout_, kPreviewDot, look_, glyphOf()));
        setFixedSize(canvas_->width(), canvas_->height());
    } else {
        for (std::size_t i = 0; i < codes_.size(); ++i) {
            if (!codes_[i]) missing_.push_back(i);
        }
        canvas_.emplace(pictures::lineCanvas(codes_, kPreviewDot, look_, glyphOf()));
        setFixedSize(std::max(leastWidth_, canvas_->width() + 2 * kPreviewMargin),
                     canvas_->height() + 2 * kPreviewMargin);
    }
    update();
    emit laidOut();
}

// Only the cells of the glyph are drawn again, on the canvas and on the screen; on the canvas
// as they are painted, when the change has landed in the table.
void TextPreview::glyphChanged(int code) {
    bool shown = false;
    for (std::size_t i = 0; i < codes_.size(); ++i) {
        if (codes_[i] != code) continue;
        shown = true;
        update(placeRect(i));
    }
    if (shown && std::ranges::find(changed_, code) == changed_.end()) changed_.push_back(code);
}

void TextPreview::drawChangedGlyphs() {
    for (const int code : changed_) {
        const state::GlyphBytes glyph = editing::storedGlyph(font_, code);
        for (std::size_t i = 0; i < codes_.size(); ++i) {
            if (codes_[i] == code) canvas_->drawGlyph(glyph, dots_[i].left, dots_[i].top);
        }
    }
    changed_.clear();
}

QPoint TextPreview::origin() const {
    return layout_ ? QPoint(0, 0) : QPoint(kPreviewMargin, kPreviewMargin);
}

QRect TextPreview::placeRect(std::size_t index) const {
    return {origin() + QPoint(dots_[index].left, dots_[index].top) * kPreviewDot,
            QSize(state::kGlyphColumns, state::kGlyphRows) * kPreviewDot};
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
    if (placesNow().codes != codes_) layOut();
}

void TextPreview::paintEvent(QPaintEvent* event) {
    drawChangedGlyphs();
    QPainter painter(this);
    const QRect picture(origin(), QSize(canvas_->width(), canvas_->height()));
    const QColor ground = colourOf(look_.ground);
    for (const QRect& area : event->region()) {
        const QRect shown = area & picture;
        for (const QRect& around : QRegion(area).subtracted(shown))
            painter.fillRect(around, ground);
        if (shown.isEmpty()) continue;
        const QImage image(canvas_->pixels().data(), canvas_->width(), canvas_->height(),
                           canvas_->width() * 3, QImage::Format_RGB888);
        painter.drawImage(shown, image, shown.translated(-picture.topLeft()));
    }
    painter.setPen(palette().color(QPalette::Mid));
    for (const std::size_t i : missing_) {
        const QRect place = placeRect(i);
        if (event->region().intersects(place)) painter.drawRect(place.adjusted(0, 0, -1, -1));
    }
}

}  // namespace fontedit::window
