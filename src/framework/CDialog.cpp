#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/DialogManager.h"
#include "framework/ModuleResources.h"
#include "framework/WindowApi.h"

#include <QApplication>

using vorn::fw::DialogManager;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr || QApplication::instance() == nullptr) {
        return -1;
    }
    HINSTANCE module = AfxGetResourceHandle();
    if (AfxFindDialogTemplate(module, m_nIDTemplate) == nullptr) {
        PostNcDestroy();
        return -1;
    }
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        // Without a parent the dialog belongs to the main window, or to its pop-up that was
        // active last.
        CWnd* main = AfxGetMainWnd();
        if (main != nullptr && main != this && IsWindow(main->m_hWnd)) {
            owner = DialogManager::lastActivePopup(DialogManager::topLevel(main->m_hWnd));
        }
    }
    HWND dialog = DialogManager::create(module, m_nIDTemplate, owner, {nullptr, 0, this, true});
    if (dialog == nullptr) {
        return -1;
    }
    // The run destroys the window, and PostNcDestroy may delete this object: nothing of it is
    // touched afterwards.
    return DialogManager::runModal(dialog);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    HINSTANCE module = AfxGetResourceHandle();
    const DialogTemplate* found = AfxFindDialogTemplate(module, nIDTemplate);
    if (found == nullptr || QApplication::instance() == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    HWND owner = pParentWnd != nullptr ? DialogManager::topLevel(pParentWnd->m_hWnd) : nullptr;
    HWND dialog = DialogManager::create(module, nIDTemplate, owner, {nullptr, 0, this, true});
    if (dialog == nullptr) {
        return FALSE;
    }
    if (found->style & WS_VISIBLE) {
        DialogManager::show(dialog);
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CDialog::OnCmdMsg(UINT id, UINT code) {
    if (CWnd::OnCmdMsg(id, code)) {
        return TRUE;
    }
    // Only commands (not control notifications, not system commands) travel on.
    if (code != BN_CLICKED || id < 0x8000 || id >= 0xF000) {
        return FALSE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
