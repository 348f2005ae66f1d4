#include "window/bitmap_preview.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace fontedit::window {
namespace {

constexpr int kBitmapPreviewDot = 2;
constexpr int kBitmapPreviewMargin = 4;

}  // namespace

BitmapPreview::BitmapPreview(const state::BitmapFont& font, QWidget* parent)
    : QWidget(parent), font_(font), look_(pictures::paperLook()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("見本"));
    draw();
}

void BitmapPreview::setText(const QString& text) {
    text_ = text.toStdU32String();
    draw();
}

void BitmapPreview::setLook(const pictures::DisplayLook& look) {
    look_ = look;
    draw();
}

void BitmapPreview::fontChanged(std::optional<std::u32string_view> characters) {
    if (characters && std::ranges::none_of(*characters, [this](char32_t character) {
            return text_.find(character) != std::u32string::npos;
        })) {
        return;
    }
    draw();
}

void BitmapPreview::draw() {
    line_.emplace(pictures::bitmapLineCanvas(font_, text_, kBitmapPreviewDot, look_));
    setFixedSize(line_->canvas.width() + 2 * kBitmapPreviewMargin,
                 line_->canvas.height() + 2 * kBitmapPreviewMargin);
    update();
}

void BitmapPreview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const pictures::DotCanvas& canvas = line_->canvas;
    painter.fillRect(event->rect(),
                     QColor(look_.ground.red, look_.ground.green, look_.ground.blue));
    const QImage image(canvas.pixels().data(), canvas.width(), canvas.height(), canvas.width() * 3,
                       QImage::Format_RGB888);
    painter.drawImage(QPoint(kBitmapPreviewMargin, kBitmapPreviewMargin), image);
    painter.setPen(palette().color(QPalette::Mid));
    for (const pictures::DotSpan& missing : line_->missing) {
        painter.drawRect(
            kBitmapPreviewMargin + missing.first * kBitmapPreviewDot, kBitmapPreviewMargin,
            (missing.last - missing.first) * kBitmapPreviewDot - 1, canvas.height() - 1);
    }
}

}  // namespace fontedit::window
