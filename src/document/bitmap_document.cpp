#include "document/bitmap_document.h"

#include <utility>

#include "formats/common/bitmap_readers.h"
#include "formats/import_formats.h"
#include "formats/own/font_files.h"
#include "state/failure.h"
#include "storage/atomic_file.h"
#include "storage/read_file.h"

namespace fontedit::document {
namespace {

// The formats read bytes without knowing where they came from.
template <typename Read>
auto inFile(const std::filesystem::path& file, Read read) {
    try {
        return read();
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = file.string();
        throw;
    }
}

}  // namespace

std::optional<std::filesystem::path> bitmapFontIn(const std::filesystem::path& folder) {
    std::error_code error;
    for (const char* classic : {formats::kFontFileName, formats::kLabelFileName}) {
        if (std::filesystem::exists(folder / classic, error)) return std::nullopt;
    }
    std::filesystem::path file = folder / kBitmapFontFileName;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    return file;
}

std::optional<std::filesystem::path> bitmapFontAt(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error) && path.extension() == ".bdf") return path;
    return bitmapFontIn(path);
}

BitmapDocument::BitmapDocument() : editor_(bdf_.font()) {}

void BitmapDocument::open(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        const std::optional<std::filesystem::path> found = bitmapFontIn(path);
        if (!found) {
            throw state::Failure(state::Cause::NoBitmapFontInFolder, {.file = path.string()});
        }
        file = *found;
    }
    // Before the reading: a change between the two then shows as one.
    const std::optional<storage::FileIdentity> identity = storage::identityOf(file);
    std::string bytes = storage::readWholeFile(file, formats::kMostImportBytes);
    formats::BdfDocument read =
        inFile(file, [&] { return formats::BdfDocument::read(std::move(bytes)); });
    bdf_ = std::move(read);
    fromFile_ = true;
    path_ = std::move(file);
    known_ = identity;
    editor_.fontReplaced(true);
}

void BitmapDocument::save() {
    if (path_.empty()) throw state::Failure(state::Cause::FileNotFound, {});
    storage::writeFileAtomically(path_, text());
    editor_.markSaved();
    known_ = storage::identityOf(path_);
}

void BitmapDocument::saveAs(const std::filesystem::path& path) {
    storage::writeFileAtomically(path, textFor(path));
    editor_.markSaved();
    path_ = path;
    known_ = storage::identityOf(path_);
}

std::string BitmapDocument::text() const {
    return textFor(path_);
}

std::string BitmapDocument::textFor(const std::filesystem::path& path) const {
    if (fromFile_) return bdf_.write();
    return formats::bdfFromBitmapFont(bdf_.font(), path.stem().string());
}

bool BitmapDocument::changedOnDisk() const {
    if (!known_) return false;
    const std::optional<storage::FileIdentity> now = storage::identityOf(path_);
    return now && *now != *known_;
}

state::BitmapFont BitmapDocument::readImport(const std::filesystem::path& file,
                                             const formats::ImportOptions& options) {
    std::string bytes = storage::readWholeFile(file, formats::kMostImportBytes);
    return inFile(file, [&] { return formats::readDetectedBitmapFont(std::move(bytes), options); });
}

void BitmapDocument::exportFile(const formats::FormatInfo& writer,
                                const formats::BitmapWriteSettings& settings,
                                const std::filesystem::path& file) const {
    storage::writeFileAtomically(file, writer.writeBitmap(bdf_.font(), settings));
}

void BitmapDocument::restore(std::string_view text, char32_t current) {
    bdf_ = formats::BdfDocument::read(text);
    fromFile_ = true;
    editor_.fontReplaced(false);
    editor_.goTo(current);
}

}  // namespace fontedit::document
