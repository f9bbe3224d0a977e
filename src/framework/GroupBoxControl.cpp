#include "framework/GroupBoxControl.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

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

void GroupBoxControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionGroupBox option;
    option.initFrom(this);
    option.text = m_text;
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::AlignLeft;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!m_text.isEmpty()) {
        option.subControls |= QStyle::SC_GroupBoxLabel;
    }
    option.textColor =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

} // namespace vorn::fw
