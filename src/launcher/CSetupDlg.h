#pragma once

// The launcher dialog: the program's main window. It learns once whether the game is installed
// and then starts the installer or the game, or resets the game's control configuration.

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "framework/UiTypes.h"

class CDriverSettingsDlg;

class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(CWnd* pParent = nullptr);
    ~CSetupDlg() override;

    CButton m_btnResetKeyboard;
    CButton m_btnResetController;
    CButton m_btnDriverSettings;
    CButton m_btnInstallPlay;
    HICON m_hIcon;
    bool m_bInstalled;
    // The installation directory as stored in the settings key; empty when none could be read.
    CString m_strInstallDir;
    // The open driver settings dialog, which deletes itself; not owned.
    CDriverSettingsDlg* m_pDriverDlg;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnInstallPlay();
    void OnExit();
    void OnResetKeyboard();
    void OnResetController();

    DECLARE_MESSAGE_MAP()
};
