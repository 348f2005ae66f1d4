#pragma once

// A single-line text field of the editor. A write that changes the text tells the views
// and then runs the field's change action before it returns, so actions nest exactly as
// they do in a window whose fields raise a change event on every edit.
#include <functional>
#include <string>
#include <vector>

namespace fontedit::state {

class TextField {
public:
    using Observer = std::function<void(const std::string& text)>;

    explicit TextField(std::string text = {}) : text_(std::move(text)) {}
    TextField(const TextField&) = delete;
    TextField& operator=(const TextField&) = delete;

    const std::string& text() const { return text_; }

    // Writing the text the field already holds does nothing.
    void setText(std::string text);

    // The editing rule bound to this field; there is at most one.
    void setChangeAction(std::function<void()> action) { changeAction_ = std::move(action); }

    // Views that mirror the text; told before the change action runs.
    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

private:
    std::string text_;
    std::function<void()> changeAction_;
    std::vector<Observer> observers_;
};

}  // namespace fontedit::state
