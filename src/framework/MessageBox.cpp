#include "framework/MessageBox.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/DialogManager.h"
#include "framework/DialogWindow.h"
#include "framework/MessageBoxBuilder.h"
#include "framework/Text.h"
#include "framework/WindowApi.h"
#include "framework/WindowRegistry.h"

#include <QApplication>

using vorn::fw::DialogManager;

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (QApplication::instance() == nullptr) {
        return 0;
    }
    HWND owner = DialogManager::topLevel(hWnd);
    bool topmost = false;
    if (vorn::fw::WindowRecord* record = vorn::fw::WindowRegistry::instance().find(owner)) {
        topmost = (record->style & DS_SYSMODAL) != 0 || (record->exStyle & WS_EX_TOPMOST) != 0;
    }
    vorn::fw::MessageBoxBuilder box(lpText, lpCaption != nullptr ? lpCaption : AfxGetAppName(),
                                    uType, topmost);
    HWND dialog =
        DialogManager::create(box.dialogTemplate(), nullptr, owner,
                              {&vorn::fw::MessageBoxBuilder::procedure, 0, nullptr, false});
    if (dialog == nullptr) {
        return 0;
    }
    if (QWidget* window = DialogManager::dialogWindow(dialog)) {
        window->setProperty("vornText", vorn::fw::toQt(lpText));
        window->setProperty("vornIcon", uType & MB_ICONMASK);
    }
    return static_cast<int>(DialogManager::runModal(dialog));
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        default:
            break;
        }
    }
    // Owned by the main window's pop-up that was active last, or else the main window; the main
    // window stays disabled as well while the box is up.
    HWND top = nullptr;
    HWND owner = nullptr;
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && IsWindow(main->m_hWnd)) {
        top = DialogManager::topLevel(main->m_hWnd);
        owner = DialogManager::lastActivePopup(top);
    }
    bool disabledTop = false;
    if (owner != nullptr && owner != top && IsWindowEnabled(top)) {
        EnableWindow(top, FALSE);
        disabledTop = true;
    }
    int answer = MessageBoxA(owner, lpszText, AfxGetAppName(), nType);
    if (disabledTop && IsWindow(top)) {
        EnableWindow(top, TRUE);
    }
    return answer;
}
