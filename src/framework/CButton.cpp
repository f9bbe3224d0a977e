#include "framework/CButton.h"

#include "framework/WindowApi.h"

void CButton::SetCheck(int nCheck) {
    ::SendMessage(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
}

int CButton::GetCheck() const {
    return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0));
}
