#include "framework/RadioButtonControl.h"

namespace vorn::fw {

RadioButtonControl::RadioButtonControl(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
}

void RadioButtonControl::nextCheckState() {}

} // namespace vorn::fw
