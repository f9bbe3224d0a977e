#pragma once

// Exchange between a dialog's controls and its member objects, run by UpdateData.

#include "framework/CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Attaches the dialog's control nIDC to rControl, once: a control object that already has a
// window is left as it is.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
