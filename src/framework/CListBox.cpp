#include "framework/CListBox.h"

#include "framework/WindowApi.h"

#include <string>

int CListBox::AddString(LPCSTR lpszItem) {
    return static_cast<int>(
        ::SendMessage(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::GetCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int nSelect) {
    return static_cast<int>(::SendMessage(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszPrefix) {
    return static_cast<int>(::SendMessage(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                          reinterpret_cast<LPARAM>(lpszPrefix)));
}

int CListBox::GetTextLen(int nIndex) const {
    return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

void CListBox::GetText(int nIndex, CString& rString) const {
    int length = GetTextLen(nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    rString = CString(std::move(text));
}
