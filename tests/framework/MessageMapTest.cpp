// Message maps: chained tables, notification codes, and commands routed on to the application.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"

#include <memory>
#include <string>
#include <vector>

namespace vorn::test {
namespace {

std::vector<std::string> g_calls;

class CBaseDlg : public CDialog {
public:
    CBaseDlg() : CDialog(IDD_KEYS) {}

protected:
    void OnBaseAlpha() { g_calls.push_back("base alpha"); }
    void OnBaseBeta() { g_calls.push_back("base beta"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseDlg, CDialog)
ON_BN_CLICKED(IDC_ALPHA, OnBaseAlpha)
ON_BN_CLICKED(IDC_BETA, OnBaseBeta)
END_MESSAGE_MAP()

class CDerivedDlg : public CBaseDlg {
private:
    void OnDerivedBeta() { g_calls.push_back("derived beta"); }
    void OnSelchangeList() { g_calls.push_back("selchange"); }
    void OnDblclkList() { g_calls.push_back("dblclk"); }
    void OnDelta() { g_calls.push_back("delta"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CBaseDlg)
ON_BN_CLICKED(IDC_BETA, OnDerivedBeta)
ON_LBN_SELCHANGE(IDC_LIST, OnSelchangeList)
ON_LBN_DBLCLK(IDC_LIST, OnDblclkList)
ON_COMMAND(IDC_DELTA, OnDelta)
END_MESSAGE_MAP()

class MessageMapTest : public FrameworkTest {};

TEST_F(MessageMapTest, EntriesBindMessageCodeAndIdAlongTheChain) {
    CDerivedDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    struct Case {
        int id;
        UINT code;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {IDC_ALPHA, BN_CLICKED, {"base alpha"}},  // only the base binds it
        {IDC_BETA, BN_CLICKED, {"derived beta"}}, // the derived table comes first
        {IDC_LIST, LBN_SELCHANGE, {"selchange"}},
        {IDC_LIST, LBN_DBLCLK, {"dblclk"}},
        {IDC_LIST, BN_CLICKED, {}}, // no entry for this code
        {IDC_ALPHA, LBN_SELCHANGE, {}},
        {IDC_DELTA, BN_CLICKED, {"delta"}},
        {0x7000, BN_CLICKED, {}}, // unbound, and no command for the app
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        g_calls.clear();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(c.id), static_cast<WORD>(c.code)),
                        0);
        EXPECT_EQ(g_calls, c.calls);
    }
    EXPECT_EQ(TestApp().helpCount, 0);
}

TEST_F(MessageMapTest, CommandsTheDialogDoesNotBindGoOnToTheApplication) {
    CDerivedDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    answerModal(AfxGetAppName(), "OK");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), BN_CLICKED), 0);
    EXPECT_EQ(TestApp().helpCount, 1);
    // A control notification with the same id is no command.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), LBN_SELCHANGE), 0);
    EXPECT_EQ(TestApp().helpCount, 1);
    EXPECT_FALSE(TestApp().OnCmdMsg(0x8123, BN_CLICKED));
}

TEST_F(MessageMapTest, TheDialogsOwnTableEndsItOnOkAndCancel) {
    for (int id : {IDOK, IDCANCEL}) {
        CRecordingDlg dlg(IDD_SYSMENU);
        whenModal("System menu", [id](QWidget* window) {
            SendMessage(vorn::fw::HandleFromWidget(window), WM_COMMAND,
                        MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
        });
        EXPECT_EQ(dlg.DoModal(), id);
    }
}

} // namespace
} // namespace vorn::test
