#include "framework/Text.h"

namespace vorn::fw {

QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] == QLatin1Char('&')) {
            ++i; // a literal '&'
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

} // namespace vorn::fw
