#include "framework/WindowApi.h"

#include "framework/ControlMessages.h"
#include "framework/DialogManager.h"
#include "framework/DialogWindow.h"
#include "framework/WindowRegistry.h"

#include <QApplication>
#include <cstring>

using vorn::fw::DialogManager;
using vorn::fw::DialogWindow;
using vorn::fw::WindowKind;
using vorn::fw::WindowRecord;
using vorn::fw::WindowRegistry;

namespace {

WindowRecord* recordOf(HWND window) {
    return WindowRegistry::instance().find(window);
}

WindowRecord* dialogControl(HWND dialog, int id) {
    DialogWindow* window = DialogManager::dialogWindow(dialog);
    return window != nullptr ? window->controlById(id) : nullptr;
}

} // namespace

INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    if (QApplication::instance() == nullptr || !IS_INTRESOURCE(lpTemplateName)) {
        return -1;
    }
    auto id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpTemplateName));
    HWND dialog = DialogManager::create(hInstance, id, hWndParent,
                                        {lpDialogFunc, dwInitParam, nullptr, false});
    if (dialog == nullptr) {
        return -1;
    }
    return DialogManager::runModal(dialog);
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    return DialogManager::endDialog(hDlg, nResult);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = recordOf(hWnd);
    if (record == nullptr) {
        return 0;
    }
    if (record->kind == WindowKind::Dialog) {
        DialogWindow* window = DialogManager::dialogWindow(hWnd);
        return window != nullptr ? window->send(message, wParam, lParam) : 0;
    }
    return vorn::fw::controlMessage(*record, message, wParam, lParam);
}

BOOL DestroyWindow(HWND hWnd) {
    return DialogManager::destroy(hWnd);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    WindowRecord* control = dialogControl(hDlg, nIDDlgItem);
    return control != nullptr ? control->handle : nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    WindowRecord* record = recordOf(hWnd);
    return record != nullptr && record->isControl() ? record->id : 0;
}

BOOL IsWindow(HWND hWnd) {
    return recordOf(hWnd) != nullptr;
}

BOOL IsWindowEnabled(HWND hWnd) {
    WindowRecord* record = recordOf(hWnd);
    return record != nullptr && record->ownEnabled();
}

BOOL IsWindowVisible(HWND hWnd) {
    WindowRecord* record = recordOf(hWnd);
    return record != nullptr && record->widget && record->widget->isVisible();
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    return DialogManager::enable(hWnd, bEnable != FALSE) ? TRUE : FALSE;
}

HWND GetFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        if (QWidget* active = QApplication::activeWindow()) {
            focus = active->focusWidget() != nullptr ? active->focusWidget() : active;
        }
    }
    WindowRecord* record = WindowRegistry::instance().findByWidget(focus);
    return record != nullptr ? record->handle : nullptr;
}

HWND SetFocus(HWND hWnd) {
    HWND previous = GetFocus();
    WindowRecord* record = recordOf(hWnd);
    if (record == nullptr) {
        return previous;
    }
    if (record->isControl()) {
        if (DialogWindow* dialog = DialogManager::dialogWindow(record->parent)) {
            if (dialog->isVisible()) {
                dialog->activateWindow();
            }
            dialog->focusControl(hWnd, Qt::OtherFocusReason);
        }
    } else if (DialogWindow* dialog = DialogManager::dialogWindow(hWnd)) {
        dialog->raise();
        dialog->activateWindow();
        dialog->restoreFocus();
    }
    return previous;
}

LONG GetWindowLongA(HWND hWnd, int nIndex) {
    WindowRecord* record = recordOf(hWnd);
    if (record == nullptr) {
        return 0;
    }
    switch (nIndex) {
    case GWL_STYLE: {
        DWORD style = record->style & ~(WS_VISIBLE | WS_DISABLED);
        if (record->isControl() ? record->ownVisible()
                                : (record->widget && record->widget->isVisible())) {
            style |= WS_VISIBLE;
        }
        if (!record->ownEnabled()) {
            style |= WS_DISABLED;
        }
        return static_cast<LONG>(style);
    }
    case GWL_EXSTYLE:
        return static_cast<LONG>(record->exStyle);
    case GWL_ID:
        return record->id;
    default:
        return 0;
    }
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (recordOf(hWnd) == nullptr) {
        return FALSE;
    }
    SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString));
    return TRUE;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0) {
        return 0;
    }
    lpString[0] = '\0';
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                        reinterpret_cast<LPARAM>(lpString)));
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    DialogWindow* window = DialogManager::dialogWindow(hDlg);
    if (window == nullptr) {
        return FALSE;
    }
    for (HWND control : window->controls()) {
        WindowRecord* record = window->controlRecord(control);
        if (record != nullptr && record->id >= nIDFirstButton && record->id <= nIDLastButton) {
            vorn::fw::setButtonCheck(*record,
                                     record->id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    WindowRecord* control = dialogControl(hDlg, nIDButton);
    return control != nullptr ? vorn::fw::buttonCheck(*control) : 0;
}
