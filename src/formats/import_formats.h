#pragma once

// Fonts read in the formats of the registry's rows: detection and dispatch, into the classic
// cell and at their own size, and the lists of formats for help and file filters.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/registry.h"

namespace fontedit::formats {

// The first format whose mark the bytes carry, wherever its row stands; with none, the 480 bytes of
// a binary export when they hold a zero byte, which no source holds, else C.
ImportFormat detectFormat(std::string_view bytes);
// The import of `format`, as the user names it.
ImportedFont importFont(ImportFormat format, std::string_view bytes, const ImportOptions& options);
// The import of the format detectFormat tells. The 480 bytes of a binary export whose first
// glyphs happen to spell another format's mark, and which that format refuses, still come back
// as the binary export they are.
ImportedFont importDetected(std::string_view bytes, const ImportOptions& options);

// The first format whose mark the bytes carry, the formats read only at their own size among
// them; with none, bin for bytes holding a zero byte, which no source holds, else C.
Format detectBitmapFormat(std::string_view bytes);
// `format` read at its own size; one that is not read so is refused with NotReadAtOwnSize.
state::BitmapFont readBitmapFont(Format format, std::string_view bytes,
                                 const BitmapReadSettings& settings);
// A font file's bytes, gzip packed or not, in the format detectBitmapFormat tells, as
// readBitmapFont reads it.
state::BitmapFont readDetectedBitmapFont(std::string bytes, const ImportOptions& options);

// "c", "bin": the words of the formats that read `setting`.
std::vector<std::string> importWordsReading(std::uint32_t setting);
// "C", "BDF", ...: every format's title, for a sentence.
std::vector<std::string> importTitles();
// "*.c *.h *.bdf ...": every format's file names and gzip's, for a file dialog.
std::string importPatterns();

}  // namespace fontedit::formats
