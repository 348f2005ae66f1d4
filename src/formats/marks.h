#pragma once

// What opens, or stands in, a file of each format: the one place the readers, the writers and
// detection take them from.
#include <array>
#include <string_view>

namespace fontedit::formats {

inline constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1A\n", 8};
inline constexpr std::string_view kGzipMark{"\x1F\x8B", 2};
inline constexpr std::string_view kPcfMark{"\1fcp", 4};
// BDF's first keyword, after any blank lines and a byte order mark.
inline constexpr std::string_view kBdfKeyword{"STARTFONT"};
inline constexpr std::string_view kPsf2Mark{"\x72\xB5\x4A\x86", 4};
inline constexpr std::string_view kPsf1Mark{"\x36\x04", 2};
// TrueType, Apple's TrueType, OpenType with CFF outlines, and a collection.
inline constexpr std::array<std::string_view, 4> kSfntTags{std::string_view("\0\1\0\0", 4), "true",
                                                           "OTTO", "ttcf"};
// What a display library's font source declares, anywhere in the text.
inline constexpr std::string_view kU8g2Section{"U8G2_FONT_SECTION"};
inline constexpr std::string_view kU8x8Section{"U8X8_FONT_SECTION"};
inline constexpr std::string_view kLvglGlyphType{"lv_font_fmt_txt_glyph_dsc_t"};
inline constexpr std::string_view kGfxGlyphType{"GFXglyph"};
// MD_MAX72XX's type of a font table.
inline constexpr std::string_view kMax72xxType{"fontType_t"};

}  // namespace fontedit::formats
