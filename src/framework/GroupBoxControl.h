#pragma once

// A group box: a frame with a title, drawn under the controls it surrounds. It takes no mouse
// input and no focus; its mnemonic is handled by the dialog.

#include <QWidget>

namespace vorn::fw {

class GroupBoxControl : public QWidget {
public:
    GroupBoxControl(const QString& text, QWidget* parent);

    void setText(const QString& text);
    const QString& text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace vorn::fw
