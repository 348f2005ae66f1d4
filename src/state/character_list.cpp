#include "state/character_list.h"

#include <algorithm>
#include <charconv>

#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::state {
namespace {

constexpr char32_t kLastCharacter = 0x10FFFF;

bool isCharacter(unsigned long value) {
    return value <= kLastCharacter && !(value >= 0xD800 && value <= 0xDFFF);
}

char32_t character(std::string_view text, std::string_view item) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X") || text.starts_with("U+") ||
        text.starts_with("u+")) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !isCharacter(value)) {
        throw Failure(Cause::NotACharacter, {.value = std::string(item)});
    }
    return static_cast<char32_t>(value);
}

void addFile(std::vector<char32_t>& characters, const std::string& path,
             const ReadListFile& readFile) {
    const std::string text = readFile(path);
    std::string_view rest(text);
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    while (!rest.empty()) {
        const Utf8Sequence sequence = utf8Sequence(rest);
        if (!sequence.valid) {
            const std::size_t at = text.size() - rest.size();
            throw Failure(Cause::NotACharacter,
                          {.file = path, .value = "byte " + std::to_string(at + 1)});
        }
        if (sequence.codePoint != '\n' && sequence.codePoint != '\r') {
            characters.push_back(sequence.codePoint);
        }
        rest.remove_prefix(sequence.length);
    }
}

}  // namespace

std::vector<char32_t> parseCharacterList(std::string_view list, const ReadListFile& readFile) {
    std::vector<char32_t> characters;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view item = list.substr(start, end - start);
        start = end + 1;
        if (item.starts_with('@')) {
            addFile(characters, std::string(item.substr(1)), readFile);
            continue;
        }
        const std::size_t dash = item.find('-');
        const char32_t first = character(item.substr(0, dash), item);
        const char32_t last = dash == item.npos ? first : character(item.substr(dash + 1), item);
        if (last < first) throw Failure(Cause::CodesRunBackwards, {.value = std::string(item)});
        for (char32_t c = first; c <= last; ++c) {
            if (isCharacter(c)) characters.push_back(c);
        }
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}

char32_t parseCharacter(std::string_view text) {
    if (!text.empty()) {
        const Utf8Sequence sequence = utf8Sequence(text);
        if (sequence.valid && sequence.length == text.size()) return sequence.codePoint;
    }
    return character(text, text);
}

BitmapFont withCharacters(BitmapFont font, const std::vector<char32_t>& characters) {
    std::erase_if(font.glyphs, [&](const BitmapGlyph& glyph) {
        return !std::binary_search(characters.begin(), characters.end(), glyph.character);
    });
    return font;
}

}  // namespace fontedit::state
