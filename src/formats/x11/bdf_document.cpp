#include "formats/x11/bdf_document.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <map>
#include <tuple>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::formats {

using state::BitmapFont;
using state::BitmapGlyph;
using state::Cause;
using state::Failure;

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::size_t kShownLength = 60;
// Far beyond any font, yet small enough that sums of a few never overflow.
constexpr long long kLargest = 1'000'000'000;

std::string_view trimmed(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

int hexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}

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

std::string numbers(std::string_view keyword, std::initializer_list<long long> values) {
    std::string text(keyword);
    for (const long long value : values) text += ' ' + std::to_string(value);
    return text;
}

constexpr int kResolution = 75;
constexpr char32_t kPastCharacters = 0x110000;

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
    explicit BdfParser(BdfDocument& document) : doc_(document), bytes_(document.text_) {}

    // A glyph read before, again; it was read whole then, so it is now.
    BitmapGlyph glyphAt(const BdfDocument::GlyphText& text) {
        fontAdvance_ = doc_.fontAdvance_;
        pos_ = text.begin;
        nextLine();
        BitmapGlyph glyph;
        glyphText(glyph);
        return glyph;
    }

    void parse() {
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (bytes_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
        while (nextLine() && content_.empty()) {
        }
        if (keyword() != "STARTFONT") {
            throw Failure(Cause::NotBdf, {.line = line_, .value = shown()});
        }
        if (lineEndAt_ > 0 && bytes_[lineEndAt_ - 1] == '\r') doc_.lineEnd_ = "\r\n";
        std::optional<long long> ascent, descent;
        bool inProperties = false;
        doc_.headerEnd_ = bytes_.size();
        while (nextLine()) {
            const std::string_view key = keyword();
            if (key == "STARTCHAR" || key == "ENDFONT") {
                doc_.headerEnd_ = lineBegin_;
                break;
            }
            if (key == "FONTBOUNDINGBOX") {
                doc_.fontBox_ = span();
                doc_.declaredBox_ = box(false);
            } else if (key == "SIZE") {
                word();
                doc_.pointSize_ = static_cast<int>(number());
                doc_.resolution_ = static_cast<int>(number());
            } else if (key == "CHARS") {
                doc_.chars_ = span();
            } else if (key == "STARTPROPERTIES") {
                doc_.properties_ = span();
                word();
                doc_.propertyCount_ = number();
                inProperties = true;
            } else if (key == "ENDPROPERTIES" && inProperties) {
                doc_.endProperties_ = lineBegin_;
                inProperties = false;
            } else if (inProperties && (key == "FONT_ASCENT" || key == "FONT_DESCENT")) {
                (key == "FONT_ASCENT" ? doc_.ascent_ : doc_.descent_) = span();
                word();
                (key == "FONT_ASCENT" ? ascent : descent) = number();
            } else if (key == "DWIDTH") {
                word();
                fontAdvance_ = number();
            }
        }
        const auto& fontBox = doc_.declaredBox_;
        doc_.readAscent_ = static_cast<int>(ascent.value_or(fontBox.height + fontBox.bottom));
        doc_.readDescent_ = static_cast<int>(descent.value_or(-fontBox.bottom));
        doc_.fontAdvance_ = fontAdvance_;

        std::vector<BitmapGlyph> glyphs;
        bool ordered = true;
        while (keyword() == "STARTCHAR") {
            if (doc_.glyphs_.size() == state::kMaxBitmapGlyphs) {
                throw Failure(Cause::BdfTooManyGlyphs, {.line = line_});
            }
            BitmapGlyph glyph;
            doc_.glyphs_.push_back(glyphText(glyph));
            if (doc_.glyphs_.back().encoding) {
                ordered = ordered && (glyphs.empty() || glyphs.back().character < glyph.character);
                glyphs.push_back(std::move(glyph));
            }
            // Whatever stands between two glyphs goes out before the second.
            while (nextLine() && keyword() != "STARTCHAR" && keyword() != "ENDFONT") {
            }
            if (keyword() != "STARTCHAR") break;
        }
        if (!ordered) {
            std::stable_sort(glyphs.begin(), glyphs.end(), [](const auto& a, const auto& b) {
                return a.character < b.character;
            });
        }
        for (std::size_t i = 1; i < glyphs.size(); ++i) {
            if (glyphs[i].character == glyphs[i - 1].character) {
                const auto line = encodingLines_.at(glyphs[i].character);
                throw Failure(Cause::BdfEncodingTwice,
                              {.line = line.second,
                               .code = static_cast<int>(glyphs[i].character),
                               .value = glyphs[i].name});
            }
        }
        glyphs.shrink_to_fit();
        doc_.glyphs_.shrink_to_fit();
        doc_.font_.ascent = doc_.readAscent_;
        doc_.font_.descent = doc_.readDescent_;
        doc_.font_.glyphs = std::move(glyphs);
    }

private:
    // The next line, its content without blanks around it; false at the end of the bytes.
    bool nextLine() {
        if (pos_ >= bytes_.size()) {
            content_ = {};
            lineBegin_ = bytes_.size();
            return false;
        }
        lineBegin_ = pos_;
        const std::size_t end = std::min(bytes_.find('\n', pos_), bytes_.size());
        lineEndAt_ = end;
        content_ = trimmed(std::string_view(bytes_).substr(pos_, end - pos_));
        words_ = content_;
        pos_ = std::min(end + 1, bytes_.size());
        ++line_;
        return true;
    }

    std::string_view keyword() const { return content_.substr(0, content_.find_first_of(kBlanks)); }

    // The line as it stands, without its line end.
    BdfDocument::Span span() const {
        std::size_t end = lineEndAt_;
        if (end > lineBegin_ && bytes_[end - 1] == '\r') --end;
        return {offset(lineBegin_), offset(end)};
    }

    static BdfDocument::Offset offset(std::size_t at) {
        return static_cast<BdfDocument::Offset>(at);
    }

    std::string_view word() {
        words_.remove_prefix(std::min(words_.find_first_not_of(kBlanks), words_.size()));
        const std::string_view result = words_.substr(0, words_.find_first_of(kBlanks));
        words_.remove_prefix(result.size());
        return result;
    }

    std::string shown() const { return std::string(content_.substr(0, kShownLength)); }

    [[noreturn]] void malformed() const {
        throw Failure(Cause::BdfSyntax, {.line = line_, .value = shown()});
    }

    long long number() {
        const std::string_view text = word();
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
            value < -kLargest || value > kLargest) {
            malformed();
        }
        return value;
    }

    BdfDocument::Box box(bool glyph = true) {
        word();
        const long long width = number(), height = number(), left = number(), bottom = number();
        if (width < 0 || height < 0) malformed();
        if (glyph && (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide)) {
            throw Failure(Cause::BdfGlyphTooLarge, {.line = line_, .value = shown()});
        }
        return {static_cast<int>(width), static_cast<int>(height), static_cast<int>(left),
                static_cast<int>(bottom)};
    }

    BdfDocument::GlyphText glyphText(BitmapGlyph& glyph) {
        BdfDocument::GlyphText text;
        text.begin = offset(lineBegin_);
        text.startChar = span();
        const int startLine = line_;
        word();
        glyph.name = std::string(trimmed(words_));
        std::optional<BdfDocument::Box> glyphBox;
        std::optional<long long> encoding, advance;
        bool drawn = false;
        while (true) {
            if (!nextLine()) {
                throw Failure(Cause::BdfNotClosed,
                              {.line = startLine, .value = glyph.name.substr(0, kShownLength)});
            }
            const std::string_view key = keyword();
            if (key == "ENDCHAR") break;
            if (key == "ENCODING") {
                word();
                encoding = number();
                if (*encoding > 0x10FFFF) malformed();
                encodingLine_ = line_;
            } else if (key == "DWIDTH") {
                text.dWidth = span();
                word();
                advance = number();
            } else if (key == "BBX") {
                // The box draws the rows that follow it; one after them would not.
                if (drawn) malformed();
                text.bbx = span();
                glyphBox = box();
            } else if (key == "BITMAP") {
                if (drawn) malformed();
                drawn = true;
                text.drawn = true;
                text.bitmap = span();
                const BdfDocument::Box drawnBox = glyphBox.value_or(doc_.declaredBox_);
                if (drawnBox.width > state::kMaxGlyphSide ||
                    drawnBox.height > state::kMaxGlyphSide) {
                    throw Failure(Cause::BdfGlyphTooLarge, {.line = line_, .value = shown()});
                }
                glyph.width = drawnBox.width;
                glyph.height = drawnBox.height;
                glyph.left = drawnBox.left;
                glyph.bottom = drawnBox.bottom;
                rows(glyph);
                text.rowsEnd = offset(pos_);
            }
        }
        text.end = offset(pos_);
        glyph.advance = static_cast<int>(advance.value_or(fontAdvance_.value_or(glyph.width)));
        if (encoding && *encoding >= 0 && drawn) {
            text.encoding = static_cast<char32_t>(*encoding);
            glyph.character = *text.encoding;
            // Only the last line of each encoding is kept; a second one is refused anyway.
            encodingLines_[glyph.character] = {startLine, encodingLine_};
        }
        return text;
    }

    void rows(BitmapGlyph& glyph) {
        glyph.rows.assign(static_cast<std::size_t>(glyph.height), 0);
        for (std::uint64_t& row : glyph.rows) {
            if (!nextLine() || keyword() == "ENDCHAR" ||
                static_cast<long long>(content_.size()) * 4 < glyph.width) {
                throw Failure(Cause::BitmapRow, {.line = line_, .value = shown()});
            }
            for (int x = 0; x < glyph.width; ++x) {
                const int digit = hexDigit(content_[static_cast<std::size_t>(x / 4)]);
                if (digit < 0) throw Failure(Cause::BitmapRow, {.line = line_, .value = shown()});
                if (digit & (8 >> x % 4)) row |= std::uint64_t{1} << x;
            }
        }
    }

    BdfDocument& doc_;
    const std::string& bytes_;
    std::size_t pos_ = 0, lineBegin_ = 0, lineEndAt_ = 0;
    int line_ = 0, encodingLine_ = 0;
    std::string_view content_, words_;
    std::optional<long long> fontAdvance_;
    std::map<char32_t, std::pair<int, int>> encodingLines_;
};

BdfDocument BdfDocument::read(std::string_view bytes) {
    static_assert(kMostImportBytes < std::numeric_limits<Offset>::max());
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    BdfDocument document;
    document.text_ = std::string(bytes);
    BdfParser(document).parse();
    return document;
}

std::string BdfDocument::glyphLines(const BitmapGlyph& glyph) const {
    const int pointSize = pointSize_ > 0 ? pointSize_ : std::max(font_.lineHeight(), 1);
    return glyphText(glyph, pointSize, resolution_ > 0 ? resolution_ : kResolution, lineEnd_);
}

BitmapGlyph BdfDocument::readGlyph(const GlyphText& text) const {
    // The parser reads the text alone in this.
    return BdfParser(const_cast<BdfDocument&>(*this)).glyphAt(text);
}

void BdfDocument::appendGlyph(std::string& out, const GlyphText& text, bool boxMoved,
                              const BitmapGlyph* was) const {
    const std::string_view all(text_);
    const BitmapGlyph* now = text.encoding ? font_.find(*text.encoding) : nullptr;
    if (text.encoding && !now) return;
    const bool ownBox = text.bbx || !text.drawn || !boxMoved;
    if (!now || !was) {
        if (ownBox) {
            out += all.substr(text.begin, text.end - text.begin);
        } else {
            const auto& box = declaredBox_;
            out += all.substr(text.begin, text.bitmap.begin - text.begin);
            out += line(numbers("BBX", {box.width, box.height, box.left, box.bottom}));
            out += all.substr(text.bitmap.begin, text.end - text.bitmap.begin);
        }
        return;
    }
    std::vector<Edit> edits;
    if (now->name != was->name) {
        edits.push_back({text.startChar.begin, text.startChar.end, "STARTCHAR " + now->name});
    }
    if (now->advance != was->advance) {
        const std::string dWidth = numbers("DWIDTH", {now->advance, 0});
        if (text.dWidth) {
            edits.push_back({text.dWidth->begin, text.dWidth->end, dWidth});
        } else {
            const std::size_t at = text.bbx ? text.bbx->begin : text.bitmap.begin;
            edits.push_back({at, at, line(dWidth)});
        }
    }
    const bool sameBox = now->width == was->width && now->height == was->height;
    if (!sameBox || now->left != was->left || now->bottom != was->bottom || !ownBox) {
        const std::string bbx = numbers("BBX", {now->width, now->height, now->left, now->bottom});
        if (text.bbx) {
            edits.push_back({text.bbx->begin, text.bbx->end, bbx});
        } else {
            edits.push_back({text.bitmap.begin, text.bitmap.begin, line(bbx)});
        }
    }
    const std::size_t rowsBegin = std::min(all.find('\n', text.bitmap.end), all.size()) + 1;
    if (sameBox) {
        std::size_t at = rowsBegin;
        const std::uint64_t mask = maskOf(now->width);
        for (std::size_t row = 0; row < now->rows.size(); ++row) {
            const std::size_t end = std::min(all.find('\n', at), all.size());
            if ((now->rows[row] & mask) != (was->rows[row] & mask)) {
                const std::string_view old = all.substr(at, end - at);
                const std::size_t begin = at + old.find_first_not_of(kBlanks);
                edits.push_back(
                    {begin, begin + trimmed(old).size(), hexRow(now->rows[row], now->width)});
            }
            at = end + 1;
        }
    } else {
        std::string rows;
        for (const std::uint64_t row : now->rows) rows += line(hexRow(row, now->width));
        edits.push_back({rowsBegin, text.rowsEnd, rows});
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
    int added = 0;
    std::string block;
    for (const auto& [now, was, span, name] :
         {std::tuple{font_.ascent, ascent_ ? readAscent_ : box.height + box.bottom, ascent_,
                     "FONT_ASCENT"},
          std::tuple{font_.descent, descent_ ? readDescent_ : -box.bottom, descent_,
                     "FONT_DESCENT"}}) {
        if (now == was) continue;
        if (span) {
            edits.push_back({span->begin, span->end, numbers(name, {now})});
        } else if (endProperties_) {
            edits.push_back({*endProperties_, *endProperties_, line(numbers(name, {now}))});
            ++added;
        } else {
            block += line(numbers(name, {now}));
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
    if (!glyphsChanged && font_.ascent == readAscent_ && font_.descent == readDescent_) {
        return text_;
    }
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
    bool first = true;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const GlyphText& glyph = glyphs_[i];
        out += all.substr(gapFrom, glyph.begin - gapFrom);
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
    const std::size_t trailer = glyphs_.empty() ? headerEnd_ : gapFrom;
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
