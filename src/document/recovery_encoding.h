#pragma once

// The recovery file: everything the editor holds, every code 0-100 with every cell as typed,
// every label and the code field, so that a crash or a logout loses no unsaved work. Each
// text is written with its length before it, so that any bytes come back exactly. The file
// names the font's folder by its whole path, as its own name cannot tell every folder apart.
// A general font's file is a kind of its own, which holds its BDF file's path and text.
#include <string>
#include <string_view>

#include "state/font_data.h"

namespace fontedit::document {

struct EditorContent {
    state::AllTableTexts tables;
    std::string code;      // the code field's text
    std::string folder{};  // the font folder's absolute path; empty in a file of version 1
};

EditorContent editorContent(const state::FontTable& font, const state::LabelTable& labels,
                            std::string code);
void storeEditorContent(const EditorContent& content, state::FontTable& font,
                        state::LabelTable& labels);

std::string recoveryBytes(const EditorContent& content);
// Fails with RecoveryDamaged on anything recoveryBytes does not write.
EditorContent parseRecovery(std::string_view bytes);

// A general font's work: the BDF file's absolute path, the character shown, and the document's
// whole text as it would be saved.
struct BitmapContent {
    std::string path;
    char32_t current = 0;
    std::string text;
};

std::string bitmapRecoveryBytes(const BitmapContent& content);
// Fails with RecoveryDamaged on anything bitmapRecoveryBytes does not write.
BitmapContent parseBitmapRecovery(std::string_view bytes);
// Whether the bytes open as bitmapRecoveryBytes writes them, rather than as recoveryBytes.
bool isBitmapRecovery(std::string_view bytes);

}  // namespace fontedit::document
