#pragma once

// Message boxes: a text, an optional icon and a row of buttons. Line feeds in the text start new
// lines. Escape and the close button answer IDCANCEL when the box has a Cancel button and IDOK
// when it has only OK; otherwise they do nothing. The window title and object name are the
// caption.

#include "framework/UiConstants.h"
#include "framework/UiTypes.h"

// The framework's message box. The caption is the application title; MB_ICONEXCLAMATION is added
// to MB_OK, MB_OKCANCEL, MB_YESNO and MB_YESNOCANCEL when the type names no icon. The owner is the
// main window or the pop-up it last activated; both stay disabled while the box is up. Returns the
// id of the button pressed (IDOK, IDCANCEL, IDYES, IDNO, ...). nIDHelp is not used.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

// A message box owned by hWnd's top-level window (none when null), which is disabled while the
// box is up; a null caption gives the application title. No icon unless the type names one.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
