// The entry point: one application object, the order of its calls, the title and help path it
// derives, the arguments it ignores and the shutdown. Each test starts and ends its own Qt
// application, as the program does.

#include "framework/Framework.h"
#include "framework/ProgramNames.h"
#include "support/ModalHelper.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using vorn::fw::DeriveProgramNames;

constexpr UINT IDD_ONLY = 600;
constexpr DialogItemTemplate kItems[] = {
    {IDOK, ControlClass::Button, "OK", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10,
     10, 50, 14},
};
constexpr DialogTemplate kDialogs[] = {
    {IDD_ONLY, "Only", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0,
     "MS Sans Serif", 8, 0, 0, 80, 40, kItems},
};
const ModuleResources kResources{kDialogs};

class CRecordingApp : public CWinApp {
public:
    std::vector<std::string> calls;
    std::function<BOOL(CRecordingApp&)> initInstance = [](CRecordingApp&) {
        return FALSE;
    };
    int exitCode = 7;

    BOOL InitApplication() override {
        calls.push_back("InitApplication");
        return CWinApp::InitApplication();
    }
    BOOL InitInstance() override {
        calls.push_back(QApplication::instance() != nullptr ? "InitInstance with Qt"
                                                            : "InitInstance");
        return initInstance(*this);
    }
    int ExitInstance() override {
        calls.push_back("ExitInstance");
        return exitCode;
    }
};

int runMain(std::vector<std::string> arguments = {"test_afxwinmain"}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return AfxWinMain(static_cast<int>(arguments.size()), argv.data(), kResources);
}

TEST(ProgramNamesTest, TitleAndHelpPathComeFromTheProgramFile) {
    struct Case {
        const char* path;
        const char* title;
        const char* help;
    };
    const Case cases[] = {
        {"/media/cdrom/VornInst", "VornInst", "/media/cdrom/VornInst.HLP"},
        {"/games/LAUNCH.EXE", "LAUNCH", "/games/LAUNCH.HLP"},
        {"/home/pat/.local/bin/vorninst", "vorninst", "/home/pat/.local/bin/vorninst.HLP"},
        {"/opt/vorn.1/Setup", "Setup",
         "/opt/vorn.1/Setup.HLP"}, // a dot in a folder is no extension
        {"/opt/setup.tar.gz", "setup.tar", "/opt/setup.tar.HLP"},
        {"/opt/.hidden", ".hidden", "/opt/.hidden.HLP"},
        {"Prog", "Prog", "Prog.HLP"},
        {"", "", ".HLP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        vorn::fw::ProgramNames names = DeriveProgramNames(c.path);
        EXPECT_EQ(names.title, c.title);
        EXPECT_EQ(names.helpPath, c.help);
    }
}

TEST(AfxWinMainTest, WithoutAnApplicationObjectThereIsNothingToRun) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(runMain(), -1);
}

TEST(AfxWinMainTest, CallsInOrderAndEndsWithoutALoopWhenInitInstanceFails) {
    CRecordingApp app;
    ASSERT_EQ(AfxGetApp(), &app);
    std::string title;
    std::string help;
    bool templateFound = false;
    app.initInstance = [&](CRecordingApp& self) {
        title = AfxGetAppName();
        help = self.m_pszHelpFilePath;
        templateFound = AfxFindDialogTemplate(self.m_hInstance, IDD_ONLY) != nullptr &&
                        AfxGetResourceHandle() == self.m_hInstance;
        return FALSE;
    };
    EXPECT_EQ(runMain(), 7);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"InitApplication", "InitInstance with Qt",
                                                   "ExitInstance"}));
    EXPECT_EQ(title, "test_afxwinmain");
    EXPECT_EQ(help, vorn::fw::RunningProgramPath() + ".HLP");
    EXPECT_TRUE(templateFound);
    EXPECT_EQ(QApplication::instance(), nullptr); // the Qt application is gone again
}

TEST(AfxWinMainTest, CommandLineArgumentsChangeNothing) {
    CRecordingApp app;
    // Qt would act on these if it saw them: another platform, another style, a reverse layout.
    EXPECT_EQ(runMain({"VornInst", "-platform", "no-such-platform", "-style", "none", "-reverse",
                       "/S", "--help"}),
              7);
    EXPECT_EQ(app.calls.size(), 3U);
}

TEST(AfxWinMainTest, AMainWindowPointerLeftOnAGoneObjectIsNotActedOn) {
    CRecordingApp app;
    app.initInstance = [](CRecordingApp& self) {
        CDialog launcher(IDD_ONLY); // never shown: its window never exists
        self.m_pMainWnd = &launcher;
        return FALSE;
    };
    EXPECT_EQ(runMain(), 7);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST(AfxWinMainTest, TheModalRunOfTheMainWindowEndsTheProgram) {
    CRecordingApp app;
    INT_PTR result = 0;
    bool clearedAfterRun = false;
    app.initInstance = [&](CRecordingApp& self) {
        CDialog launcher(IDD_ONLY);
        self.m_pMainWnd = &launcher;
        vorn::test::whenModal("Only", [](QWidget* w) { vorn::test::pressKey(w, Qt::Key_Escape); });
        result = launcher.DoModal();
        clearedAfterRun = self.m_pMainWnd == nullptr;
        return FALSE;
    };
    EXPECT_EQ(runMain(), 7);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(clearedAfterRun);
}

TEST(AfxWinMainTest, WhenInitInstanceSucceedsTheLoopRunsUntilTheMainWindowIsDestroyed) {
    CRecordingApp app;
    app.initInstance = [](CRecordingApp& self) {
        auto* main = new CDialog(IDD_ONLY);
        if (!main->Create(IDD_ONLY)) {
            return FALSE;
        }
        self.m_pMainWnd = main;
        vorn::test::whenShown("Only", [main](QWidget*) {
            main->DestroyWindow();
            delete main;
        });
        return TRUE;
    };
    EXPECT_EQ(runMain(), 7);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"InitApplication", "InitInstance with Qt",
                                                   "ExitInstance"}));
}

} // namespace
