#pragma once

// A failed action in the words the window shows: "エラー N: " and the catalogue's sentence for
// its cause in the window's language, naming the folder of a file.
#include <QString>

#include "state/failure.h"

namespace fontedit::window {

QString failureMessage(const state::Failure& failure);

}  // namespace fontedit::window
