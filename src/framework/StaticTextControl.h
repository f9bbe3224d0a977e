#pragma once

// A static text: left, centred or right aligned, wrapped at word boundaries unless the style says
// otherwise, with '&' marking a mnemonic unless SS_NOPREFIX is set. Line feeds start new lines.

#include "platform/WinTypes.h"

#include <QWidget>

namespace vorn::fw {

class StaticTextControl : public QWidget {
public:
    StaticTextControl(const QString& text, DWORD style, QWidget* parent);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    // The Qt text flags the style gives.
    int textFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    DWORD m_style;
};

} // namespace vorn::fw
