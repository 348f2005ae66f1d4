#pragma once

// Every failure of an action: a stable cause the window and the CLI word for their readers
// and the tests assert on, and the typed facts of what went wrong. No sentence is built here.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::state {

// The numbers follow the classic BASIC runtime errors where one fits, so that users who
// know those numbers recognise them; the others have numbers of their own, a hundred to each
// family, and keep them: stored outputs and users' scripts hold the numbers.
//   below 100  the classic BASIC errors
//   10xx       files as bytes: reading, writing, links, FIFOs and devices, CP932 texts
//   11xx       C tables and the C source of every C format; 1130-1139 GFXfont headers
//   12xx       X11 fonts, BDF and PCF, gzip, and fonts read at their own size;
//              1222-1239 kept free for causes being added
//   13xx       exporting and rendering; 1320-1325 a bitmap font a format cannot hold;
//              1326-1339 kept free for causes being added
//   14xx       pasting a glyph into the grid
//   15xx       fontedit-cli's own directories and streams
//   16xx       TrueType and OpenType through FreeType
//   17xx       PNG sheets
//   18xx       PSF console fonts from 1800, the display libraries' fonts from 1820
//   19xx       kept free for causes being added
enum class Cause : int {
    Overflow = 6,
    CodeOutOfRange = 9,
    FileNotFound = 53,
    FileExists = 58,  // `file` is there already and is not replaced without being told to
    WriteFailed = 61,
    PastEndOfFile = 62,
    PermissionDenied = 70,
    FileAccess = 75,
    InvalidCp932 = 1001,
    NotRepresentable = 1002,
    MovesLaterTexts = 1003,
    FileTooLarge = 1004,
    NotARegularFile = 1005,    // `file` is a device, a FIFO or a socket, not a file of bytes
    UnsafeLink = 1006,         // the link `file` stands in a sticky folder others may write to
                               // and belongs to neither the writer nor the folder's owner
    LinkTargetMissing = 1007,  // the link `file` leads to nothing; it is not created
    PartlyWritten = 1008,      // `file` was left half-written; its old content is in the
                               // file `value` beside it
    RecoveryDamaged = 1009,    // the recovery file is not one this program wrote
    LinkInPlace = 1010,        // a symbolic link stands where `file`, never a link, is written
    // The folder `file` belongs to another user or others may write to it; nothing is kept there.
    FolderNotPrivate = 1011,
    UnsafeFile = 1012,  // the FIFO or file `file` stands in a sticky folder others may write to
                        // and belongs to neither the writer nor the folder's owner
    NoReader = 1013,    // nothing reads the FIFO `file`; nothing was written
    // Importing a font table from C source.
    NoArray = 1101,            // the source holds no brace-enclosed list
    ArrayNotFound = 1102,      // no array is called `value`
    ArrayWidth = 1103,         // the array on `line` is declared `value` columns wide, not 5
    NoFontArray = 1104,        // no array's shape, length or values fit a 5-column font
    NotAConstant = 1105,       // `value` on `line` is not an integer constant
    NotAByte = 1106,           // the constant `value` on `line` is above 0xFF
    ConditionalInList = 1107,  // the directive `value` on `line` stands inside the list
    ListNotClosed = 1108,      // the list opened on `line` has no closing brace
    CommentNotClosed = 1109,   // the comment opened on `line` has no end
    PartialGlyph = 1110,       // the array on `line` ends `value` values in, inside a glyph
    OffsetPastEnd = 1111,      // the offset lies past the `value` values of the array on `line`
    RowTooLong = 1112,         // a row is longer than the array is wide; `value` is the excess
    IfNotClosed = 1113,        // the "#if 0" on `line` has no "#endif"
    // No reading of the table on `line` clearly looks like a font; `value` holds the options
    // of each that keeps every dot, "; " between them.
    ShapeUnclear = 1114,
    VariableWidth = 1115,   // the table on `line` gives each glyph a width of its own
    IndexTooLarge = 1116,   // the designator `value` on `line` lies far past any font
    NoShapeFits = 1117,     // no reading of the table on `line` as 5x8 glyphs keeps every dot
    NestingTooDeep = 1118,  // the bracket `value` on `line` opens one level too many
    // The file holds a NUL byte, which no C source or other text does, and is none of the
    // other formats either; `value` is how it starts.
    NotAnyFormat = 1119,
    // Glyph `code` of the table on `line`, or of a console font, has dots outside five columns
    // and eight rows.
    GlyphOutsideCell = 1120,
    // What the file holds lies inside the conditional `value` on `line`, whose condition the
    // file alone does not decide; preprocessing it first does.
    ConditionUndecided = 1121,
    MacrosTooCostly = 1122,  // the conditions' macros take far more work than their file's size
    // Importing a GFXfont header.
    GlyphsMissing = 1130,  // the font spans `value` glyphs; the glyph table on `line` holds fewer
    BitmapShort = 1131,    // glyph `value` on `line` reaches past the end of the bitmap, or
                           // is larger than a GFXglyph can state
    // Importing an X11 font: BDF, PCF, and either packed by gzip.
    NotBdf = 1201,             // the first line, `value`, is not STARTFONT
    BdfSyntax = 1202,          // line `line`, `value`, has a missing or malformed number
    GlyphTooLarge = 1203,      // glyph `value` (glyph `code`) has dots outside the 5x8 cell
    BitmapRow = 1204,          // line `line`, `value`, is not a bitmap row as wide as the glyph
    BdfNotClosed = 1205,       // glyph `value` from line `line` has no ENDCHAR
    DuplicateEncoding = 1206,  // glyph `value` on `line` takes glyph `code` a second time
    NoGlyphInRange = 1207,     // no glyph is encoded from `value` to `value` + 95
    // No glyph is encoded from `code` to `code` + 95; the font's run "low-high" in `value`.
    EncodingsElsewhere = 1208,
    NotPcf = 1209,             // the file does not start with PCF's mark
    PcfTableOutside = 1210,    // the PCF table `value` reaches past the end of the file
    PcfTableMalformed = 1211,  // the PCF table `value` is missing or contradicts itself
    GzipDamaged = 1212,        // the gzip data is damaged or cut short
    GzipTrailing = 1213,       // bytes that are no gzip member follow the last, from `value` on
    GzipInGzip = 1214,         // the gzip data holds another gzip file
    BdfNotEnded = 1215,        // the font has no ENDFONT: it is cut short after line `line`
    // A BDF font kept as it is: the glyph from `line` is one past kMaxBitmapGlyphs; line
    // `line`, `value`, gives a glyph more than kMaxGlyphSide dots wide or high; glyph `value`
    // on `line` has the ENCODING `code` of an earlier one.
    BdfTooManyGlyphs = 1216,
    BdfGlyphTooLarge = 1217,
    BdfEncodingTwice = 1218,
    // Glyph `value` at character `code` of a font read at its own size is larger than
    // kMaxGlyphSide dots wide or high.
    FontGlyphTooLarge = 1219,
    FontTooManyGlyphs = 1220,  // the font holds more than kMaxBitmapGlyphs characters
    NotReadAtOwnSize = 1221,   // the format is read only into the 5x8 cell, by import
    // Exporting and rendering.
    CellNotAByte = 1300,         // the cell at `code`, `column` holds `value`, not a byte
    NoGlyphForCharacter = 1301,  // no glyph is labelled `value` or has its ASCII code
    PngNotEncoded = 1302,        // libpng refused to encode the image, saying `value`
    ImageTooLarge = 1303,  // the picture would be `value` ("W x H") pixels, more than is drawn
    PngTooLarge = 1304,    // the sheet would be `value` ("W x H") pixels, too many
    // Glyph 95 would stand for character `code`; the format holds characters up to `value`.
    CharacterPastFormat = 1310,
    // The codes an export takes: `value` is not a glyph code 0-95, `value` is a run whose end
    // comes before its start, glyph `code` is named a second time.
    NotAGlyphCode = 1311,
    CodesRunBackwards = 1312,
    CodeGivenTwice = 1313,
    // The classic font by its labels: glyph `code`'s label `value` names the character of an
    // earlier glyph.
    LabelTwice = 1315,
    // The font holds `code` glyphs, more than the `value` the format takes.
    TooManyForFormat = 1316,  // the font draws `code` different glyphs; the format holds `value`
    // `value` in a list of characters is no character, range or file; or the file `file`
    // holds no UTF-8 at `value` ("byte N").
    NotACharacter = 1317,
    // The cell every glyph of the font fits, `value` ("W x H"), is larger than 64 x 64.
    CellTooLarge = 1318,
    // A bitmap font the format cannot hold; `formats` lists the formats that take it.
    CellPastFormat = 1320,    // the font's cell is `value` ("8x16"); the format takes `needed`
    CharacterNotHeld = 1321,  // the font's character `value` lies past `needed`, the format's last
    TooManyGlyphs = 1322,     // the font has `code` glyphs; the format holds `value`
    GlyphRecordTooLong = 1323,    // glyph `value` takes `code` bytes, more than the format's record
    BitmapPastOffsets = 1324,     // the glyphs' bits take `code` bytes; the offsets reach `value`
    GlyphFieldPastFormat = 1325,  // glyph `value`'s field `needed` would be `code`, past its width
    // A table of glyph bytes or a sheet read at its own size tells no cell: the user names it.
    CellNotGiven = 1326,
    // The image is `value` ("W x H") pixels, not a sheet of `needed` ("8x16") cells.
    SheetNotOfCell = 1327,
    // Pasting a glyph into the grid.
    NotAGlyph = 1400,  // `value` is not five hex bytes
    // The companion's own directories and streams.
    DirectoryNotCreated = 1500,   // the directory `file` cannot be made, for `error`
    StandardOutputFailed = 1501,  // what was made could not be written to standard output
    // Importing a TrueType or OpenType font through FreeType.
    NotSfnt = 1600,             // the bytes open with none of the TrueType or OpenType tags
    FontNotOpened = 1601,       // FreeType cannot open the font, saying `value`
    FaceNotChosen = 1602,       // no face is named by a number from 0 to `value`, the last one
    StrikeNotFound = 1603,      // the bitmap font has no strike of the size named; its `value`
    OffPixelGrid = 1604,        // at `value` pixels per em the outlines leave the pixel grid
    NoCharacterInRange = 1605,  // the face has no glyph for the 96 characters from `value`
    GreyStrike = 1606,          // glyph `value` of the strike is drawn in shades, not in dots
    FontCutShort = 1607,        // the font's table `value` reaches past the end of the file
    GlyphDamaged = 1608,        // glyph `value` is in the font's map but cannot be loaded whole
    // Glyph `value` is an image too large for any cell, or takes FreeType past its memory.
    GlyphTooCostly = 1609,
    OffPixelGridAtSize = 1610,  // at `value` pixels per em, named or found, the outlines curve
                                // or leave the pixel grid: no size makes the font a pixel font
    // Importing a PNG sheet.
    NotPng = 1700,         // the bytes do not open with the PNG signature
    PngTruncated = 1701,   // the PNG ends before its image does
    PngNotDecoded = 1702,  // libpng refused to decode the image, saying `value`
    SheetSize = 1703,      // the image is `value` ("W x H") pixels, not the sheet at a whole scale
    ThirdColour = 1704,    // the image holds `value` ("#RRGGBB"), far from both sheet colours
    // Importing a PSF console font.
    NotPsf = 1800,        // the bytes open with neither PSF1's mark nor PSF2's
    PsfMalformed = 1801,  // the font's `value` contradicts the rest or runs past the file's end
    // Importing a display library's font: u8g2, u8x8, LVGL.
    LibraryFontDamaged = 1820,  // the `value` font is cut short or contradicts itself
    PixelDepth = 1821,          // the LVGL font has `value` bits a pixel, not 1
    // Editing a font of any cell and its document.
    ColumnNotHex = 1900,          // `value` is not the hex of a column of `code` dots
    RowNotHex = 1901,             // `value` is not the hex of a row of `code` dots
    NoGlyphHere = 1902,           // the font holds no glyph at character `code`
    GlyphExists = 1903,           // the font holds a glyph at character `code` already
    AdvanceOutOfRange = 1904,     // the advance `value` lies outside `needed` ("0-256")
    GlyphPastSide = 1905,         // a dot would make glyph `code` larger than `needed` ("64x64")
    BadGlyphName = 1906,          // `value` cannot name a glyph: empty, or holding a blank
    NotABitmapGlyph = 1907,       // `value` is not a glyph's text as copying one gives it
    NoBitmapFontInFolder = 1908,  // the folder `file` holds no font.bdf, or the classic font
};

// What a failure is about. Each cause fills the facts it has and leaves the rest empty.
struct Facts {
    std::string file{};  // the file's path as the program was given it
    int line = 0;        // 1-based line in `file`; 0 when none
    // The glyph code; for CodeOutOfRange the code that is out of range.
    std::optional<int> code{};
    // The glyph column 1-5; a code without a column means that code's label.
    std::optional<int> column{};
    std::string value{};  // the offending text or bytes as found, unescaped
    int error = 0;        // the system's errno, 0 when none
    // GlyphTooLarge: the glyphs that lose dots to the cut that loses fewest, the dots it loses,
    // and the --baseline it takes where the font's own loses more.
    std::vector<std::string> names{};
    int dots = 0;
    std::optional<int> baseline{};
    std::string needed{};  // what a format takes, such as the largest cell "32x32"
    std::string takers{};  // the formats that would take what was refused, ", " between them
};

class Failure : public std::runtime_error {
public:
    Failure(Cause cause, Facts facts);

    Cause cause() const { return cause_; }
    int number() const { return static_cast<int>(cause_); }
    const Facts& facts() const { return facts_; }
    // A layer that knows more than the thrower, such as the folder a file lies in, adds it
    // before passing the failure on.
    Facts& facts() { return facts_; }

private:
    Cause cause_;
    Facts facts_;
};

// Bytes shown in a message: printable ASCII and valid UTF-8 as they are, a backslash as
// "\\", every other byte as "\xNN", so that no input can reach a terminal or a dialog raw.
std::string escapedBytes(std::string_view bytes);

// The same, cut short with "…" after about 80 characters, for a value quoted in a message:
// a value from a file can be a whole file.
std::string shortenedValue(std::string_view bytes);

}  // namespace fontedit::state
