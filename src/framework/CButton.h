#pragma once

// A push button, check box, radio button or group box of a dialog.

#include "framework/CWnd.h"

class CButton : public CWnd {
public:
    CButton() = default;

    // BST_UNCHECKED or BST_CHECKED. A radio button that becomes checked gains WS_TABSTOP, one
    // that becomes unchecked loses it.
    void SetCheck(int nCheck);
    int GetCheck() const;
};
