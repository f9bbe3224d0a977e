#include "framework/DialogUnits.h"

#include <QFontMetrics>
#include <cstdint>

namespace vorn::fw {

namespace {
constexpr const char* kStandInFamily = "DejaVu Sans Condensed";
constexpr int kLogicalDpi = 96;
} // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t half = (c < 0 ? -static_cast<std::int64_t>(c) : c) / 2;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = (product < 0 ? -product : product) + half;
    std::int64_t quotient = magnitude / (c < 0 ? -static_cast<std::int64_t>(c) : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

DialogUnits::DialogUnits(const char* fontName, int pointSize)
    : m_font(standInFont(fontName, pointSize)), m_base(measureBaseUnits(m_font)) {}

DialogUnits::DialogUnits(QFont font, QSize baseUnits)
    : m_font(std::move(font)), m_base(baseUnits) {}

int DialogUnits::fromPixelsX(int pixels) const {
    return (pixels * 4 + m_base.width() - 1) / m_base.width();
}

int DialogUnits::fromPixelsY(int pixels) const {
    return (pixels * 8 + m_base.height() - 1) / m_base.height();
}

QFont DialogUnits::standInFont(const char* /*fontName*/, int pointSize) {
    // Whatever the template names, one font family stands in for it: the templates of this
    // program all name the same 8-point sans-serif face.
    QFont font(QString::fromLatin1(kStandInFamily));
    font.setStyleHint(QFont::SansSerif);
    int pixels = MulDiv(pointSize > 0 ? pointSize : 8, kLogicalDpi, 72);
    font.setPixelSize(pixels > 0 ? pixels : 11);
    return font;
}

QSize DialogUnits::measureBaseUnits(const QFont& font) {
    QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    int average = (width / 26 + 1) / 2;
    return {average > 0 ? average : 1, metrics.height() > 0 ? metrics.height() : 1};
}

} // namespace vorn::fw
