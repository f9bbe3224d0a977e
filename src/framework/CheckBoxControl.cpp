#include "framework/CheckBoxControl.h"

namespace vorn::fw {

CheckBoxControl::CheckBoxControl(bool automatic, bool threeState, QWidget* parent)
    : QCheckBox(parent), m_automatic(automatic) {
    setTristate(threeState);
}

void CheckBoxControl::nextCheckState() {
    if (m_automatic) {
        QCheckBox::nextCheckState();
    }
}

} // namespace vorn::fw
