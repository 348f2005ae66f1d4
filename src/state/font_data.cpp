#include "state/font_data.h"

namespace fontedit::state {

template <class Texts>
Texts tableTexts(const FontTable& font, const LabelTable& labels) {
    Texts texts;
    for (int code = 0; code < Texts::kCodes; ++code) {
        for (int column = 0; column < Texts::kColumns; ++column) {
            texts.cells[code][column] = font.cell(code, Texts::kFirstColumn + column);
        }
        texts.labels[code] = labels.label(code);
    }
    return texts;
}

template <class Texts>
void storeTableTexts(const Texts& texts, FontTable& font, LabelTable& labels) {
    for (int code = 0; code < Texts::kCodes; ++code) {
        for (int column = 0; column < Texts::kColumns; ++column) {
            font.setCell(code, Texts::kFirstColumn + column, texts.cells[code][column]);
        }
        labels.setLabel(code, texts.labels[code]);
    }
}

template FontData tableTexts<FontData>(const FontTable&, const LabelTable&);
template AllTableTexts tableTexts<AllTableTexts>(const FontTable&, const LabelTable&);
template void storeTableTexts<FontData>(const FontData&, FontTable&, LabelTable&);
template void storeTableTexts<AllTableTexts>(const AllTableTexts&, FontTable&, LabelTable&);

}  // namespace fontedit::state
