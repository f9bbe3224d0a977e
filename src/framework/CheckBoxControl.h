#pragma once

// A check box. An automatic one toggles itself when clicked; any other leaves its state to the
// program.

#include <QCheckBox>

namespace vorn::fw {

class CheckBoxControl : public QCheckBox {
public:
    CheckBoxControl(bool automatic, bool threeState, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    bool m_automatic;
};

} // namespace vorn::fw
