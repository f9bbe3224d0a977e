#pragma once

// Icons and the system's sizes for them.

#include "framework/UiTypes.h"

// The icon numbered lpIconName (MAKEINTRESOURCE) in the module, at the standard icon size. The
// handle is shared by every caller and never freed. nullptr when there is no such icon.
HICON LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName);

// Draws the icon at its standard size with its top-left corner at x, y.
BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon);

// SM_CXICON / SM_CYICON (32), SM_CXSMICON / SM_CYSMICON (16), SM_CXSCREEN / SM_CYSCREEN.
int GetSystemMetrics(int nIndex);
