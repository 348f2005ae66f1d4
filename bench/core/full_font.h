#pragma once

// A font with every one of the 96 glyphs drawn and labelled, entered the way a user types it,
// so that showing, saving and exporting do their full work.
#include "editing/editor.h"

namespace fontedit::bench {

void drawFullFont(editing::Editor& editor);

}  // namespace fontedit::bench
