#pragma once

// A failed action in the words the window shows: "エラー N: " and the catalogue's sentence for
// its cause, in Japanese naming the folder of a file, in English as the CLI tells it.
#include <QString>

#include "formats/font_import.h"
#include "formats/own/header_export.h"
#include "pictures/character_panel.h"
#include "state/failure.h"

namespace fontedit::window {

QString failureMessage(const state::Failure& failure);

// A note of an import that succeeded, as the CLI words it, in the window's language.
QString noteMessage(const formats::ImportNote& note);

// What font.h holds that a compiler refuses, in the window's language; empty when nothing.
QString headerNote(const formats::EmptyCells& cells);

// What a character LCD of `size` cannot show of its text as the font draws it, as render tells
// it, a line each; empty when it shows all.
QString panelNoteLines(const pictures::PanelText& text, pictures::PanelSize size);

}  // namespace fontedit::window
