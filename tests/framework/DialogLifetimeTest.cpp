// How dialogs open, end and go: modal runs, closing commands, EndDialog, DestroyWindow and
// PostNcDestroy, owned windows, the main-window pointer.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"

#include <QTest>
#include <memory>

namespace vorn::test {
namespace {

using vorn::fw::WidgetFromHandle;

class DialogLifetimeTest : public FrameworkTest {};

TEST_F(DialogLifetimeTest, EveryWayOfClosingDeliversItsCommandOnce) {
    struct Case {
        const char* way;
        std::function<void(QWidget*)> close;
        INT_PTR result;
    };
    const std::vector<Case> cases = {
        {"Enter", [](QWidget* w) { pressKey(w, Qt::Key_Return); }, IDOK},
        {"OK button", [](QWidget* w) { clickButton(w, "OK"); }, IDOK},
        {"Escape", [](QWidget* w) { pressKey(w, Qt::Key_Escape); }, IDCANCEL},
        {"close request", [](QWidget* w) { w->close(); }, IDCANCEL},
        {"Alt+B then EndDialog", [](QWidget* w) { pressKey(w, Qt::Key_B, Qt::AltModifier); },
         IDC_BETA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        CRecordingDlg dlg(IDD_SYSMENU);
        dlg.onCommand = [](CRecordingDlg& self, int id, int) {
            if (id == IDC_BETA) {
                self.EndDialog(IDC_BETA);
            }
        };
        whenModal("System menu", c.close);
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.commands.size(), 1U);
        EXPECT_EQ(dlg.okCount + dlg.cancelCount, c.result == IDC_BETA ? 0 : 1);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

TEST_F(DialogLifetimeTest, ADialogThatIgnoresCancelStaysOpen) {
    CRecordingDlg dlg(IDD_SYSMENU);
    dlg.cancelEnds = false;
    whenModal("System menu", [](QWidget* w) {
        pressKey(w, Qt::Key_Escape);
        w->close();
        // The close request arrives from the event loop; once it has, OK ends the dialog.
        whenModal("System menu", [](QWidget* again) { clickButton(again, "OK"); });
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.commandList(),
              (std::vector<std::string>{cmd(IDCANCEL), cmd(IDCANCEL), cmd(IDOK)}));
}

TEST_F(DialogLifetimeTest, EndDialogTakesEffectOnlyOnceTheHandlerHasReturned) {
    CRecordingDlg dlg(IDD_SYSMENU);
    bool stillShown = false;
    dlg.onCommand = [&stillShown](CRecordingDlg& self, int id, int) {
        if (id != IDC_BETA) {
            return;
        }
        self.EndDialog(42);
        stillShown = self.IsWindowVisible() != FALSE;
        // A message box inside the same handler still runs and is answered.
        answerModal(AfxGetAppName(), "OK");
        AfxMessageBox("after EndDialog");
    };
    whenModal("System menu", [](QWidget* w) { clickButton(w, "Beta"); });
    takeSeenModals();
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(takeSeenModals(),
              (QStringList{"System menu", QString(AfxGetAppName()) + "|after EndDialog"}));
}

TEST_F(DialogLifetimeTest, EndDialogDuringInitialisationEndsBeforeTheDialogShows) {
    CRecordingDlg dlg(IDD_SYSMENU);
    dlg.onInit = [](CRecordingDlg& self) {
        self.EndDialog(5);
    };
    takeSeenModals();
    EXPECT_EQ(dlg.DoModal(), 5);
    EXPECT_TRUE(takeSeenModals().isEmpty());
}

TEST_F(DialogLifetimeTest, AModalRunDisablesItsOwnerUntilItEnds) {
    CRecordingDlg owner(IDD_KEYS);
    ASSERT_TRUE(owner.Create(IDD_KEYS));
    CRecordingDlg child(IDD_SYSMENU, &owner);
    bool ownerEnabledDuringRun = true;
    whenModal("System menu", [&](QWidget* w) {
        ownerEnabledDuringRun = owner.IsWindowEnabled() != FALSE;
        pressKey(w, Qt::Key_Return);
    });
    EXPECT_EQ(child.DoModal(), IDOK);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled());

    // An owner that was disabled before stays disabled.
    owner.EnableWindow(FALSE);
    CRecordingDlg second(IDD_SYSMENU, &owner);
    whenModal("System menu", [](QWidget* w) { pressKey(w, Qt::Key_Return); });
    EXPECT_EQ(second.DoModal(), IDOK);
    EXPECT_FALSE(owner.IsWindowEnabled());
}

TEST_F(DialogLifetimeTest, AnOwnerDisabledByAModalRunIgnoresCloseRequests) {
    CRecordingDlg owner(IDD_SYSMENU);
    ASSERT_TRUE(owner.Create(IDD_SYSMENU));
    CRecordingDlg child(IDD_KEYS, &owner);
    whenModal("Keys", [&owner](QWidget*) {
        WidgetFromHandle(owner.m_hWnd)->close(); // its close button, while it is disabled
        // The request would arrive from the event loop; by then the child is still running.
        whenModal("Keys", [](QWidget* again) { clickButton(again, "Alpha"); });
    });
    child.onCommand = [](CRecordingDlg& self, int id, int) {
        if (id == IDC_ALPHA) {
            self.EndDialog(IDC_ALPHA);
        }
    };
    EXPECT_EQ(child.DoModal(), IDC_ALPHA);
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_TRUE(owner.IsWindowVisible());
}

TEST_F(DialogLifetimeTest, AfterAModalRunTheFocusReturnsToTheOwnersControlThatHadIt) {
    CRecordingDlg owner(IDD_KEYS);
    owner.cancelEnds = false;
    ASSERT_TRUE(owner.Create(IDD_KEYS));
    TestApp().m_pMainWnd = &owner;
    QWidget* ownerWindow = WidgetFromHandle(owner.m_hWnd);
    ASSERT_TRUE(waitFor([&] { return ownerWindow->isActiveWindow(); }));
    SetFocus(GetDlgItem(owner.m_hWnd, IDC_DELTA));

    answerModal(AfxGetAppName(), "OK");
    AfxMessageBox("text");

    ASSERT_TRUE(waitFor([&] { return ownerWindow->isActiveWindow(); }));
    EXPECT_EQ(GetFocus(), GetDlgItem(owner.m_hWnd, IDC_DELTA));
    // So Enter presses that button again, not the default one.
    pressKey(ownerWindow, Qt::Key_Return);
    EXPECT_EQ(owner.commandList(), std::vector<std::string>{cmd(IDC_DELTA)});
}

TEST_F(DialogLifetimeTest, WithoutAParentTheMainWindowOwnsTheModalDialog) {
    CRecordingDlg main(IDD_KEYS);
    ASSERT_TRUE(main.Create(IDD_KEYS));
    TestApp().m_pMainWnd = &main;
    CRecordingDlg dlg(IDD_SYSMENU);
    bool mainEnabled = true;
    whenModal("System menu", [&](QWidget* w) {
        mainEnabled = main.IsWindowEnabled() != FALSE;
        pressKey(w, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogLifetimeTest, DestroyWindowRunsPostNcDestroyBeforeItReturns) {
    std::vector<std::string> log;
    auto* dlg = new CRecordingDlg(IDD_KEYS, nullptr, &log);
    dlg->name = "modeless";
    dlg->deleteOnDestroy = true;
    dlg->onCommand = [&log](CRecordingDlg& self, int id, int) {
        if (id == IDC_BETA) {
            log.push_back("DestroyWindow");
            self.DestroyWindow();
            log.push_back("returned"); // self is gone: only the log is touched
        }
    };
    ASSERT_TRUE(dlg->Create(IDD_KEYS));
    HWND handle = dlg->m_hWnd;
    clickButton(WidgetFromHandle(handle), "Beta");
    EXPECT_EQ(log,
              (std::vector<std::string>{"DestroyWindow", "PostNcDestroy modeless", "returned"}));
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(DialogLifetimeTest, DestroyingAWindowDetachesItsObjects) {
    CRecordingDlg dlg(IDD_KEYS);
    CButton check;
    dlg.onInit = [&check](CRecordingDlg& self) {
        CDataExchange exchange(&self, FALSE);
        DDX_Control(&exchange, IDC_CHECK, check);
    };
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    HWND control = check.m_hWnd;
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(check.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(control));
    EXPECT_FALSE(dlg.DestroyWindow()); // no window any more
    EXPECT_EQ(SendMessage(control, BM_GETCHECK, 0, 0), 0);
}

TEST_F(DialogLifetimeTest, AnOwnedModelessDialogGoesWithItsOwner) {
    std::vector<std::string> log;
    CRecordingDlg owner(IDD_KEYS, nullptr, &log);
    owner.name = "owner";
    owner.onCommand = [&log](CRecordingDlg& self, int id, int) {
        if (id != IDC_BETA) {
            return;
        }
        auto* child = new CRecordingDlg(IDD_OWNED, &self, &log);
        child->name = "child";
        child->deleteOnDestroy = true;
        child->onCommand = [&log](CRecordingDlg&, int, int) {
            log.push_back("child command");
        };
        log.push_back(child->Create(IDD_OWNED, &self) ? "child open" : "child failed");
    };
    whenModal("Keys", [](QWidget* w) {
        clickButton(w, "Beta");
        whenShown("Owned", [w](QWidget*) { pressKey(w, Qt::Key_Escape); });
    });
    EXPECT_EQ(owner.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (std::vector<std::string>{"child open", "PostNcDestroy child",
                                             "PostNcDestroy owner"}));
}

TEST_F(DialogLifetimeTest, DestroyingTheMainWindowClearsTheMainWindowPointer) {
    CRecordingDlg dlg(IDD_SYSMENU);
    TestApp().m_pMainWnd = &dlg;
    whenModal("System menu", [](QWidget* w) { pressKey(w, Qt::Key_Return); });
    dlg.DoModal();
    EXPECT_EQ(TestApp().m_pMainWnd, nullptr);

    CRecordingDlg modeless(IDD_KEYS);
    ASSERT_TRUE(modeless.Create(IDD_KEYS));
    TestApp().m_pMainWnd = &modeless;
    modeless.DestroyWindow();
    EXPECT_EQ(TestApp().m_pMainWnd, nullptr);

    // A main window object that never had a window clears the pointer as it goes.
    {
        CRecordingDlg never(IDD_SYSMENU);
        TestApp().m_pMainWnd = &never;
    }
    EXPECT_EQ(TestApp().m_pMainWnd, nullptr);
}

TEST_F(DialogLifetimeTest, DestroyWindowDuringAModalRunEndsItWithMinusOne) {
    CRecordingDlg dlg(IDD_SYSMENU);
    dlg.onCommand = [](CRecordingDlg& self, int id, int) {
        if (id == IDC_BETA) {
            self.DestroyWindow();
        }
    };
    whenModal("System menu", [](QWidget* w) { clickButton(w, "Beta"); });
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogLifetimeTest, DialogsThatCannotBeCreatedReportItAndRunPostNcDestroy) {
    std::vector<std::string> log;
    CRecordingDlg missing(999, nullptr, &log);
    missing.name = "missing";
    EXPECT_EQ(missing.DoModal(), -1);

    auto* modeless = new CRecordingDlg(999, nullptr, &log);
    modeless->name = "self-deleting";
    modeless->deleteOnDestroy = true;
    EXPECT_FALSE(modeless->Create(999)); // and the object is gone

    auto* destroysItself = new CRecordingDlg(IDD_KEYS, nullptr, &log);
    destroysItself->name = "destroyed in init";
    destroysItself->deleteOnDestroy = true;
    destroysItself->onInit = [](CRecordingDlg& self) {
        self.DestroyWindow();
    };
    EXPECT_FALSE(destroysItself->Create(IDD_KEYS));

    EXPECT_EQ(log, (std::vector<std::string>{"PostNcDestroy missing", "PostNcDestroy self-deleting",
                                             "PostNcDestroy destroyed in init"}));
    EXPECT_EQ(DialogBoxParamA(TestModule(), MAKEINTRESOURCE(999), nullptr, nullptr, 0), -1);
    EXPECT_EQ(DialogBoxParamA(TestModule(), "named", nullptr, nullptr, 0), -1);
}

TEST_F(DialogLifetimeTest, EndDialogOnAModelessDialogOnlyHidesIt) {
    CRecordingDlg dlg(IDD_KEYS);
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    dlg.EndDialog(IDOK);
    EXPECT_TRUE(IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
}

} // namespace
} // namespace vorn::test
