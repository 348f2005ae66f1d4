#include "state/text_field.h"

namespace fontedit::state {

void TextField::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    for (const Observer& observer : observers_) observer(text_);
    if (changeAction_) changeAction_();
}

}  // namespace fontedit::state
