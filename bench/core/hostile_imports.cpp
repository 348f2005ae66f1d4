#include "bench/core/hostile_imports.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "bench/core/export_sizes.h"
#include "formats/import_formats.h"
#include "formats/png/png_render.h"
#include "state/failure.h"

namespace fontedit::bench {
namespace {

std::string filled(std::string head, std::string_view unit, std::string_view tail) {
    while (head.size() + unit.size() + tail.size() <= formats::kMostImportBytes) head += unit;
    return head += tail;
}

// A token a byte, each "[" left open: the most tokens, and a scan for a closing bracket from
// each of them.
std::string hostileC() {
    return filled("", "a[,", "");
}

// Arrays of rows 16,000,000 wide, a value in each: C would fill out 16 MB of zeros an array.
std::string zeroFillC() {
    return filled("", "a[][16000000]={{1}};", "");
}

// Glyphs outside the range read and skipped, then one inside it.
std::string hugeBdf() {
    const std::string glyph = "STARTCHAR x\nENCODING 1000\nBBX 5 8 0 -1\nBITMAP\n" +
                              std::string("F8\n70\n20\n00\n00\n20\n70\nF8\n") + "ENDCHAR\n";
    return filled("STARTFONT 2.1\nFONT_ASCENT 7\nFONT_DESCENT 1\nCHARS 1\n", glyph,
                  "STARTCHAR A\nENCODING 65\nBBX 5 1 0 0\nBITMAP\nF8\nENDCHAR\nENDFONT\n");
}

// 96 glyphs 32,000 dots wide over the same 16 MB of blank bitmap rows: each is found blank
// without reading the rows again.
std::string hugePcf() {
    constexpr std::uint32_t kGlyphs = 96, kWidth = 32000, kRows = 4000;
    constexpr std::uint32_t kBitmapBytes = kWidth / 8 * kRows;
    std::string pcf = "\1fcp";
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) pcf += static_cast<char>(value >> 8 * i);
    };
    // Metrics, bitmaps and encodings, all least significant byte and bit first.
    const std::uint32_t types[] = {4, 8, 32};
    const std::uint32_t sizes[] = {8 + kGlyphs * 12, 8 + kGlyphs * 4 + 16 + kBitmapBytes,
                                   14 + kGlyphs * 2};
    put(3, 4);
    std::uint32_t offset = 8 + 3 * 16;
    for (int table = 0; table < 3; ++table) {
        for (const std::uint32_t value : {types[table], 0u, sizes[table], offset}) put(value, 4);
        offset += sizes[table];
    }
    put(0, 4);
    put(kGlyphs, 4);
    for (std::uint32_t glyph = 0; glyph < kGlyphs; ++glyph) {
        for (const std::uint32_t value : {0u, kWidth, kWidth, 1u, kRows - 1, 0u}) put(value, 2);
    }
    put(0, 4);
    put(kGlyphs, 4);
    for (std::uint32_t glyph = 0; glyph < kGlyphs; ++glyph) put(0, 4);
    for (int padding = 0; padding < 4; ++padding) put(kBitmapBytes, 4);
    pcf.append(kBitmapBytes, '\0');
    put(0, 4);
    for (const std::uint32_t value : {32u, 127u, 0u, 0u, 0u}) put(value, 2);
    for (std::uint32_t glyph = 0; glyph < kGlyphs; ++glyph) put(glyph, 2);
    return pcf;
}

// A macro of 8 MiB, then as many conditions naming it as the rest holds: its value is worked
// out once.
std::string reusedMacro() {
    std::string source = "#define LONG (";
    while (source.size() < formats::kMostImportBytes / 2) source += "1+";
    return filled(source + "1)\n", "#if LONG\n#endif\n", "");
}

// A macro of 4 MiB naming Z, and Z defined again before each condition naming the macro: the
// work is refused at its budget.
std::string redefinedMacro() {
    std::string source = "#define LONG (";
    while (source.size() < formats::kMostImportBytes / 4) source += "Z+";
    return filled(source + "Z)\n", "#define Z 1\n#if LONG\n#endif\n", "");
}

constexpr std::string_view kLvglFont =
    "static const lv_font_fmt_txt_dsc_t font_dsc = {.bpp = 1, .bitmap_format = 0};\n"
    "const lv_font_t f = {.line_height = 8, .base_line = 1, .dsc = &font_dsc};\n";

// A glyph-offset list of 16 MiB, held at 2 bytes a value.
std::string lvglOffsets() {
    return filled(
        "static const uint8_t glyph_bitmap[] = {0};\n"
        "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {{0}, {0}};\n"
        "static const uint16_t ofs[] = {",
        "1,",
        "1};\nstatic const lv_font_fmt_txt_cmap_t cmaps[] = {{.range_start = 32, "
        ".range_length = 65535, .glyph_id_ofs_list = ofs, .type = 0}};\n" +
            std::string(kLvglFont));
}

// Ranges of 2^32 characters from glyph -2^32, each refused before it is walked.
std::string lvglRanges() {
    return filled(
        "static const uint8_t glyph_bitmap[] = {0};\n"
        "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {{0}, {0}};\n"
        "static const lv_font_fmt_txt_cmap_t cmaps[] = {",
        "{.range_length = 65535, .glyph_id_start = 1, .type = 2},",
        "};\n" + std::string(kLvglFont));
}

// A u8g2 font of millions of records of no glyph, walked and not held.
std::string u8g2Records() {
    return filled(
        "const uint8_t f[] U8G2_FONT_SECTION(\"f\") = "
        "\"\\1\\1\\3\\3\\3\\3\\1\\1\\1\\1\\1\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0",
        "\\1\\2", "\\0\\0\";\n");
}

// A GFXfont bitmap of millions of values, kept a byte each.
std::string gfxBitmap() {
    return filled("const uint8_t B[] PROGMEM = {", "1,",
                  "1};\nconst GFXglyph G[] PROGMEM = {{0, 1, 1, 2, 0, -1}};\n"
                  "const GFXfont F PROGMEM = {(uint8_t *)B, (GFXglyph *)G, 0x20, 0x20, 8};\n");
}

// The child's processor time, not the time on the clock: the machine that runs the benchmarks
// is often shared, and a neighbour's build would count as the work's own.
void reportWork(const char* name, const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            work();
        } catch (const state::Failure&) {
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    std::printf("hostile-%s-seconds fontedit %.3f\n", name,
                seconds(usage.ru_utime) + seconds(usage.ru_stime));
    std::printf("hostile-%s-peak-mib fontedit %.1f\n", name, usage.ru_maxrss / 1024.0);
}

void report(const char* name, const std::string& bytes, formats::ImportFormat format) {
    reportWork(("import-" + std::string(name)).c_str(),
               [&] { formats::importFont(format, bytes, {.crop = true}); });
}

// The largest line of text render draws: at the largest scale, in the look with round dots,
// as many characters as the picture's cap on its pixels lets through.
void reportRenderText() {
    const state::FontData data = sampleFont();
    const std::string text(218, 'H');
    reportWork("render-text", [&] {
        formats::textPng(data, text, formats::kLargestScale, *pictures::lookNamed("led-red"));
    });
}

}  // namespace

void reportHostileImports() {
    report("c", hostileC(), formats::ImportFormat::C);
    report("c-zero-fill", zeroFillC(), formats::ImportFormat::C);
    report("bdf", hugeBdf(), formats::ImportFormat::Bdf);
    report("pcf", hugePcf(), formats::ImportFormat::Pcf);
    report("c-macro", reusedMacro(), formats::ImportFormat::C);
    report("c-macro-redefined", redefinedMacro(), formats::ImportFormat::C);
    report("lvgl", lvglOffsets(), formats::ImportFormat::Lvgl);
    report("lvgl-ranges", lvglRanges(), formats::ImportFormat::Lvgl);
    report("u8g2", u8g2Records(), formats::ImportFormat::U8g2);
    report("gfxfont", gfxBitmap(), formats::ImportFormat::GfxFont);
    reportRenderText();
    std::fflush(stdout);
}

}  // namespace fontedit::bench
