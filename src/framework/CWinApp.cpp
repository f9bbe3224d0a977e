#include "framework/CWinApp.h"

#include "framework/AppRunLoop.h"
#include "framework/CWnd.h"
#include "framework/MessageBox.h"
#include "framework/ProgramNames.h"
#include "framework/WindowApi.h"

#include <QEventLoop>
#include <filesystem>
#include <system_error>

namespace {

constinit CWinApp* g_app = nullptr;
constinit HINSTANCE g_resourceHandle = nullptr;

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_appName = lpszAppName;
        m_pszAppName = m_appName.c_str();
    }
    // The first application object is the program's one.
    if (g_app == nullptr) {
        g_app = this;
    }
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    if (m_pMainWnd != nullptr && IsWindow(m_pMainWnd->m_hWnd)) {
        QEventLoop loop;
        vorn::fw::AppRunLoop::set(&loop);
        loop.exec();
        vorn::fw::AppRunLoop::set(nullptr);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::OnHelp() {
    std::string helpPath =
        m_pszHelpFilePath != nullptr
            ? m_pszHelpFilePath
            : vorn::fw::DeriveProgramNames(vorn::fw::RunningProgramPath()).helpPath;
    // Whether or not the file is there, this system has no viewer that could show it.
    std::error_code error;
    static_cast<void>(std::filesystem::exists(helpPath, error));
    AfxMessageBox("Failed to launch help.");
}

void CWinApp::SetNames(std::string appName, std::string exeName, std::string helpPath) {
    if (m_pszAppName == nullptr || m_appName.empty()) {
        m_appName = std::move(appName);
        m_pszAppName = m_appName.c_str();
    }
    m_exeName = std::move(exeName);
    m_pszExeName = m_exeName.c_str();
    m_helpPath = std::move(helpPath);
    m_pszHelpFilePath = m_helpPath.c_str();
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

LPCSTR AfxGetAppName() {
    if (g_app != nullptr && g_app->m_pszAppName != nullptr) {
        return g_app->m_pszAppName;
    }
    static const std::string derived =
        vorn::fw::DeriveProgramNames(vorn::fw::RunningProgramPath()).title;
    return derived.c_str();
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app != nullptr ? g_app->m_hInstance : nullptr;
}

HINSTANCE AfxGetResourceHandle() {
    return g_resourceHandle != nullptr ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    g_resourceHandle = hInstResource;
}
