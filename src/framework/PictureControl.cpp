#include "framework/PictureControl.h"

#include "framework/UiConstants.h"

#include <QPainter>

namespace vorn::fw {

PictureControl::PictureControl(QPixmap picture, DWORD style, DWORD controlStyle, QWidget* parent)
    : QWidget(parent), m_picture(std::move(picture)), m_style(style), m_wsStyle(controlStyle) {
    setFocusPolicy(Qt::NoFocus);
}

int PictureControl::frameWidth() const {
    return ((m_wsStyle & WS_BORDER) ? 1 : 0) + ((m_style & SS_SUNKEN) ? 1 : 0);
}

QRect PictureControl::clientRect() const {
    int frame = frameWidth();
    return rect().adjusted(frame, frame, -frame, -frame);
}

void PictureControl::place(const QRect& templateRect) {
    if ((m_style & SS_CENTERIMAGE) != 0 || m_picture.isNull()) {
        setGeometry(templateRect);
        return;
    }
    int frame = frameWidth();
    setGeometry(QRect(templateRect.topLeft(), m_picture.size() + QSize(2 * frame, 2 * frame)));
}

QPoint PictureControl::pictureOrigin() const {
    QRect client = clientRect();
    if ((m_style & SS_CENTERIMAGE) == 0) {
        return client.topLeft();
    }
    // Integer halves that truncate towards zero, so a picture larger than the frame overhangs
    // both sides alike.
    QSize size = m_picture.size();
    return {client.left() + (client.width() - size.width()) / 2,
            client.top() + (client.height() - size.height()) / 2};
}

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QRect outer = rect();
    if (m_wsStyle & WS_BORDER) {
        painter.setPen(Qt::black);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        outer.adjust(1, 1, -1, -1);
    }
    if (m_style & SS_SUNKEN) {
        // A half-sunken edge: shadow on the top and left, light on the bottom and right.
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(outer.topLeft(), outer.topRight());
        painter.drawLine(outer.topLeft(), outer.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(outer.bottomLeft(), outer.bottomRight());
        painter.drawLine(outer.topRight(), outer.bottomRight());
    }
    if (!m_picture.isNull()) {
        painter.setClipRect(clientRect());
        painter.drawPixmap(pictureOrigin(), m_picture);
    }
}

} // namespace vorn::fw
