// The manual page's lists of formats and of the formats each option applies to, against the
// registries: a format added, or an option given to another format, fails here until the page
// says so, and every option is described once.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "formats/import_formats.h"

namespace fontedit::formats {
namespace {

std::string section(const std::string& page, const std::string& command) {
    const std::size_t start = page.find(".SS " + command);
    const std::size_t end = page.find("\n.SS ", start + 1);
    return page.substr(start, end - start);
}

const std::string& page() {
    static const std::string text = [] {
        std::ifstream file(FONTEDIT_MANUAL_PAGE);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }();
    return text;
}

// The words in the parentheses that open the description of `option`, in their order, of
// those in `known`; every description of it in the section. An entry is ".TP", then ".B",
// ".BI" or ".BR" with the option's flag as groff spells it, alone or followed by its argument.
std::vector<std::vector<std::string>> wordsOf(const std::string& text, const std::string& option,
                                              const std::set<std::string>& known) {
    std::vector<std::vector<std::string>> found;
    const std::string entry = ".TP\n.B";
    const std::string flag = " \\-\\-" + option;
    for (std::size_t at = text.find(entry); at != std::string::npos;
         at = text.find(entry, at + 1)) {
        std::size_t next = at + entry.size();
        if (next < text.size() && (text[next] == 'I' || text[next] == 'R')) ++next;
        if (text.compare(next, flag.size(), flag) != 0) continue;
        next += flag.size();
        if (next >= text.size() || (text[next] != '\n' && text[next] != ' ')) continue;
        next = text.find('\n', next) + 1;
        std::vector<std::string> words;
        const std::size_t close = text.find(')', next);
        if (next != 0 && next < text.size() && text[next] == '(' && close != std::string::npos) {
            std::string word;
            for (const char c : text.substr(next + 1, close - next - 1) + ' ') {
                if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
                    word += c;
                    continue;
                }
                if (known.contains(word)) words.push_back(word);
                word.clear();
            }
        }
        found.push_back(words);
    }
    return found;
}

TEST(ManualPage, ExportFormatsAndTheirOptionsAreTheRegistrys) {
    const std::string text = section(page(), "export");
    std::set<std::string> known;
    for (const FormatInfo& info : exportFormats()) {
        known.emplace(info.word);
        EXPECT_NE(text.find(".TP\n.B " + std::string(info.word) + "\n"), std::string::npos)
            << info.word;
    }
    const std::vector<std::pair<std::string, std::uint32_t>> options{
        {"name", kTakesName},        {"progmem", kTakesProgmem},    {"layout", kTakesLayout},
        {"msb\\-top", kTakesMsbTop}, {"msb\\-left", kTakesMsbLeft}, {"first", kTakesFirst},
        {"codes", kTakesCodes},      {"scale", kTakesScale}};
    for (const auto& [option, setting] : options) {
        std::vector<std::string> taking;
        for (const FormatInfo& info : exportFormats()) {
            if ((info.takes & setting) != 0) taking.emplace_back(info.word);
        }
        EXPECT_EQ(wordsOf(text, option, known), std::vector<std::vector<std::string>>{taking})
            << option;
    }
}

TEST(ManualPage, ImportFormatsAndTheirOptionsAreTheRegistrys) {
    const std::string text = section(page(), "import");
    std::set<std::string> known;
    std::string words;
    for (const FormatInfo& info : importFormats()) {
        known.emplace(info.word);
        words += (words.empty() ? "" : "|") + std::string(info.word);
    }
    EXPECT_NE(text.find(".BR \\-\\-format \" " + words + "\""), std::string::npos) << words;
    const std::vector<std::pair<std::string, std::uint32_t>> options{
        {"array", kReadsArray},       {"layout", kReadsShape}, {"msb\\-top", kReadsShape},
        {"msb\\-left", kReadsShape},  {"stride", kReadsShape}, {"offset", kReadsShape},
        {"baseline", kReadsBaseline}, {"size", kReadsFace},    {"face", kReadsFace},
        {"charset", kReadsFace}};
    for (const auto& [option, setting] : options) {
        EXPECT_EQ(wordsOf(text, option, known),
                  std::vector<std::vector<std::string>>{importWordsReading(setting)})
            << option;
    }
}

TEST(ManualPage, ConvertFormatsAndTheirOptionsAreTheRegistrys) {
    const std::string text = section(page(), "convert");
    std::set<std::string> known;
    for (const FormatInfo& info : formatRows()) {
        if (info.readBitmap == nullptr && info.writeBitmap == nullptr) continue;
        known.emplace(info.word);
        EXPECT_NE(text.find(".TP\n.B " + std::string(info.word) + "\n"), std::string::npos)
            << info.word;
    }
    const struct {
        std::string option;
        std::uint32_t setting;
        bool reading;
    } options[] = {{"cell", kConvertsCell, true},
                   {"in\\-layout", kConvertsTable, true},
                   {"in\\-msb\\-first", kConvertsTable, true},
                   {"offset", kConvertsTable, true},
                   {"first", kConvertsCell, true},
                   {"array", kConvertsArray, true},
                   {"size", kConvertsFace, true},
                   {"face", kConvertsFace, true},
                   {"name", kConvertsName, false},
                   {"layout", kConvertsLayout, false},
                   {"msb\\-first", kConvertsLayout, false},
                   {"progmem", kConvertsProgmem, false},
                   {"scale", kConvertsScale, false}};
    for (const auto& [option, setting, reading] : options) {
        std::vector<std::string> taking;
        for (const FormatInfo& info : formatRows()) {
            const bool does = reading ? info.readBitmap != nullptr : info.writeBitmap != nullptr;
            if (does && (info.converts & setting) != 0) taking.emplace_back(info.word);
        }
        EXPECT_EQ(wordsOf(text, option, known), std::vector<std::vector<std::string>>{taking})
            << option;
    }
}

}  // namespace
}  // namespace fontedit::formats
