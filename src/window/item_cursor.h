#pragma once

// The cursor of a view of glyphs laid out in rows, the 一覧 overview or the glyph list: where
// the keys move it, and a screen reader told where it went.
#include <optional>

class QWidget;

namespace fontedit::window {

// How many items `key` moves the cursor by: the arrow keys one item or one row of `columns`,
// the page keys `page` items where the view pages (page above 0); nothing for another key.
std::optional<int> cursorStep(int key, int columns, int page);

// Return and Enter ask for the item under the cursor.
bool choosesItem(int key);

// Tells a listening screen reader that the cursor of `view`, which has the focus, is on item
// `index`.
void announceCursor(QWidget& view, int index);

}  // namespace fontedit::window
