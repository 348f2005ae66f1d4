#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/common/bitmap_readers.h"
#include "formats/common/cell_font.h"
#include "formats/font_import.h"
#include "formats/marks.h"
#include "formats/x11/bdf_lines.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// The tables a PCF file lists in its table of contents, by type.
enum class TableType : std::uint32_t {
    Properties = 1 << 0,
    Accelerators = 1 << 1,
    Metrics = 1 << 2,
    Bitmaps = 1 << 3,
    Encodings = 1 << 5,
    GlyphNames = 1 << 7,
    BdfAccelerators = 1 << 8,
};

const char* nameOf(TableType type) {
    switch (type) {
        case TableType::Properties:
            return "properties";
        case TableType::Accelerators:
        case TableType::BdfAccelerators:
            return "accelerators";
        case TableType::Metrics:
            return "metrics";
        case TableType::Bitmaps:
            return "bitmaps";
        case TableType::Encodings:
            return "encodings";
        case TableType::GlyphNames:
            return "glyph names";
    }
    return "";
}

// Bits of a table's format word.
constexpr std::uint32_t kMsbByteFirst = 1 << 2;
constexpr std::uint32_t kMsbBitFirst = 1 << 3;
constexpr std::uint32_t kCompressedMetrics = 0x100;

// `size` bytes at `at` as an unsigned number; the caller has checked that they are there.
std::uint32_t unsignedAt(std::string_view bytes, std::size_t at, int size, bool msbFirst) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[at + (msbFirst ? i : size - 1 - i)]);
        value = value << 8 | byte;
    }
    return value;
}

// One table: its bytes from its format word on, numbers in the byte order that word names.
class Table {
public:
    Table(std::string_view bytes, TableType type) : bytes_(bytes), type_(type) {
        if (bytes_.size() < 4) malformed();
        format_ = formats::unsignedAt(bytes_, 0, 4, false);
    }

    std::uint32_t format() const { return format_; }
    std::string_view bytes() const { return bytes_; }

    [[noreturn]] void malformed() const {
        throw Failure(Cause::PcfTableMalformed, {.value = nameOf(type_)});
    }

    std::uint32_t unsignedAt(long long at, int size) const {
        if (at < 0 || at + size > static_cast<long long>(bytes_.size())) malformed();
        return formats::unsignedAt(bytes_, static_cast<std::size_t>(at), size,
                                   format_ & kMsbByteFirst);
    }
    std::uint8_t byte(long long at) const { return static_cast<std::uint8_t>(unsignedAt(at, 1)); }
    std::int16_t int16(long long at) const { return static_cast<std::int16_t>(unsignedAt(at, 2)); }
    std::int32_t int32(long long at) const { return static_cast<std::int32_t>(unsignedAt(at, 4)); }
    // A count of entries `width` bytes each from `at`, all of which the table holds.
    long long count(long long at, long long width) const {
        const long long count = int32(at);
        if (count < 0 || at + 4 + count * width > static_cast<long long>(bytes_.size())) {
            malformed();
        }
        return count;
    }
    // The part from `at` whose length is the 32-bit number there.
    std::string_view sized(long long at) const {
        const long long size = count(at, 1);
        return bytes_.substr(static_cast<std::size_t>(at + 4), static_cast<std::size_t>(size));
    }
    // The text at `offset` in `strings`, up to its NUL.
    std::string_view text(std::string_view strings, long long offset) const {
        if (offset < 0 || offset >= static_cast<long long>(strings.size())) malformed();
        strings.remove_prefix(static_cast<std::size_t>(offset));
        return strings.substr(0, strings.find('\0'));
    }

private:
    std::string_view bytes_;
    TableType type_;
    std::uint32_t format_ = 0;
};

constexpr long long kCellColumns = state::kGlyphColumns;

// The bitmap table's data, every byte in the order its row reads and every row's left dot in
// bit 7, and how many nonzero bytes come before each. Glyphs may share their bytes, so a few
// huge ones over the same megabytes would take minutes if each read them all.
class Bitmaps {
public:
    // `counted`: with the counts of nonzero bytes that anyDot needs.
    Bitmaps(const Table& table, bool counted) : table_(table) {
        const std::uint32_t format = table.format();
        glyphs_ = table.count(4, 4);
        const long long sizes = 8 + glyphs_ * 4;  // of the data at each padding
        if (sizes + 16 > static_cast<long long>(table.bytes().size())) table.malformed();
        const long long size = table.int32(sizes + (format & 3) * 4);
        const std::string_view data = table.bytes().substr(sizes + 16);
        if (size < 0 || size > static_cast<long long>(data.size())) table.malformed();
        pad_ = 1LL << (format & 3);
        const long long unit = 1LL << (format >> 4 & 3);
        const bool msbBits = format & kMsbBitFirst;
        // Bytes run in the other order than bits within each scan unit.
        const bool swapped = ((format & kMsbByteFirst) != 0) != msbBits;
        bytes_.resize(size);
        if (counted) dotsBefore_.resize(size + 1);
        for (long long at = 0; at < size; ++at) {
            long long from = at;
            if (swapped && at - at % unit + unit <= size) from += unit - 1 - 2 * (at % unit);
            auto byte = static_cast<std::uint8_t>(data[from]);
            if (!msbBits) byte = reversed(byte);
            bytes_[at] = byte;
            if (counted) dotsBefore_[at + 1] = dotsBefore_[at] + std::popcount(byte);
        }
    }

    long long rowBytes(long long width) const { return (width + pad_ * 8 - 1) / (pad_ * 8) * pad_; }

    // Where glyph `index`'s bitmap of `size` bytes starts.
    long long offset(long long index, long long size) const {
        if (index >= glyphs_) table_.malformed();
        const long long offset = table_.int32(8 + index * 4);
        if (offset < 0 || offset + size > static_cast<long long>(bytes_.size())) {
            table_.malformed();
        }
        return offset;
    }

    std::uint8_t byte(long long at) const { return bytes_[at]; }

    // The dots in bytes `from` to `to` of the row at `start` of a glyph `width` wide.
    long long dots(long long start, long long from, long long to, long long width) const {
        const long long whole = std::min(to, width / 8);
        long long count = from < whole ? dotsBefore_[start + whole] - dotsBefore_[start + from] : 0;
        const long long last = width / 8;  // the byte of the row's last few dots, if any
        if (width % 8 != 0 && from <= last && last < to) {
            count += std::popcount(
                static_cast<std::uint8_t>(bytes_[start + last] & (0xFF00 >> width % 8)));
        }
        return count;
    }

private:
    static std::uint8_t reversed(std::uint8_t byte) {
        std::uint8_t result = 0;
        for (int bit = 0; bit < 8; ++bit) result |= ((byte >> bit) & 1) << (7 - bit);
        return result;
    }

    const Table& table_;
    long long glyphs_ = 0;
    long long pad_ = 1;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> dotsBefore_;
};

struct FontProperties {
    std::optional<long long> ascent, descent;
    std::string registry, encoding;
    std::string family, name;  // FAMILY_NAME and FONT
};

class PcfReader {
public:
    PcfReader(std::string_view bytes, const ImportOptions& options)
        : bytes_(bytes), options_(options) {}

    ImportedFont read() {
        const Header header = readHeader();
        std::vector<long long> codes;
        for (const auto& glyph : header.glyphs) codes.push_back(glyph.first);
        const long long first =
            options_.first ? *options_.first : onlyRun(std::move(codes)).value_or(kDefaultFirst);
        CellFont cells(options_, first, header.ascent, header.descent);
        const Table metrics = required(TableType::Metrics);
        const Table bitmapTable = required(TableType::Bitmaps);
        const Bitmaps bitmaps(bitmapTable, true);
        const std::optional<Table> names = find(TableType::GlyphNames);
        for (const auto& [encoding, index] : header.glyphs) {
            cells.sawEncoding(encoding);
            if (!cells.wanted(encoding)) continue;
            CellGlyph glyph{.encoding = encoding};
            if (names) glyph.name = glyphName(*names, index);
            draw(cells, glyph, metrics, bitmaps, index);
            cells.place(glyph);
        }
        return cells.font(header.font.registry, header.font.encoding);
    }

    state::BitmapFont readBitmapFont() {
        const Header header = readHeader();
        state::BitmapFont font;
        font.ascent = static_cast<int>(header.ascent);
        font.descent = static_cast<int>(header.descent);
        font.family =
            header.font.family.empty() ? xlfdFamily(header.font.name) : header.font.family;
        const Table metrics = required(TableType::Metrics);
        const Table bitmapTable = required(TableType::Bitmaps);
        const Bitmaps bitmaps(bitmapTable, false);
        const std::optional<Table> names = find(TableType::GlyphNames);
        font.glyphs.reserve(header.glyphs.size());
        for (const auto& [encoding, index] : header.glyphs) {
            const Metrics m = metricsOf(metrics, index);
            state::BitmapGlyph glyph;
            glyph.character = static_cast<char32_t>(encoding);
            if (names) glyph.name = glyphName(*names, index);
            const long long width = m.right - m.left, height = m.ascent + m.descent;
            if (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide) {
                throw Failure(Cause::FontGlyphTooLarge,
                              {.code = static_cast<int>(encoding), .value = glyph.name});
            }
            glyph.width = static_cast<int>(width);
            glyph.height = static_cast<int>(height);
            glyph.left = static_cast<int>(m.left);
            glyph.bottom = static_cast<int>(-m.descent);
            glyph.advance = static_cast<int>(m.advance);
            const long long rowBytes = bitmaps.rowBytes(width);
            const long long offset = bitmaps.offset(index, height * rowBytes);
            glyph.rows.assign(static_cast<std::size_t>(height), 0);
            for (long long row = 0; row < height; ++row) {
                std::uint64_t bits = 0;
                for (long long x = 0; x < width; x += 8) {
                    const std::uint8_t byte = bitmaps.byte(offset + row * rowBytes + x / 8);
                    for (long long dot = 0; byte != 0 && dot < 8 && x + dot < width; ++dot) {
                        if (byte & 0x80 >> dot) bits |= std::uint64_t{1} << (x + dot);
                    }
                }
                glyph.rows[static_cast<std::size_t>(row)] = bits;
            }
            font.glyphs.push_back(std::move(glyph));
        }
        return font;
    }

private:
    struct Header {
        FontProperties font;
        long long ascent = 0, descent = 0;
        std::vector<std::pair<long long, std::uint16_t>> glyphs;  // encoding, glyph index
    };

    // The font's properties and its glyphs by encoding, in the order of their encodings.
    Header readHeader() const {
        if (!bytes_.starts_with(kPcfMark)) throw Failure(Cause::NotPcf, {});
        Header header;
        header.font = properties();
        std::optional<Table> accelerators = find(TableType::BdfAccelerators);
        if (!accelerators) accelerators = find(TableType::Accelerators);
        const auto accelerator = [&](long long at) {
            return accelerators ? std::optional<long long>(accelerators->int32(at)) : std::nullopt;
        };
        header.ascent = header.font.ascent ? *header.font.ascent : accelerator(12).value_or(0);
        header.descent = header.font.descent ? *header.font.descent : accelerator(16).value_or(0);

        const Table encodings = required(TableType::Encodings);
        const long long lowByteFirst = encodings.int16(4), lowByteLast = encodings.int16(6);
        const long long highByteFirst = encodings.int16(8), highByteLast = encodings.int16(10);
        if (lowByteFirst < 0 || lowByteFirst > lowByteLast || lowByteLast > 0xFF ||
            highByteFirst < 0 || highByteFirst > highByteLast || highByteLast > 0xFF) {
            encodings.malformed();
        }
        long long at = 14;
        for (long long high = highByteFirst; high <= highByteLast; ++high) {
            for (long long low = lowByteFirst; low <= lowByteLast; ++low, at += 2) {
                const auto index = static_cast<std::uint16_t>(encodings.unsignedAt(at, 2));
                if (index == 0xFFFF) continue;
                header.glyphs.emplace_back(high << 8 | low, index);
            }
        }
        return header;
    }

    // The table of that type the table of contents lists, if any; one that reaches past the
    // end of the file is refused, but for the last, which bdftopcf lists longer than it writes.
    std::optional<Table> find(TableType type) const {
        constexpr long long kEntry = 16;
        const long long tables = bytes_.size() < 8 ? -1 : unsignedAt(bytes_, 4, 4, false);
        if (tables < 0 || 8 + tables * kEntry > static_cast<long long>(bytes_.size())) {
            throw Failure(Cause::PcfTableOutside, {.value = "table of contents"});
        }
        for (long long entry = 8; entry < 8 + tables * kEntry; entry += kEntry) {
            if (unsignedAt(bytes_, entry, 4, false) != static_cast<std::uint32_t>(type)) continue;
            const long long size = unsignedAt(bytes_, entry + 8, 4, false);
            const long long offset = unsignedAt(bytes_, entry + 12, 4, false);
            const bool last = entry + kEntry == 8 + tables * kEntry;
            if (offset + (last ? 0 : size) > static_cast<long long>(bytes_.size())) {
                throw Failure(Cause::PcfTableOutside, {.value = nameOf(type)});
            }
            return Table(bytes_.substr(offset, size), type);
        }
        return std::nullopt;
    }

    Table required(TableType type) const {
        const std::optional<Table> table = find(type);
        if (!table) throw Failure(Cause::PcfTableMalformed, {.value = nameOf(type)});
        return *table;
    }

    FontProperties properties() const {
        FontProperties font;
        const std::optional<Table> table = find(TableType::Properties);
        if (!table) return font;
        constexpr long long kProperty = 9;  // name offset, whether a string, value
        const long long count = table->count(4, kProperty);
        const long long padded = 8 + (count * kProperty + 3) / 4 * 4;
        const std::string_view strings = table->sized(padded);
        for (long long at = 8; at < 8 + count * kProperty; at += kProperty) {
            const std::string_view name = table->text(strings, table->int32(at));
            const bool isText = table->byte(at + 4) != 0;
            const long long value = table->int32(at + 5);
            if (name == "FONT_ASCENT" && !isText) font.ascent = value;
            if (name == "FONT_DESCENT" && !isText) font.descent = value;
            if (name == "CHARSET_REGISTRY" && isText) font.registry = table->text(strings, value);
            if (name == "CHARSET_ENCODING" && isText) font.encoding = table->text(strings, value);
            // The names only label the font: one past the strings is left out, not refused.
            const bool inStrings = value >= 0 && value < static_cast<long long>(strings.size());
            if (name == "FAMILY_NAME" && isText && inStrings) {
                font.family = table->text(strings, value);
            }
            if (name == "FONT" && isText && inStrings) font.name = table->text(strings, value);
        }
        return font;
    }

    static std::string glyphName(const Table& names, long long index) {
        const long long count = names.count(4, 4);
        if (index >= count) return {};
        return std::string(names.text(names.sized(8 + count * 4), names.int32(8 + index * 4)));
    }

    struct Metrics {
        long long left = 0, right = 0, advance = 0, ascent = 0, descent = 0;
    };

    static Metrics metricsOf(const Table& metrics, long long index) {
        Metrics m;
        if (metrics.format() & kCompressedMetrics) {
            // The count is unsigned: Unifont holds more than 32,767 glyphs.
            if (index >= metrics.unsignedAt(4, 2)) metrics.malformed();
            const long long at = 6 + index * 5;
            m.left = metrics.byte(at) - 0x80;
            m.right = metrics.byte(at + 1) - 0x80;
            m.advance = metrics.byte(at + 2) - 0x80;
            m.ascent = metrics.byte(at + 3) - 0x80;
            m.descent = metrics.byte(at + 4) - 0x80;
        } else {
            if (index >= metrics.int32(4)) metrics.malformed();
            const long long at = 8 + index * 12;
            m.left = metrics.int16(at);
            m.right = metrics.int16(at + 2);
            m.advance = metrics.int16(at + 4);
            m.ascent = metrics.int16(at + 6);
            m.descent = metrics.int16(at + 8);
        }
        if (m.right < m.left || m.ascent + m.descent < 0) metrics.malformed();
        return m;
    }

    // Puts glyph `index`'s dots on the cell, its box from its metrics. Of the rows and bytes
    // away from the cell only whether they hold a dot counts, which Bitmaps tells at once.
    static void draw(const CellFont& cells, CellGlyph& glyph, const Table& metrics,
                     const Bitmaps& bitmaps, long long index) {
        const auto [left, right, advance, ascent, descent] = metricsOf(metrics, index);
        const long long width = right - left, height = ascent + descent;

        const long long rowBytes = bitmaps.rowBytes(width);
        const long long offset = bitmaps.offset(index, height * rowBytes);
        // The bytes of a row that hold the cell's columns.
        const long long from = std::clamp(-left, 0LL, width) / 8;
        const long long to = (std::clamp(kCellColumns - left, 0LL, width) + 7) / 8;
        // Rows any baseline could put in the cell are drawn dot by dot, so that a refusal can
        // tell what each would keep; of the others only the count of their dots matters.
        for (long long row = 0; row < height; ++row) {
            const long long start = offset + row * rowBytes, y = ascent - 1 - row;
            const bool crossesCell = CellFont::mayHoldRow(y) && from < to;
            for (long long column = from; crossesCell && column < to; ++column) {
                const std::uint8_t bits = bitmaps.byte(start + column);
                for (long long dot = 0; bits != 0 && dot < 8 && column * 8 + dot < width; ++dot) {
                    if (bits & 0x80 >> dot) cells.dot(glyph, left + column * 8 + dot, y);
                }
            }
            const long long away = crossesCell ? bitmaps.dots(start, 0, from, width) +
                                                     bitmaps.dots(start, to, (width + 7) / 8, width)
                                               : bitmaps.dots(start, 0, (width + 7) / 8, width);
            glyph.elsewhere += away;
            glyph.outside = glyph.outside || away > 0;
        }
    }

    std::string_view bytes_;
    const ImportOptions& options_;
};

}  // namespace

ImportedFont importPcf(std::string_view bytes, const ImportOptions& options) {
    requireImportSize(bytes.size());
    return PcfReader(bytes, options).read();
}

state::BitmapFont readPcf(std::string_view bytes) {
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const ImportOptions options;
    return PcfReader(bytes, options).readBitmapFont();
}

}  // namespace fontedit::formats
