#pragma once

// The widest text each of the window's fields must show: the label of a control character, a
// code, a byte.
#include <QString>

namespace fontedit::window_tests {

QString widestFieldText(const QString& name);

}  // namespace fontedit::window_tests
