#pragma once

// The window of a font of any cell, on a large font: each returns the median of its actions,
// in microseconds.
#include "bench/latency/widget_driver.h"

class QWidget;

namespace fontedit::bench {

// Page Down from the grid, to the next glyph, 100 times.
double nextGlyphRun(WidgetDriver& driver, QWidget& grid);
// The glyph list scrolled a page down, 50 times, and back to its top.
double scrollPageRun(WidgetDriver& driver, QWidget& list);
// Space on the grid toggles a dot, untimed; Ctrl+S saves the font, 5 times.
double saveAfterDotRun(WidgetDriver& driver, QWidget& grid);

}  // namespace fontedit::bench
