#pragma once

// Dialog units and the font behind them. A template's geometry is in dialog units: a quarter of
// the dialog font's average character width horizontally and an eighth of its height vertically.
//
// The templates ask for "MS Sans Serif" at 8 points, which Linux lacks. Every template font is
// shown as "DejaVu Sans Condensed" (Debian's fonts-dejavu-extra) at the pixel size that the point
// size has at 96 dpi: 8 points are 11 pixels, whose metrics give base units of 6 x 13, the same as
// the original font, so every control and picture keeps the size it was designed for.

#include "platform/WinTypes.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vorn::fw {

// The platform's rounding multiply-divide: a * b / c rounded half away from zero; -1 for c == 0.
int MulDiv(int a, int b, int c);

class DialogUnits {
public:
    DialogUnits(const char* fontName, int pointSize);
    // For a font and base units given directly.
    DialogUnits(QFont font, QSize baseUnits);

    const QFont& font() const { return m_font; }
    // Pixels per 4 horizontal and per 8 vertical dialog units.
    QSize baseUnits() const { return m_base; }

    int toPixelsX(int units) const { return MulDiv(units, m_base.width(), 4); }
    int toPixelsY(int units) const { return MulDiv(units, m_base.height(), 8); }
    QPoint toPixels(int x, int y) const { return {toPixelsX(x), toPixelsY(y)}; }
    QSize toPixelsSize(int cx, int cy) const { return {toPixelsX(cx), toPixelsY(cy)}; }
    QRect toPixels(int x, int y, int cx, int cy) const {
        return {toPixels(x, y), toPixelsSize(cx, cy)};
    }
    // The smallest number of dialog units that covers the pixels.
    int fromPixelsX(int pixels) const;
    int fromPixelsY(int pixels) const;

    // The stand-in font for a template font, and the base units a font gives: the average width
    // of "A".."Z" and "a".."z" rounded as the platform does, and the font's height.
    static QFont standInFont(const char* fontName, int pointSize);
    static QSize measureBaseUnits(const QFont& font);

private:
    QFont m_font;
    QSize m_base;
};

} // namespace vorn::fw
