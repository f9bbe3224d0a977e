#include "framework/CWnd.h"

#include "framework/CButton.h"
#include "framework/CListBox.h"
#include "framework/CStatic.h"
#include "framework/CWinApp.h"
#include "framework/ControlMessages.h"
#include "framework/DialogManager.h"
#include "framework/DialogWindow.h"
#include "framework/LiveObjects.h"
#include "framework/MessageBox.h"
#include "framework/WindowApi.h"
#include "framework/WindowRegistry.h"

using vorn::fw::DialogManager;
using vorn::fw::LiveObjects;
using vorn::fw::WindowKind;
using vorn::fw::WindowRecord;
using vorn::fw::WindowRegistry;

CWnd::CWnd() : m_serial(LiveObjects::add(this)) {}

CWnd::~CWnd() {
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
    }
    if (WindowRecord* record = WindowRegistry::instance().find(m_hWnd);
        record != nullptr && record->object == this) {
        if (record->kind == WindowKind::Dialog) {
            // The object goes first: its window cannot outlive it.
            DialogManager::destroy(m_hWnd, false);
        } else {
            // A control stays with its dialog; only the binding ends.
            record->object = nullptr;
        }
    }
    m_hWnd = nullptr;
    LiveObjects::remove(this);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    WindowRecord* record = WindowRegistry::instance().find(hWnd);
    if (record == nullptr) {
        return nullptr;
    }
    if (record->object != nullptr) {
        return record->object;
    }
    if (!record->temporary) {
        switch (record->kind) {
        case WindowKind::PushButton:
        case WindowKind::CheckBox:
        case WindowKind::RadioButton:
        case WindowKind::GroupBox:
            record->temporary = std::make_unique<CButton>();
            break;
        case WindowKind::ListBox:
            record->temporary = std::make_unique<CListBox>();
            break;
        case WindowKind::StaticText:
        case WindowKind::Picture:
            record->temporary = std::make_unique<CStatic>();
            break;
        case WindowKind::Dialog:
            record->temporary = std::make_unique<CWnd>();
            break;
        }
        record->temporary->m_hWnd = hWnd;
    }
    return record->temporary.get();
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    return MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
void CWnd::SetWindowText(LPCSTR lpszString) {
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    auto length = static_cast<std::size_t>(::SendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(length);
    rString = CString(std::move(text));
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id) != BST_UNCHECKED) {
            return id;
        }
    }
    return 0;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    return DialogManager::destroy(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::IsIconic() const {
    WindowRecord* record = WindowRegistry::instance().find(m_hWnd);
    return record != nullptr && record->widget && record->widget->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    if (lpRect == nullptr) {
        return;
    }
    *lpRect = RECT{0, 0, 0, 0};
    if (WindowRecord* record = WindowRegistry::instance().find(m_hWnd);
        record != nullptr && record->widget) {
        lpRect->right = record->widget->width();
        lpRect->bottom = record->widget->height();
    }
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (m_hWnd != nullptr || pParent == nullptr) {
        return FALSE;
    }
    HWND control = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    WindowRecord* record = WindowRegistry::instance().find(control);
    if (record == nullptr || record->object != nullptr) {
        return FALSE;
    }
    record->object = this;
    m_hWnd = control;
    return TRUE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage saved = m_current;
    const std::uint64_t serial = m_serial;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        if (!LiveObjects::alive(this, serial)) {
            return 0;
        }
        result = DefWindowProc(message, wParam, lParam);
    }
    // The handler may have destroyed the window and deleted this object with it.
    if (LiveObjects::alive(this, serial)) {
        m_current = saved;
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    }
    const MessageMapEntry* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    *pResult = entry->handler(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = WindowRegistry::instance().find(m_hWnd);
    if (record == nullptr) {
        return 0;
    }
    if (record->kind == WindowKind::Dialog) {
        vorn::fw::DialogWindow* dialog = DialogManager::dialogWindow(m_hWnd);
        return dialog != nullptr ? dialog->defaultProc(message, wParam, lParam) : 0;
    }
    return vorn::fw::controlMessage(*record, message, wParam, lParam);
}

void CWnd::PostNcDestroy() {}
