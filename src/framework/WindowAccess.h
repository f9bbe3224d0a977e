#pragma once

// The dialog manager's way into the protected parts of the program's window and application
// objects: their window procedure, PostNcDestroy, and what the entry point records.

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <string>
#include <utility>

namespace vorn::fw {

class WindowAccess {
public:
    static LRESULT windowProc(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return wnd.WindowProc(message, wParam, lParam);
    }
    static void postNcDestroy(CWnd& wnd) { wnd.PostNcDestroy(); }
    static void setNames(CWinApp& app, std::string appName, std::string exeName,
                         std::string helpPath) {
        app.SetNames(std::move(appName), std::move(exeName), std::move(helpPath));
    }
};

} // namespace vorn::fw
