#include "window/caption_font.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <memory>

#include "window/library_function.h"

namespace fontedit::window {
namespace {

// 9 points at 96 dots per inch; sizes in pixels keep the text in step with the layout, which is
// in pixels too, whatever dpi the screen reports.
constexpr int kDesignPixelSize = 12;
constexpr int kSmallestPixelSize = 6;
// QLineEdit keeps this much room inside its contents on each side; Qt fixes it, no style does.
constexpr int kFieldMarginX = 2, kFieldMarginY = 1;

constexpr const char* kFontconfig = "libfontconfig.so.1";
using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

// The family the desktop shows Japanese sans-serif text in. Asked for the language, so that
// kana, kanji and Latin letters all come from one font and no fallback is searched for.
// Fontconfig is Qt's own, already loaded by the time this asks it.
QString japaneseSansSerif() {
    const auto parse = libraryFunction<decltype(FcNameParse)>(kFontconfig, "FcNameParse");
    const auto substitute =
        libraryFunction<decltype(FcConfigSubstitute)>(kFontconfig, "FcConfigSubstitute");
    const auto substituteDefaults =
        libraryFunction<decltype(FcDefaultSubstitute)>(kFontconfig, "FcDefaultSubstitute");
    const auto match = libraryFunction<decltype(FcFontMatch)>(kFontconfig, "FcFontMatch");
    const auto getString =
        libraryFunction<decltype(FcPatternGetString)>(kFontconfig, "FcPatternGetString");
    const auto destroy =
        libraryFunction<decltype(FcPatternDestroy)>(kFontconfig, "FcPatternDestroy");
    if (!parse || !substitute || !substituteDefaults || !match || !getString || !destroy) {
        return {};
    }
    const Pattern pattern(parse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja")), destroy);
    if (!pattern) return {};
    substitute(nullptr, pattern.get(), FcMatchPattern);
    substituteDefaults(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern matched(match(nullptr, pattern.get(), &result), destroy);
    FcChar8* family = nullptr;
    if (!matched || getString(matched.get(), FC_FAMILY, 0, &family) != FcResultMatch) {
        return {};
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

// The widest text a control must show whole.
QString widestText(const ControlPlacement& control) {
    if (control.kind() != ControlKind::TextField) return captionText(control.caption);
    if (control.id == ControlId::Text10) return qtText(kWidestLabel);
    if (control.id == ControlId::Text9) return qtText(kWidestCode);
    return qtText(kWidestByte);
}

bool fitsAt(const QFont& font, const QStyle& style) {
    const QFontMetrics metrics(font);
    const ControlPlacement* previous = nullptr;
    for (const ControlPlacement& control : formControls()) {
        if (control.kind() == ControlKind::PixelButton) continue;
        // The column fields follow one another and measure the same text in the same size:
        // each measure lays the text out.
        const bool sameAsPrevious = previous != nullptr && previous->kind() == control.kind() &&
                                    previous->width == control.width &&
                                    previous->height == control.height &&
                                    widestText(*previous) == widestText(control);
        previous = &control;
        if (sameAsPrevious) continue;
        const QRect area = textArea(style, control.kind(), pixelRect(control));
        // Buttons wrap their captions onto further lines; labels and fields keep one line.
        const int flags = control.kind() == ControlKind::Button ? Qt::TextWordWrap : 0;
        const QRect needed = metrics.boundingRect(area, flags, widestText(control));
        if (needed.width() > area.width() || metrics.height() > area.height() ||
            (flags != 0 && needed.height() > area.height())) {
            return false;
        }
    }
    return true;
}

}  // namespace

// How many half ems a caption takes in a Japanese font: kana and kanji are full width, and the
// Latin letters of an English caption half.
int halfEms(const QString& caption) {
    int width = 0;
    for (const QChar character : caption) width += character.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

// The largest size at which every label's caption fits in one line, at its width in a Japanese
// font. Starting there spares loading the font at a size that cannot fit, which is much of the
// time a size costs; the measuring below still decides.
int largestFittingSize() {
    int size = kDesignPixelSize;
    for (const ControlPlacement& control : formControls()) {
        if (control.kind() != ControlKind::Label) continue;
        size =
            std::min(size, 2 * pixelRect(control).width() / halfEms(captionText(control.caption)));
    }
    return size;
}

// Whether a caption, in the window's language, holds kana or kanji, which the desktop's UI font
// may lack or draw from a fallback of other metrics.
bool captionsAreJapanese() {
    const auto japanese = [](QChar character) {
        const QChar::Script script = character.script();
        return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
               script == QChar::Script_Katakana;
    };
    for (const ControlPlacement& control : formControls()) {
        if (std::ranges::any_of(captionText(control.caption), japanese)) return true;
    }
    return false;
}

QFont captionFont(const QStyle& style) {
    // The platform's, not the application's font, which the look has set before.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (captionsAreJapanese()) {
        if (const QString family = japaneseSansSerif(); !family.isEmpty()) {
            font.setFamilies({family});
        }
    }
    font.setPixelSize(largestFittingSize());
    while (font.pixelSize() > kSmallestPixelSize && !fitsAt(font, style)) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

QFont labelFont(QFont font, const QString& caption, int width) {
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetrics(font).horizontalAdvance(caption) >= width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

QRect textArea(const QStyle& style, ControlKind kind, const QRect& box) {
    switch (kind) {
        case ControlKind::Button: {
            QStyleOptionButton option;
            option.rect = box;
            return style.subElementRect(QStyle::SE_PushButtonContents, &option);
        }
        case ControlKind::TextField: {
            QStyleOptionFrame option;
            option.rect = box;
            option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option);
            return style.subElementRect(QStyle::SE_LineEditContents, &option)
                .adjusted(kFieldMarginX, kFieldMarginY, -kFieldMarginX, -kFieldMarginY);
        }
        case ControlKind::Label:
        case ControlKind::PixelButton:
            break;
    }
    return box;
}

}  // namespace fontedit::window
