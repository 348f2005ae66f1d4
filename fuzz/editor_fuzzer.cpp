// The editor driven by an arbitrary sequence of user actions, with what must always hold
// checked after every one of them.
// The first byte of each step picks the action, the bytes after it its arguments. Save, Read
// and Export use the files' bytes in memory, so that a run takes microseconds rather than a
// file system's time; writing and reading real files is tested in tests/document.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "action_script.h"
#include "carried_texts.h"
#include "check.h"
#include "editing/editor.h"
#include "formats/own/cell_texts.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "state/conversions.h"
#include "state/failure.h"
#include "support/table_texts.h"

namespace fontedit::fuzz {
namespace {

using state::Cause;
using state::Failure;

enum class Action { Type, Key, Click, Previous, Next, Save, Read, Export, PutFile };

// What a step's first byte picks, by its value modulo the count. Editing comes more often than
// the file actions: it is cheap and holds most of the rules, while Save, Read and Export each
// go through the whole font.
constexpr std::array kSteps = {Action::Type,     Action::Type,  Action::Type,    Action::Key,
                               Action::Key,      Action::Key,   Action::Click,   Action::Click,
                               Action::Previous, Action::Next,  Action::PutFile, Action::Save,
                               Action::Read,     Action::Export};

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
            return among({Cause::NotRepresentable, Cause::MovesLaterTexts});
        case Action::Read:
            return among({Cause::PastEndOfFile, Cause::InvalidCp932, Cause::CodeOutOfRange,
                          Cause::Overflow});
        default:
            return among({Cause::CodeOutOfRange, Cause::Overflow});
    }
}

class Session {
public:
    void run(ActionScript& script) {
        while (!script.done()) {
            step(kSteps[script.choose(static_cast<int>(kSteps.size()))], script);
        }
    }

private:
    void step(Action action, ActionScript& script) {
        auto& state = editor_.state();
        const std::string codeBefore = state.codeField().text();
        // Taken only for Read, as it costs more than most actions; Save and Export see the
        // state only as const.
        std::vector<std::string> tablesBefore;
        if (action == Action::Read) tablesBefore = support::tableTexts(state);

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
                if (!failed) checkSaved();
                break;
            default:
                break;
        }
        checkColours();
        checkShownGlyphStored();
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
                files_ = formats::fontFiles(
                    state::tableTexts<state::FontData>(state.font, state.labels));
                break;
            case Action::Read:
                editor_.read(formats::parseFontFiles(files_.font, files_.labels));
                break;
            case Action::Export:
                // Export writes these bytes and nothing else; only its failures matter here.
                formats::headerBytes(state::tableTexts<state::FontData>(state.font, state.labels));
                break;
            case Action::PutFile:
                (script.choose(2) == 0 ? files_.font : files_.labels) = script.text();
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
        if (changes && id == state::FieldId::Label) labelSynced_ = true;
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
            require(support::tableTexts(editor_.state()) == tablesBefore,
                    "a Read that fails loads nothing");
            return;
        }
        const state::FontData loaded = formats::parseFontFiles(files_.font, files_.labels);
        const state::FontData held =
            state::tableTexts<state::FontData>(editor_.state().font, editor_.state().labels);
        require(held.cells == loaded.cells && held.labels == loaded.labels,
                "Read stores what the files hold");
        failed ? unsync() : syncAll();
    }

    void checkSaved() {
        // Save refuses any text that would move the ones after it, so every text keeps its
        // place and Read gives each back unless CP932 or a leading blank changes it.
        const state::FontData saved =
            state::tableTexts<state::FontData>(editor_.state().font, editor_.state().labels);
        const state::FontData loaded = formats::parseFontFiles(files_.font, files_.labels);
        for (int code = 0; code < state::kSavedCodes; ++code) {
            for (int column = 0; column < state::kGlyphColumns; ++column) {
                const std::string& cell = saved.cells[code][column];
                require(formats::keepsItsPlaceAsCell(cell), "Save writes only cells in place");
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

    // The files Save writes and Read reads; empty until saved or dropped in.
    formats::FontFiles files_;
    editing::Editor editor_;
    std::array<bool, state::kGlyphColumns> synced_{};
    bool labelSynced_ = false;
};

}  // namespace
}  // namespace fontedit::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fontedit::fuzz::ActionScript script(data, size);
    fontedit::fuzz::Session().run(script);
    return 0;
}
