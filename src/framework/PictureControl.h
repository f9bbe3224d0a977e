#pragma once

// A picture control (a static with SS_BITMAP). Plain, it takes the picture's own pixel size with
// its top-left corner at the control's position. With SS_CENTERIMAGE it keeps its template size
// and the picture sits centred in it at one screen pixel per image pixel, clipped by the frame.
// WS_BORDER draws a one-pixel black frame, SS_SUNKEN a one-pixel sunken edge inside it.

#include "platform/WinTypes.h"

#include <QPixmap>
#include <QWidget>

namespace vorn::fw {

class PictureControl : public QWidget {
public:
    PictureControl(QPixmap picture, DWORD style, DWORD controlStyle, QWidget* parent);

    // Places the control at its template rectangle (in pixels), then applies its sizing rule.
    void place(const QRect& templateRect);

    const QPixmap& picture() const { return m_picture; }
    // The frame's width on each side, in pixels.
    int frameWidth() const;
    // The area inside the frame.
    QRect clientRect() const;
    // Where the picture's top-left corner lands, in the control's coordinates.
    QPoint pictureOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    DWORD m_style;   // SS_ flags
    DWORD m_wsStyle; // WS_ flags
};

} // namespace vorn::fw
