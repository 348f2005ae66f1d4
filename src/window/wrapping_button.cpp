#include "window/wrapping_button.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace fontedit::window {
namespace {

// The kind of script a character belongs to. Japanese has no spaces between words, and Qt
// breaks it between any two characters; a change of script ("ヘッダ" to "生成") is where a
// word ends, so a caption breaks there when it can.
int scriptOf(QChar ch) {
    const char16_t code = ch.unicode();
    if (code >= 0x3040 && code <= 0x309F) return 1;  // hiragana
    if (code >= 0x30A0 && code <= 0x30FF) return 2;  // katakana
    if (code >= 0x4E00 && code <= 0x9FFF) return 3;  // kanji
    return 0;
}

bool scriptChangesAt(const QString& caption, qsizetype at) {
    return scriptOf(caption[at - 1]) != scriptOf(caption[at]);
}

bool hasScriptChange(const QString& caption) {
    for (qsizetype at = 1; at < caption.size(); ++at) {
        if (scriptChangesAt(caption, at)) return true;
    }
    return false;
}

}  // namespace

// A caption of one script is not measured: each measure lays the text out, and the painting
// lays it out again.
QString wrappedCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    qsizetype lastChange = caption.size() - 1;
    while (lastChange > 0 && !scriptChangesAt(caption, lastChange)) --lastChange;
    if (lastChange <= 0 || metrics.horizontalAdvance(caption) <= width) return caption;
    for (qsizetype at = lastChange; at > 0; --at) {
        if (!scriptChangesAt(caption, at)) continue;
        if (metrics.horizontalAdvance(caption.left(at)) <= width &&
            metrics.horizontalAdvance(caption.mid(at)) <= width) {
            return caption.left(at) + u'\n' + caption.mid(at);
        }
    }
    return caption;
}

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

int WrappingButton::contentsWidth() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
}

void WrappingButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    setFont(QFont());
    if (hasScriptChange(text()) || fontMetrics().horizontalAdvance(text()) <= contentsWidth()) {
        return;
    }
    QFont smaller = font();
    smaller.setPixelSize(smaller.pixelSize() - 1);
    if (smaller.pixelSize() > 0 &&
        QFontMetrics(smaller).horizontalAdvance(text()) <= contentsWidth()) {
        setFont(smaller);
    }
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         wrappedCaption(text(), fontMetrics(), contents.width()),
                         QPalette::ButtonText);
}

}  // namespace fontedit::window
