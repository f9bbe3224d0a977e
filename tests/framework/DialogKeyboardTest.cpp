// The dialog manager's keyboard: Enter, Escape, mnemonics, Tab, arrow keys and F1.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>

namespace vorn::test {
namespace {

using vorn::fw::HandleFromWidget;
using vorn::fw::WidgetFromHandle;

class DialogKeyboardTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        dlg = std::make_unique<CRecordingDlg>(IDD_KEYS);
        dlg->cancelEnds = false;
        ASSERT_TRUE(dlg->Create(IDD_KEYS));
        window = WidgetFromHandle(dlg->m_hWnd);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        dlg.reset();
        FrameworkTest::TearDown();
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        pressKey(window, key, modifiers);
    }
    int focusId() const { return GetDlgCtrlID(HandleFromWidget(window->focusWidget())); }
    void focus(int id) {
        SetFocus(GetDlgItem(dlg->m_hWnd, id));
        ASSERT_EQ(focusId(), id);
    }
    UINT checked(int id) const { return IsDlgButtonChecked(dlg->m_hWnd, id); }

    std::unique_ptr<CRecordingDlg> dlg;
    QWidget* window = nullptr;
};

TEST_F(DialogKeyboardTest, FocusStartsOnTheFirstTabStopWhenInitialisationSaysSo) {
    EXPECT_EQ(focusId(), IDC_ALPHA);

    CRecordingDlg other(IDD_KEYS);
    other.initResult = FALSE;
    other.onInit = [](CRecordingDlg& self) {
        SetFocus(GetDlgItem(self.m_hWnd, IDC_DELTA));
    };
    ASSERT_TRUE(other.Create(IDD_KEYS));
    EXPECT_EQ(GetDlgCtrlID(HandleFromWidget(WidgetFromHandle(other.m_hWnd)->focusWidget())),
              IDC_DELTA);

    // The first tab stop once initialisation is over, as the launcher disables some buttons.
    CRecordingDlg third(IDD_KEYS);
    third.onInit = [](CRecordingDlg& self) {
        self.GetDlgItem(IDC_ALPHA)->EnableWindow(FALSE);
    };
    ASSERT_TRUE(third.Create(IDD_KEYS));
    EXPECT_EQ(GetDlgCtrlID(HandleFromWidget(WidgetFromHandle(third.m_hWnd)->focusWidget())),
              IDC_BETA);
}

TEST_F(DialogKeyboardTest, EnterSendsTheFocusedPushButtonElseTheDefaultOne) {
    struct Case {
        int focused;
        int expected;
    };
    const Case cases[] = {
        {IDC_ALPHA, IDC_ALPHA},                         // the default button itself
        {IDC_BETA, IDC_BETA},                           // another push button: that one
        {IDC_DELTA, IDC_DELTA}, {IDC_CHECK, IDC_ALPHA}, // no push button: the default one
        {IDC_LIST, IDC_ALPHA},  {IDC_RED, IDC_ALPHA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focused);
        dlg->commands.clear();
        focus(c.focused);
        press(Qt::Key_Return);
        EXPECT_EQ(dlg->commandList(), std::vector<std::string>{cmd(c.expected)});
    }
    dlg->commands.clear();
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dlg->commandList(), std::vector<std::string>{cmd(IDC_ALPHA)});
}

TEST_F(DialogKeyboardTest, EnterDoesNothingWhenTheDefaultIdIsADisabledControl) {
    CRecordingDlg other(IDD_NODEFAULT);
    ASSERT_TRUE(other.Create(IDD_NODEFAULT));
    QWidget* otherWindow = WidgetFromHandle(other.m_hWnd);
    SetFocus(GetDlgItem(other.m_hWnd, IDC_CHECK));
    pressKey(otherWindow, Qt::Key_Return);
    EXPECT_TRUE(other.commands.empty());
    EXPECT_EQ(other.okCount, 0);

    SetFocus(GetDlgItem(other.m_hWnd, IDC_BETA));
    pressKey(otherWindow, Qt::Key_Return);
    EXPECT_EQ(other.commandList(), std::vector<std::string>{cmd(IDC_BETA)});
}

TEST_F(DialogKeyboardTest, EnterWithNoDefaultButtonSendsIdok) {
    // A template without BS_DEFPUSHBUTTON has IDOK as its default id, even with no such control.
    EnableWindow(GetDlgItem(dlg->m_hWnd, IDC_ALPHA), TRUE);
    CRecordingDlg other(IDD_NODEFAULT);
    ASSERT_TRUE(other.Create(IDD_NODEFAULT));
    EnableWindow(GetDlgItem(other.m_hWnd, IDOK), TRUE);
    SetFocus(GetDlgItem(other.m_hWnd, IDC_CHECK));
    pressKey(WidgetFromHandle(other.m_hWnd), Qt::Key_Return);
    EXPECT_EQ(other.commandList(), std::vector<std::string>{cmd(IDOK)});
    EXPECT_EQ(other.okCount, 1);
}

TEST_F(DialogKeyboardTest, EscapeSendsIdcancelWhichTheDialogMayIgnore) {
    for (int focused : {IDC_ALPHA, IDC_LIST, IDC_CHECK}) {
        dlg->commands.clear();
        focus(focused);
        press(Qt::Key_Escape);
        EXPECT_EQ(dlg->commandList(), std::vector<std::string>{cmd(IDCANCEL)});
    }
    EXPECT_EQ(dlg->cancelCount, 3);
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
}

TEST_F(DialogKeyboardTest, MnemonicsClickButtonsAndMoveTheFocusFromLabels) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int focusedBefore;
        std::vector<std::string> commands;
        int focusedAfter;
    };
    const std::vector<Case> cases = {
        {Qt::Key_B, Qt::AltModifier, IDC_ALPHA, {cmd(IDC_BETA)}, IDC_BETA},
        {Qt::Key_B, Qt::NoModifier, IDC_ALPHA, {cmd(IDC_BETA)}, IDC_BETA}, // bare, on a button
        {Qt::Key_D, Qt::AltModifier | Qt::ShiftModifier, IDC_ALPHA, {cmd(IDC_DELTA)}, IDC_DELTA},
        // "&Gamma" is disabled, so G goes on to "Lar&ge", an auto radio button.
        {Qt::Key_G, Qt::AltModifier, IDC_ALPHA, {cmd(IDC_LARGE)}, IDC_LARGE},
        // A static text and a group box hand the focus to the next tab stop after them.
        {Qt::Key_N, Qt::AltModifier, IDC_ALPHA, {}, IDC_DELTA},
        {Qt::Key_O, Qt::AltModifier, IDC_BETA, {}, IDC_ALPHA},
        // No control has Z.
        {Qt::Key_Z, Qt::AltModifier, IDC_BETA, {}, IDC_BETA},
        // In the list a bare letter is the list's, not a mnemonic.
        {Qt::Key_B, Qt::NoModifier, IDC_LIST, {}, IDC_LIST},
        {Qt::Key_B, Qt::AltModifier, IDC_LIST, {cmd(IDC_BETA)}, IDC_BETA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        focus(c.focusedBefore);
        dlg->commands.clear();
        press(c.key, c.modifiers);
        EXPECT_EQ(dlg->commandList(), c.commands);
        EXPECT_EQ(focusId(), c.focusedAfter);
    }
    EXPECT_EQ(checked(IDC_LARGE), BST_CHECKED);
}

TEST_F(DialogKeyboardTest, MnemonicToggleAnAutoCheckBoxAndCheckAnAutoRadioButton) {
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(checked(IDC_CHECK), BST_CHECKED);
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(checked(IDC_CHECK), BST_UNCHECKED);
    EXPECT_EQ(dlg->commandList(), (std::vector<std::string>{cmd(IDC_CHECK), cmd(IDC_CHECK)}));

    CheckRadioButton(dlg->m_hWnd, IDC_SMALL, IDC_LARGE, IDC_LARGE);
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(checked(IDC_SMALL), BST_CHECKED);
    EXPECT_EQ(checked(IDC_LARGE), BST_UNCHECKED);
}

TEST_F(DialogKeyboardTest, TabAndShiftTabMoveAlongTheTabStopsInTemplateOrder) {
    // Disabled "&Gamma" and the static text and group box are no tab stops.
    const std::vector<int> order = {IDC_ALPHA, IDC_BETA,  IDC_CHECK, IDC_RED,   IDC_GREEN, IDC_BLUE,
                                    IDC_SMALL, IDC_LARGE, IDC_LIST,  IDC_DELTA, IDCANCEL};
    std::vector<int> forward = {focusId()};
    for (std::size_t i = 0; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        forward.push_back(focusId());
    }
    std::vector<int> expected = order;
    expected.push_back(IDC_ALPHA); // wraps
    EXPECT_EQ(forward, expected);

    std::vector<int> backward;
    for (std::size_t i = 0; i < order.size(); ++i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        backward.push_back(focusId());
    }
    EXPECT_EQ(backward, std::vector<int>(order.rbegin(), order.rend()));
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(DialogKeyboardTest, TabLandsOnTheCheckedRadioButtonOfAGroupOnly) {
    CheckRadioButton(dlg->m_hWnd, IDC_RED, IDC_BLUE, IDC_GREEN);
    focus(IDC_CHECK);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusId(), IDC_GREEN);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusId(), IDC_SMALL); // the size group was never set: every button is a stop
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusId(), IDC_GREEN);

    // A click moves the stop with the check.
    QTest::mouseClick(control(window, IDC_BLUE), Qt::LeftButton);
    focus(IDC_CHECK);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusId(), IDC_BLUE);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg->m_hWnd, IDC_GREEN), GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(DialogKeyboardTest, TabSkipsControlsDisabledOrHiddenLater) {
    EnableWindow(GetDlgItem(dlg->m_hWnd, IDC_BETA), FALSE);
    control(window, IDC_CHECK)->hide();
    press(Qt::Key_Tab);
    EXPECT_EQ(focusId(), IDC_RED);
}

TEST_F(DialogKeyboardTest, ArrowKeysMoveWithinTheGroupAndCheckAutoRadioButtons) {
    focus(IDC_RED);
    press(Qt::Key_Down);
    EXPECT_EQ(focusId(), IDC_GREEN);
    EXPECT_EQ(checked(IDC_GREEN), BST_CHECKED);
    press(Qt::Key_Right);
    EXPECT_EQ(focusId(), IDC_BLUE);
    press(Qt::Key_Down); // wraps within the group: "&Small" starts the next one
    EXPECT_EQ(focusId(), IDC_RED);
    press(Qt::Key_Up);
    EXPECT_EQ(focusId(), IDC_BLUE);
    EXPECT_EQ(checked(IDC_BLUE), BST_CHECKED);
    EXPECT_EQ(checked(IDC_RED), BST_UNCHECKED);
    EXPECT_EQ(dlg->commandList(), (std::vector<std::string>{cmd(IDC_GREEN), cmd(IDC_BLUE),
                                                            cmd(IDC_RED), cmd(IDC_BLUE)}));

    // Onto a button that is already checked: the focus moves, nothing is sent.
    dlg->commands.clear();
    CheckRadioButton(dlg->m_hWnd, IDC_SMALL, IDC_LARGE, IDC_LARGE);
    focus(IDC_SMALL);
    press(Qt::Key_Down);
    EXPECT_EQ(focusId(), IDC_LARGE);
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(DialogKeyboardTest, ArrowKeysOnPushButtonsOnlyMoveTheFocusSkippingDisabledOnes) {
    press(Qt::Key_Down);
    EXPECT_EQ(focusId(), IDC_BETA);
    press(Qt::Key_Down); // "&Gamma" is disabled
    EXPECT_EQ(focusId(), IDC_CHECK);
    EXPECT_EQ(checked(IDC_CHECK), BST_UNCHECKED);
    press(Qt::Key_Down);
    EXPECT_EQ(focusId(), IDC_ALPHA);
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(DialogKeyboardTest, SpaceClicksTheFocusedButton) {
    focus(IDC_CHECK);
    press(Qt::Key_Space);
    EXPECT_EQ(checked(IDC_CHECK), BST_CHECKED);
    focus(IDC_BLUE);
    press(Qt::Key_Space);
    EXPECT_EQ(checked(IDC_BLUE), BST_CHECKED);
    focus(IDC_BETA);
    press(Qt::Key_Space);
    EXPECT_EQ(dlg->commandList(),
              (std::vector<std::string>{cmd(IDC_CHECK), cmd(IDC_BLUE), cmd(IDC_BETA)}));
}

TEST_F(DialogKeyboardTest, TheFocusedPushButtonShowsAsDefault) {
    auto isDefault = [this](int id) {
        return static_cast<QPushButton*>(control(window, id))->isDefault();
    };
    EXPECT_TRUE(isDefault(IDC_ALPHA));
    focus(IDC_BETA);
    EXPECT_TRUE(isDefault(IDC_BETA));
    EXPECT_FALSE(isDefault(IDC_ALPHA));
    focus(IDC_CHECK);
    EXPECT_TRUE(isDefault(IDC_ALPHA));
    EXPECT_FALSE(isDefault(IDC_BETA));
}

TEST_F(DialogKeyboardTest, F1SendsTheHelpCommandToTheApplication) {
    answerModal(AfxGetAppName(), "OK");
    press(Qt::Key_F1);
    EXPECT_EQ(TestApp().helpCount, 1);
    EXPECT_EQ(takeSeenModals(), QStringList{QString(AfxGetAppName()) + "|Failed to launch help."});

    for (auto modifiers : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        press(Qt::Key_F1, modifiers);
    }
    EXPECT_EQ(TestApp().helpCount, 1);
}

// A plain dialog procedure for the screens' kind of dialog: records commands, ends on IDOK.
std::vector<int> g_plainCommands;
INT_PTR PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND) {
        g_plainCommands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
        }
        return TRUE;
    }
    return FALSE;
}

TEST_F(DialogKeyboardTest, PlainDialogProceduresGetEscapeButNoHelp) {
    g_plainCommands.clear();
    whenModal("Plain", [](QWidget* plain) {
        pressKey(plain, Qt::Key_F1);
        pressKey(plain, Qt::Key_Escape);
        pressKey(plain, Qt::Key_B, Qt::AltModifier);
        plain->close(); // the window manager's close request
        whenModal("Plain", [](QWidget* again) {
            pressKey(again, Qt::Key_Return); // the focus is on "&Beta" now
            clickButton(again, "OK");
        });
    });
    INT_PTR result =
        DialogBoxParamA(TestModule(), MAKEINTRESOURCE(IDD_PLAIN), nullptr, PlainDialogProc, 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(g_plainCommands, (std::vector<int>{IDCANCEL, IDC_BETA, IDCANCEL, IDC_BETA, IDOK}));
    EXPECT_EQ(TestApp().helpCount, 0);
}

} // namespace
} // namespace vorn::test
