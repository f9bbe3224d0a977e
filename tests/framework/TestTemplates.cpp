#include "TestTemplates.h"

#include "framework/UiConstants.h"

namespace vorn::test {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate kKeysItems[] = {
    {IDC_ALPHA, ControlClass::Button, "&Alpha", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 7, 7, 50,
     14},
    {IDC_BETA, ControlClass::Button, "&Beta", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 7, 25, 50,
     14},
    {IDC_GAMMA, ControlClass::Button, "&Gamma", 0, kChild | WS_TABSTOP | WS_DISABLED, 7, 43, 50,
     14},
    {IDC_CHECK, ControlClass::Button, "&Check", 0, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 70, 7, 60,
     10},
    {IDC_RED, ControlClass::Button, "Red", 0, kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
     70, 25, 40, 10},
    {IDC_GREEN, ControlClass::Button, "Green", 0, kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 70, 37,
     40, 10},
    {IDC_BLUE, ControlClass::Button, "Blue", 0, kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 70, 49,
     40, 10},
    {IDC_SMALL, ControlClass::Button, "&Small", 0,
     kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 120, 25, 40, 10},
    {IDC_LARGE, ControlClass::Button, "Lar&ge", 0, kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 120,
     37, 40, 10},
    {IDC_LIST, ControlClass::ListBox, nullptr, 0,
     kChild | WS_TABSTOP | WS_GROUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT, 7, 65, 100,
     40},
    {IDC_NAME, ControlClass::Static, "&Name:", 0, kChild | SS_LEFT | WS_GROUP, 120, 65, 40, 8},
    {IDC_DELTA, ControlClass::Button, "&Delta", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 120, 77, 50,
     14},
    {IDCANCEL, ControlClass::Button, "Cancel", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 120, 95, 50,
     14},
    {-1, ControlClass::Button, "Size &options", 0, kChild | BS_GROUPBOX, 115, 17, 55, 45},
};

constexpr DialogItemTemplate kPlainItems[] = {
    {IDOK, ControlClass::Button, "OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 40, 40, 50, 14},
    {IDC_BETA, ControlClass::Button, "&Beta", 0, kChild | WS_TABSTOP, 40, 60, 50, 14},
};

constexpr DialogItemTemplate kOwnedItems[] = {
    {IDC_ALPHA, ControlClass::Button, "OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 10, 50,
     14},
    {IDC_BETA, ControlClass::Button, "&Cancel", 0, kChild | WS_TABSTOP, 10, 30, 50, 14},
};

constexpr DialogItemTemplate kPictureItems[] = {
    {IDC_PLAIN_PICTURE, ControlClass::Static, nullptr, IDB_SQUARE, kChild | SS_BITMAP, 10, 20, 5,
     5},
    {IDC_FRAMED_PICTURE, ControlClass::Static, nullptr, IDB_SQUARE,
     kChild | WS_BORDER | SS_SUNKEN | SS_CENTERIMAGE | SS_BITMAP, 50, 10, 40, 40},
    {IDC_SMALL_FRAME, ControlClass::Static, nullptr, IDB_SQUARE,
     kChild | WS_BORDER | SS_SUNKEN | SS_CENTERIMAGE | SS_BITMAP, 100, 10, 10, 10},
    {IDOK, ControlClass::Button, "OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 60, 50, 14},
};

constexpr DialogItemTemplate kNoDefaultItems[] = {
    {IDC_BETA, ControlClass::Button, "&Beta", 0, kChild | WS_TABSTOP, 10, 10, 50, 14},
    {IDC_CHECK, ControlClass::Button, "&Check", 0, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 30,
     50, 10},
    {IDOK, ControlClass::Button, "OK", 0, kChild | WS_TABSTOP | WS_DISABLED, 10, 50, 50, 14},
};

constexpr DWORD kScreenStyle =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SYSMODAL;
constexpr DWORD kLauncherStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kChildStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

constexpr DialogTemplate kDialogs[] = {
    {IDD_KEYS, "Keys", kLauncherStyle, WS_EX_APPWINDOW, "MS Sans Serif", 8, 0, 0, 180, 115,
     kKeysItems},
    {IDD_PLAIN, "Plain", kScreenStyle, 0, "MS Sans Serif", 8, 0, 0, 120, 80, kPlainItems},
    {IDD_OWNED, "Owned", kChildStyle, 0, "MS Sans Serif", 8, 4, 6, 80, 50, kOwnedItems},
    {IDD_PICTURES, "Pictures", kLauncherStyle, 0, "MS Sans Serif", 8, 0, 0, 120, 80, kPictureItems},
    {IDD_NODEFAULT, "No default", kLauncherStyle, 0, "MS Sans Serif", 8, 0, 0, 80, 70,
     kNoDefaultItems},
    {IDD_SYSMENU, "System menu", kLauncherStyle, 0, "MS Sans Serif", 8, 0, 0, 120, 80, kPlainItems},
};

constexpr BitmapResource kBitmaps[] = {
    {IDB_SQUARE, VORN_TEST_DATA_DIR "/framework/square.png"},
};

constexpr IconResource kIcons[] = {
    {IDI_TEST_ICON, VORN_TEST_DATA_DIR "/framework/icon.png"},
};

} // namespace

HINSTANCE TestModule() {
    static HINSTANCE module = AfxRegisterModule({kDialogs, kBitmaps, kIcons});
    return module;
}

} // namespace vorn::test
