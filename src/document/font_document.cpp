#include "document/font_document.h"

#include <algorithm>

#include "folder/font_folder.h"
#include "formats/common/font_bytes.h"
#include "formats/import_formats.h"
#include "formats/own/header_export.h"
#include "state/failure.h"
#include "storage/atomic_file.h"
#include "storage/read_file.h"

namespace fontedit::document {
namespace {

state::FontData fontOf(const editing::Editor& editor) {
    return state::tableTexts<state::FontData>(editor.state().font, editor.state().labels);
}

}  // namespace

FontDocument::FontDocument(editing::Editor& editor, std::filesystem::path dir)
    : editor_(editor), dir_(std::move(dir)) {}

void FontDocument::open(std::filesystem::path dir) {
    dir_ = std::move(dir);
    known_.clear();
}

void FontDocument::read() {
    folder::LoadedFont loaded = folder::loadFontFiles(dir_);
    editor_.read(loaded.data);
    remember(formats::kFontFileName, std::move(loaded.bytes.font));
    remember(formats::kLabelFileName, std::move(loaded.bytes.labels));
}

void FontDocument::save() {
    formats::FontFiles bytes = formats::fontFiles(fontOf(editor_));
    folder::saveFont(bytes, dir_);
    editor_.markSaved();
    remember(formats::kFontFileName, std::move(bytes.font));
    remember(formats::kLabelFileName, std::move(bytes.labels));
}

formats::EmptyCells FontDocument::exportHeader() {
    const state::FontData data = fontOf(editor_);
    std::string bytes = formats::headerBytes(data);
    folder::exportHeader(bytes, dir_);
    remember(formats::kHeaderFileName, std::move(bytes));
    return formats::emptyCells(data);
}

std::vector<formats::ImportNote> FontDocument::importFile(const std::filesystem::path& file,
                                                          const formats::ImportOptions& options) {
    return takeImport(readImport(file, options));
}

formats::ImportedFont FontDocument::readImport(const std::filesystem::path& file,
                                               const formats::ImportOptions& options) {
    std::string bytes = storage::readWholeFile(file, formats::kMostImportBytes);
    try {
        if (formats::isGzip(bytes)) bytes = formats::gunzip(bytes);
        return formats::importDetected(bytes, options);
    } catch (state::Failure& failure) {
        // The formats read bytes without knowing where they came from.
        if (failure.facts().file.empty()) failure.facts().file = file.string();
        throw;
    }
}

std::vector<formats::ImportNote> FontDocument::takeImport(formats::ImportedFont font) {
    editor_.restore(
        [&font](state::FontTable& table, state::LabelTable& labels) {
            state::storeTableTexts(font.data, table, labels);
        },
        editor_.state().codeField().text());
    return std::move(font.notes);
}

void FontDocument::exportFile(formats::ExportFormat format, const formats::ExportSettings& settings,
                              const std::filesystem::path& file) {
    storage::writeFileAtomically(file, formats::exportBytes(format, fontOf(editor_), settings));
}

std::vector<std::string> FontDocument::changedOnDisk(Write write) const {
    const std::vector<std::string> names =
        write == Write::Save
            ? std::vector<std::string>{formats::kFontFileName, formats::kLabelFileName}
            : std::vector<std::string>{formats::kHeaderFileName};
    std::vector<std::string> changed;
    for (const std::string& name : names) {
        const auto known = known_.find(name);
        if (known == known_.end()) continue;
        const std::filesystem::path path = dir_ / name;
        const std::optional<storage::FileIdentity> now = storage::identityOf(path);
        if (!now || *now == known->second.identity) continue;
        // Rewritten, perhaps with the same bytes: only other bytes count as a change.
        try {
            if (folder::fontFileStart(path) == known->second.bytes) continue;
        } catch (const state::Failure&) {
            // What can no longer be read is no longer what was known.
        }
        changed.push_back(name);
    }
    return changed;
}

std::optional<int> FontDocument::unreadFontGlyphs() const {
    bool found = false;
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        if (known_.contains(name)) return std::nullopt;
        std::error_code error;
        found = found || std::filesystem::is_regular_file(dir_ / name, error);
    }
    if (!found) return std::nullopt;
    state::FontData data;
    try {
        formats::checkFontFile(folder::fontFileStart(dir_ / formats::kFontFileName), data,
                               [](const state::Failure&) {});
    } catch (const state::Failure&) {
        // Unreadable or missing: the question still stands, over no glyph.
    }
    int glyphs = 0;
    for (const auto& cells : data.cells) {
        // A cell that is no byte still holds something of the user's.
        glyphs += std::ranges::any_of(cells, [](const std::string& cell) {
            return formats::readCellByte(cell).value_or(1) != 0;
        });
    }
    return glyphs;
}

void FontDocument::remember(const std::string& name, std::string bytes) {
    const std::optional<storage::FileIdentity> identity = storage::identityOf(dir_ / name);
    if (identity) {
        known_[name] = {*identity, std::move(bytes)};
    } else {
        known_.erase(name);
    }
}

}  // namespace fontedit::document
