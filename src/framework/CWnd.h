#pragma once

// A window object: the program's C++ side of a window that the dialog manager made. The object
// and the window have separate lives: m_hWnd is null until a window is attached (a dialog's
// creation, DDX_Control) and again once the window is destroyed.

#include "framework/CCmdTarget.h"
#include "framework/CString.h"
#include "framework/UiConstants.h"
#include "framework/UiTypes.h"

#include <cstdint>

namespace vorn::fw {
class WindowAccess;
}

class CWnd : public CCmdTarget {
public:
    CWnd();
    // Destroys a window still attached (without PostNcDestroy, which belongs to the window's
    // normal end) and, when this object is the application's main window, clears that pointer.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; } // NOLINT: implicit, as callers expect

    // The object attached to the window: the program's own object when it has one, otherwise an
    // object the framework keeps until the window is destroyed. nullptr for no window.
    static CWnd* FromHandle(HWND hWnd);

    // A message box owned by this window's top-level window, which is disabled while the box is
    // up. A null caption gives the application title. Returns the id of the button pressed.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Enables or disables the window; returns nonzero when it was disabled before. A disabled
    // control keeps its check state and cannot be used.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;

    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;

    // Gives this window the keyboard focus (a dialog: activates it and gives the focus back to its
    // control that had it last, else its first tab stop). Returns the window that had the focus.
    CWnd* SetFocus();

    // Checks nIDCheckButton and unchecks every other button whose id lies in nIDFirstButton ..
    // nIDLastButton; with an id outside that range all of them end unchecked.
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    // The lowest id in the range whose button is checked; 0 when none is.
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);

    // Destroys the window: its owned windows first, then the window itself; clears the
    // application's main-window pointer when it pointed here; runs PostNcDestroy last, before
    // returning, so an object that deletes itself there must not be touched afterwards.
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    // Attaches the control nID of pParent's window to this object. FALSE when there is no such
    // control or this object already has a window.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Inside a message handler: the dialog manager's default handling of the message being
    // handled (for WM_PAINT, the ordinary painting of the window).
    LRESULT Default();

protected:
    // Every message to the window arrives here: the message map first, then the default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Called once the window has been destroyed, as the last thing the window does.
    virtual void PostNcDestroy();

private:
    friend class vorn::fw::WindowAccess;

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{0, 0, 0};
    std::uint64_t m_serial; // tells whether a handler deleted this object
};
