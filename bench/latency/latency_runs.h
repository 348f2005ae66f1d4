#pragma once

// One run of each timed user action on the window; each returns the median of its actions in
// microseconds.
#include "bench/latency/widget_driver.h"

namespace fontedit::bench {

// Draws and labels all 96 glyphs by typing, then goes back to code 0. Untimed.
void typeFullFont(WidgetDriver& driver);

// Clicks each of the 40 pixels twice, lighting and clearing it.
double toggleRun(WidgetDriver& driver);
// Steps with "→" from code 0 through code 95.
double showGlyphRun(WidgetDriver& driver);
// Types "f" at the end of Text1 and deletes it again, 20 times.
double keystrokeRun(WidgetDriver& driver);
// Clicks each of the 40 pixels, untimed, and takes each click back with Ctrl+Z.
double undoRun(WidgetDriver& driver);

// Ctrl+L opens the 一覧 panel or closes it again; the opening is timed.
double openPanel(WidgetDriver& driver);
void closePanel(WidgetDriver& driver);
// Puts a line of text in the panel's preview that shows glyph `code`, and shows that glyph, so
// that a toggle repaints the overview's cell and the preview both. Untimed.
void previewGlyph(WidgetDriver& driver, int code);
// Repaints the whole window at once, 20 times: the yardstick of the other actions.
double fullRepaintRun(WidgetDriver& driver);

}  // namespace fontedit::bench
