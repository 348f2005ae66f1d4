#pragma once

// What an action wrote, said without a modal box: a tip beneath the control that ran it,
// gone by itself after a few seconds.
#include <QString>

class QWidget;

namespace fontedit::window {

void confirm(QWidget* near, const QString& text);

}  // namespace fontedit::window
