#include "launcher/CSetupDlg.h"

#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "framework/Icons.h"
#include "framework/MessageBox.h"
#include "launcher/CopyWholeFile.h"
#include "platform/Registry.h"
#include "platform/Runtime.h"
#include "res/Resource.h"
#include "settings/SettingsKey.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kFatalCaption = "Fatal message from Vorn!";

// True when path names a file that can be opened for reading. A folder or a named pipe of that
// name is no game, although this platform would open it; the open does not wait, so that a pipe
// cannot hold up the launcher.
bool CanOpenForReading(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd == -1)
        return false;
    struct stat info {};
    const bool bFile = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return bFile;
}

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CSetupDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_INSTALL_PLAY, OnInstallPlay)
    ON_BN_CLICKED(IDC_EXIT, OnExit)
    ON_BN_CLICKED(IDC_RESET_KEYBOARD, OnResetKeyboard)
    ON_BN_CLICKED(IDC_RESET_CONTROLLER, OnResetController)
END_MESSAGE_MAP()
// clang-format on

CSetupDlg::CSetupDlg(CWnd* pParent)
    : CDialog(IDD_SETUP_DIALOG, pParent),
      m_hIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_SETUP_ICON))),
      m_bInstalled(false), m_pDriverDlg(nullptr) {}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESET_KEYBOARD, m_btnResetKeyboard);
    DDX_Control(pDX, IDC_RESET_CONTROLLER, m_btnResetController);
    DDX_Control(pDX, IDC_DRIVER_SETTINGS, m_btnDriverSettings);
    DDX_Control(pDX, IDC_INSTALL_PLAY, m_btnInstallPlay);
}

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_strInstallDir.Empty();
    m_bInstalled = false;

    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY, 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        char szDirectory[256];
        DWORD dwType = REG_NONE;
        DWORD cbDirectory = sizeof(szDirectory);
        if (RegQueryValueExA(hKey, "Directory", nullptr, &dwType,
                             reinterpret_cast<LPBYTE>(szDirectory),
                             &cbDirectory) == ERROR_SUCCESS) {
            // The value need not end in a zero (a string stored without one, or a value of
            // another type): the text ends within the bytes returned. A text that fills the
            // whole buffer is longer than the 255 characters a directory may have.
            const std::size_t cbReturned = std::min<std::size_t>(cbDirectory, sizeof(szDirectory));
            const std::size_t nLength = ::strnlen(szDirectory, cbReturned);
            if (nLength < sizeof(szDirectory)) {
                m_strInstallDir = CString(std::string_view(szDirectory, nLength));
                const CString strGame = m_strInstallDir + "/vorn.exe";
                if (CanOpenForReading(strGame))
                    m_bInstalled = true;
            }
        }
        RegCloseKey(hKey);
    }

    if (m_bInstalled) {
        m_btnInstallPlay.SetWindowText("&Play Vorn!");
    } else {
        m_btnDriverSettings.EnableWindow(FALSE);
        m_btnResetController.EnableWindow(FALSE);
        m_btnResetKeyboard.EnableWindow(FALSE);
    }
    return TRUE;
}

void CSetupDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSetupDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CSetupDlg::OnInstallPlay() {
    if (m_bInstalled) {
        crt::_chdir(m_strInstallDir);
        const CString strGame = m_strInstallDir + "/vorn.exe";
        if (crt::_spawnl(crt::_P_NOWAIT, strGame, strGame, static_cast<const char*>(nullptr)) == -1)
            MessageBox("Vorn was unable to run - check your driver settings and installation",
                       kFatalCaption, MB_OK);
    } else {
        // The installer lies on the CD, which is the folder the program was started from.
        if (crt::_spawnl(crt::_P_NOWAIT, "_setup.exe", "_setup.exe",
                         static_cast<const char*>(nullptr)) == -1)
            MessageBox("Unable to find installation binary on install CD", kFatalCaption, MB_OK);
    }
    EndDialog(IDOK);
}

void CSetupDlg::OnExit() {
    EndDialog(IDOK);
}

void CSetupDlg::OnResetKeyboard() {
    if (AfxMessageBox("This will override your currently selected controls with the default "
                      "keyboard setup.  Continue?",
                      MB_YESNO) != IDYES)
        return;
    AfxMessageBox("WARNING\n"
                  "\n"
                  "If you have a joystick/game controller attached it may still be active.\n"
                  "\n"
                  "It is recommended that if you do not wish to use a joystick/game controller "
                  "you detach it from your PC.",
                  MB_OK);
    CopyWholeFile(m_strInstallDir + "/default.txt", m_strInstallDir + "/key.txt");
}

void CSetupDlg::OnResetController() {
    if (AfxMessageBox("This will override your currently selected controls with the default "
                      "game controller setup.  Continue?",
                      MB_YESNO) != IDYES)
        return;
    CopyWholeFile(m_strInstallDir + "/joy.txt", m_strInstallDir + "/key.txt");
}
