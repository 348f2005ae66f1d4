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

// The caption with a line break at the last change of script whose first line fits `width`;
// unchanged when it fits on one line or has no such place. A caption of one script is not
// measured: each measure lays the text out, and the painting lays it out again.
QString brokenAtScriptChange(const QString& caption, const QFontMetrics& metrics, int width) {
    const auto scriptChangesAt = [&caption](qsizetype at) {
        return scriptOf(caption[at - 1]) != scriptOf(caption[at]);
    };
    qsizetype lastChange = caption.size() - 1;
    while (lastChange > 0 && !scriptChangesAt(lastChange)) --lastChange;
    if (lastChange <= 0 || metrics.horizontalAdvance(caption) <= width) return caption;
    for (qsizetype at = lastChange; at > 0; --at) {
        if (!scriptChangesAt(at)) continue;
        if (metrics.horizontalAdvance(caption.left(at)) <= width &&
            metrics.horizontalAdvance(caption.mid(at)) <= width) {
            return caption.left(at) + u'\n' + caption.mid(at);
        }
    }
    return caption;
}

}  // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         brokenAtScriptChange(text(), fontMetrics(), contents.width()),
                         QPalette::ButtonText);
}

}  // namespace fontedit::window
