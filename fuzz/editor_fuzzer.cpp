// The editor driven by an arbitrary sequence of user actions, with what must always hold
// checked after every one of them.
// The first byte of each step picks the action, the bytes after it its arguments.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "action_script.h"
#include "carried_texts.h"
#include "check.h"
#include "editing/editor.h"
#include "files/font_data.h"
#include "files/font_files.h"
#include "files/header_export.h"
#include "files/read_file.h"
#include "state/conversions.h"
#include "state/failure.h"
#include "support/scratch_directory.h"
#include "support/table_texts.h"

namespace fontedit::fuzz {
namespace {

using state::Cause;
using state::Failure;
using support::ScratchDirectory;

enum class Action { Type, Key, Click, Previous, Next, Save, Read, Export, PutFile, Block, Count };

constexpr std::array<const char*, 3> kFileNames = {files::kFontFileName, files::kLabelFileName,
                                                   files::kHeaderFileName};

bool allowed(Action action, Cause cause) {
    auto among = [cause](std::initializer_list<Cause> causes) {
        for (Cause listed : causes) {
            if (listed == cause) return true;
        }
        return false;
    };
    switch (action) {
        case Action::Save:
        case Action::Export:
            return among({Cause::NotRepresentable, Cause::MovesLaterTexts, Cause::WriteFailed,
                          Cause::FileAccess});
        case Action::Read:
            return among({Cause::FileNotFound, Cause::FileAccess, Cause::PastEndOfFile,
                          Cause::InvalidCp932, Cause::CodeOutOfRange, Cause::Overflow});
        default:
            return among({Cause::CodeOutOfRange, Cause::Overflow});
    }
}

// What a file holds, or "<none>" when no regular file stands there.
std::string fileBytes(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return "<none>";
    return files::readWholeFile(path, std::size_t{1} << 20);
}

class Session {
public:
    explicit Session(const ScratchDirectory& dir) : dir_(dir) { dir_.clear(); }

    void run(ActionScript& script) {
        while (!script.done()) {
            const auto action = static_cast<Action>(script.choose(static_cast<int>(Action::Count)));
            step(action, script);
        }
    }

private:
    void step(Action action, ActionScript& script) {
        auto& state = editor_.state();
        const std::string codeBefore = state.codeField().text();
        // Taken only for the actions checked against them, as they cost more than the rest.
        std::vector<std::string> tablesBefore;
        std::array<std::string, 2> filesBefore;
        if (action == Action::Save || action == Action::Read || action == Action::Export) {
            tablesBefore = support::tableTexts(state);
        }
        if (action == Action::Save) filesBefore = savedFiles();

        Cause failure{};
        bool failed = false;
        try {
            perform(action, script);
        } catch (const Failure& caught) {
            require(allowed(action, caught.cause()), "an action fails only with its own causes");
            failure = caught.cause();
            failed = true;
        }

        if (state.codeField().text() != codeBefore) unsync();
        switch (action) {
            case Action::Type:
            case Action::Key:
            case Action::Click:
                if (failed) unsync();
                break;
            case Action::Previous:
            case Action::Next:
                failed ? unsync() : syncAll();
                break;
            case Action::Read:
                checkRead(failed, failure, tablesBefore);
                break;
            case Action::Save:
                require(support::tableTexts(state) == tablesBefore, "Save changes no table");
                failed ? checkFilesKept(filesBefore) : checkSaved();
                break;
            case Action::Export:
                require(support::tableTexts(state) == tablesBefore, "Export changes no table");
                if (!failed) checkExported();
                break;
            default:
                break;
        }
        checkColours();
        checkShownGlyphStored();
        checkNoStrayFiles();
    }

    void perform(Action action, ActionScript& script) {
        auto& state = editor_.state();
        switch (action) {
            case Action::Type: {
                const int field = script.choose(static_cast<int>(state::kAllFields.size()));
                typeInto(field, script.text());
                break;
            }
            case Action::Key: {
                // One keystroke at the end of the text: a byte, or a backspace for 0x08.
                const int field = script.choose(static_cast<int>(state::kAllFields.size()));
                std::string text = state.field(state::kAllFields[field]).text();
                const char key = static_cast<char>(script.choose(256));
                if (key != '\b') {
                    text.push_back(key);
                } else if (!text.empty()) {
                    text.pop_back();
                }
                typeInto(field, std::move(text));
                break;
            }
            case Action::Click: {
                const int column = 1 + script.choose(state::kGlyphColumns);
                editor_.togglePixel(column, script.choose(state::kGlyphRows));
                synced_[column - 1] = true;
                break;
            }
            case Action::Previous:
                editor_.previous();
                break;
            case Action::Next:
                editor_.next();
                break;
            case Action::Save:
                files::saveFont(state, dir_.path());
                break;
            case Action::Read:
                files::readFont(editor_, dir_.path());
                break;
            case Action::Export:
                files::exportHeader(state, dir_.path());
                break;
            case Action::PutFile: {
                const char* name = kFileNames[script.choose(kFileNames.size())];
                dir_.put(name, script.text());
                break;
            }
            case Action::Block: {
                // A directory where a file must go.
                const auto path = dir_.path() / kFileNames[script.choose(kFileNames.size())];
                std::filesystem::remove_all(path);
                std::filesystem::create_directory(path);
                break;
            }
            case Action::Count:
                break;
        }
    }

    void typeInto(int field, std::string text) {
        const state::FieldId id = state::kAllFields[field];
        auto& target = editor_.state().field(id);
        // Only a change runs the field's action; a failing one unsyncs everything in step().
        const bool changes = target.text() != text;
        target.setText(std::move(text));
        if (changes && field < state::kGlyphColumns) synced_[field] = true;
        if (changes && id == state::FieldId::Text10) labelSynced_ = true;
    }

    void unsync() {
        synced_.fill(false);
        labelSynced_ = false;
    }

    void syncAll() {
        synced_.fill(true);
        labelSynced_ = true;
    }

    void checkRead(bool failed, Cause failure, const std::vector<std::string>& tablesBefore) {
        const bool failedToLoad =
            failed && failure != Cause::CodeOutOfRange && failure != Cause::Overflow;
        if (failedToLoad) {
            require(support::tableTexts(editor_.state()) == tablesBefore, "a Read that fails loads nothing");
            return;
        }
        const files::FontData loaded = files::loadFontFiles(dir_.path());
        const files::FontData held = files::fontData(editor_.state().font, editor_.state().labels);
        require(held.cells == loaded.cells && held.labels == loaded.labels,
                "Read stores what the files hold");
        failed ? unsync() : syncAll();
    }

    void checkSaved() {
        // Save refuses any text that would move the ones after it, so every text keeps its
        // place and Read gives each back unless CP932 or a leading blank changes it.
        const files::FontData saved = files::fontData(editor_.state().font, editor_.state().labels);
        const files::FontData loaded = files::loadFontFiles(dir_.path());
        for (int code = 0; code < state::kSavedCodes; ++code) {
            for (int column = 0; column < state::kGlyphColumns; ++column) {
                const std::string& cell = saved.cells[code][column];
                require(files::keepsItsPlaceAsCell(cell), "Save writes only cells in place");
                if (!startsWithBlank(cell) && survivesCp932(cell)) {
                    require(loaded.cells[code][column] == cell, "Save then Read keeps a cell");
                }
            }
            const std::string& label = saved.labels[code];
            if (survivesCp932(label)) {
                require(loaded.labels[code] == label, "Save then Read keeps a label");
            }
        }
    }

    std::array<std::string, 2> savedFiles() const {
        return {fileBytes(dir_.path() / files::kFontFileName),
                fileBytes(dir_.path() / files::kLabelFileName)};
    }

    void checkFilesKept(const std::array<std::string, 2>& filesBefore) {
        require(savedFiles() == filesBefore, "a Save that fails leaves both old files whole");
    }

    void checkExported() {
        const files::FontData data = files::fontData(editor_.state().font, editor_.state().labels);
        require(fileBytes(dir_.path() / files::kHeaderFileName) == files::headerBytes(data),
                "Export writes the header of the tables");
    }

    void checkColours() {
        const auto& state = editor_.state();
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            const double value = state::columnValue(state.columnField(column).text());
            for (int row = 0; row < state::kGlyphRows; ++row) {
                const bool lit = state.pixels.colour(column, row) == state::PixelColour::Lit;
                require(lit == state::bitTest(row, value), "the colours show the column's bits");
            }
        }
    }

    void checkShownGlyphStored() {
        const auto& state = editor_.state();
        int code = 0;
        try {
            code = state.currentCode();
        } catch (const Failure&) {
            return;
        }
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            if (synced_[column - 1]) {
                require(state.font.cell(code, column) == state.columnField(column).text(),
                        "a refreshed column is stored under the current code");
            }
        }
        if (labelSynced_) {
            require(state.labels.label(code) == state.labelField().text(),
                    "a changed label is stored under the current code");
        }
    }

    // Atomic writes leave no temporary file behind, whether they succeed or fail.
    void checkNoStrayFiles() {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
            const std::string name = entry.path().filename().string();
            require(name == kFileNames[0] || name == kFileNames[1] || name == kFileNames[2],
                    "the directory holds only the editor's three files");
        }
    }

    const ScratchDirectory& dir_;
    editing::Editor editor_;
    std::array<bool, state::kGlyphColumns> synced_{};
    bool labelSynced_ = false;
};

}  // namespace
}  // namespace fontedit::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fontedit::support::ScratchDirectory dir;
    fontedit::fuzz::ActionScript script(data, size);
    fontedit::fuzz::Session(dir).run(script);
    return 0;
}
