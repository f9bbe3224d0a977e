#include "app/CSetupApp.h"

#include "app/RequirementScreens.h"
#include "launcher/CSetupDlg.h"
#include "platform/Library.h"

// clang-format off
BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()
// clang-format on

CSetupApp::CSetupApp() : CWinApp(nullptr) {}

CSetupApp::~CSetupApp() = default;

BOOL CSetupApp::InitInstance() {
    // The extras library is asked once, before any window exists; its answer is not needed. It
    // stays loaded until the launcher has ended.
    HMODULE hExtras = LoadLibraryA("instxtra.dll");
    if (hExtras != nullptr) {
        using IsP6Proc = LONG (*)();
        // Through the generic function pointer type: isP6 returns a 32-bit integer, not FARPROC's.
        if (FARPROC pfn = GetProcAddress(hExtras, "isP6"))
            (void)reinterpret_cast<IsP6Proc>(reinterpret_cast<void (*)()>(pfn))();
    }

    Enable3dControlsStatic();

    CSetupDlg dlg;
    m_pMainWnd = &dlg;
    g_hInstance = m_hInstance;

    ShowRequirementScreens();
    dlg.DoModal();

    if (hExtras != nullptr)
        FreeLibrary(hExtras);
    // The launcher object ends with this frame and takes itself off as the main window (also
    // when its window was never made), so the framework's shutdown does not reach it.
    return FALSE;
}
