#include "framework/AfxWinMain.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/DialogManager.h"
#include "framework/ProgramNames.h"
#include "framework/WindowAccess.h"
#include "framework/WindowApi.h"
#include "framework/WindowRegistry.h"

#include <QApplication>
#include <memory>
#include <string>

int AfxWinMain(int argc, char** argv, const ModuleResources& resources) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    // The program takes no arguments, and Qt must not act on any either: it sees the program's
    // name alone.
    std::string programName =
        argc > 0 && argv != nullptr && argv[0] != nullptr ? argv[0] : "VornInst";
    int qtArgc = 1;
    char* qtArgv[] = {programName.data(), nullptr};
    std::unique_ptr<QApplication> ownApplication;
    if (QApplication::instance() == nullptr) {
        ownApplication = std::make_unique<QApplication>(qtArgc, qtArgv);
    }
    // Windows come and go between the modal runs; none of that ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    app->m_hInstance = AfxRegisterModule(resources);
    vorn::fw::ProgramNames names = vorn::fw::DeriveProgramNames(vorn::fw::RunningProgramPath());
    vorn::fw::WindowAccess::setNames(*app, names.title, names.title, names.helpPath);

    int exitCode = -1;
    if (app->InitApplication()) {
        if (!app->InitInstance()) {
            // No message loop. A main-window pointer still set here points at a live object
            // (a window object clears it when it goes), so its window can be destroyed safely.
            if (CWnd* main = app->m_pMainWnd; main != nullptr && IsWindow(main->m_hWnd)) {
                main->DestroyWindow();
            }
            exitCode = app->ExitInstance();
        } else {
            exitCode = app->Run();
        }
    }

    for (HWND dialog : vorn::fw::WindowRegistry::instance().dialogs()) {
        vorn::fw::DialogManager::destroy(dialog);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ownApplication.reset();
    return exitCode;
}
