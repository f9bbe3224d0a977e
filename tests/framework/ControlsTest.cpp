// Radio buttons, check boxes and the list box, as the program's code and the user use them.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"

#include <QListWidget>
#include <QTest>
#include <memory>

namespace vorn::test {
namespace {

using vorn::fw::WidgetFromHandle;

class ControlsTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        dlg = std::make_unique<CRecordingDlg>(IDD_KEYS);
        ASSERT_TRUE(dlg->Create(IDD_KEYS));
        window = WidgetFromHandle(dlg->m_hWnd);
        list = static_cast<QListWidget*>(control(window, IDC_LIST));
    }
    void TearDown() override {
        dlg.reset();
        FrameworkTest::TearDown();
    }

    UINT checked(int id) const { return IsDlgButtonChecked(dlg->m_hWnd, id); }
    void click(int id) { QTest::mouseClick(control(window, id), Qt::LeftButton); }
    LRESULT toList(UINT message, WPARAM wParam = 0, const char* text = nullptr) {
        return SendMessage(GetDlgItem(dlg->m_hWnd, IDC_LIST), message, wParam,
                           reinterpret_cast<LPARAM>(text));
    }
    std::vector<std::string> items() {
        CListBox* box = static_cast<CListBox*>(dlg->GetDlgItem(IDC_LIST));
        std::vector<std::string> texts;
        for (int i = 0; i < box->GetCount(); ++i) {
            CString text;
            box->GetText(i, text);
            texts.push_back(text.str());
        }
        return texts;
    }
    QPoint itemCentre(int row) { return list->visualItemRect(list->item(row)).center(); }

    std::unique_ptr<CRecordingDlg> dlg;
    QWidget* window = nullptr;
    QListWidget* list = nullptr;
};

TEST_F(ControlsTest, AutoRadioButtonsAreExclusiveWithinTheirOwnGroup) {
    click(IDC_RED);
    click(IDC_SMALL);
    EXPECT_EQ(checked(IDC_RED), BST_CHECKED);
    EXPECT_EQ(checked(IDC_SMALL), BST_CHECKED); // another group
    click(IDC_GREEN);
    EXPECT_EQ(checked(IDC_RED), BST_UNCHECKED);
    EXPECT_EQ(checked(IDC_GREEN), BST_CHECKED);
    EXPECT_EQ(checked(IDC_SMALL), BST_CHECKED);
    click(IDC_GREEN); // clicking the checked one keeps it checked, and still reports the click
    EXPECT_EQ(checked(IDC_GREEN), BST_CHECKED);
    EXPECT_EQ(dlg->commandList(), (std::vector<std::string>{cmd(IDC_RED), cmd(IDC_SMALL),
                                                            cmd(IDC_GREEN), cmd(IDC_GREEN)}));
}

TEST_F(ControlsTest, CheckRadioButtonChecksOneAndClearsTheRestOfTheRange) {
    struct Case {
        int check;
        std::vector<UINT> states; // red, green, blue
        int checkedButton;
    };
    const Case cases[] = {
        {IDC_BLUE, {BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED}, IDC_BLUE},
        {IDC_RED, {BST_CHECKED, BST_UNCHECKED, BST_UNCHECKED}, IDC_RED},
        {IDC_RED + 3, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}, 0}, // out of range: none
        {0, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.check);
        dlg->CheckRadioButton(IDC_RED, IDC_BLUE, c.check);
        EXPECT_EQ((std::vector<UINT>{checked(IDC_RED), checked(IDC_GREEN), checked(IDC_BLUE)}),
                  c.states);
        EXPECT_EQ(dlg->GetCheckedRadioButton(IDC_RED, IDC_BLUE), c.checkedButton);
    }
    // Buttons outside the range are untouched; nothing is reported to the dialog.
    dlg->CheckRadioButton(IDC_SMALL, IDC_LARGE, IDC_LARGE);
    dlg->CheckRadioButton(IDC_RED, IDC_BLUE, IDC_GREEN);
    EXPECT_EQ(checked(IDC_LARGE), BST_CHECKED);
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(ControlsTest, GetCheckedRadioButtonGivesTheLowestCheckedId) {
    SendMessage(GetDlgItem(dlg->m_hWnd, IDC_GREEN), BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(GetDlgItem(dlg->m_hWnd, IDC_BLUE), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(dlg->GetCheckedRadioButton(IDC_RED, IDC_BLUE), IDC_GREEN);
    EXPECT_EQ(dlg->GetCheckedRadioButton(IDC_BLUE, IDC_BLUE), IDC_BLUE);
}

TEST_F(ControlsTest, RadioTabStopsFollowTheirCheckState) {
    auto tabStop = [this](int id) {
        return (GetWindowLongA(GetDlgItem(dlg->m_hWnd, id), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    EXPECT_TRUE(tabStop(IDC_RED) && tabStop(IDC_GREEN) && tabStop(IDC_BLUE));
    dlg->CheckRadioButton(IDC_RED, IDC_BLUE, IDC_BLUE);
    EXPECT_EQ((std::vector<bool>{tabStop(IDC_RED), tabStop(IDC_GREEN), tabStop(IDC_BLUE)}),
              (std::vector<bool>{false, false, true}));
    click(IDC_RED);
    EXPECT_EQ((std::vector<bool>{tabStop(IDC_RED), tabStop(IDC_GREEN), tabStop(IDC_BLUE)}),
              (std::vector<bool>{true, false, false}));
    dlg->CheckRadioButton(IDC_RED, IDC_BLUE, 0);
    EXPECT_EQ((std::vector<bool>{tabStop(IDC_RED), tabStop(IDC_GREEN), tabStop(IDC_BLUE)}),
              (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(tabStop(IDC_CHECK)); // check boxes keep theirs
}

TEST_F(ControlsTest, CheckBoxesThroughBoundButtons) {
    CButton check;
    CDataExchange exchange(dlg.get(), FALSE);
    DDX_Control(&exchange, IDC_CHECK, check);
    ASSERT_EQ(check.m_hWnd, GetDlgItem(dlg->m_hWnd, IDC_CHECK));
    EXPECT_EQ(CWnd::FromHandle(check.m_hWnd), &check);

    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    check.EnableWindow(FALSE); // disabling keeps the state, and the box cannot be used
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    click(IDC_CHECK);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_TRUE(dlg->commands.empty());
    check.EnableWindow(TRUE);
    click(IDC_CHECK);
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(dlg->commandList(), std::vector<std::string>{cmd(IDC_CHECK)});
}

TEST_F(ControlsTest, TheSortedListPutsEachTextInItsPlaceIgnoringCase) {
    const char* added[] = {"Unaccelerated (software only)",
                           "3dfx Voodoo compatible (Monster, Orchid, Righteous)",
                           "3dfx Rush (Alliance/Hercules)",
                           "ATI Rage II / Rage II+",
                           "Matrox Mystique",
                           "S3 ViRGE / DX / GX / GX2",
                           "apple",
                           "Banana"};
    for (const char* text : added) {
        EXPECT_GE(toList(LB_ADDSTRING, 0, text), 0);
    }
    EXPECT_EQ(items(), (std::vector<std::string>{
                           "3dfx Rush (Alliance/Hercules)",
                           "3dfx Voodoo compatible (Monster, Orchid, Righteous)", "apple",
                           "ATI Rage II / Rage II+", "Banana", "Matrox Mystique",
                           "S3 ViRGE / DX / GX / GX2", "Unaccelerated (software only)"}));
    EXPECT_EQ(toList(LB_ADDSTRING, 0, "b"), 4); // the index it went to
    EXPECT_EQ(toList(LB_GETCURSEL), LB_ERR);
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(ControlsTest, SelectStringSelectsByPrefixWithoutNotification) {
    for (const char* text :
         {"Matrox Mystique", "S3 ViRGE / DX / GX / GX2", "Unaccelerated (software only)",
          "3dfx Rush (Alliance/Hercules)", "3dfx Voodoo compatible"}) {
        toList(LB_ADDSTRING, 0, text);
    }
    struct Case {
        const char* prefix;
        LRESULT index;
        LRESULT selected;
    };
    const Case cases[] = {
        {"s3 virge", 3, 3}, // letter case ignored
        {"3dfx", 0, 0},     // the first from the top
        {"3dfx V", 1, 1},
        {"Unaccelerated (software only)", 4, 4},
        {"Voodoo", LB_ERR, 4}, // no item begins with it: the selection stays
        {"", 0, 0},            // the empty prefix matches the first item
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        EXPECT_EQ(toList(LB_SELECTSTRING, static_cast<WPARAM>(-1), c.prefix), c.index);
        EXPECT_EQ(toList(LB_GETCURSEL), c.selected);
    }
    auto* box = static_cast<CListBox*>(dlg->GetDlgItem(IDC_LIST));
    EXPECT_EQ(box->SelectString(-1, "MATROX"), 2);
    EXPECT_EQ(box->GetCurSel(), 2);
    CString text;
    box->GetText(box->GetCurSel(), text);
    EXPECT_EQ(text, "Matrox Mystique");
    box->GetText(99, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(dlg->commands.empty());
}

TEST_F(ControlsTest, UserSelectionNotifiesOncePerChangeAndDoubleClickFollows) {
    for (const char* text : {"alpha", "beta", "gamma", "mu"}) {
        toList(LB_ADDSTRING, 0, text);
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre(1));
    EXPECT_EQ(toList(LB_GETCURSEL), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre(1)); // no change
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_G); // the next item that begins with g
    EXPECT_EQ(toList(LB_GETCURSEL), 2);
    EXPECT_EQ(dlg->commandList(), std::vector<std::string>(5, cmd(IDC_LIST, LBN_SELCHANGE)));

    dlg->commands.clear();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, itemCentre(3));
    EXPECT_EQ(toList(LB_GETCURSEL), 3);
    EXPECT_EQ(dlg->commandList(),
              (std::vector<std::string>{cmd(IDC_LIST, LBN_SELCHANGE), cmd(IDC_LIST, LBN_DBLCLK)}));
}

TEST_F(ControlsTest, TheUserCannotClearTheSelection) {
    for (const char* text : {"alpha", "beta"}) {
        toList(LB_ADDSTRING, 0, text);
    }
    toList(LB_SETCURSEL, 1);
    QPoint below = itemCentre(1) + QPoint(0, 3 * list->visualItemRect(list->item(1)).height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, itemCentre(1));
    EXPECT_EQ(toList(LB_GETCURSEL), 1);
    EXPECT_TRUE(dlg->commands.empty());
}

} // namespace
} // namespace vorn::test
