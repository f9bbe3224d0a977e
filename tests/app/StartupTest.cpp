// Start-up and shutdown of the application: when the extras library is loaded, asked and released
// relative to the requirement screens and the launcher, and that nothing of it matters otherwise.
//
// The program loads "instxtra.dll" from its own folder, so this test program lives in a folder of
// its own and puts one of the stand-in libraries there as "instxtra.dll" for each case.

#include "app/CSetupApp.h"
#include "app/RequirementScreens.h"
#include "framework/CWinApp.h"
#include "framework/ModuleResources.h"
#include "res/ProgramResources.h"
#include "support/ModalHelper.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// Asked by the stand-in library from inside isP6.
extern "C" __attribute__((visibility("default"))) int VornTestVisibleWindows();

extern "C" int VornTestVisibleWindows() {
    int visible = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        visible += widget->isVisible() ? 1 : 0;
    return visible;
}

namespace {

struct StartupCase {
    const char* name;
    const char* library; // the stand-in's folder under the build tree; nullptr for no library
    std::vector<std::string> expected;
};

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void AppendLine(const fs::path& path, const std::string& line) {
    std::ofstream(path, std::ios::app) << line << '\n';
}

class StartupTest : public ::testing::TestWithParam<StartupCase> {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vorn-startup-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_log = m_dir / "events.log";
        m_hive = m_dir / "hive.reg";
        ::setenv("VORN_TEST_EXTRAS_LOG", m_log.c_str(), 1);
        ::setenv("VORN_REGISTRY", m_hive.c_str(), 1);
        m_planted = fs::read_symlink("/proc/self/exe").parent_path() / "instxtra.dll";
        fs::remove(m_planted);
        g_nRequirementScreen = SCREEN_SPECIFICATION;
    }
    void TearDown() override {
        fs::remove(m_planted);
        fs::remove_all(m_dir);
        EXPECT_TRUE(vorn::test::leftoverWindows().isEmpty());
    }

    fs::path m_dir;
    fs::path m_log;
    fs::path m_hive;
    fs::path m_planted;
};

TEST_P(StartupTest, ExtrasLibraryIsAskedBeforeTheFirstWindowAndReleasedAfterTheLauncher) {
    const StartupCase& c = GetParam();
    if (c.library != nullptr)
        fs::copy_file(fs::path(VORN_TEST_BINARY_DIR) / c.library / "instxtra.dll", m_planted);

    CSetupApp app;
    app.m_hInstance = AfxRegisterModule(ProgramResources());
    AfxSetResourceHandle(app.m_hInstance);

    std::vector<std::string> atLauncher;
    vorn::test::whenModal("Vorn (TM) Mirefall", [&](QWidget* screen) {
        AppendLine(m_log, "screen");
        vorn::test::clickButton(screen, "OK");
    });
    vorn::test::whenModal("Vorn - Mirefall Setup", [&](QWidget* launcher) {
        AppendLine(m_log, "launcher");
        atLauncher = ReadLines(m_log);
        vorn::test::clickButton(launcher, "Exit");
    });

    EXPECT_EQ(app.InitInstance(), FALSE);

    EXPECT_EQ(ReadLines(m_log), c.expected);
    // While the launcher was up, the library had not been released.
    EXPECT_EQ(std::count(atLauncher.begin(), atLauncher.end(), "unload"), 0);
    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(vorn::test::takeSeenModals(),
              QStringList({"Vorn (TM) Mirefall", "Vorn - Mirefall Setup"}));
}

TEST_F(StartupTest, F1InTheLauncherReachesTheApplicationsHelp) {
    CSetupApp app;
    app.m_hInstance = AfxRegisterModule(ProgramResources());
    AfxSetResourceHandle(app.m_hInstance);
    vorn::test::whenModal("Vorn (TM) Mirefall",
                          [](QWidget* screen) { vorn::test::clickButton(screen, "OK"); });
    vorn::test::whenModal("Vorn - Mirefall Setup", [](QWidget* launcher) {
        vorn::test::answerModal(AfxGetAppName(), "OK");
        vorn::test::waitFor([launcher] { return launcher->isActiveWindow(); });
        vorn::test::pressKey(launcher, Qt::Key_F1);
        vorn::test::clickButton(launcher, "Exit");
    });

    EXPECT_EQ(app.InitInstance(), FALSE);

    EXPECT_EQ(vorn::test::takeSeenModals(),
              QStringList({"Vorn (TM) Mirefall", "Vorn - Mirefall Setup",
                           QString(AfxGetAppName()) + "|Failed to launch help."}));
}

// Whatever isP6 answers, and whether it or the library exists, the screens and the launcher come
// the same way; isP6 runs once while no window is shown.
INSTANTIATE_TEST_SUITE_P(
    Libraries, StartupTest,
    ::testing::Values(
        StartupCase{"NoLibrary", nullptr, {"screen", "launcher"}},
        StartupCase{"WithoutIsP6", "extras_none", {"load", "screen", "launcher", "unload"}},
        StartupCase{
            "IsP6Zero", "extras_zero", {"load", "isP6 windows=0", "screen", "launcher", "unload"}},
        StartupCase{"IsP6Negative",
                    "extras_negative",
                    {"load", "isP6 windows=0", "screen", "launcher", "unload"}},
        StartupCase{"IsP6Positive",
                    "extras_positive",
                    {"load", "isP6 windows=0", "screen", "launcher", "unload"}}),
    [](const ::testing::TestParamInfo<StartupCase>& p) { return std::string(p.param.name); });

} // namespace
