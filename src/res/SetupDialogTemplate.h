#pragma once

// Template 102: the launcher dialog.

#include "framework/DialogTemplate.h"
#include "framework/UiConstants.h"
#include "res/Resource.h"

namespace res {

inline constexpr DWORD kLauncherButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

inline constexpr DialogItemTemplate kSetupDialogItems[] = {
    {IDC_INSTALL_PLAY, ControlClass::Button, "&Install Vorn!", 0,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 185, 15, 105, 25},
    {IDC_DRIVER_SETTINGS, ControlClass::Button, "&Change driver settings", 0, kLauncherButton, 185,
     55, 105, 25},
    // Two blanks before "&keyboard", as the button has always read.
    {IDC_RESET_KEYBOARD, ControlClass::Button, "Reset  &keyboard setup", 0, kLauncherButton, 185,
     95, 105, 25},
    {IDC_RESET_CONTROLLER, ControlClass::Button, "Reset &Game controller setup", 0, kLauncherButton,
     185, 135, 105, 25},
    {IDC_EXIT, ControlClass::Button, "E&xit", 0, kLauncherButton, 185, 175, 105, 25},
    {-1, ControlClass::Static, nullptr, IDB_TITLE,
     WS_CHILD | WS_VISIBLE | WS_BORDER | SS_SUNKEN | SS_CENTERIMAGE | SS_BITMAP, 5, 5, 170, 205},
};

inline constexpr DialogTemplate kSetupDialog{IDD_SETUP_DIALOG,
                                             "Vorn - Mirefall Setup",
                                             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                 DS_MODALFRAME | DS_SETFONT,
                                             WS_EX_APPWINDOW,
                                             "MS Sans Serif",
                                             8,
                                             0,
                                             0,
                                             297,
                                             215,
                                             kSetupDialogItems};

} // namespace res
