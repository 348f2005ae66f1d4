#include "document/font_document.h"

#include "folder/font_folder.h"

namespace fontedit::document {

FontDocument::FontDocument(editing::Editor& editor, std::filesystem::path dir)
    : editor_(editor), dir_(std::move(dir)) {}

void FontDocument::read() {
    store(folder::loadFont(dir_));
}

void FontDocument::read(const formats::FontFiles& files) {
    store(formats::parseFontFiles(files.font, files.labels));
}

void FontDocument::save() {
    const state::EditorState& state = editor_.state();
    folder::saveFont(formats::fontData(state.font, state.labels), dir_);
    editor_.markSaved();
}

void FontDocument::exportHeader() {
    const state::EditorState& state = editor_.state();
    folder::exportHeader(formats::fontData(state.font, state.labels), dir_);
}

void FontDocument::store(const formats::FontData& data) {
    editor_.read([&data](state::FontTable& font, state::LabelTable& labels) {
        formats::storeFontData(data, font, labels);
    });
}

}  // namespace fontedit::document
