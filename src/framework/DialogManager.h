#pragma once

// Making, running and destroying dialogs from templates.

#include "framework/UiTypes.h"

class CWnd;
struct DialogTemplate;

namespace vorn::fw {

class DialogWindow;
struct WindowRecord;

class DialogManager {
public:
    // Who a dialog reports to: a dialog procedure (with its WM_INITDIALOG parameter) or a window
    // object; helpKey makes F1 send ID_HELP.
    struct Client {
        DLGPROC procedure = nullptr;
        LPARAM initParam = 0;
        CWnd* object = nullptr;
        bool helpKey = false;
    };

    // Builds the dialog of the template, owned by owner's top-level window, and sends it
    // WM_INITDIALOG; does not show it. nullptr when the template is missing or the dialog was
    // destroyed while it was being set up.
    static HWND create(HINSTANCE module, UINT templateId, HWND owner, const Client& client);
    static HWND create(const DialogTemplate& dialogTemplate, HINSTANCE module, HWND owner,
                       const Client& client);

    // Shows a dialog created by create() and gives the focus its start.
    static void show(HWND dialog);

    // Runs the dialog modally: disables its owner, shows it, runs until EndDialog, enables the
    // owner again and destroys the dialog. Returns EndDialog's value, or -1 when the dialog was
    // destroyed before it ended.
    static INT_PTR runModal(HWND dialog);

    static BOOL endDialog(HWND dialog, INT_PTR result);

    // Destroys a window: owned dialogs first, then the controls and the window itself; clears the
    // application's main-window pointer when it pointed at the window's object; calls the
    // object's PostNcDestroy last unless callPostNcDestroy is false (an object that is itself
    // being destroyed).
    static BOOL destroy(HWND window, bool callPostNcDestroy = true);

    // Drops the records of a dialog whose Qt window is going away by other means.
    static void forget(HWND dialog);

    static DialogWindow* dialogWindow(HWND dialog);
    // The dialog of a control, or the dialog itself; null for anything else.
    static HWND topLevel(HWND window);
    // The pop-up owned by the window that was active last, if it is still shown; else the window.
    static HWND lastActivePopup(HWND window);
    // Enables or disables a window; returns whether it was disabled before.
    static bool enable(HWND window, bool enable);
};

} // namespace vorn::fw
