#include "formats/tables/font_likeness.h"

#include <algorithm>
#include <bit>

namespace fontedit::formats {
namespace {

constexpr int kNone = -1;

struct Shape {
    state::GlyphBytes columns;

    int rowsUsed() const {
        int rows = 0;
        for (const std::uint8_t column : columns) rows |= column;
        return rows;
    }
    int dots() const {
        int count = 0;
        for (const std::uint8_t column : columns) count += std::popcount(column);
        return count;
    }
    int columnsUsed() const {
        return static_cast<int>(
            std::count_if(columns.begin(), columns.end(), [](std::uint8_t c) { return c != 0; }));
    }
    int top() const {
        return rowsUsed() ? std::countr_zero(static_cast<unsigned>(rowsUsed())) : kNone;
    }
    int bottom() const {
        return rowsUsed() ? std::bit_width(static_cast<unsigned>(rowsUsed())) - 1 : kNone;
    }
    int dotsInRow(int row) const {
        int count = 0;
        for (const std::uint8_t column : columns) count += column >> row & 1;
        return count;
    }
    // The row holding the most dots, the lowest of equals.
    int fullestRow() const {
        int fullest = kNone;
        for (int row = 0; row < 8; ++row) {
            if (dotsInRow(row) > 0 && (fullest == kNone || dotsInRow(row) >= dotsInRow(fullest))) {
                fullest = row;
            }
        }
        return fullest;
    }
    bool oneRow() const { return std::has_single_bit(static_cast<unsigned>(rowsUsed())); }
    // Dots all in one row, side by side.
    bool oneRun(int least) const {
        if (!oneRow()) return false;
        const int row = top();
        int run = 0, runs = 0;
        for (const std::uint8_t column : columns) {
            if (column >> row & 1) {
                runs += run == 0;
                ++run;
            } else {
                run = 0;
            }
        }
        return runs == 1 && dots() >= least;
    }
    bool oneColumn(int least) const { return columnsUsed() == 1 && dots() >= least; }
};

}  // namespace

Likeness fontLikeness(const std::function<std::optional<state::GlyphBytes>(char)>& glyphOf) {
    const auto shape = [&](char character) -> std::optional<Shape> {
        if (const std::optional<state::GlyphBytes> columns = glyphOf(character))
            return Shape{*columns};
        return std::nullopt;
    };
    // The capital H stands on the baseline and reaches the cap height.
    const std::optional<Shape> h = shape('H');
    const bool measured = h && h->dots() > 0;
    const int baseline = measured ? h->bottom() : kNone;
    const int capTop = measured ? h->top() : kNone;

    Likeness likeness;
    const auto check = [&](char character, bool needsBaseline, auto holds) {
        const std::optional<Shape> glyph = shape(character);
        if (!glyph || (needsBaseline && !measured)) return;
        ++likeness.checked;
        likeness.passed += holds(*glyph) ? 1 : 0;
    };
    check(' ', false, [](const Shape& g) { return g.dots() == 0; });
    check('-', true,
          [&](const Shape& g) { return g.oneRun(2) && g.top() > capTop && g.top() < baseline; });
    check('_', true, [&](const Shape& g) { return g.oneRun(3) && g.top() >= baseline; });
    check('=', false, [](const Shape& g) {
        const int rows = g.rowsUsed();
        return std::popcount(static_cast<unsigned>(rows)) == 2 && g.bottom() - g.top() >= 2 &&
               g.dotsInRow(g.top()) >= 2 && g.dotsInRow(g.top()) == g.dotsInRow(g.bottom());
    });
    check('|', false, [](const Shape& g) { return g.oneColumn(4); });
    check('!', true, [&](const Shape& g) {
        const int column = g.rowsUsed();
        return g.oneColumn(3) && baseline > 0 && g.bottom() == baseline &&
               (column >> (baseline - 1) & 1) == 0;
    });
    check('.', true, [&](const Shape& g) {
        return g.dots() > 0 && g.dots() <= 4 && g.bottom() == baseline && g.top() >= baseline - 1;
    });
    check('\'', true, [&](const Shape& g) {
        return g.dots() > 0 && g.bottom() < baseline - 2 && g.top() <= capTop + 1;
    });
    check('T', true, [&](const Shape& g) {
        return g.top() == capTop && g.fullestRow() == capTop && g.dotsInRow(capTop) >= 3;
    });
    check('L', true, [&](const Shape& g) {
        const auto left =
            std::find_if(g.columns.begin(), g.columns.end(), [](std::uint8_t c) { return c != 0; });
        return g.fullestRow() == baseline && left != g.columns.end() && std::popcount(*left) >= 4 &&
               g.dotsInRow(baseline) >= 3;
    });
    check('I', true, [&](const Shape& g) { return g.top() == capTop && g.bottom() == baseline; });
    return likeness;
}

}  // namespace fontedit::formats
