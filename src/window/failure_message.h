#pragma once

// A failed action in the words the window shows: "エラー N: " and the catalogue's sentence for
// its cause, in Japanese naming the folder of a file, in English as the CLI tells it.
#include <QString>
#include <functional>

#include "formats/font_import.h"
#include "formats/own/header_export.h"
#include "pictures/character_panel.h"
#include "state/failure.h"

class QWidget;

namespace fontedit::window {

// Runs one user action; a failure goes to `report` in the window's words, and the window
// carries on. Whether the action ran to its end.
bool reportingFailures(const std::function<void()>& action,
                       const std::function<void(const QString&)>& report);
// A failure's words in a message box over `window`, titled as it.
void showFailureBox(QWidget* window, const QString& message);

QString failureMessage(const state::Failure& failure);

// A note of an import that succeeded, as the CLI words it, in the window's language.
QString noteMessage(const formats::ImportNote& note);

// What font.h holds that a compiler refuses, in the window's language; empty when nothing.
QString headerNote(const formats::EmptyCells& cells);

// What a character LCD of `size` cannot show of its text as the font draws it, as render tells
// it, a line each; empty when it shows all.
QString panelNoteLines(const pictures::PanelText& text, pictures::PanelSize size);

}  // namespace fontedit::window
