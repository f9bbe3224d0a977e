#pragma once

// A device context: something to draw on.

#include "framework/UiTypes.h"

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; } // NOLINT: implicit, as callers expect

    // Draws the icon at its standard size with its top-left corner at x, y.
    BOOL DrawIcon(int x, int y, HICON hIcon);
};
