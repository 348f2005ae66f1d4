#pragma once

// The formats fonts are read from, listed once: detection, dispatch, the CLI's --format words
// and the help of each option, the window's file filter and the sentence for a file of no
// format all come from this table. A new format is a room of its own and a row here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/font_import.h"

namespace fontedit::formats {

// The import options a format reads, as bits of ImportFormatInfo::reads.
enum ImportSetting : std::uint32_t {
    kReadsArray = 1u << 0,
    kReadsShape = 1u << 1,  // --layout, --msb-top, --msb-left, --stride, --offset
    kReadsBaseline = 1u << 2,
    kReadsFace = 1u << 3,  // --size, --face, --charset
};

struct ImportFormatInfo {
    ImportFormat format;
    std::string_view word;      // --format WORD
    std::string_view title;     // how a list of the formats names it: "BDF"
    std::string_view summary;   // what --help says of it, after its word
    std::string_view patterns;  // the window's file filter: "*.bdf"
    // Whether the bytes carry the format's mark; null for the formats told by elimination.
    bool (*marked)(std::string_view bytes);
    ImportedFont (*read)(std::string_view bytes, const ImportOptions& options);
    std::uint32_t reads;  // ImportSetting bits
};

// In the order the CLI's help and the window's filter list them; detection asks the formats
// with a mark in this order too.
std::span<const ImportFormatInfo> importFormats();
const ImportFormatInfo& importFormatInfo(ImportFormat format);

// The first format whose mark the bytes carry, wherever its row stands; with none, the 480 bytes of
// a binary export when they hold a zero byte, which no source holds, else C.
ImportFormat detectFormat(std::string_view bytes);
// The import of `format`, as the user names it.
ImportedFont importFont(ImportFormat format, std::string_view bytes, const ImportOptions& options);
// The import of the format detectFormat tells. The 480 bytes of a binary export whose first
// glyphs happen to spell another format's mark, and which that format refuses, still come back
// as the binary export they are.
ImportedFont importDetected(std::string_view bytes, const ImportOptions& options);

// "c", "bin": the words of the formats that read `setting`.
std::vector<std::string> importWordsReading(std::uint32_t setting);
// "C", "BDF", ...: every format's title, for a sentence.
std::vector<std::string> importTitles();
// "*.c *.h *.bdf ...": every format's file names and gzip's, for a file dialog.
std::string importPatterns();

}  // namespace fontedit::formats
