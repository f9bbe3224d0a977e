#pragma once

// The messages a control answers (BM_, LB_ and the window text), and the check state and text
// operations that the dialog manager uses on controls directly.

#include "framework/WindowRecord.h"

namespace vorn::fw {

LRESULT controlMessage(WindowRecord& control, UINT message, WPARAM wParam, LPARAM lParam);

// BST_UNCHECKED, BST_CHECKED or 2 (indeterminate); 0 for a control that has no check state.
UINT buttonCheck(const WindowRecord& control);
// Sets the check state; a radio button gains WS_TABSTOP when checked and loses it otherwise.
void setButtonCheck(WindowRecord& control, UINT state);

void setControlText(WindowRecord& control, const char* text);

} // namespace vorn::fw
