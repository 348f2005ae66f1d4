#pragma once

// The editor of a bitmap font of any cell: the glyph of the current character shown on the
// font's cell, its dots, hex fields, advance and name, glyphs added and deleted, the grid
// commands, copy and paste, and undo. Each action below is one undo step that holds only the
// glyphs it changed. Observers hear of every change; it runs the same with or without a window.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/bitmap_history.h"
#include "editing/glyph_cell.h"
#include "editing/grid_commands.h"
#include "state/bitmap_font.h"

namespace fontedit::editing {

class BitmapEditor {
public:
    // The characters whose glyphs were added, deleted or changed, sorted.
    using GlyphsObserver = std::function<void(std::span<const char32_t> characters)>;
    using CurrentObserver = std::function<void(char32_t character)>;
    // The font as a whole: replaced, merged into, or its cell changed.
    using FontObserver = std::function<void()>;

    // The editor works on `font` in place, which must outlive it; it starts at its first glyph
    // with nothing to undo and nothing unsaved.
    explicit BitmapEditor(state::BitmapFont& font);
    BitmapEditor(const BitmapEditor&) = delete;
    BitmapEditor& operator=(const BitmapEditor&) = delete;

    const state::BitmapFont& font() const { return font_; }
    // The font was replaced as a whole behind the editor's back (opened, brought back): nothing
    // to undo, the cell found anew, the current character kept where the font holds it, else
    // its first glyph; it counts as saved or not.
    void fontReplaced(bool saved);

    void addGlyphsObserver(GlyphsObserver observer);
    void addCurrentObserver(CurrentObserver observer);
    void addFontObserver(FontObserver observer);

    // Every glyph is shown on this box; it changes only with the font as a whole.
    const CellBox& cell() const { return cell_; }

    // The current character need not have a glyph: going to one the font lacks lets it be added.
    char32_t current() const { return current_; }
    // Null where the font holds no glyph at the current character.
    const state::BitmapGlyph* currentGlyph() const;
    // The glyph the font holds before or after the current character; none past either end.
    void previous();
    void next();
    void goTo(char32_t character);
    // "A", "あ", "U+3042", "0x3042" or "12354"; fails with NotACharacter.
    void goTo(std::string_view text);

    // The dots of the current glyph on the cell, x from its left column, y from its top row.
    // Every change below fails with NoGlyphHere where the current character has no glyph.
    bool dot(int x, int y) const;
    void toggleDot(int x, int y);
    void setDot(int x, int y, bool lit);
    // A press toggles its dot; moving over others with the button held gives each, and every dot
    // on the line from the last one, the state the first one got. The whole drag is one step.
    void startDrag(int x, int y);
    void dragOver(int x, int y);
    void endDrag();

    // The hex fields of glyph_cell.h for the current glyph; "" for each where it has none.
    bool hexByColumn() const { return editing::hexByColumn(cell_); }
    int hexFieldCount() const { return editing::hexFieldCount(cell_); }
    std::string hexField(int index) const;
    void setHexField(int index, std::string_view text);

    static constexpr int kMostAdvance = 4 * state::kMaxGlyphSide;
    // 0 where there is no glyph.
    int advance() const;
    // Fails with AdvanceOutOfRange outside 0 - kMostAdvance.
    void setAdvance(int advance);
    // A blank glyph of the cell's box (up to kMaxGlyphSide each way) at the current character,
    // advancing to the cell's right edge, named "uni3042" ("u1F600" past U+FFFF); fails with
    // GlyphExists.
    void addGlyph();
    void deleteGlyph();
    // The glyph's label; fails with BadGlyphName for an empty name or one with a blank,
    // a control character or bytes that are not UTF-8.
    void rename(std::string name);

    void apply(GridCommand command);
    // The current glyph's dots as text for the clipboard; "" where there is no glyph.
    std::string copyText() const;
    // Fails as pasteBitmapGlyph() does.
    void paste(std::string_view text);

    // How many of `glyphs`' characters already hold a glyph here, which merge() would replace.
    int replacedBy(const state::BitmapFont& glyphs) const;
    // Every glyph of `glyphs` put in at its character, replacing any there: one undo step. A
    // glyph without a name a file can hold takes its wordName().
    void merge(const state::BitmapFont& glyphs);

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Both go to the character the step was made at.
    void undo();
    void redo();

    bool hasUnsavedChanges() const;
    void markSaved();

private:
    // Opens a step for one action and closes it when the action ends, even by a failure.
    class Step {
    public:
        explicit Step(BitmapEditor& editor);
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        ~Step();

    private:
        BitmapEditor& editor_;
    };

    // Edits a copy of the current glyph, which then takes its place, noted in the open step.
    void change(const std::function<void(state::BitmapGlyph&)>& edit);
    void note(char32_t character);
    void closeStep();
    void paint(int x, int y, bool lit);
    void changed(std::vector<char32_t> characters);
    void show(char32_t character);
    void newCell();
    void applied(const BitmapStep& step);

    state::BitmapFont& font_;
    CellBox cell_;
    char32_t current_ = 0;
    BitmapHistory history_;
    std::optional<std::uint64_t> saved_;  // none: what was saved can no longer be reached
    bool stepOpen_ = false;
    BitmapStep open_;
    struct Drag {
        bool lights;
        int x, y;  // where it was last
    };
    std::optional<Drag> drag_;
    std::vector<GlyphsObserver> glyphsObservers_;
    std::vector<CurrentObserver> currentObservers_;
    std::vector<FontObserver> fontObservers_;
};

}  // namespace fontedit::editing
