#pragma once

// The dialog manager's plain functions, for code that works with window handles (dialog
// procedures) rather than window objects.

#include "framework/UiConstants.h"
#include "framework/UiTypes.h"

// Runs the dialog of template lpTemplateName (MAKEINTRESOURCE of its number) from module
// hInstance modally, owned by hWndParent (none when null), with lpDialogFunc as its dialog
// procedure; WM_INITDIALOG carries dwInitParam. The dialog shows even when its template lacks
// WS_VISIBLE. Returns the value given to EndDialog, or -1 when the dialog cannot be created.
INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam);

// Ends the modal run of hDlg with nResult once the current handler has returned; on a modeless
// dialog it only hides the window. FALSE when hDlg is not a dialog.
BOOL EndDialog(HWND hDlg, INT_PTR nResult);

// Sends a message to a window and returns its answer; 0 for a handle that is no window.
// Dialogs take WM_COMMAND, WM_CLOSE, WM_SETICON, WM_GETICON, WM_ICONERASEBKGND, WM_SETTEXT,
// WM_GETTEXT and their own messages; list boxes the LB_ messages; buttons BM_GETCHECK,
// BM_SETCHECK and BM_CLICK.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Destroys the window, as CWnd::DestroyWindow does.
BOOL DestroyWindow(HWND hWnd);

HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL IsWindow(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
// The window (control or dialog) that has the keyboard focus, or null.
HWND GetFocus();
HWND SetFocus(HWND hWnd);
// GWL_STYLE, GWL_EXSTYLE or GWL_ID of a window; 0 for a handle that is no window.
LONG GetWindowLongA(HWND hWnd, int nIndex);
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);
