#pragma once

// The program's texts are single bytes; Qt's are Unicode. Each byte stands for the character of
// the same number (Latin-1), so a text goes to Qt and back unchanged.

#include <QString>
#include <string>
#include <string_view>

namespace vorn::fw {

inline QString toQt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString toQt(const char* text) {
    return text ? QString::fromLatin1(text) : QString();
}
inline std::string fromQt(const QString& text) {
    return text.toLatin1().toStdString();
}

// The mnemonic character of a control text: the character after the first single '&' ("&&"
// stands for a plain '&'), upper-cased; a null QChar when there is none.
QChar mnemonicOf(const QString& text);

} // namespace vorn::fw
