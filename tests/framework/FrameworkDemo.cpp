// A small program on the framework alone, for looking at a template on a real display: a framed,
// centred picture beside a column of buttons, a sorted list, two radio groups and check boxes.
// It prints where each control landed, in pixels, so that a screenshot can be compared with the
// template. Escape (or Exit) ends it.

#include "framework/Framework.h"
#include "framework/WindowBridge.h"

#include <QWidget>
#include <cstdio>
#include <string_view>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr UINT IDD_DEMO = 700;
constexpr UINT IDD_SCREEN = 701;
constexpr UINT IDB_PICTURE = 300;

constexpr DialogItemTemplate kItems[] = {
    {1001, ControlClass::Button, "&Install", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 185, 15,
     105, 25},
    {1002, ControlClass::Button, "&Change settings", 0, kChild | WS_TABSTOP, 185, 55, 105, 25},
    {1004, ControlClass::Button, "E&xit", 0, kChild | WS_TABSTOP, 185, 95, 105, 25},
    {-1, ControlClass::Static, nullptr, IDB_PICTURE,
     kChild | WS_BORDER | SS_SUNKEN | SS_CENTERIMAGE | SS_BITMAP, 5, 5, 170, 100},
    {1012, ControlClass::ListBox, nullptr, 0,
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT, 10, 125, 160, 40},
    {1026, ControlClass::Button, "320 x 200", 0,
     kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 10, 185, 47, 10},
    {1027, ControlClass::Button, "640 x 480", 0, kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 10, 200,
     47, 10},
    {1023, ControlClass::Button, "Normal", 0, kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON,
     85, 185, 38, 10},
    {1024, ControlClass::Button, "Super", 0, kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 85, 200, 38,
     10},
    {1016, ControlClass::Button, "Filtered textures", 0, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 185,
     185, 80, 10},
    {-1, ControlClass::Button, "Default Screen Resolution", 0, kChild | BS_GROUPBOX, 5, 172, 155,
     40},
    {-1, ControlClass::Button, "&Driver", 0, kChild | BS_GROUPBOX, 5, 112, 170, 58},
    {1020, ControlClass::Static, "Current screen resolution: 640 x 480", 0,
     kChild | SS_LEFT | WS_GROUP, 185, 200, 125, 8},
};
constexpr DialogTemplate kDialogs[] = {
    {IDD_DEMO, "Framework demo",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW,
     "MS Sans Serif", 8, 0, 0, 315, 220, kItems},
    // The requirement screens' kind of window: no system menu, centred, topmost.
    {IDD_SCREEN, "Framework demo",
     WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SYSMODAL, 0,
     "MS Sans Serif", 8, 0, 0, 315, 220, kItems},
};
UINT g_templateId = IDD_DEMO;
constexpr BitmapResource kBitmaps[] = {{IDB_PICTURE, VORN_TEST_DATA_DIR "/framework/square.png"}};

class CDemoDlg : public CDialog {
public:
    CDemoDlg() : CDialog(g_templateId) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* text : {"Unaccelerated (software only)", "3dfx Rush (Alliance/Hercules)",
                                 "ATI Rage II / Rage II+", "Matrox Mystique"}) {
            SendDlgItem(1012, LB_ADDSTRING, text);
        }
        SendDlgItem(1012, LB_SELECTSTRING, "Unacc", static_cast<WPARAM>(-1));
        CheckRadioButton(1023, 1024, 1023);
        QWidget* window = vorn::fw::WidgetFromHandle(m_hWnd);
        std::printf("dialog %u client %dx%d flags 0x%x\n", g_templateId, window->width(),
                    window->height(), static_cast<unsigned>(window->windowFlags().toInt()));
        for (const DialogItemTemplate& item : kItems) {
            if (QWidget* control = vorn::fw::WidgetFromHandle(::GetDlgItem(m_hWnd, item.id))) {
                std::printf("control %d at %d,%d size %dx%d (template %d,%d %dx%d)\n", item.id,
                            control->x(), control->y(), control->width(), control->height(), item.x,
                            item.y, item.cx, item.cy);
            }
        }
        std::fflush(stdout);
        return TRUE;
    }

private:
    void SendDlgItem(int id, UINT message, const char* text, WPARAM wParam = 0) {
        ::SendMessage(::GetDlgItem(m_hWnd, id), message, wParam, reinterpret_cast<LPARAM>(text));
    }
    void OnExit() { EndDialog(IDOK); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
ON_BN_CLICKED(1004, OnExit)
END_MESSAGE_MAP()

class CDemoApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CDemoDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        return FALSE;
    }
};

CDemoApp theApp;

} // namespace

// "--screen" shows the template with the requirement screens' window styles instead.
int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "--screen") {
        g_templateId = IDD_SCREEN;
    }
    return AfxWinMain(argc, argv, {kDialogs, kBitmaps});
}
