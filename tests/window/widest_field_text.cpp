#include "widest_field_text.h"

namespace fontedit::window_tests {

QString widestFieldText(const QString& name) {
    if (name == QLatin1String("Text10")) return QStringLiteral("DEL");
    if (name == QLatin1String("Text9")) return QStringLiteral("100");
    return QStringLiteral("FF");
}

}  // namespace fontedit::window_tests
