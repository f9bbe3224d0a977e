#include "app/RequirementScreens.h"

#include "framework/WindowApi.h"
#include "res/Resource.h"

int g_nRequirementScreen = SCREEN_SPECIFICATION;
HINSTANCE g_hInstance = nullptr;

void ShowRequirementScreens() {
    while (g_nRequirementScreen != SCREEN_DONE) {
        UINT nTemplate = 0;
        DLGPROC pfnDlgProc = nullptr;
        switch (g_nRequirementScreen) {
        case SCREEN_SPECIFICATION:
            nTemplate = IDD_SPECIFICATION;
            pfnDlgProc = SpecificationDlgProc;
            break;
        case SCREEN_RECOMMENDED:
            nTemplate = IDD_RECOMMENDED;
            pfnDlgProc = RequirementDlgProc;
            break;
        case SCREEN_REQUIRED:
            nTemplate = IDD_REQUIRED;
            pfnDlgProc = RequirementDlgProc;
            break;
        default:
            g_nRequirementScreen = SCREEN_DONE;
            return;
        }
        // Only a screen's own buttons move the state on. A screen that cannot be created never
        // will, so it counts as passed: the player goes on to the launcher rather than waiting on
        // a loop that shows nothing.
        if (DialogBoxParamA(g_hInstance, MAKEINTRESOURCE(nTemplate), nullptr, pfnDlgProc, 0) == -1)
            g_nRequirementScreen = SCREEN_DONE;
    }
}

INT_PTR SpecificationDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            g_nRequirementScreen = SCREEN_DONE;
            EndDialog(hDlg, 1);
            break;
        case IDC_SHOW_REQUIRED:
            g_nRequirementScreen = SCREEN_REQUIRED;
            EndDialog(hDlg, 0);
            break;
        case IDC_SHOW_RECOMMENDED:
            g_nRequirementScreen = SCREEN_RECOMMENDED;
            EndDialog(hDlg, 0);
            break;
        default:
            // Escape and close requests arrive as IDCANCEL: the screen stays.
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR RequirementDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            g_nRequirementScreen = SCREEN_SPECIFICATION;
            EndDialog(hDlg, 1);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
