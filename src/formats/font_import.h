#pragma once

// Fonts other programs wrote: a table of glyph bytes in C source or a binary file, or a BDF
// or PCF font, turned into the editor's font. Pure: bytes in, font out; the caller reads the file
// and words the notes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/marks.h"
#include "state/failure.h"
#include "state/font_data.h"
#include "state/glyph_bytes.h"

namespace fontedit::formats {

// How a table of bytes holds its glyphs.
struct TableShape {
    state::GlyphLayout layout = state::GlyphLayout::Columns;
    bool msbFirst = false;  // bit 7 the top dot of a column or the left dot of a row
    std::size_t stride = state::kGlyphColumns;  // bytes per glyph; any past its own are padding

    bool operator==(const TableShape&) const = default;
};

struct ImportOptions {
    std::optional<std::string> array{};   // C: the array to take, by name
    std::optional<std::size_t> offset{};  // C: index of the first value taken
    // The character code of glyph 0, for the labels; BDF, PCF: the encoding of glyph 0
    // (default 32).
    std::optional<int> first{};
    // Cut the glyphs taken that hold dots outside the 5x8 cell, or in a table's padding, instead
    // of refusing them.
    bool crop = false;
    // BDF, PCF: the lowest cell row above the font's baseline, 0-7; unset, row 6 unless the
    // font fits the cell only with its baseline elsewhere.
    std::optional<int> baseline{};
    // C and bin: the layout settles the bit order too (msbFirst); unset, the shape is guessed.
    std::optional<state::GlyphLayout> layout{};
    bool msbFirst = false;
    std::optional<std::size_t> stride{};
    // TrueType: the strike or outline size in pixels per em; unset, the strike that fits the
    // cell or the outlines' own grid.
    std::optional<int> size{};
    std::optional<int> face{};  // TrueType: the face of a collection, from 0
    // TrueType: how the codes from `first` name characters.
    enum class Charset { Unicode, JisX0201 };
    Charset charset = Charset::Unicode;
};

// Whether the bytes open as the format does (formats/marks.h).
bool isBdf(std::string_view bytes);
bool isPsf(std::string_view bytes);

// A TrueType or OpenType font or collection: 00 01 00 00, "true", "OTTO" or "ttcf" opens the
// bytes.
bool isSfnt(std::string_view bytes);

// gzip's mark, 1F 8B, opens the bytes.
bool isGzip(std::string_view bytes);
// What a gzip file holds. More than kMostImportBytes is refused as FileTooLarge as soon as it
// is reached, so that a small file cannot fill memory.
std::string gunzip(std::string_view bytes);

// Something the user should hear about an import that succeeded.
struct ImportNote {
    enum class Kind {
        ArrayTaken,        // no array was named; `name` declared on `line` was taken
        GlyphsFilled,      // the table ended early; the last `count` glyphs are empty
        EncodingMissing,   // BDF, PCF: no glyph at ENCODING `code`; its glyph is empty
        CharacterMissing,  // PSF, TrueType: no glyph for the character `code`, likewise
        GlyphsCropped,     // `count` glyphs lost dots outside the cell to crop
        ShapeTaken,        // no shape was named; `shape` looked like a font and no other did,
                           // read from the table's value `count` on
        OwnCharset,        // X11: the font's codes are of the character set `name`, not Unicode
    };
    Kind kind;
    std::string name{};
    int line = 0;
    int count = 0;
    std::optional<int> code{};
    std::optional<TableShape> shape{};

    bool operator==(const ImportNote&) const = default;
};

struct ImportedFont {
    state::FontData data;
    std::vector<ImportNote> notes;
};

// Font tables are kilobytes; a source of many tables and much else still fits. Time and
// memory stay linear in the input up to this, and a larger input is refused with
// FileTooLarge before it is looked at.
constexpr std::size_t kMostImportBytes = 16 << 20;
// Fails with FileTooLarge for an input of more than kMostImportBytes; every importer calls it
// first.
void requireImportSize(std::size_t bytes);
// The most bytes a glyph takes with its padding in a table, in C or binary.
constexpr std::size_t kLongestStride = 4096;

// Cells are written as the editor writes them ("7C", "0"); labels are the characters the
// glyphs draw where that can be told, and always text the font files can hold.
ImportedFont importCTable(std::string_view source, const ImportOptions& options);
ImportedFont importBdf(std::string_view bytes, const ImportOptions& options);
ImportedFont importPcf(std::string_view bytes, const ImportOptions& options);
// TrueType, OpenType and OpenType bitmap fonts through FreeType: a bitmap strike's dots as they
// are, or outlines drawn on the pixel grid they were drawn on, never smoothed.
ImportedFont importTrueType(std::string_view bytes, const ImportOptions& options);

// A PSF1 or PSF2 console font. Its Unicode table, where it has one, tells which glyph draws
// each character; glyph 0 is the first of exactly 96 characters it lists, else `first` or 32.
// Without a table, glyph i is the font's glyph first + i. Glyphs hang from the cell's top left.
ImportedFont importPsf(std::string_view bytes, const ImportOptions& options);

// A sheet of the 96 glyphs on render's grid (sheetPng), at any whole scale: render's own, or
// one drawn in an image editor in two colours, dark dots on a light ground. Each dot is judged
// by its pixels together, so blurred edges and stray pixels do not change it. Labels as for a
// binary table.
ImportedFont importPng(std::string_view bytes, const ImportOptions& options);

// Glyph after glyph, with no header unless an offset passes over it.
ImportedFont importBinary(std::string_view bytes, const ImportOptions& options);

// "--layout rows --msb-left --stride 8 --offset 256": the options that name `shape` read from
// the table's value `offset` on, for notes and failures.
std::string shapeOptions(const TableShape& shape, std::size_t offset = 0);

// One of the readings a ShapeUnclear failure offers, as shapeOptions words it.
struct ShapeChoice {
    TableShape shape;
    std::size_t offset = 0;
    std::string options;

    bool operator==(const ShapeChoice&) const = default;
};

// The readings the failure names, in its order; none for another failure.
std::vector<ShapeChoice> shapeChoices(const state::Failure& failure);
// The options that take `choice` instead of a guess.
void choose(const ShapeChoice& choice, ImportOptions& options);

}  // namespace fontedit::formats
