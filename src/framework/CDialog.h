#pragma once

// A dialog built from a template in the application's resource module, run modally (DoModal) or
// modelessly (Create). Its own table binds IDOK to OnOK and IDCANCEL to OnCancel; commands that no
// table of the dialog binds go on to the application object.

#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog, disables its owner, runs until EndDialog and destroys the window.
    // Returns the value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();

    // Creates the dialog modelessly, owned by pParentWnd's window (none when null); OnInitDialog
    // runs inside the call and the window shows at once when the template has WS_VISIBLE. TRUE
    // when the dialog is open. On FALSE, PostNcDestroy has already run (the window was never made
    // or was destroyed during its creation), so an object that deletes itself there is gone.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Ends the modal run with nResult once the current handler has returned. On a modeless dialog
    // it only hides the window.
    void EndDialog(int nResult);

    // Binds the controls through DoDataExchange; TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Commands that the dialog's tables do not bind go on to the application object.
    BOOL OnCmdMsg(UINT id, UINT code) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
};
