#pragma once

// A failed action in the words the window shows: "エラー N: " and the catalogue's sentence for
// its cause, in Japanese naming the folder of a file, in English as the CLI tells it.
#include <QString>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::window {

QString failureMessage(const state::Failure& failure);

// A note of an import that succeeded, as the CLI words it, in the window's language.
QString noteMessage(const formats::ImportNote& note);

}  // namespace fontedit::window
