#include "framework/GroupBoxControl.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace vorn::fw {

GroupBoxControl::GroupBoxControl(const QString& text, QWidget* parent)
    : QWidget(parent), m_text(text) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GroupBoxControl::setText(const QString& text) {
    m_text = text;
    update();
}

// Drawn the way the templates were laid out for: an etched frame whose top edge runs through the
// middle of the title, so that the controls placed just below the title sit inside the frame.
// (Qt's styles put the whole title above the frame, which pushes the frame onto those controls.)
void GroupBoxControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));

    if (m_text.isEmpty()) {
        return;
    }
    const int indent = metrics.averageCharWidth();
    const QRect label(
        indent, 0,
        std::min(metrics.horizontalAdvance(QString(m_text).remove('&')) + 4, width() - 2 * indent),
        metrics.height());
    painter.fillRect(label, palette().color(QPalette::Window));
    style()->drawItemText(&painter, label.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), m_text, QPalette::WindowText);
}

} // namespace vorn::fw
