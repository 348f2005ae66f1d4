#include "formats/import_formats.h"

#include <algorithm>
#include <array>
#include <vector>

#include "formats/common/font_bytes.h"
#include "state/joined.h"

namespace fontedit::formats {
namespace {

bool isBinaryExport(std::string_view bytes) {
    return bytes.size() == kBinaryFontBytes && bytes.find('\0') != std::string_view::npos;
}

}  // namespace

void requireImportSize(std::size_t bytes) {
    if (bytes > kMostImportBytes) throw state::Failure(state::Cause::FileTooLarge, {});
}

ImportFormat detectFormat(std::string_view bytes) {
    for (const FormatInfo& info : importFormats()) {
        if (info.marked != nullptr && info.marked(bytes)) return info.format;
    }
    return isBinaryExport(bytes) ? ImportFormat::Bin : ImportFormat::C;
}

ImportedFont importFont(ImportFormat format, std::string_view bytes, const ImportOptions& options) {
    return formatInfo(format).read(bytes, options);
}

ImportedFont importDetected(std::string_view bytes, const ImportOptions& options) {
    const ImportFormat format = detectFormat(bytes);
    if (format == ImportFormat::C || !isBinaryExport(bytes))
        return importFont(format, bytes, options);
    try {
        return importFont(format, bytes, options);
    } catch (const state::Failure&) {
        return importBinary(bytes, options);
    }
}

Format detectBitmapFormat(std::string_view bytes) {
    for (const FormatInfo& info : formatRows()) {
        if (info.marked != nullptr && info.marked(bytes)) return info.format;
    }
    return bytes.find('\0') != std::string_view::npos ? Format::Bin : Format::C;
}

state::BitmapFont readBitmapFont(Format format, std::string_view bytes,
                                 const BitmapReadSettings& settings) {
    const FormatInfo& info = formatInfo(format);
    if (info.readBitmap == nullptr) throw state::Failure(state::Cause::NotReadAtOwnSize, {});
    return info.readBitmap(bytes, settings);
}

state::BitmapFont readDetectedBitmapFont(std::string bytes, const ImportOptions& options) {
    if (isGzip(bytes)) bytes = gunzip(bytes);
    return readBitmapFont(detectBitmapFormat(bytes), bytes, {.import = options});
}

std::vector<std::string> importWordsReading(std::uint32_t setting) {
    std::vector<std::string> words;
    for (const FormatInfo& info : importFormats()) {
        if ((info.reads & setting) != 0) words.emplace_back(info.word);
    }
    return words;
}

std::vector<std::string> importTitles() {
    std::vector<std::string> titles;
    for (const FormatInfo& info : importFormats()) titles.emplace_back(info.title);
    return titles;
}

std::string importPatterns() {
    std::vector<std::string> patterns;
    for (const FormatInfo& info : importFormats()) {
        if (!info.patterns.empty()) patterns.emplace_back(info.patterns);
    }
    patterns.emplace_back("*.gz");
    return state::joined(patterns, " ");
}

}  // namespace fontedit::formats
