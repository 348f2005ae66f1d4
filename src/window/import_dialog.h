#pragma once

// "取り込み…": choosing a font file of another program, and the question that settles how an
// unclear table holds its glyphs.
#include <filesystem>
#include <optional>
#include <vector>

#include "formats/font_import.h"
#include "window/question.h"

class QWidget;

namespace fontedit::window {

// A file of any format importFont reads, from `start`; nothing when cancelled.
std::optional<std::filesystem::path> chooseFontFile(QWidget* parent,
                                                    const std::filesystem::path& start);

// One answer a reading, as the CLI names it, and キャンセル last; each shown as `pictures`
// has it, where it has one.
Question shapeQuestion(const std::filesystem::path& file,
                       const std::vector<formats::ShapeChoice>& choices,
                       const QList<QPixmap>& pictures = {});

// A few of the font's glyphs that have dots, side by side, as a reading would take them.
QPixmap readingPicture(const state::FontData& font);

}  // namespace fontedit::window
