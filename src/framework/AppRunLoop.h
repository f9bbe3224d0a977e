#pragma once

// The application's message loop (CWinApp::Run), which ends once the main window is destroyed.

class QEventLoop;

namespace vorn::fw {

class AppRunLoop {
public:
    static void set(QEventLoop* loop);
    // Ends the loop if one is running.
    static void quit();
};

} // namespace vorn::fw
