#pragma once

// A radio button that never changes its own check state: the dialog manager checks auto radio
// buttons itself, group by group, as the template's WS_GROUP marks divide them.

#include <QRadioButton>

namespace vorn::fw {

class RadioButtonControl : public QRadioButton {
public:
    explicit RadioButtonControl(QWidget* parent);

protected:
    void nextCheckState() override;
};

} // namespace vorn::fw
