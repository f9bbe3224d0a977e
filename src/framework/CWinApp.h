#pragma once

// The application object. Constructing it registers it as the program's one application object,
// which the entry point then starts (AfxWinMain).

#include "framework/CCmdTarget.h"
#include "platform/WinTypes.h"

#include <string>

class CWnd;

namespace vorn::fw {
class WindowAccess;
}

class CWinApp : public CCmdTarget {
public:
    // A null name lets the entry point derive the application title from the program file's name.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Called by the entry point in this order; InitInstance returning FALSE ends the program
    // without a message loop.
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    // The message loop, entered only when InitInstance returned TRUE; ends once the main window's
    // window is destroyed. Returns ExitInstance's result.
    virtual int Run();
    // Writes nothing; returns the exit status.
    virtual int ExitInstance();

    // Three-dimensional controls are this platform's own look: nothing to switch on.
    BOOL Enable3dControlsStatic() { return TRUE; }

    // The help command: looks for the help file (the program's path with the extension ".HLP");
    // there is no help viewer on this platform, so it shows "Failed to launch help.".
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_pszAppName = nullptr;      // the application title
    LPCSTR m_pszExeName = nullptr;      // the program file's name without directory and extension
    LPCSTR m_pszHelpFilePath = nullptr; // the help file's full path

    DECLARE_MESSAGE_MAP()

private:
    friend class vorn::fw::WindowAccess;
    void SetNames(std::string appName, std::string exeName, std::string helpPath);

    std::string m_appName;
    std::string m_exeName;
    std::string m_helpPath;
};

// The one application object, or nullptr when none exists.
CWinApp* AfxGetApp();
// The application's main window, or nullptr.
CWnd* AfxGetMainWnd();
// The application title: the application object's name, else the program file's name without
// directory and extension.
LPCSTR AfxGetAppName();
// The program's module, and the module that dialogs and icons are looked up in (the same unless
// a test sets another).
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
