#include "editing/history.h"

#include <string_view>

namespace fontedit::editing {
namespace {

// A step is the code to show, then one record per changed text: code, slot, and the texts
// before and after, each led by its length. Lengths are base-128 varints, so a step of one
// short cell fits in a string's own buffer and takes no allocation.
void appendLength(std::string& out, std::size_t length) {
    while (length >= 0x80) {
        out += static_cast<char>(0x80 | (length & 0x7F));
        length >>= 7;
    }
    out += static_cast<char>(length);
}

void appendText(std::string& out, std::string_view text) {
    appendLength(out, text.size());
    out += text;
}

std::uint8_t takeRawByte(std::string_view& in) {
    const auto byte = static_cast<std::uint8_t>(in.front());
    in.remove_prefix(1);
    return byte;
}

std::string_view takeText(std::string_view& in) {
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = takeRawByte(in);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) break;
    }
    const std::string_view text = in.substr(0, length);
    in.remove_prefix(length);
    return text;
}

const std::string& tableText(const state::FontTable& font, const state::LabelTable& labels,
                             int code, int slot) {
    return slot == state::kTableColumns ? labels.label(code) : font.cell(code, slot);
}

}  // namespace

void History::begin(int code) {
    open_ = true;
    openCode_ = code;
}

void History::noteCell(int code, int column, const std::string& before) {
    note(code, column, before);
}

void History::noteLabel(int code, const std::string& before) {
    note(code, state::kTableColumns, before);
}

void History::note(int code, int slot, const std::string& before) {
    if (replaying_) return;
    if (!open_) begin(-1);
    const std::size_t index = static_cast<std::size_t>(code * kSlots + slot);
    if (seen_.test(index)) return;
    seen_.set(index);
    noted_.push_back({static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(slot), before});
}

void History::end(const state::FontTable& font, const state::LabelTable& labels) {
    if (!open_) return;
    open_ = false;
    std::string step;
    for (const Noted& noted : noted_) {
        const std::string& after = tableText(font, labels, noted.code, noted.slot);
        if (after == noted.before) continue;
        if (step.empty()) step += static_cast<char>(openCode_ >= 0 ? openCode_ : noted.code);
        step += static_cast<char>(noted.code);
        step += static_cast<char>(noted.slot);
        appendText(step, noted.before);
        appendText(step, after);
    }
    for (const Noted& noted : noted_) seen_.reset(noted.code * kSlots + noted.slot);
    noted_.clear();
    if (step.empty()) return;
    steps_.resize(steps_.size() - undone_);
    undone_ = 0;
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) steps_.pop_front();
}

int History::undo(state::FontTable& font, state::LabelTable& labels) {
    ++undone_;
    return replay(steps_[steps_.size() - undone_], false, font, labels);
}

int History::redo(state::FontTable& font, state::LabelTable& labels) {
    --undone_;
    return replay(steps_[steps_.size() - undone_ - 1], true, font, labels);
}

int History::replay(const std::string& step, bool forward, state::FontTable& font,
                    state::LabelTable& labels) {
    replaying_ = true;
    std::string_view in = step;
    const int code = takeRawByte(in);
    while (!in.empty()) {
        const int changed = takeRawByte(in);
        const int slot = takeRawByte(in);
        const std::string_view before = takeText(in);
        const std::string_view after = takeText(in);
        std::string text(forward ? after : before);
        if (slot == state::kTableColumns) {
            labels.setLabel(changed, std::move(text));
        } else {
            font.setCell(changed, slot, std::move(text));
        }
    }
    replaying_ = false;
    return code;
}

}  // namespace fontedit::editing
