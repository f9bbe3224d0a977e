#pragma once

// Turns a dialog template into a dialog window with its controls: the geometry from dialog units,
// the controls' kinds from their classes and styles, the window's frame and place from its
// styles and owner.

#include "framework/DialogTemplate.h"
#include "framework/UiTypes.h"

namespace vorn::fw {

class DialogWindow;

class DialogBuilder {
public:
    // A new, hidden dialog window with its record; pictures come from module. owner is a dialog
    // or null.
    static DialogWindow* build(const DialogTemplate& dialogTemplate, HINSTANCE module, HWND owner);

private:
    static void addControl(DialogWindow& dialog, const DialogItemTemplate& item, HINSTANCE module);
    static void place(DialogWindow& dialog, const DialogTemplate& dialogTemplate, HWND owner);
};

} // namespace vorn::fw
