#pragma once

// A static text or picture of a dialog.

#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    CStatic() = default;
};
