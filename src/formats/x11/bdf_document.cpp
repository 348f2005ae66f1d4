#include "formats/x11/bdf_document.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <map>
#include <span>
#include <tuple>

#include "formats/font_import.h"
#include "formats/x11/bdf_lines.h"
#include "state/character_list.h"
#include "state/failure.h"

namespace fontedit::formats {

using state::BitmapFont;
using state::BitmapGlyph;
using state::Cause;
using state::Failure;

namespace {

// A bitmap row as BDF writes it: whole bytes of hex digits, the left dot in the top bit.
std::string hexRow(std::uint64_t row, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (int index = 0; index < state::rowByteCount(width); ++index) {
        const std::uint8_t byte = state::rowByte(row, width, index);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

std::uint64_t maskOf(int width) {
    return width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
}

// A property's string value, a quote within doubled.
std::string quoted(std::string_view text) {
    std::string value = "\"";
    for (const char c : text) value += c == '"' ? std::string(2, c) : std::string(1, c);
    return value + '"';
}

std::string numbers(std::string_view keyword, std::initializer_list<long long> values) {
    std::string text(keyword);
    for (const long long value : values) text += ' ' + std::to_string(value);
    return text;
}

constexpr int kResolution = 75;
constexpr char32_t kPastCharacters = 0x110000;

// Comments and blank lines, at least one comment.
bool onlyComments(std::string_view text) {
    BdfLines lines(text, BdfLines::Comments::Lines);
    bool comment = false;
    while (lines.next()) {
        if (lines.keyword() == "COMMENT") {
            comment = true;
        } else if (!lines.content().empty()) {
            return false;
        }
    }
    return comment;
}

void appendNumbers(std::string& out, std::string_view keyword,
                   std::initializer_list<long long> values, std::string_view lineEnd) {
    out += keyword;
    char digits[24];
    for (const long long value : values) {
        out += ' ';
        out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    out += lineEnd;
}

void appendGlyphText(std::string& out, const BitmapGlyph& glyph, int pointSize, int resolution,
                     std::string_view lineEnd) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "STARTCHAR ";
    out += state::wordName(glyph);
    out += lineEnd;
    appendNumbers(out, "ENCODING", {glyph.character}, lineEnd);
    appendNumbers(out, "SWIDTH", {glyph.advance * 72000LL / (pointSize * resolution), 0}, lineEnd);
    appendNumbers(out, "DWIDTH", {glyph.advance, 0}, lineEnd);
    appendNumbers(out, "BBX", {glyph.width, glyph.height, glyph.left, glyph.bottom}, lineEnd);
    out += "BITMAP";
    out += lineEnd;
    for (const std::uint64_t row : glyph.rows) {
        for (int index = 0; index < state::rowByteCount(glyph.width); ++index) {
            const std::uint8_t byte = state::rowByte(row, glyph.width, index);
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xF];
        }
        out += lineEnd;
    }
    out += "ENDCHAR";
    out += lineEnd;
}

// A glyph's lines; SWIDTH is its advance in thousandths of the point size at the resolution.
std::string glyphText(const BitmapGlyph& glyph, int pointSize, int resolution,
                      std::string_view lineEnd) {
    std::string out;
    appendGlyphText(out, glyph, pointSize, resolution, lineEnd);
    return out;
}

}  // namespace

// Reads the text line by line into the document's spans and model.
class BdfParser {
public:
    explicit BdfParser(BdfDocument& document)
        : doc_(document), lines_(document.text_, BdfLines::Comments::Lines) {}

    // A glyph read before, again; it was read whole then, so it is now.
    BdfDocument::GlyphLines glyphAt(const BdfDocument::GlyphText& text, BitmapGlyph& glyph) {
        fontAdvance_ = doc_.fontAdvance_;
        lines_.seek(text.begin);
        lines_.next();
        BdfDocument::GlyphText again;
        return glyphText(glyph, again);
    }

    void parse() {
        while (lines_.next() && lines_.content().empty()) {
        }
        if (lines_.keyword() != "STARTFONT") {
            throw Failure(Cause::NotBdf, {.line = lines_.line(), .value = lines_.shown()});
        }
        if (lines_.lineEnd() < doc_.text_.size() && doc_.text_[lines_.lineEnd()] == '\r') {
            doc_.lineEnd_ = "\r\n";
        }
        std::optional<long long> ascent, descent;
        std::optional<std::string_view> family;
        std::string_view fontName;
        bool inProperties = false;
        std::size_t declaredGlyphs = 0;
        doc_.headerEnd_ = doc_.text_.size();
        while (lines_.next()) {
            const std::string_view key = lines_.keyword();
            if (key == "STARTCHAR" || key == "ENDFONT") {
                doc_.headerEnd_ = lines_.lineBegin();
                break;
            }
            if (key == "FONTBOUNDINGBOX") {
                doc_.fontBox_ = span();
                doc_.declaredBox_ = box(false);
            } else if (key == "FONT") {
                lines_.word();
                fontName = bdfTrimmed(lines_.rest());
            } else if (key == "SIZE") {
                lines_.word();
                doc_.pointSize_ = static_cast<int>(lines_.number());
                doc_.resolution_ = static_cast<int>(lines_.number());
            } else if (key == "CHARS") {
                doc_.chars_ = span();
                lines_.word();
                const std::string_view count = bdfTrimmed(lines_.rest());
                std::from_chars(count.data(), count.data() + count.size(), declaredGlyphs);
            } else if (key == "STARTPROPERTIES") {
                doc_.properties_ = span();
                lines_.word();
                doc_.propertyCount_ = lines_.number();
                inProperties = true;
            } else if (key == "ENDPROPERTIES" && inProperties) {
                doc_.endProperties_ = lines_.lineBegin();
                inProperties = false;
            } else if (inProperties && (key == "FONT_ASCENT" || key == "FONT_DESCENT")) {
                (key == "FONT_ASCENT" ? doc_.ascent_ : doc_.descent_) = span();
                lines_.word();
                (key == "FONT_ASCENT" ? ascent : descent) = lines_.number();
            } else if (inProperties && key == "FAMILY_NAME") {
                doc_.family_ = span();
                lines_.word();
                family = bdfTrimmed(lines_.rest());
            } else if (key == "DWIDTH") {
                lines_.word();
                fontAdvance_ = lines_.number();
            }
        }
        const auto& fontBox = doc_.declaredBox_;
        doc_.readAscent_ = static_cast<int>(ascent.value_or(fontBox.height + fontBox.bottom));
        doc_.readDescent_ = static_cast<int>(descent.value_or(-fontBox.bottom));
        doc_.readFamily_ = family ? bdfUnquoted(*family) : xlfdFamily(fontName);
        doc_.fontAdvance_ = fontAdvance_;

        // Room for the glyphs CHARS counts, at once: grown by doubling, Unifont's would be copied
        // on the way. A count the text cannot hold is not believed.
        constexpr std::size_t kShortestGlyph = sizeof("STARTCHAR\nENDCHAR\n") - 1;
        declaredGlyphs = std::min({declaredGlyphs, std::size_t{state::kMaxBitmapGlyphs},
                                   doc_.text_.size() / kShortestGlyph});
        std::vector<BitmapGlyph> glyphs;
        glyphs.reserve(declaredGlyphs);
        doc_.glyphs_.reserve(declaredGlyphs);
        encodingLines_.reserve(declaredGlyphs);
        bool ordered = true;
        while (lines_.keyword() == "STARTCHAR") {
            if (doc_.glyphs_.size() == state::kMaxBitmapGlyphs) {
                throw Failure(Cause::BdfTooManyGlyphs, {.line = lines_.line()});
            }
            BitmapGlyph glyph;
            glyphText(glyph, doc_.glyphs_.emplace_back());
            encodingLines_.push_back(encodingLine_);
            if (doc_.glyphs_.back().encoding) {
                ordered = ordered && (glyphs.empty() || glyphs.back().character < glyph.character);
                glyphs.push_back(std::move(glyph));
            }
            // Whatever stands between two glyphs goes out before the second.
            while (lines_.next() && lines_.keyword() != "STARTCHAR" &&
                   lines_.keyword() != "ENDFONT") {
            }
            if (lines_.keyword() != "STARTCHAR") break;
        }
        doc_.endFont_ = lines_.lineBegin();
        if (!ordered) {
            std::stable_sort(glyphs.begin(), glyphs.end(), [](const auto& a, const auto& b) {
                return a.character < b.character;
            });
        }
        for (std::size_t i = 1; i < glyphs.size(); ++i) {
            if (glyphs[i].character == glyphs[i - 1].character) {
                // The later of the two, as the file's order has it.
                std::size_t later = doc_.glyphs_.size() - 1;
                while (doc_.glyphs_[later].encoding != glyphs[i].character) --later;
                throw Failure(Cause::BdfEncodingTwice,
                              {.line = encodingLines_[later],
                               .code = static_cast<int>(glyphs[i].character),
                               .value = glyphs[i].name});
            }
        }
        glyphs.shrink_to_fit();
        doc_.glyphs_.shrink_to_fit();
        doc_.font_.ascent = doc_.readAscent_;
        doc_.font_.descent = doc_.readDescent_;
        doc_.font_.family = doc_.readFamily_;
        doc_.font_.glyphs = std::move(glyphs);
    }

private:
    // The line as it stands, without its line end.
    BdfDocument::Span span() const {
        return {offset(lines_.lineBegin()), offset(lines_.lineEnd())};
    }

    static BdfDocument::Offset offset(std::size_t at) {
        return static_cast<BdfDocument::Offset>(at);
    }

    BdfDocument::Box box(bool glyph = true) {
        const BdfBox read = lines_.box();
        if (glyph && (read.width > state::kMaxGlyphSide || read.height > state::kMaxGlyphSide)) {
            throw Failure(Cause::BdfGlyphTooLarge,
                          {.line = lines_.line(), .value = lines_.shown()});
        }
        return {static_cast<int>(read.width), static_cast<int>(read.height),
                static_cast<int>(read.left), static_cast<int>(read.bottom)};
    }

    BdfDocument::GlyphLines glyphText(BitmapGlyph& glyph, BdfDocument::GlyphText& text) {
        BdfDocument::GlyphLines found;
        text.begin = offset(lines_.lineBegin());
        found.startChar = span();
        const int startLine = lines_.line();
        lines_.word();
        glyph.name = std::string(bdfTrimmed(lines_.rest()));
        std::optional<BdfDocument::Box> glyphBox;
        std::optional<long long> encoding, advance;
        bool drawn = false;
        while (true) {
            if (!lines_.next()) {
                throw Failure(Cause::BdfNotClosed,
                              {.line = startLine, .value = bdfShown(glyph.name)});
            }
            const std::string_view key = lines_.keyword();
            if (key == "ENDCHAR") break;
            if (key == "ENCODING") {
                lines_.word();
                encoding = lines_.number();
                if (*encoding > 0x10FFFF) lines_.malformed();
                encodingLine_ = lines_.line();
            } else if (key == "DWIDTH") {
                found.dWidth = span();
                lines_.word();
                advance = lines_.number();
            } else if (key == "BBX") {
                // The box draws the rows that follow it; one after them would not.
                if (drawn) lines_.malformed();
                found.bbx = span();
                glyphBox = box();
            } else if (key == "BITMAP") {
                if (drawn) lines_.malformed();
                drawn = true;
                found.drawn = true;
                found.bitmap = span();
                const BdfDocument::Box drawnBox = glyphBox.value_or(doc_.declaredBox_);
                if (drawnBox.width > state::kMaxGlyphSide ||
                    drawnBox.height > state::kMaxGlyphSide) {
                    throw Failure(Cause::BdfGlyphTooLarge,
                                  {.line = lines_.line(), .value = lines_.shown()});
                }
                glyph.width = drawnBox.width;
                glyph.height = drawnBox.height;
                glyph.left = drawnBox.left;
                glyph.bottom = drawnBox.bottom;
                rows(glyph);
                found.rowsEnd = offset(lines_.after());
            }
        }
        text.end = offset(lines_.after());
        glyph.advance = static_cast<int>(advance.value_or(fontAdvance_.value_or(glyph.width)));
        if (encoding && *encoding >= 0 && drawn) {
            text.encoding = static_cast<char32_t>(*encoding);
            glyph.character = *text.encoding;
        }
        return found;
    }

    void rows(BitmapGlyph& glyph) {
        std::array<std::uint64_t, state::kMaxGlyphSide> rows{};
        const auto height = static_cast<std::size_t>(glyph.height);
        for (std::uint64_t& row : std::span(rows).first(height)) {
            lines_.nextRow(glyph.width);
            for (int x = 0; x < glyph.width; x += 4) {
                const int digit = lines_.rowDigit(static_cast<std::size_t>(x / 4));
                for (int dot = 0; dot < 4 && x + dot < glyph.width; ++dot) {
                    if (digit & (8 >> dot)) row |= std::uint64_t{1} << (x + dot);
                }
            }
        }
        glyph.rows = state::GlyphRows(std::span(rows).first(height));
    }

    BdfDocument& doc_;
    BdfLines lines_;
    int encodingLine_ = 0;
    std::optional<long long> fontAdvance_;
    // The ENCODING line of each glyph read, in the file's order.
    std::vector<int> encodingLines_;
};

BdfDocument BdfDocument::read(std::string_view bytes) {
    return read(std::string(bytes));
}

BdfDocument BdfDocument::read(std::string&& bytes) {
    static_assert(kMostImportBytes < std::numeric_limits<Offset>::max());
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    BdfDocument document;
    document.text_ = std::move(bytes);
    BdfParser(document).parse();
    return document;
}

std::string BdfDocument::glyphLines(const BitmapGlyph& glyph) const {
    const int pointSize = pointSize_ > 0 ? pointSize_ : std::max(font_.lineHeight(), 1);
    return glyphText(glyph, pointSize, resolution_ > 0 ? resolution_ : kResolution, lineEnd_);
}

BitmapGlyph BdfDocument::readGlyph(const GlyphText& text) const {
    BitmapGlyph glyph;
    // The parser reads the text alone in this.
    BdfParser(const_cast<BdfDocument&>(*this)).glyphAt(text, glyph);
    return glyph;
}

BdfDocument::GlyphLines BdfDocument::linesOf(const GlyphText& text) const {
    BitmapGlyph glyph;
    return BdfParser(const_cast<BdfDocument&>(*this)).glyphAt(text, glyph);
}

void BdfDocument::appendGlyph(std::string& out, const GlyphText& text, bool boxMoved,
                              const BitmapGlyph* was) const {
    const std::string_view all(text_);
    const BitmapGlyph* now = text.encoding ? font_.find(*text.encoding) : nullptr;
    if (!kept(text)) return;
    if ((!now || !was) && !boxMoved) {
        out += all.substr(text.begin, text.end - text.begin);
        return;
    }
    const GlyphLines lines = linesOf(text);
    const bool ownBox = lines.bbx || !lines.drawn || !boxMoved;
    if (!now || !was) {
        if (ownBox) {
            out += all.substr(text.begin, text.end - text.begin);
        } else {
            const auto& box = declaredBox_;
            out += all.substr(text.begin, lines.bitmap.begin - text.begin);
            out += line(numbers("BBX", {box.width, box.height, box.left, box.bottom}));
            out += all.substr(lines.bitmap.begin, text.end - lines.bitmap.begin);
        }
        return;
    }
    std::vector<Edit> edits;
    if (now->name != was->name) {
        edits.push_back({lines.startChar.begin, lines.startChar.end, "STARTCHAR " + now->name});
    }
    if (now->advance != was->advance) {
        const std::string dWidth = numbers("DWIDTH", {now->advance, 0});
        if (lines.dWidth) {
            edits.push_back({lines.dWidth->begin, lines.dWidth->end, dWidth});
        } else {
            const std::size_t at = lines.bbx ? lines.bbx->begin : lines.bitmap.begin;
            edits.push_back({at, at, line(dWidth)});
        }
    }
    const bool sameBox = now->width == was->width && now->height == was->height;
    if (!sameBox || now->left != was->left || now->bottom != was->bottom || !ownBox) {
        const std::string bbx = numbers("BBX", {now->width, now->height, now->left, now->bottom});
        if (lines.bbx) {
            edits.push_back({lines.bbx->begin, lines.bbx->end, bbx});
        } else {
            edits.push_back({lines.bitmap.begin, lines.bitmap.begin, line(bbx)});
        }
    }
    const std::size_t rowsBegin = std::min(all.find('\n', lines.bitmap.end), all.size()) + 1;
    if (sameBox) {
        std::size_t at = rowsBegin;
        const std::uint64_t mask = maskOf(now->width);
        for (std::size_t row = 0; row < now->rows.size(); ++row) {
            const std::size_t end = std::min(all.find('\n', at), all.size());
            if ((now->rows[row] & mask) != (was->rows[row] & mask)) {
                const std::string_view old = all.substr(at, end - at);
                const std::string_view digits = bdfTrimmed(old);
                const std::size_t begin = at + static_cast<std::size_t>(digits.data() - old.data());
                edits.push_back({begin, begin + digits.size(), hexRow(now->rows[row], now->width)});
            }
            at = end + 1;
        }
    } else {
        std::string rows;
        for (const std::uint64_t row : now->rows) rows += line(hexRow(row, now->width));
        edits.push_back({rowsBegin, lines.rowsEnd, rows});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    std::size_t at = text.begin;
    for (const Edit& edit : edits) {
        out += all.substr(at, edit.begin - at);
        out += edit.text;
        at = edit.end;
    }
    out += all.substr(at, text.end - at);
}

BdfDocument::Box BdfDocument::fontBox() const {
    int left = declaredBox_.left, bottom = declaredBox_.bottom;
    int right = left + declaredBox_.width, top = bottom + declaredBox_.height;
    for (const BitmapGlyph& glyph : font_.glyphs) {
        if (glyph.width == 0 || glyph.height == 0) continue;
        left = std::min(left, glyph.left);
        bottom = std::min(bottom, glyph.bottom);
        right = std::max(right, glyph.left + glyph.width);
        top = std::max(top, glyph.bottom + glyph.height);
    }
    return {right - left, top - bottom, left, bottom};
}

std::vector<BdfDocument::Edit> BdfDocument::headerEdits(const Box& box,
                                                        std::size_t glyphCount) const {
    std::vector<Edit> edits;
    if (box != declaredBox_) {
        edits.push_back(
            {fontBox_->begin, fontBox_->end,
             numbers("FONTBOUNDINGBOX", {box.width, box.height, box.left, box.bottom})});
    }
    if (glyphCount != glyphs_.size() && chars_) {
        edits.push_back(
            {chars_->begin, chars_->end, numbers("CHARS", {static_cast<long long>(glyphCount)})});
    }
    // Without its property, the ascent or descent is read from the font's box, which may
    // have changed; the property then keeps it.
    const auto number = [](int value) { return std::to_string(value); };
    int added = 0;
    std::string block;
    for (const auto& [now, was, span, name] :
         {std::tuple{number(font_.ascent), number(ascent_ ? readAscent_ : box.height + box.bottom),
                     ascent_, "FONT_ASCENT"},
          std::tuple{number(font_.descent), number(descent_ ? readDescent_ : -box.bottom), descent_,
                     "FONT_DESCENT"},
          std::tuple{quoted(font_.family), quoted(readFamily_), family_, "FAMILY_NAME"}}) {
        if (now == was) continue;
        const std::string property = std::string(name) + ' ' + now;
        if (span) {
            edits.push_back({span->begin, span->end, property});
        } else if (endProperties_) {
            edits.push_back({*endProperties_, *endProperties_, line(property)});
            ++added;
        } else {
            block += line(property);
            ++added;
        }
    }
    if (!block.empty()) {
        edits.push_back(
            {headerEnd_, headerEnd_,
             line(numbers("STARTPROPERTIES", {added})) + block + line("ENDPROPERTIES")});
    } else if (added > 0 && properties_) {
        edits.push_back({properties_->begin, properties_->end,
                         numbers("STARTPROPERTIES", {propertyCount_ + added})});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    return edits;
}

bool BdfDocument::kept(const GlyphText& text) const {
    return text.encoding ? font_.find(*text.encoding) != nullptr : keepsUnencoded_;
}

void BdfDocument::keepOnly(const std::vector<char32_t>& characters) {
    font_ = state::withCharacters(std::move(font_), characters);
    keepsUnencoded_ = false;
}

std::string BdfDocument::write() const {
    // The glyphs as read where the model's differ, by their place in glyphs_; the characters read.
    std::map<std::size_t, BitmapGlyph> was;
    std::vector<char32_t> read;
    std::size_t opaque = 0;
    bool removed = false;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const GlyphText& text = glyphs_[i];
        if (!text.encoding) {
            ++opaque;
            continue;
        }
        read.push_back(*text.encoding);
        const BitmapGlyph* now = font_.find(*text.encoding);
        removed = removed || !now;
        if (!now) continue;
        BitmapGlyph glyph = readGlyph(text);
        if (glyph != *now) was.emplace(i, std::move(glyph));
    }
    std::ranges::sort(read);
    const bool glyphsChanged = !was.empty() || removed || read.size() != font_.glyphs.size();
    if (!glyphsChanged && font_.ascent == readAscent_ && font_.descent == readDescent_ &&
        font_.family == readFamily_ && (keepsUnencoded_ || opaque == 0)) {
        return text_;
    }
    if (!keepsUnencoded_) opaque = 0;
    const std::string_view all(text_);
    const Box box = fontBox_ && glyphsChanged ? fontBox() : declaredBox_;
    // A glyph with no box of its own takes the font's; it keeps the one it had.
    const bool boxMoved = box != declaredBox_;

    std::string out;
    out.reserve(text_.size() + text_.size() / 8);
    std::size_t at = 0;
    for (const Edit& edit : headerEdits(box, font_.glyphs.size() + opaque)) {
        out += all.substr(at, edit.begin - at);
        out += edit.text;
        at = edit.end;
    }
    out += all.substr(at, headerEnd_ - at);

    // A glyph the file did not hold goes after the glyph of the next lower character, or
    // before the first glyph when none is lower.
    std::vector<const BitmapGlyph*> added;
    for (const BitmapGlyph& glyph : font_.glyphs) {
        if (!std::ranges::binary_search(read, glyph.character)) added.push_back(&glyph);
    }
    auto next = added.begin();
    const auto addUpTo = [&](std::optional<char32_t> below) {
        while (next != added.end() && (!below || (*next)->character < *below)) {
            out += glyphLines(**next);
            ++next;
        }
    };
    std::size_t gapFrom = headerEnd_;
    bool first = true, noneKept = true;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const GlyphText& glyph = glyphs_[i];
        // A glyph dropped takes what stands before it along: its comments, a blank line. Past
        // the glyphs dropped at the start, what stood between glyphs would join the header,
        // which reads it: only comments stay.
        if (kept(glyph)) {
            const std::string_view gap = all.substr(gapFrom, glyph.begin - gapFrom);
            if (gapFrom == headerEnd_ || !noneKept || onlyComments(gap)) out += gap;
            noneKept = false;
        }
        if (first && glyph.encoding) {
            addUpTo(*glyph.encoding);
            first = false;
        }
        const auto changed = was.find(i);
        appendGlyph(out, glyph, boxMoved, changed == was.end() ? nullptr : &changed->second);
        // The glyphs that follow this one's character up to the next encoded glyph in the file.
        if (glyph.encoding) {
            std::optional<char32_t> following;
            for (std::size_t j = i + 1; j < glyphs_.size() && !following; ++j) {
                following = glyphs_[j].encoding;
            }
            const char32_t limit =
                following && *following > *glyph.encoding ? *following : kPastCharacters;
            while (next != added.end() && (*next)->character > *glyph.encoding &&
                   (*next)->character < limit) {
                out += glyphLines(**next);
                ++next;
            }
        }
        gapFrom = glyph.end;
    }
    std::size_t trailer = glyphs_.empty() ? headerEnd_ : gapFrom;
    // With no glyph left, what followed the last would join the header too.
    if (noneKept && added.empty() && !onlyComments(all.substr(trailer, endFont_ - trailer))) {
        trailer = endFont_;
    }
    addUpTo(std::nullopt);
    out += all.substr(trailer);
    return out;
}

std::string bdfFromBitmapFont(const BitmapFont& font, std::string_view family) {
    std::string name;
    for (const char c : family) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == ' ' || c == '_' || c == '.';
        name += plain ? c : '_';
    }
    if (name.empty()) name = "fontedit";
    const int pixels = std::max(font.lineHeight(), 1);
    int left = 0, bottom = 0, right = 0, top = 0;
    bool monospace = true;
    long long advances = 0;
    for (const BitmapGlyph& glyph : font.glyphs) {
        advances += glyph.advance;
        monospace = monospace && glyph.advance == font.glyphs.front().advance;
        if (glyph.width == 0 || glyph.height == 0) continue;
        left = std::min(left, glyph.left);
        bottom = std::min(bottom, glyph.bottom);
        right = std::max(right, glyph.left + glyph.width);
        top = std::max(top, glyph.bottom + glyph.height);
    }
    const long long averageWidth =
        font.glyphs.empty() ? 0 : advances * 10 / static_cast<long long>(font.glyphs.size());
    const std::string spacing = monospace ? "M" : "P";
    std::string out =
        "STARTFONT 2.1\nFONT -fontedit-" + name + "-medium-r-normal--" + std::to_string(pixels) +
        "-" + std::to_string(pixels * 10) + "-75-75-" + (monospace ? "m" : "p") + "-" +
        std::to_string(averageWidth) + "-iso10646-1\n" +
        numbers("SIZE", {pixels, kResolution, kResolution}) + "\n" +
        numbers("FONTBOUNDINGBOX", {right - left, top - bottom, left, bottom}) +
        "\nSTARTPROPERTIES 13\nFAMILY_NAME \"" + name +
        "\"\nWEIGHT_NAME \"Medium\"\nSLANT \"R\"\n" + numbers("PIXEL_SIZE", {pixels}) + "\n" +
        numbers("POINT_SIZE", {pixels * 10}) + "\n" + numbers("RESOLUTION_X", {kResolution}) +
        "\n" + numbers("RESOLUTION_Y", {kResolution}) + "\nSPACING \"" + spacing + "\"\n" +
        numbers("AVERAGE_WIDTH", {averageWidth}) +
        "\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\n" +
        numbers("FONT_ASCENT", {font.ascent}) + "\n" + numbers("FONT_DESCENT", {font.descent}) +
        "\nENDPROPERTIES\n" + numbers("CHARS", {static_cast<long long>(font.glyphs.size())}) + "\n";
    out.reserve(out.size() + font.glyphs.size() * 120);
    for (const BitmapGlyph& glyph : font.glyphs) {
        appendGlyphText(out, glyph, pixels, kResolution, "\n");
    }
    return out + "ENDFONT\n";
}

}  // namespace fontedit::formats
