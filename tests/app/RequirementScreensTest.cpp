// The requirement screens' state machine, one table row per case, and the loop that runs the
// screens one after another.

#include "app/RequirementScreens.h"
#include "framework/ModuleResources.h"
#include "framework/WindowApi.h"
#include "framework/WindowBridge.h"
#include "res/ProgramResources.h"
#include "res/RequirementTemplates.h"
#include "res/Resource.h"
#include "support/ModalHelper.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

enum class Stimulus {
    Command,      // WM_COMMAND with the row's id and notification code
    Escape,       // the Escape key on the focused control
    CloseRequest, // the window manager's close (Alt+F4)
};

constexpr int kStaysOpen = -2;

struct ScreenRow {
    const char* name;
    int state;
    int templateId;
    DLGPROC proc;
    const char* caption;
    Stimulus stimulus;
    int id;
    int code;
    int newState;
    INT_PTR endsWith; // the screen's result, or kStaysOpen
};

const ScreenRow kRows[] = {
    {"IntroOk", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc, "Vorn (TM) Mirefall",
     Stimulus::Command, IDOK, 0, SCREEN_DONE, 1},
    {"IntroOkWithNotificationCode", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Command, IDOK, 5, SCREEN_DONE, 1},
    {"IntroRequired", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Command, IDC_SHOW_REQUIRED, 0, SCREEN_REQUIRED, 0},
    {"IntroRecommended", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Command, IDC_SHOW_RECOMMENDED, 0, SCREEN_RECOMMENDED, 0},
    {"IntroCancel", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Command, IDCANCEL, 0, SCREEN_SPECIFICATION, kStaysOpen},
    {"IntroOtherId", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Command, 1234, 0, SCREEN_SPECIFICATION, kStaysOpen},
    {"IntroEscape", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::Escape, 0, 0, SCREEN_SPECIFICATION, kStaysOpen},
    {"IntroClose", SCREEN_SPECIFICATION, IDD_SPECIFICATION, SpecificationDlgProc,
     "Vorn (TM) Mirefall", Stimulus::CloseRequest, 0, 0, SCREEN_SPECIFICATION, kStaysOpen},

    {"RecommendedOk", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc, "Recommended",
     Stimulus::Command, IDOK, 0, SCREEN_SPECIFICATION, 1},
    {"RecommendedOkWithNotificationCode", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc,
     "Recommended", Stimulus::Command, IDOK, 1, SCREEN_SPECIFICATION, 1},
    {"RecommendedCancel", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc, "Recommended",
     Stimulus::Command, IDCANCEL, 0, SCREEN_RECOMMENDED, kStaysOpen},
    {"RecommendedRequiredId", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc,
     "Recommended", Stimulus::Command, IDC_SHOW_REQUIRED, 0, SCREEN_RECOMMENDED, kStaysOpen},
    {"RecommendedEscape", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc, "Recommended",
     Stimulus::Escape, 0, 0, SCREEN_RECOMMENDED, kStaysOpen},
    {"RecommendedClose", SCREEN_RECOMMENDED, IDD_RECOMMENDED, RequirementDlgProc, "Recommended",
     Stimulus::CloseRequest, 0, 0, SCREEN_RECOMMENDED, kStaysOpen},

    {"RequiredOk", SCREEN_REQUIRED, IDD_REQUIRED, RequirementDlgProc, "Required", Stimulus::Command,
     IDOK, 0, SCREEN_SPECIFICATION, 1},
    {"RequiredCancel", SCREEN_REQUIRED, IDD_REQUIRED, RequirementDlgProc, "Required",
     Stimulus::Command, IDCANCEL, 0, SCREEN_REQUIRED, kStaysOpen},
    {"RequiredRecommendedId", SCREEN_REQUIRED, IDD_REQUIRED, RequirementDlgProc, "Required",
     Stimulus::Command, IDC_SHOW_RECOMMENDED, 0, SCREEN_REQUIRED, kStaysOpen},
    {"RequiredEscape", SCREEN_REQUIRED, IDD_REQUIRED, RequirementDlgProc, "Required",
     Stimulus::Escape, 0, 0, SCREEN_REQUIRED, kStaysOpen},
    {"RequiredClose", SCREEN_REQUIRED, IDD_REQUIRED, RequirementDlgProc, "Required",
     Stimulus::CloseRequest, 0, 0, SCREEN_REQUIRED, kStaysOpen},
};

void Apply(const ScreenRow& row, QWidget* screen) {
    switch (row.stimulus) {
    case Stimulus::Command:
        SendMessage(vorn::fw::HandleFromWidget(screen), WM_COMMAND,
                    MAKEWPARAM(static_cast<WORD>(row.id), static_cast<WORD>(row.code)), 0);
        break;
    case Stimulus::Escape:
        vorn::test::pressKey(screen, Qt::Key_Escape);
        break;
    case Stimulus::CloseRequest:
        screen->close();
        break;
    }
}

// The window system activates a new window a little after showing it; the focus is settled then.
bool FocusIsOnOk(HWND hDlg) {
    vorn::test::waitFor([] { return GetFocus() != nullptr; });
    return GetFocus() == GetDlgItem(hDlg, IDOK);
}

class RequirementScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_hInstance = AfxRegisterModule(ProgramResources());
        g_nRequirementScreen = SCREEN_SPECIFICATION;
        vorn::test::takeSeenModals();
    }
    void TearDown() override { EXPECT_TRUE(vorn::test::leftoverWindows().isEmpty()); }
};

class ScreenRowTest : public RequirementScreensTest,
                      public ::testing::WithParamInterface<ScreenRow> {};

TEST_P(ScreenRowTest, CommandMovesTheStateOrLeavesTheScreenOpen) {
    const ScreenRow& row = GetParam();
    g_nRequirementScreen = row.state;
    std::optional<int> stateAfter;
    bool focusOnOk = false;

    vorn::test::whenModal(row.caption, [&](QWidget* screen) {
        const HWND hDlg = vorn::fw::HandleFromWidget(screen);
        focusOnOk = FocusIsOnOk(hDlg);
        Apply(row, screen);
        if (row.endsWith == kStaysOpen) {
            // Still the active modal window once the stimulus has arrived (a close request comes
            // from the event loop): the state is read then, and only OK ends the screen.
            vorn::test::whenModal(row.caption, [&stateAfter](QWidget* again) {
                stateAfter = g_nRequirementScreen;
                vorn::test::clickButton(again, "OK");
            });
        } else {
            stateAfter = g_nRequirementScreen;
        }
    });

    const INT_PTR result =
        DialogBoxParamA(g_hInstance, MAKEINTRESOURCE(row.templateId), nullptr, row.proc, 0);

    EXPECT_TRUE(focusOnOk);
    ASSERT_TRUE(stateAfter.has_value());
    EXPECT_EQ(*stateAfter, row.newState);
    if (row.endsWith == kStaysOpen) {
        EXPECT_EQ(result, 1) << "the screen ended before its OK";
        EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({row.caption}));
    } else {
        EXPECT_EQ(result, row.endsWith);
    }
}

INSTANTIATE_TEST_SUITE_P(StateMachine, ScreenRowTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ScreenRow>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(RequirementScreensTest, DoneShowsNoScreen) {
    g_nRequirementScreen = SCREEN_DONE;
    ShowRequirementScreens();
    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_TRUE(vorn::test::takeSeenModals().isEmpty());
}

TEST_F(RequirementScreensTest, DetailScreensLeadBackToAFreshIntroductionScreen) {
    // Required, OK, Recommended, OK, OK, each pressed as the user would; every introduction
    // screen starts with the focus on OK.
    int introsWithFocusOnOk = 0;
    auto intro = [&](const char* button, auto next) {
        vorn::test::whenModal("Vorn (TM) Mirefall", [&, button, next](QWidget* screen) {
            const HWND hDlg = vorn::fw::HandleFromWidget(screen);
            introsWithFocusOnOk += FocusIsOnOk(hDlg) ? 1 : 0;
            next();
            vorn::test::clickButton(screen, button);
        });
    };
    auto detail = [](const char* caption, auto next) {
        vorn::test::whenModal(caption, [next](QWidget* screen) {
            next();
            vorn::test::clickButton(screen, "OK");
        });
    };
    auto last = [&] {
        intro("OK", [] {});
    };
    auto third = [&] {
        detail("Recommended", last);
    };
    auto second = [&] {
        intro("Recommended", third);
    };
    auto first = [&] {
        detail("Required", second);
    };
    intro("Required", first);

    ShowRequirementScreens();

    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_EQ(introsWithFocusOnOk, 3);
    EXPECT_EQ(vorn::test::takeSeenModals(),
              QStringList({"Vorn (TM) Mirefall", "Required", "Vorn (TM) Mirefall", "Recommended",
                           "Vorn (TM) Mirefall"}));
}

TEST_F(RequirementScreensTest, EnterOnTheIntroductionScreenLeavesTheScreens) {
    vorn::test::whenModal("Vorn (TM) Mirefall",
                          [](QWidget* screen) { vorn::test::pressKey(screen, Qt::Key_Return); });
    ShowRequirementScreens();
    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({"Vorn (TM) Mirefall"}));
}

TEST_F(RequirementScreensTest, EnterPressesTheFocusedButtonRatherThanOk) {
    vorn::test::whenModal("Vorn (TM) Mirefall", [](QWidget* screen) {
        vorn::test::whenModal("Required", [](QWidget* required) {
            vorn::test::whenModal("Vorn (TM) Mirefall",
                                  [](QWidget* again) { vorn::test::clickButton(again, "OK"); });
            vorn::test::pressKey(required, Qt::Key_Return);
        });
        vorn::test::waitFor([] { return GetFocus() != nullptr; }); // the window is active
        vorn::test::pressKey(screen, Qt::Key_Tab);
        vorn::test::pressKey(screen, Qt::Key_Return);
    });
    ShowRequirementScreens();
    EXPECT_EQ(vorn::test::takeSeenModals(),
              QStringList({"Vorn (TM) Mirefall", "Required", "Vorn (TM) Mirefall"}));
}

// A module that holds the introduction screen but not the detail screens.
const DialogTemplate kIntroOnlyDialogs[] = {res::kSpecificationScreen};

TEST_F(RequirementScreensTest, AScreenThatCannotBeCreatedCountsAsPassed) {
    static const ModuleResources introOnly{kIntroOnlyDialogs, ProgramResources().bitmaps,
                                           ProgramResources().icons};
    g_hInstance = AfxRegisterModule(introOnly);
    vorn::test::whenModal("Vorn (TM) Mirefall",
                          [](QWidget* screen) { vorn::test::clickButton(screen, "Required"); });

    ShowRequirementScreens(); // must return, not ask for the missing screen again and again

    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_EQ(vorn::test::takeSeenModals(), QStringList({"Vorn (TM) Mirefall"}));
}

TEST_F(RequirementScreensTest, NoScreenAtAllGoesStraightOn) {
    static const ModuleResources empty{};
    g_hInstance = AfxRegisterModule(empty);
    ShowRequirementScreens();
    EXPECT_EQ(g_nRequirementScreen, SCREEN_DONE);
    EXPECT_TRUE(vorn::test::takeSeenModals().isEmpty());
}

} // namespace
