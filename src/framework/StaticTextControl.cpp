#include "framework/StaticTextControl.h"

#include "framework/UiConstants.h"

#include <QPainter>
#include <QStyle>

namespace vorn::fw {

StaticTextControl::StaticTextControl(const QString& text, DWORD style, QWidget* parent)
    : QWidget(parent), m_text(text), m_style(style) {
    setFocusPolicy(Qt::NoFocus);
}

void StaticTextControl::setText(const QString& text) {
    m_text = text;
    update();
}

int StaticTextControl::textFlags() const {
    int flags = Qt::AlignTop;
    switch (m_style & SS_TYPEMASK) {
    case SS_CENTER:
        flags |= Qt::AlignHCenter | Qt::TextWordWrap;
        break;
    case SS_RIGHT:
        flags |= Qt::AlignRight | Qt::TextWordWrap;
        break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        flags |= Qt::AlignLeft;
        break;
    default:
        flags |= Qt::AlignLeft | Qt::TextWordWrap;
        break;
    }
    if ((m_style & SS_NOPREFIX) == 0) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

void StaticTextControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), textFlags(), palette(), isEnabled(), m_text,
                          QPalette::WindowText);
}

} // namespace vorn::fw
